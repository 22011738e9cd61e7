#include "stages/stage_lists.h"

namespace {

using C = ObjectClass;

// A ballroom under five chandeliers and four spiked lifts, with priests,
// bone throwers, hunchbacks and bats all along the floor.
constexpr StageObject kList[] = {
    // EnemySyanderia: x, y, stopY
    Obj(C::EnemySyanderia, 0, {700, 20, 361}),
    Obj(C::EnemySyanderia, 1, {1500, 20, 361}),
    Obj(C::EnemySyanderia, 2, {2600, 20, 361}),
    Obj(C::EnemySyanderia, 3, {3600, 20, 361}),
    Obj(C::EnemySyanderia, 4, {4500, 20, 361}),
    // EnemyHariLift: x, y, lowY
    Obj(C::EnemyHariLift, 0, {1100, 40, 367}),
    Obj(C::EnemyHariLift, 1, {2100, 90, 367}),
    Obj(C::EnemyHariLift, 2, {3100, 20, 367}),
    Obj(C::EnemyHariLift, 3, {4200, 60, 367}),
    // EnemySkeletonSoldier: x, y, facing, left, right
    Obj(C::EnemySkeletonSoldier, 0, {1300, 363, 0, 1150, 1600}),
    Obj(C::EnemySkeletonSoldier, 1, {3900, 363, 0, 3700, 4100}),
    // EnemyMerman: x, dead
    Obj(C::EnemyMerman, 0, {0, 1}),
    // EnemyBokusi: x, y, facing, left, right
    Obj(C::EnemyBokusi, 0, {2000, 329, 0, 1700, 2400}),
    Obj(C::EnemyBokusi, 1, {4700, 329, 0, 4400, 5000}),
    // EnemySemusi: x, y, facing, dead
    Obj(C::EnemySemusi, 0, {900, 395, 0, 0}),
    Obj(C::EnemySemusi, 1, {1800, 395, 0, 0}),
    Obj(C::EnemySemusi, 2, {2900, 395, 0, 0}),
    Obj(C::EnemySemusi, 3, {4400, 395, 0, 0}),
    // EnemyZombie: x, y, spare, dead, left, right
    Obj(C::EnemyZombie, 0, {0, 0, 0, 1, 0, 0}),
    Obj(C::EnemyZombie, 1, {0, 0, 0, 1, 0, 0}),
    // EnemyGhost: x, y, spare
    Obj(C::EnemyGhost, 0, {1600, 350, 0}),
    Obj(C::EnemyGhost, 1, {3300, 330, 0}),
    // EnemyUne: x, y
    Obj(C::EnemyUne, 0, {2500, 389}),
    // EnemySkeleton: x, y, facing, left, right, slotBase
    Obj(C::EnemySkeleton, 0, {2300, 335, 0, 2150, 2500, 0}),
    Obj(C::EnemySkeleton, 1, {3400, 335, 0, 3250, 3600, 5}),
    Obj(C::EnemySkeleton, 2, {4800, 335, 0, 4650, 5000, 10}),
    // EnemyHone: x, y, vx, vy, dead
    Obj(C::EnemyHone, 0, {0, 0, 0, 0, 1}),
    Obj(C::EnemyHone, 1, {0, 0, 0, 0, 1}),
    Obj(C::EnemyHone, 2, {0, 0, 0, 0, 1}),
    Obj(C::EnemyHone, 3, {0, 0, 0, 0, 1}),
    Obj(C::EnemyHone, 4, {0, 0, 0, 0, 1}),
    Obj(C::EnemyHone, 5, {0, 0, 0, 0, 1}),
    Obj(C::EnemyHone, 6, {0, 0, 0, 0, 1}),
    Obj(C::EnemyHone, 7, {0, 0, 0, 0, 1}),
    Obj(C::EnemyHone, 8, {0, 0, 0, 0, 1}),
    Obj(C::EnemyHone, 9, {0, 0, 0, 0, 1}),
    Obj(C::EnemyHone, 10, {0, 0, 0, 0, 1}),
    Obj(C::EnemyHone, 11, {0, 0, 0, 0, 1}),
    Obj(C::EnemyHone, 12, {0, 0, 0, 0, 1}),
    Obj(C::EnemyHone, 13, {0, 0, 0, 0, 1}),
    Obj(C::EnemyHone, 14, {0, 0, 0, 0, 1}),
    // EnemySLarge: x, y, frame, left, right
    Obj(C::EnemySLarge, 0, {3000, 395, 2, 2800, 3250}),
    // EnemyKonbou: x, y
    Obj(C::EnemyKonbou, 0, {4000, 369}),
    // EnemyBat: x, y, maxX, dead
    Obj(C::EnemyBat, 0, {1000, 150, 1400, 0}),
    Obj(C::EnemyBat, 1, {1900, 200, 2300, 0}),
    Obj(C::EnemyBat, 2, {2800, 150, 3200, 0}),
    Obj(C::EnemyBat, 3, {3700, 200, 4100, 0}),
    Obj(C::EnemyBat, 4, {4600, 150, 5000, 0}),
    // EnemyCrow: x, y, facing
    Obj(C::EnemyCrow, 0, {1200, 150, 0}),
    Obj(C::EnemyCrow, 1, {3500, 150, 0}),
};

}  // namespace

StageObjectList StageList14() { return ListOf(kList); }

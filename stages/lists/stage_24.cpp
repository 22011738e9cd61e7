#include "stages/stage_lists.h"

namespace {

using C = ObjectClass;

// Flea-bitten kennels: fleas and hounds along the floor with bone
// throwers, an axe armour and a barrel ape before the exit.
constexpr StageObject kList[] = {
    // EnemyNomi: x, y, frame, dead
    Obj(C::EnemyNomi, 0, {700, 380, 2, 0}),
    Obj(C::EnemyNomi, 1, {1300, 380, 2, 0}),
    Obj(C::EnemyNomi, 2, {2000, 380, 2, 0}),
    Obj(C::EnemyNomi, 3, {2700, 380, 2, 0}),
    Obj(C::EnemyNomi, 4, {3500, 380, 2, 0}),
    Obj(C::EnemyNomi, 5, {4300, 380, 2, 0}),
    // EnemyFDog: x, y, frame
    Obj(C::EnemyFDog, 0, {1600, 377, 4}),
    Obj(C::EnemyFDog, 1, {3000, 377, 4}),
    Obj(C::EnemyFDog, 2, {4500, 377, 4}),
    // EnemyAxArmor: x, y, facing, left, right, slotBase
    Obj(C::EnemyAxArmor, 0, {3800, 333, 0, 3600, 4100, 0}),
    // EnemyAx: x, y, facing, rightTurn, leftTurn, dead
    Obj(C::EnemyAx, 0, {0, 0, 0, 0, 0, 1}),
    Obj(C::EnemyAx, 1, {0, 0, 0, 0, 0, 1}),
    Obj(C::EnemyAx, 2, {0, 0, 0, 0, 0, 1}),
    // EnemyGhost: x, y, spare
    Obj(C::EnemyGhost, 0, {1100, 350, 0}),
    Obj(C::EnemyGhost, 1, {3300, 330, 0}),
    // EnemySkeleton: x, y, facing, left, right, slotBase
    Obj(C::EnemySkeleton, 0, {1900, 335, 0, 1750, 2100, 0}),
    Obj(C::EnemySkeleton, 1, {2600, 335, 0, 2450, 2800, 5}),
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
    // EnemySukaru: x, y, frame
    Obj(C::EnemySukaru, 0, {2200, 200, 2}),
    Obj(C::EnemySukaru, 1, {4200, 200, 2}),
    // EnemySemusi: x, y, facing, dead
    Obj(C::EnemySemusi, 0, {1000, 395, 0, 0}),
    Obj(C::EnemySemusi, 1, {2400, 395, 0, 0}),
    Obj(C::EnemySemusi, 2, {3600, 395, 0, 0}),
    // EnemySkeletonSoldier: x, y, facing, left, right
    Obj(C::EnemySkeletonSoldier, 0, {1400, 363, 0, 1200, 1700}),
    // EnemyEipu: x, y, frame, limit, slotBase
    Obj(C::EnemyEipu, 0, {4700, 305, 4, 4400, 0}),
    // EnemyTaru: x, y, vx, dead
    Obj(C::EnemyTaru, 0, {0, 0, 0, 1}),
    // EnemyTurn: x, y, left, right
    Obj(C::EnemyTurn, 0, {2900, 200, 2700, 3200}),
    // EnemyHana: x, y, frame, slotBase
    Obj(C::EnemyHana, 0, {3200, 365, 2, 0}),
    // EnemyTobuHonoo: x, y, facing, speed, dead
    Obj(C::EnemyTobuHonoo, 0, {0, 0, 0, 0, 1}),
    // EnemyDouzou: x, y
    Obj(C::EnemyDouzou, 0, {2100, 276}),
    // EnemyYuurei: x
    Obj(C::EnemyYuurei, 0, {3700}),
    // EnemyDancer: x, y, movingRight
    Obj(C::EnemyDancer, 0, {1200, 150, 1}),
    // EnemyZombie: x, y, spare, dead, left, right
    Obj(C::EnemyZombie, 0, {0, 0, 0, 1, 0, 0}),
    Obj(C::EnemyZombie, 1, {0, 0, 0, 1, 0, 0}),
};

}  // namespace

StageObjectList StageList24() { return ListOf(kList); }

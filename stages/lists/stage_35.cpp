#include "stages/stage_lists.h"

namespace {

using C = ObjectClass;

// A catacomb: drips fall all along its ceiling and hanging hazards drop on the hero, skeletons of
// every kind fill the floor, the giant skeleton shakes blocks loose before the exit.
constexpr StageObject kList[] = {
    // EnemyTi: x, y, floorY
    Obj(C::EnemyTi, 0, {500, 0, 399}),
    Obj(C::EnemyTi, 1, {900, 0, 399}),
    Obj(C::EnemyTi, 2, {1500, 0, 399}),
    Obj(C::EnemyTi, 3, {2100, 0, 399}),
    Obj(C::EnemyTi, 4, {2800, 0, 399}),
    Obj(C::EnemyTi, 5, {3500, 0, 399}),
    Obj(C::EnemyTi, 6, {4300, 0, 399}),
    // EnemyHuran: x
    Obj(C::EnemyHuran, 0, {700}),
    Obj(C::EnemyHuran, 1, {1200}),
    Obj(C::EnemyHuran, 2, {1800}),
    Obj(C::EnemyHuran, 3, {2500}),
    Obj(C::EnemyHuran, 4, {3100}),
    Obj(C::EnemyHuran, 5, {3900}),
    Obj(C::EnemyHuran, 6, {4600}),
    // EnemySukaru2: x, y, dead
    Obj(C::EnemySukaru2, 0, {0, 0, 1}),
    Obj(C::EnemySukaru2, 1, {0, 0, 1}),
    // EnemyWil: x, y, facing
    Obj(C::EnemyWil, 0, {1300, 330, 0}),
    Obj(C::EnemyWil, 1, {2300, 330, 0}),
    Obj(C::EnemyWil, 2, {3300, 330, 0}),
    Obj(C::EnemyWil, 3, {4400, 330, 0}),
    // EnemyFireSkeleton: x, y, facing, slot
    Obj(C::EnemyFireSkeleton, 0, {1000, 353, 0, 0}),
    Obj(C::EnemyFireSkeleton, 1, {2700, 353, 0, 1}),
    Obj(C::EnemyFireSkeleton, 2, {4000, 353, 0, 2}),
    // EnemyBGaikotu: x, y, facing, slotBase
    Obj(C::EnemyBGaikotu, 0, {3600, 321, 0, 0}),
    // EnemyOtiruBlock: x, y, dead
    Obj(C::EnemyOtiruBlock, 0, {0, 0, 1}),
    Obj(C::EnemyOtiruBlock, 1, {0, 0, 1}),
    Obj(C::EnemyOtiruBlock, 2, {0, 0, 1}),
    Obj(C::EnemyOtiruBlock, 3, {0, 0, 1}),
    Obj(C::EnemyOtiruBlock, 4, {0, 0, 1}),
    // EnemyHonebasira: x, y, slotBase
    Obj(C::EnemyHonebasira, 0, {2000, 367, 3}),
    // EnemyTobuHonoo: x, y, facing, speed, dead
    Obj(C::EnemyTobuHonoo, 0, {0, 0, 0, 0, 1}),
    Obj(C::EnemyTobuHonoo, 1, {0, 0, 0, 0, 1}),
    Obj(C::EnemyTobuHonoo, 2, {0, 0, 0, 0, 1}),
    Obj(C::EnemyTobuHonoo, 3, {0, 0, 0, 0, 1}),
    Obj(C::EnemyTobuHonoo, 4, {0, 0, 0, 0, 1}),
    Obj(C::EnemyTobuHonoo, 5, {0, 0, 0, 0, 1}),
    // EnemyGhost: x, y, spare
    Obj(C::EnemyGhost, 0, {1700, 380, 0}),
    Obj(C::EnemyGhost, 1, {3800, 380, 0}),
    // EnemySkeletonSoldier: x, y, facing, left, right
    Obj(C::EnemySkeletonSoldier, 0, {1400, 367, 0, 1250, 1550}),
    Obj(C::EnemySkeletonSoldier, 1, {2900, 367, 0, 2750, 3050}),
    // EnemySkeleton: x, y, facing, left, right, slotBase
    Obj(C::EnemySkeleton, 0, {2200, 339, 0, 2050, 2350, 0}),
    Obj(C::EnemySkeleton, 1, {4200, 339, 0, 4050, 4350, 5}),
    // EnemyWarSkeleton: x, y, facing, slotBase
    Obj(C::EnemyWarSkeleton, 0, {3300, 331, 0, 10}),
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
    Obj(C::EnemyHone, 15, {0, 0, 0, 0, 1}),
    Obj(C::EnemyHone, 16, {0, 0, 0, 0, 1}),
    Obj(C::EnemyHone, 17, {0, 0, 0, 0, 1}),
    Obj(C::EnemyHone, 18, {0, 0, 0, 0, 1}),
    Obj(C::EnemyHone, 19, {0, 0, 0, 0, 1}),
    // EnemyEipu: x, y, frame, limit, slotBase
    Obj(C::EnemyEipu, 0, {4700, 309, 4, 4500, 0}),
    // EnemyTaru: x, y, vx, dead
    Obj(C::EnemyTaru, 0, {0, 0, 0, 1}),
    // EnemySukaru: x, y, frame
    Obj(C::EnemySukaru, 0, {1100, 250, 2}),
    Obj(C::EnemySukaru, 1, {2600, 230, 2}),
    Obj(C::EnemySukaru, 2, {4500, 260, 2}),
    // EnemySNight: x, y, facing
    Obj(C::EnemySNight, 0, {1900, 337, 0}),
    Obj(C::EnemySNight, 1, {4100, 337, 0}),
    // EnemyDyurahan: x, y, facing
    Obj(C::EnemyDyurahan, 0, {4850, 333, 0}),
    // EnemyCrow: x, y, facing
    Obj(C::EnemyCrow, 0, {3500, 200, 0}),
};

}  // namespace

StageObjectList StageList35() { return ListOf(kList); }

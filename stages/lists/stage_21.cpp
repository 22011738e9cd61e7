#include "stages/stage_lists.h"

namespace {

using C = ObjectClass;

// A dripping catacomb: drips all along, two headless knights, bone
// throwers, hunchbacks and skulls.
constexpr StageObject kList[] = {
    // EnemyTi: x, y, floorY
    Obj(C::EnemyTi, 0, {600, 0, 353}),
    Obj(C::EnemyTi, 1, {1200, 0, 353}),
    Obj(C::EnemyTi, 2, {1800, 0, 353}),
    Obj(C::EnemyTi, 3, {2500, 0, 353}),
    Obj(C::EnemyTi, 4, {3200, 0, 353}),
    // EnemyDyurahan: x, y, facing
    Obj(C::EnemyDyurahan, 0, {1500, 287, 0}),
    Obj(C::EnemyDyurahan, 1, {3000, 287, 0}),
    // EnemyRed: x, y, facing, left, right
    Obj(C::EnemyRed, 0, {2200, 287, 0, 1900, 2500}),
    // EnemySkeletonSoldier: x, y, facing, left, right
    Obj(C::EnemySkeletonSoldier, 0, {900, 321, 0, 700, 1100}),
    // EnemySemusi: x, y, facing, dead
    Obj(C::EnemySemusi, 0, {1100, 353, 0, 0}),
    Obj(C::EnemySemusi, 1, {2000, 353, 0, 0}),
    Obj(C::EnemySemusi, 2, {3300, 353, 0, 0}),
    // EnemyZombie: x, y, spare, dead, left, right
    Obj(C::EnemyZombie, 0, {0, 0, 0, 1, 0, 0}),
    Obj(C::EnemyZombie, 1, {0, 0, 0, 1, 0, 0}),
    // EnemySukaru: x, y, frame
    Obj(C::EnemySukaru, 0, {1300, 200, 2}),
    Obj(C::EnemySukaru, 1, {2100, 180, 2}),
    Obj(C::EnemySukaru, 2, {2800, 200, 2}),
    Obj(C::EnemySukaru, 3, {3500, 180, 2}),
    // EnemySkeleton: x, y, facing, left, right, slotBase
    Obj(C::EnemySkeleton, 0, {1700, 293, 0, 1550, 1900, 0}),
    Obj(C::EnemySkeleton, 1, {2700, 293, 0, 2550, 2900, 5}),
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
    // EnemyGhost: x, y, spare
    Obj(C::EnemyGhost, 0, {1000, 300, 0}),
    Obj(C::EnemyGhost, 1, {2600, 300, 0}),
    // EnemySukaru2: x, y, dead
    Obj(C::EnemySukaru2, 0, {0, 0, 1}),
    Obj(C::EnemySukaru2, 1, {0, 0, 1}),
};

}  // namespace

StageObjectList StageList21() { return ListOf(kList); }

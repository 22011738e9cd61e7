#include "stages/stage_lists.h"

namespace {

using C = ObjectClass;

// A bat cave over two raised bridges: bats loose in the air, guards and a
// bone thrower on the bridges, one spiked lift on the last stretch.
constexpr StageObject kList[] = {
    // EnemyBat: x, y, maxX, dead
    Obj(C::EnemyBat, 0, {700, 150, 1100, 0}),
    Obj(C::EnemyBat, 1, {1300, 120, 1700, 0}),
    Obj(C::EnemyBat, 2, {1900, 180, 2400, 0}),
    Obj(C::EnemyBat, 3, {2600, 140, 3100, 0}),
    Obj(C::EnemyBat, 4, {3300, 160, 3800, 0}),
    // EnemySkeletonSoldier: x, y, facing, left, right
    Obj(C::EnemySkeletonSoldier, 0, {1200, 183, 0, 960, 1480}),
    Obj(C::EnemySkeletonSoldier, 1, {1900, 217, 0, 1560, 2180}),
    // EnemyCrow: x, y, facing
    Obj(C::EnemyCrow, 0, {1000, 60, 0}),
    Obj(C::EnemyCrow, 1, {2500, 60, 0}),
    // EnemySkeleton: x, y, facing, left, right, slotBase
    Obj(C::EnemySkeleton, 0, {2500, 155, 0, 2260, 2780, 0}),
    // EnemyHone: x, y, vx, vy, dead
    Obj(C::EnemyHone, 0, {0, 0, 0, 0, 1}),
    Obj(C::EnemyHone, 1, {0, 0, 0, 0, 1}),
    Obj(C::EnemyHone, 2, {0, 0, 0, 0, 1}),
    Obj(C::EnemyHone, 3, {0, 0, 0, 0, 1}),
    Obj(C::EnemyHone, 4, {0, 0, 0, 0, 1}),
    // EnemyMedyusaHead: x, y, fromLeft, dead
    Obj(C::EnemyMedyusaHead, 0, {0, 0, 0, 1}),
    // EnemyHariLift: x, y, lowY
    Obj(C::EnemyHariLift, 0, {3000, 0, 221}),
    // EnemyToad: x, y, facing, dead
    Obj(C::EnemyToad, 0, {0, 0, 0, 1}),
    // EnemySLarge: x, y, frame, left, right
    Obj(C::EnemySLarge, 0, {3600, 249, 2, 3420, 3780}),
};

}  // namespace

StageObjectList StageList13() { return ListOf(kList); }

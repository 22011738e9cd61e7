#include "stages/stage_lists.h"

namespace {

using C = ObjectClass;

// Out along the crypt ledge (drips, bone throwers, crows), down at its end
// and back along the crypt floor (guards, ghosts, a walker) to the exit.
constexpr StageObject kList[] = {
    // EnemyTi: x, y, floorY
    Obj(C::EnemyTi, 0, {700, 0, 145}),
    Obj(C::EnemyTi, 1, {1300, 0, 145}),
    Obj(C::EnemyTi, 2, {1900, 0, 145}),
    // EnemySkeleton: x, y, facing, left, right, slotBase
    Obj(C::EnemySkeleton, 0, {1000, 85, 0, 850, 1250, 0}),
    Obj(C::EnemySkeleton, 1, {1700, 85, 0, 1550, 1950, 5}),
    Obj(C::EnemySkeleton, 2, {1200, 366, 0, 900, 1500, 10}),
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
    // EnemyRed: x, y, facing, left, right
    Obj(C::EnemyRed, 0, {600, 360, 0, 300, 900}),
    // EnemyCrow: x, y, facing
    Obj(C::EnemyCrow, 0, {1400, 30, 0}),
    Obj(C::EnemyCrow, 1, {2200, 40, 0}),
    Obj(C::EnemyCrow, 2, {900, 260, 1}),
    // EnemyZombie: x, y, spare, dead, left, right
    Obj(C::EnemyZombie, 0, {0, 0, 0, 1, 0, 0}),
    Obj(C::EnemyZombie, 1, {0, 0, 0, 1, 0, 0}),
    // EnemyGhost: x, y, spare
    Obj(C::EnemyGhost, 0, {1600, 120, 0}),
    Obj(C::EnemyGhost, 1, {2000, 390, 0}),
    Obj(C::EnemyGhost, 2, {800, 390, 0}),
    // EnemySkeletonSoldier: x, y, facing, left, right
    Obj(C::EnemySkeletonSoldier, 0, {1500, 394, 0, 1300, 1900}),
    Obj(C::EnemySkeletonSoldier, 1, {400, 394, 0, 200, 700}),
};

}  // namespace

StageObjectList StageList9() { return ListOf(kList); }

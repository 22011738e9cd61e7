#include "stages/stage_lists.h"

namespace {

using C = ObjectClass;

// A graveyard on one long stretch of ground: coffins and leaping ghouls wake behind the hero,
// warriors and skeletons guard the way to the exit.
constexpr StageObject kList[] = {
    // EnemyKanoke: x, y, frame
    Obj(C::EnemyKanoke, 0, {900, 295, 0}),
    Obj(C::EnemyKanoke, 1, {2000, 295, 0}),
    Obj(C::EnemyKanoke, 2, {3100, 295, 0}),
    Obj(C::EnemyKanoke, 3, {4200, 295, 0}),
    // EnemyGureibu: x, y, state
    Obj(C::EnemyGureibu, 0, {1300, 321, 2}),
    Obj(C::EnemyGureibu, 1, {2500, 321, 2}),
    Obj(C::EnemyGureibu, 2, {3500, 321, 2}),
    Obj(C::EnemyGureibu, 3, {4600, 321, 2}),
    // EnemySNight: x, y, facing
    Obj(C::EnemySNight, 0, {1600, 315, 0}),
    Obj(C::EnemySNight, 1, {3800, 315, 0}),
    // EnemyRedWhip: x, y, facing, left, right
    Obj(C::EnemyRedWhip, 0, {2800, 345, 0, 2550, 3050}),
    // EnemyDyurahan: x, y, facing
    Obj(C::EnemyDyurahan, 0, {4400, 311, 0}),
    // EnemySukaru: x, y, frame
    Obj(C::EnemySukaru, 0, {2200, 260, 2}),
    // EnemySkeleton: x, y, facing, left, right, slotBase
    Obj(C::EnemySkeleton, 0, {1100, 317, 0, 950, 1250, 0}),
    Obj(C::EnemySkeleton, 1, {3300, 317, 0, 3150, 3450, 5}),
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
    Obj(C::EnemyGhost, 0, {700, 330, 0}),
    // EnemyRed: x, y, facing, left, right
    Obj(C::EnemyRed, 0, {1800, 311, 0, 1500, 2100}),
    // EnemySkeletonSoldier: x, y, facing, left, right
    Obj(C::EnemySkeletonSoldier, 0, {3950, 345, 0, 3750, 4150}),
    // EnemyZombie: x, y, spare, dead, left, right
    Obj(C::EnemyZombie, 0, {0, 0, 0, 1, 0, 0}),
    Obj(C::EnemyZombie, 1, {0, 0, 0, 1, 0, 0}),
    // EnemyEipu: x, y, frame, limit, slotBase
    Obj(C::EnemyEipu, 0, {4850, 287, 4, 4650, 0}),
    // EnemyTaru: x, y, vx, dead
    Obj(C::EnemyTaru, 0, {0, 0, 0, 1}),
};

}  // namespace

StageObjectList StageList27() { return ListOf(kList); }

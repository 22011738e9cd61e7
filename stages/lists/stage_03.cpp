#include "stages/stage_lists.h"

namespace {

using C = ObjectClass;

// A waterside walkway over a lower path: guards on both levels, a merman
// leaping from the water and a ghost near the end.
constexpr StageObject kList[] = {
    // EnemyRed: x, y, facing, left, right
    Obj(C::EnemyRed, 0, {1600, 229, 0, 1350, 1890}),
    Obj(C::EnemyRed, 1, {2500, 280, 0, 2330, 2790}),
    // EnemySkeletonSoldier: x, y, facing, left, right
    Obj(C::EnemySkeletonSoldier, 0, {1000, 264, 0, 760, 1280}),
    Obj(C::EnemySkeletonSoldier, 1, {2800, 263, 1, 2560, 3080}),
    // EnemyMerman: x, dead
    Obj(C::EnemyMerman, 0, {0, 1}),
    // EnemyGhost: x, y, spare
    Obj(C::EnemyGhost, 0, {3400, 240, 0}),
    // EnemyMedyusaHead: x, y, fromLeft, dead
    Obj(C::EnemyMedyusaHead, 0, {0, 0, 0, 1}),
    // EnemyUne: x, y
    Obj(C::EnemyUne, 0, {4000, 289}),
};

}  // namespace

StageObjectList StageList3() { return ListOf(kList); }

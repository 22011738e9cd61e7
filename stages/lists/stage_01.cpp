#include "stages/stage_lists.h"

namespace {

using C = ObjectClass;

constexpr StageObject kList[] = {
    // EnemyRed: x, y, facing, left, right
    Obj(C::EnemyRed, 0, {2500, 283, 0, 0, 2780}),
    Obj(C::EnemyRed, 1, {5000, 283, 0, 3505, 6400}),
    // EnemyGool: x, y, dir
    Obj(C::EnemyGool, 0, {500, 331, 0}),
    Obj(C::EnemyGool, 1, {5500, 331, 0}),
    Obj(C::EnemyGool, 2, {5700, 331, 0}),
    // EnemySkeletonSoldier: x, y, facing, left, right
    Obj(C::EnemySkeletonSoldier, 0, {2900, 317, 0, 2866, 2944}),
    Obj(C::EnemySkeletonSoldier, 1, {3060, 317, 0, 3022, 3260}),
    Obj(C::EnemySkeletonSoldier, 2, {3200, 317, 0, 3022, 3260}),
    Obj(C::EnemySkeletonSoldier, 3, {3380, 317, 0, 3333, 3417}),
    // EnemyGhost: x, y, spare
    Obj(C::EnemyGhost, 0, {1500, 320, 0}),
    Obj(C::EnemyGhost, 1, {2100, 350, 0}),
    Obj(C::EnemyGhost, 2, {2600, 295, 0}),
    Obj(C::EnemyGhost, 3, {3300, 295, 0}),
    Obj(C::EnemyGhost, 4, {3500, 350, 0}),
    // EnemyZombie: x, y, spare, dead, left, right
    Obj(C::EnemyZombie, 0, {0, 0, 0, 1, 0, 0}),
    Obj(C::EnemyZombie, 1, {0, 0, 0, 1, 0, 0}),
    // EnemyMedyusaHead: x, y, fromLeft, dead
    Obj(C::EnemyMedyusaHead, 0, {0, 0, 0, 1}),
    // EnemyUne: x, y
    Obj(C::EnemyUne, 0, {455, 343}),
    Obj(C::EnemyUne, 1, {2500, 343}),
    Obj(C::EnemyUne, 2, {3090, 343}),
    Obj(C::EnemyUne, 3, {3550, 343}),
    Obj(C::EnemyUne, 4, {5600, 343}),
};

}  // namespace

StageObjectList StageList1() { return ListOf(kList); }

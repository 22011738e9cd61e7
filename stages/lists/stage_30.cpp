#include "stages/stage_lists.h"

namespace {

using C = ObjectClass;

// A marsh of five stretches with a hill between each pit: centipedes circle the four hills, snakes
// and a bone thrower hold the summits, the flower and the gargoyle share one flame.
constexpr StageObject kList[] = {
    // EnemyPping: x, y, facing
    Obj(C::EnemyPping, 0, {1200, 200, 0}),
    Obj(C::EnemyPping, 1, {3300, 200, 0}),
    // EnemyHebi: x, y, frame
    Obj(C::EnemyHebi, 0, {1337, 246, 2}),
    Obj(C::EnemyHebi, 1, {2482, 246, 2}),
    Obj(C::EnemyHebi, 2, {3320, 163, 2}),
    Obj(C::EnemyHebi, 3, {3973, 246, 2}),
    Obj(C::EnemyHebi, 4, {4600, 163, 2}),
    // EnemyGejigeji: left, right, top, bottom
    Obj(C::EnemyGejigeji, 0, {570, 990, 184, 267}),
    Obj(C::EnemyGejigeji, 1, {1826, 2270, 184, 267}),
    Obj(C::EnemyGejigeji, 2, {3092, 3550, 184, 267}),
    Obj(C::EnemyGejigeji, 3, {4370, 4830, 184, 267}),
    // EnemyFish: x, y, frame, dead
    Obj(C::EnemyFish, 0, {0, 0, 0, 1}),
    // EnemyWGhost: x, y, dead
    Obj(C::EnemyWGhost, 0, {0, 0, 1}),
    // EnemyEipu: x, y, frame, limit, slotBase
    Obj(C::EnemyEipu, 0, {4200, 177, 4, 4000, 0}),
    // EnemyTaru: x, y, vx, dead
    Obj(C::EnemyTaru, 0, {0, 0, 0, 1}),
    // EnemyWarSkeleton: x, y, facing, slotBase
    Obj(C::EnemyWarSkeleton, 0, {3360, 116, 0, 0}),
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
    // EnemyMedama: x, facing, right, slot
    Obj(C::EnemyMedama, 0, {2280, 0, 3555, 0}),
    // EnemyOtiruHonoo: x, y, frame, vy, dead
    Obj(C::EnemyOtiruHonoo, 0, {0, 0, 0, 0, 1}),
    // EnemyOgideran: x, frame, left, right
    Obj(C::EnemyOgideran, 0, {4000, 3, 3500, 4500}),
    // EnemyHana: x, y, frame, slotBase
    Obj(C::EnemyHana, 0, {2040, 154, 2, 0}),
    // EnemyTobuHonoo: x, y, facing, speed, dead
    Obj(C::EnemyTobuHonoo, 0, {0, 0, 0, 0, 1}),
    // EnemySkeletonSoldier: x, y, facing, left, right
    Obj(C::EnemySkeletonSoldier, 0, {2708, 235, 0, 2346, 3002}),
    Obj(C::EnemySkeletonSoldier, 1, {3973, 235, 0, 3623, 4277}),
    // EnemyGargoile: x, y, frame, slotBase
    Obj(C::EnemyGargoile, 0, {4300, 236, 2, 0}),
    // EnemySukaru: x, y, frame
    Obj(C::EnemySukaru, 0, {4750, 200, 2}),
    // EnemyMerman: x, dead
    Obj(C::EnemyMerman, 0, {0, 1}),
};

}  // namespace

StageObjectList StageList30() { return ListOf(kList); }

#include "stages/stage_lists.h"

namespace {

using C = ObjectClass;

// A clockwork tower: spiked lifts over the ledge on the way out; the
// pendulums over the landing fall as the hero drops to the floor, where
// armours charge on the way back.
constexpr StageObject kList[] = {
    // EnemyHariLift: x, y, lowY (they start and turn back above the screen,
    // which leaves a hero a fair gap under each)
    Obj(C::EnemyHariLift, 0, {500, -60, 117}),
    Obj(C::EnemyHariLift, 1, {750, -30, 117}),
    Obj(C::EnemyHariLift, 2, {1000, -50, 117}),
    Obj(C::EnemyHariLift, 3, {1250, -20, 117}),
    Obj(C::EnemyHariLift, 4, {1500, -40, 117}),
    Obj(C::EnemyHariLift, 5, {1750, -15, 117}),
    Obj(C::EnemyHariLift, 6, {2000, -55, 117}),
    Obj(C::EnemyHariLift, 7, {2250, -25, 117}),
    // EnemyFuriko: x, y, armed
    Obj(C::EnemyFuriko, 2, {2460, 230, 1}),
    // EnemyArmor: x, y, facing, left, right
    Obj(C::EnemyArmor, 0, {1800, 396, 0, 1200, 2400}),
    Obj(C::EnemyArmor, 1, {800, 396, 0, 300, 1200}),
    // EnemyRed: x, y, facing, left, right
    Obj(C::EnemyRed, 0, {1400, 360, 0, 1100, 1700}),
    // EnemySkeletonSoldier: x, y, facing, left, right
    Obj(C::EnemySkeletonSoldier, 0, {1600, 113, 0, 1400, 1900}),
    Obj(C::EnemySkeletonSoldier, 1, {500, 394, 0, 300, 700}),
    // EnemyMedyusaHead: x, y, fromLeft, dead
    Obj(C::EnemyMedyusaHead, 0, {0, 0, 0, 1}),
    // EnemyGhost: x, y, spare
    Obj(C::EnemyGhost, 0, {1200, 380, 0}),
    // EnemySemusi: x, y, facing, dead
    Obj(C::EnemySemusi, 0, {2000, 426, 0, 0}),
    Obj(C::EnemySemusi, 1, {1000, 426, 0, 0}),
    Obj(C::EnemySemusi, 2, {600, 426, 0, 0}),
    // EnemyFuriko: x, y, armed
    Obj(C::EnemyFuriko, 0, {2400, 230, 1}),
    Obj(C::EnemyFuriko, 1, {2340, 230, 1}),
    // EnemyUne: x, y
    Obj(C::EnemyUne, 0, {700, 420}),
    // EnemySkeleton: x, y, facing, left, right, slotBase
    Obj(C::EnemySkeleton, 0, {1000, 366, 0, 850, 1300, 0}),
    // EnemyHone: x, y, vx, vy, dead
    Obj(C::EnemyHone, 0, {0, 0, 0, 0, 1}),
    Obj(C::EnemyHone, 1, {0, 0, 0, 0, 1}),
    Obj(C::EnemyHone, 2, {0, 0, 0, 0, 1}),
    Obj(C::EnemyHone, 3, {0, 0, 0, 0, 1}),
    Obj(C::EnemyHone, 4, {0, 0, 0, 0, 1}),
    // EnemySukaru: x, y, frame
    Obj(C::EnemySukaru, 0, {1900, 150, 2}),
};

}  // namespace

StageObjectList StageList19() { return ListOf(kList); }

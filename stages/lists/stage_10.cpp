#include "stages/stage_lists.h"

namespace {

using C = ObjectClass;

// Spiked lifts over the ledge on the way out; on the way back along the
// floor, half-bodies rise just behind the hero, among hunchbacks and guards.
constexpr StageObject kList[] = {
    // EnemyHariLift: x, y, lowY (they start and turn back above the screen,
    // which leaves a hero a fair gap under each)
    Obj(C::EnemyHariLift, 0, {900, -60, 117}),
    Obj(C::EnemyHariLift, 1, {1300, -30, 117}),
    Obj(C::EnemyHariLift, 2, {1700, -50, 117}),
    Obj(C::EnemyHariLift, 3, {2100, -20, 117}),
    // EnemyJyouhansin: x, y
    Obj(C::EnemyJyouhansin, 0, {600, 414}),
    Obj(C::EnemyJyouhansin, 1, {1200, 414}),
    Obj(C::EnemyJyouhansin, 2, {1900, 414}),
    // EnemySkeletonSoldier: x, y, facing, left, right
    Obj(C::EnemySkeletonSoldier, 0, {1600, 394, 0, 1400, 2000}),
    Obj(C::EnemySkeletonSoldier, 1, {800, 394, 0, 650, 1100}),
    // EnemyRed: x, y, facing, left, right
    Obj(C::EnemyRed, 0, {1500, 79, 0, 1350, 1950}),
    Obj(C::EnemyRed, 1, {400, 360, 0, 250, 700}),
    // EnemySemusi: x, y, facing, dead
    Obj(C::EnemySemusi, 0, {1000, 426, 0, 0}),
    Obj(C::EnemySemusi, 1, {1400, 426, 0, 0}),
    Obj(C::EnemySemusi, 2, {2200, 426, 0, 0}),
    // EnemyGhost: x, y, spare
    Obj(C::EnemyGhost, 0, {1100, 120, 0}),
    // EnemyHonebasira: x, y, slotBase
    Obj(C::EnemyHonebasira, 0, {2300, 394, 0}),
    // EnemyTobuHonoo: x, y, facing, speed, dead
    Obj(C::EnemyTobuHonoo, 0, {0, 0, 0, 0, 1}),
    Obj(C::EnemyTobuHonoo, 1, {0, 0, 0, 0, 1}),
    Obj(C::EnemyTobuHonoo, 2, {0, 0, 0, 0, 1}),
    // EnemyGouremu: x, y, facing
    Obj(C::EnemyGouremu, 0, {500, 362, 1}),
};

}  // namespace

StageObjectList StageList10() { return ListOf(kList); }

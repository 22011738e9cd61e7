#include "stages/stage_lists.h"

namespace {

using C = ObjectClass;

// A haunted theatre: dancers that start once passed, sweepers,
// spirits looping over the stage, priests and warriors on the floor.
constexpr StageObject kList[] = {
    // EnemyTurn: x, y, left, right
    Obj(C::EnemyTurn, 0, {1000, 200, 800, 1400}),
    Obj(C::EnemyTurn, 1, {2600, 200, 2300, 3000}),
    Obj(C::EnemyTurn, 2, {4000, 200, 3700, 4400}),
    // EnemyYuurei: x
    Obj(C::EnemyYuurei, 0, {1500}),
    Obj(C::EnemyYuurei, 1, {3000}),
    Obj(C::EnemyYuurei, 2, {4500}),
    // EnemyDancer: x, y, movingRight
    Obj(C::EnemyDancer, 0, {700, 100, 1}),
    Obj(C::EnemyDancer, 1, {1400, 200, 0}),
    Obj(C::EnemyDancer, 2, {2000, 150, 1}),
    Obj(C::EnemyDancer, 3, {2900, 100, 0}),
    Obj(C::EnemyDancer, 4, {3600, 200, 1}),
    Obj(C::EnemyDancer, 5, {4300, 150, 0}),
    // EnemySkeletonSoldier: x, y, facing, left, right
    Obj(C::EnemySkeletonSoldier, 0, {1800, 235, 0, 1600, 2100}),
    Obj(C::EnemySkeletonSoldier, 1, {3400, 235, 0, 3200, 3700}),
    // EnemyGHand: x, frame
    Obj(C::EnemyGHand, 0, {2200, 3}),
    Obj(C::EnemyGHand, 1, {3800, 3}),
    // EnemyPorutaa: x, y, facing
    Obj(C::EnemyPorutaa, 0, {1200, 200, 1}),
    // EnemyHyou: x, y, frame, left, right
    Obj(C::EnemyHyou, 0, {4700, 265, 3, 4500, 5000}),
    // EnemyWar: x, y, frame
    Obj(C::EnemyWar, 0, {2400, 238, 2}),
    Obj(C::EnemyWar, 1, {4200, 238, 2}),
    // EnemyMedyusaHead: x, y, fromLeft, dead
    Obj(C::EnemyMedyusaHead, 0, {0, 0, 0, 1}),
    // EnemyBokusi: x, y, facing, left, right
    Obj(C::EnemyBokusi, 0, {1100, 201, 0, 900, 1500}),
    Obj(C::EnemyBokusi, 1, {3200, 201, 0, 2900, 3600}),
};

}  // namespace

StageObjectList StageList22() { return ListOf(kList); }

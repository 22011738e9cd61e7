#include "stages/stage_lists.h"

namespace {

using C = ObjectClass;

// Two step pyramids over the ground: a bone thrower holds the first summit, fliers guard the
// climbs, and the ground after the second pyramid is held by walkers up to the exit.
constexpr StageObject kList[] = {
    // EnemyDZombie: x, facing, dead
    Obj(C::EnemyDZombie, 0, {0, 0, 1}),
    // EnemyEkuto: x
    Obj(C::EnemyEkuto, 0, {1500}),
    Obj(C::EnemyEkuto, 1, {2900}),
    Obj(C::EnemyEkuto, 2, {4200}),
    // EnemyRed: x, y, facing, left, right
    Obj(C::EnemyRed, 0, {4100, 360, 0, 3800, 4400}),
    // EnemyWasi: x, facing, left, right
    Obj(C::EnemyWasi, 0, {1000, 0, 700, 1300}),
    Obj(C::EnemyWasi, 1, {2600, 0, 2300, 2900}),
    // EnemyCrow: x, y, facing
    Obj(C::EnemyCrow, 0, {900, 60, 0}),
    Obj(C::EnemyCrow, 1, {2300, 150, 0}),
    // EnemySkeleton: x, y, facing, left, right, slotBase
    Obj(C::EnemySkeleton, 0, {860, 48, 0, 850, 870, 0}),
    Obj(C::EnemySkeleton, 1, {4500, 366, 0, 4350, 4650, 5}),
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
    // EnemyOgideran: x, frame, left, right
    Obj(C::EnemyOgideran, 0, {3000, 3, 2600, 3400}),
    // EnemyEipu: x, y, frame, limit, slotBase
    Obj(C::EnemyEipu, 0, {3800, 336, 4, 3600, 0}),
    Obj(C::EnemyEipu, 1, {4800, 336, 4, 4600, 1}),
    // EnemyTaru: x, y, vx, dead
    Obj(C::EnemyTaru, 0, {0, 0, 0, 1}),
    Obj(C::EnemyTaru, 1, {0, 0, 0, 1}),
    // EnemyFukurou: x, frame
    Obj(C::EnemyFukurou, 0, {1200, 3}),
    Obj(C::EnemyFukurou, 1, {3300, 3}),
    // EnemyGHand: x, frame
    Obj(C::EnemyGHand, 0, {1750, 0}),
    Obj(C::EnemyGHand, 1, {3600, 3}),
    // EnemyRedWhip: x, y, facing, left, right
    Obj(C::EnemyRedWhip, 0, {3650, 394, 0, 3500, 3800}),
    // EnemyHaru: x, facing
    Obj(C::EnemyHaru, 0, {2000, 0}),
    Obj(C::EnemyHaru, 1, {4600, 0}),
    // EnemyAxArmor: x, y, facing, left, right, slotBase
    Obj(C::EnemyAxArmor, 0, {4900, 364, 0, 4750, 5050, 0}),
    // EnemyAx: x, y, facing, rightTurn, leftTurn, dead
    Obj(C::EnemyAx, 0, {0, 0, 0, 0, 0, 1}),
    Obj(C::EnemyAx, 1, {0, 0, 0, 0, 0, 1}),
    Obj(C::EnemyAx, 2, {0, 0, 0, 0, 0, 1}),
};

}  // namespace

StageObjectList StageList40() { return ListOf(kList); }

#include "stages/stage_lists.h"

namespace {

using C = ObjectClass;

// Two step pyramids: a barrel ape on each summit throws down the steps,
// owls and bats above the slopes, a club halfway up the second.
constexpr StageObject kList[] = {
    // EnemyFukurou: x, frame
    Obj(C::EnemyFukurou, 0, {900, 3}),
    Obj(C::EnemyFukurou, 1, {1500, 3}),
    Obj(C::EnemyFukurou, 2, {2600, 3}),
    Obj(C::EnemyFukurou, 3, {4200, 3}),
    // EnemyKonbou: x, y
    Obj(C::EnemyKonbou, 0, {2270, 210}),
    // EnemySukaru: x, y, frame
    Obj(C::EnemySukaru, 0, {1200, 200, 2}),
    Obj(C::EnemySukaru, 1, {2000, 150, 2}),
    Obj(C::EnemySukaru, 2, {3000, 200, 2}),
    Obj(C::EnemySukaru, 3, {4500, 250, 2}),
    // EnemyEipu: x, y, frame, limit, slotBase
    Obj(C::EnemyEipu, 0, {880, 18, 4, 860, 0}),
    Obj(C::EnemyEipu, 1, {2580, 18, 4, 2565, 1}),
    Obj(C::EnemyEipu, 2, {4000, 336, 4, 3700, 2}),
    // EnemyTaru: x, y, vx, dead
    Obj(C::EnemyTaru, 0, {0, 0, 0, 1}),
    Obj(C::EnemyTaru, 1, {0, 0, 0, 1}),
    Obj(C::EnemyTaru, 2, {0, 0, 0, 1}),
    // EnemyOgideran: x, frame, left, right
    Obj(C::EnemyOgideran, 0, {3100, 3, 2800, 3500}),
    // EnemyCrow: x, y, facing
    Obj(C::EnemyCrow, 0, {1400, 100, 0}),
    Obj(C::EnemyCrow, 1, {3600, 150, 0}),
    // EnemyBat: x, y, maxX, dead
    Obj(C::EnemyBat, 0, {700, 250, 1000, 0}),
    Obj(C::EnemyBat, 1, {1700, 300, 2000, 0}),
    Obj(C::EnemyBat, 2, {2300, 200, 2700, 0}),
    Obj(C::EnemyBat, 3, {3300, 250, 3700, 0}),
    Obj(C::EnemyBat, 4, {4600, 250, 5000, 0}),
    // EnemyWasi: x, facing, left, right
    Obj(C::EnemyWasi, 0, {4300, 0, 3900, 4800}),
};

}  // namespace

StageObjectList StageList16() { return ListOf(kList); }

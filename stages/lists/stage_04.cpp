#include "stages/stage_lists.h"

namespace {

using C = ObjectClass;

// A statue gallery: clubs that rise when the hero is close, toppling
// statues and horses running the length of the hall; eagles overhead.
constexpr StageObject kList[] = {
    // EnemyKonbou: x, y
    Obj(C::EnemyKonbou, 0, {900, 369}),
    Obj(C::EnemyKonbou, 1, {2100, 369}),
    Obj(C::EnemyKonbou, 2, {3300, 369}),
    // EnemyDouzou: x, y
    Obj(C::EnemyDouzou, 0, {1400, 276}),
    Obj(C::EnemyDouzou, 1, {2600, 276}),
    Obj(C::EnemyDouzou, 2, {3800, 276}),
    // EnemyUma: x, facing, top
    Obj(C::EnemyUma, 0, {1700, 0, 185}),
    Obj(C::EnemyUma, 1, {2900, 0, 185}),
    Obj(C::EnemyUma, 2, {4100, 0, 185}),
    // EnemyWasi: x, facing, left, right
    Obj(C::EnemyWasi, 0, {1200, 0, 1000, 1500}),
    Obj(C::EnemyWasi, 1, {2300, 0, 2000, 2700}),
    Obj(C::EnemyWasi, 2, {3100, 0, 2900, 3500}),
    Obj(C::EnemyWasi, 3, {3900, 0, 3600, 4300}),
    // EnemyRed: x, y, facing, left, right
    Obj(C::EnemyRed, 0, {2000, 329, 0, 1700, 2400}),
    // EnemyZombie: x, y, spare, dead, left, right
    Obj(C::EnemyZombie, 0, {0, 0, 0, 1, 0, 0}),
    Obj(C::EnemyZombie, 1, {0, 0, 0, 1, 0, 0}),
    // EnemyGool: x, y, dir
    Obj(C::EnemyGool, 0, {600, 377, 0}),
    Obj(C::EnemyGool, 1, {2800, 377, 0}),
    Obj(C::EnemyGool, 2, {4200, 377, 0}),
};

}  // namespace

StageObjectList StageList4() { return ListOf(kList); }

#include "stages/stage_lists.h"

namespace {

using C = ObjectClass;

// Crow fields over four pits: crows perched along the way, eagles above,
// two priests pacing the widest stretches and skulls that keep coming.
constexpr StageObject kList[] = {
    // EnemyCrow: x, y, facing
    Obj(C::EnemyCrow, 0, {700, 230, 0}),
    Obj(C::EnemyCrow, 1, {1300, 200, 0}),
    Obj(C::EnemyCrow, 2, {1900, 240, 0}),
    Obj(C::EnemyCrow, 3, {2500, 210, 0}),
    Obj(C::EnemyCrow, 4, {3100, 230, 0}),
    Obj(C::EnemyCrow, 5, {3900, 200, 0}),
    // EnemyBokusi: x, y, facing, left, right
    Obj(C::EnemyBokusi, 0, {1300, 332, 0, 960, 1760}),
    Obj(C::EnemyBokusi, 1, {3200, 332, 0, 2740, 3550}),
    // EnemyZombie: x, y, spare, dead, left, right
    Obj(C::EnemyZombie, 0, {0, 0, 0, 1, 0, 0}),
    Obj(C::EnemyZombie, 1, {0, 0, 0, 1, 0, 0}),
    // EnemyWasi: x, facing, left, right
    Obj(C::EnemyWasi, 0, {1100, 0, 950, 1700}),
    Obj(C::EnemyWasi, 1, {2200, 0, 1850, 2650}),
    Obj(C::EnemyWasi, 2, {3000, 0, 2750, 3500}),
    Obj(C::EnemyWasi, 3, {4000, 0, 3650, 4400}),
    // EnemySkeletonSoldier: x, y, facing, left, right
    Obj(C::EnemySkeletonSoldier, 0, {2300, 366, 0, 1860, 2660}),
    Obj(C::EnemySkeletonSoldier, 1, {4100, 366, 0, 3700, 4400}),
    // EnemySukaru2: x, y, dead
    Obj(C::EnemySukaru2, 0, {0, 0, 1}),
    Obj(C::EnemySukaru2, 1, {0, 0, 1}),
};

}  // namespace

StageObjectList StageList5() { return ListOf(kList); }

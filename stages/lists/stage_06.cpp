#include "stages/stage_lists.h"

namespace {

using C = ObjectClass;

// A frog marsh: frogs spread along the bank, crows over it and a merman
// in the water.
constexpr StageObject kList[] = {
    // EnemyFrog: x, y, frame
    Obj(C::EnemyFrog, 0, {500, 299, 3}),
    Obj(C::EnemyFrog, 1, {900, 299, 3}),
    Obj(C::EnemyFrog, 2, {1400, 299, 3}),
    Obj(C::EnemyFrog, 3, {2000, 299, 3}),
    Obj(C::EnemyFrog, 4, {2600, 299, 3}),
    Obj(C::EnemyFrog, 5, {3200, 299, 3}),
    // EnemyMerman: x, dead
    Obj(C::EnemyMerman, 0, {0, 1}),
    // EnemyMedyusaHead: x, y, fromLeft, dead
    Obj(C::EnemyMedyusaHead, 0, {0, 0, 0, 1}),
    Obj(C::EnemyMedyusaHead, 1, {0, 0, 0, 1}),
    // EnemyCrow: x, y, facing
    Obj(C::EnemyCrow, 0, {1200, 120, 0}),
    Obj(C::EnemyCrow, 1, {2300, 100, 0}),
    Obj(C::EnemyCrow, 2, {3000, 130, 0}),
};

}  // namespace

StageObjectList StageList6() { return ListOf(kList); }

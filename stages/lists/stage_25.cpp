#include "stages/stage_lists.h"

namespace {

using C = ObjectClass;

// A flooded causeway over twelve gaps: fish, mermen, toads and a water
// ghost keep coming; frogs on the stretches, a leech under one gap.
constexpr StageObject kList[] = {
    // EnemyFish: x, y, frame, dead
    Obj(C::EnemyFish, 0, {0, 0, 0, 1}),
    // EnemyWGhost: x, y, dead
    Obj(C::EnemyWGhost, 0, {0, 0, 1}),
    // EnemyMerman: x, dead
    Obj(C::EnemyMerman, 0, {0, 1}),
    // EnemyToad: x, y, facing, dead
    Obj(C::EnemyToad, 0, {0, 0, 0, 1}),
    // EnemyFrog: x, y, frame
    Obj(C::EnemyFrog, 0, {1300, 283, 3}),
    Obj(C::EnemyFrog, 1, {2500, 283, 3}),
    Obj(C::EnemyFrog, 2, {4000, 283, 3}),
    // EnemyHiru: x
    Obj(C::EnemyHiru, 0, {2772}),
};

}  // namespace

StageObjectList StageList25() { return ListOf(kList); }

#include "stages/stage_lists.h"

namespace {

using C = ObjectClass;

// An overgrown garden: leaf creatures that rise once passed, flowers
// spitting flame, hunchbacks and zig-zag fliers.
constexpr StageObject kList[] = {
    // EnemyLeaf: x, y, frame
    Obj(C::EnemyLeaf, 0, {700, 293, 0}),
    Obj(C::EnemyLeaf, 1, {1300, 293, 0}),
    Obj(C::EnemyLeaf, 2, {1900, 293, 0}),
    Obj(C::EnemyLeaf, 3, {2600, 293, 0}),
    Obj(C::EnemyLeaf, 4, {3200, 293, 0}),
    // EnemyHana: x, y, frame, slotBase
    Obj(C::EnemyHana, 0, {1000, 340, 2, 0}),
    Obj(C::EnemyHana, 1, {2200, 340, 2, 1}),
    Obj(C::EnemyHana, 2, {3400, 340, 2, 2}),
    // EnemyTobuHonoo: x, y, facing, speed, dead
    Obj(C::EnemyTobuHonoo, 0, {0, 0, 0, 0, 1}),
    Obj(C::EnemyTobuHonoo, 1, {0, 0, 0, 0, 1}),
    Obj(C::EnemyTobuHonoo, 2, {0, 0, 0, 0, 1}),
    // EnemySemusi: x, y, facing, dead
    Obj(C::EnemySemusi, 0, {1600, 370, 0, 0}),
    Obj(C::EnemySemusi, 1, {2400, 370, 0, 0}),
    Obj(C::EnemySemusi, 2, {3000, 370, 0, 0}),
    // EnemyOgideran: x, frame, left, right
    Obj(C::EnemyOgideran, 0, {1800, 3, 1400, 2200}),
    Obj(C::EnemyOgideran, 1, {2900, 3, 2500, 3300}),
    // EnemySkeleton: x, y, facing, left, right, slotBase
    Obj(C::EnemySkeleton, 0, {2700, 310, 0, 2550, 2950, 0}),
    // EnemyHone: x, y, vx, vy, dead
    Obj(C::EnemyHone, 0, {0, 0, 0, 0, 1}),
    Obj(C::EnemyHone, 1, {0, 0, 0, 0, 1}),
    Obj(C::EnemyHone, 2, {0, 0, 0, 0, 1}),
    Obj(C::EnemyHone, 3, {0, 0, 0, 0, 1}),
    Obj(C::EnemyHone, 4, {0, 0, 0, 0, 1}),
    // EnemyDouzou: x, y
    Obj(C::EnemyDouzou, 0, {1500, 251}),
    // EnemyFrog: x, y, frame
    Obj(C::EnemyFrog, 0, {1100, 384, 3}),
    Obj(C::EnemyFrog, 1, {3600, 384, 3}),
    // EnemyUne: x, y
    Obj(C::EnemyUne, 0, {950, 364}),
    Obj(C::EnemyUne, 1, {1700, 364}),
    Obj(C::EnemyUne, 2, {2050, 364}),
    Obj(C::EnemyUne, 3, {2850, 364}),
    Obj(C::EnemyUne, 4, {3500, 364}),
};

}  // namespace

StageObjectList StageList15() { return ListOf(kList); }

#include "stages/stage_lists.h"

namespace {

using C = ObjectClass;

// A terrace garden with a little of everything met so far: a statue,
// a bone thrower, a flame pillar, a fire walker, a golem, birds and frogs.
constexpr StageObject kList[] = {
    // EnemyOgideran: x, frame, left, right
    Obj(C::EnemyOgideran, 0, {1500, 3, 1100, 1900}),
    Obj(C::EnemyOgideran, 1, {3000, 3, 2600, 3400}),
    // EnemySkeleton: x, y, facing, left, right, slotBase
    Obj(C::EnemySkeleton, 0, {2000, 195, 0, 1850, 2250, 0}),
    // EnemyHone: x, y, vx, vy, dead
    Obj(C::EnemyHone, 0, {0, 0, 0, 0, 1}),
    Obj(C::EnemyHone, 1, {0, 0, 0, 0, 1}),
    Obj(C::EnemyHone, 2, {0, 0, 0, 0, 1}),
    Obj(C::EnemyHone, 3, {0, 0, 0, 0, 1}),
    Obj(C::EnemyHone, 4, {0, 0, 0, 0, 1}),
    // EnemyDouzou: x, y
    Obj(C::EnemyDouzou, 0, {1200, 136}),
    // EnemyUma: x, facing, top
    Obj(C::EnemyUma, 0, {2600, 0, 45}),
    // EnemyWasi: x, facing, left, right
    Obj(C::EnemyWasi, 0, {900, 0, 700, 1300}),
    Obj(C::EnemyWasi, 1, {2400, 0, 2100, 2800}),
    // EnemyCrow: x, y, facing
    Obj(C::EnemyCrow, 0, {1700, 60, 0}),
    Obj(C::EnemyCrow, 1, {3300, 60, 0}),
    // EnemySkeletonSoldier: x, y, facing, left, right
    Obj(C::EnemySkeletonSoldier, 0, {800, 223, 0, 650, 1050}),
    Obj(C::EnemySkeletonSoldier, 1, {2800, 223, 0, 2600, 3100}),
    // EnemyFrog: x, y, frame
    Obj(C::EnemyFrog, 0, {1000, 269, 3}),
    Obj(C::EnemyFrog, 1, {2300, 269, 3}),
    // EnemyToad: x, y, facing, dead
    Obj(C::EnemyToad, 0, {0, 0, 0, 1}),
    // EnemyHonebasira: x, y, slotBase
    Obj(C::EnemyHonebasira, 0, {1400, 223, 0}),
    // EnemyTobuHonoo: x, y, facing, speed, dead
    Obj(C::EnemyTobuHonoo, 0, {0, 0, 0, 0, 1}),
    Obj(C::EnemyTobuHonoo, 1, {0, 0, 0, 0, 1}),
    Obj(C::EnemyTobuHonoo, 2, {0, 0, 0, 0, 1}),
    // EnemyUne: x, y
    Obj(C::EnemyUne, 0, {1600, 249}),
    Obj(C::EnemyUne, 1, {3500, 249}),
    // EnemyGouremu: x, y, facing
    Obj(C::EnemyGouremu, 0, {3600, 191, 0}),
    // EnemyIhuriito: x, y, facing, left, right, slotBase
    Obj(C::EnemyIhuriito, 0, {3200, 223, 0, 3050, 3450, 0}),
    // EnemyMoeruhonoo: x, y, dead
    Obj(C::EnemyMoeruhonoo, 0, {0, 0, 1}),
    Obj(C::EnemyMoeruhonoo, 1, {0, 0, 1}),
    Obj(C::EnemyMoeruhonoo, 2, {0, 0, 1}),
    Obj(C::EnemyMoeruhonoo, 3, {0, 0, 1}),
    Obj(C::EnemyMoeruhonoo, 4, {0, 0, 1}),
    // EnemySLarge: x, y, frame, left, right
    Obj(C::EnemySLarge, 0, {600, 255, 2, 450, 800}),
    // EnemyGhost: x, y, spare
    Obj(C::EnemyGhost, 0, {2500, 180, 0}),
};

}  // namespace

StageObjectList StageList12() { return ListOf(kList); }

#include "stages/stage_lists.h"

namespace {

using C = ObjectClass;

// An acid furnace: drops falling from the roof, flame pillars, fire
// walkers leaving burning trails and slow golems; the start is kept clear.
constexpr StageObject kList[] = {
    // EnemySan: x, y, floorY
    Obj(C::EnemySan, 0, {1000, 20, 333}),
    Obj(C::EnemySan, 1, {2700, 20, 333}),
    // EnemyHonebasira: x, y, slotBase
    Obj(C::EnemyHonebasira, 0, {1500, 287, 0}),
    Obj(C::EnemyHonebasira, 1, {3000, 287, 3}),
    // EnemyTobuHonoo: x, y, facing, speed, dead
    Obj(C::EnemyTobuHonoo, 0, {0, 0, 0, 0, 1}),
    Obj(C::EnemyTobuHonoo, 1, {0, 0, 0, 0, 1}),
    Obj(C::EnemyTobuHonoo, 2, {0, 0, 0, 0, 1}),
    Obj(C::EnemyTobuHonoo, 3, {0, 0, 0, 0, 1}),
    Obj(C::EnemyTobuHonoo, 4, {0, 0, 0, 0, 1}),
    Obj(C::EnemyTobuHonoo, 5, {0, 0, 0, 0, 1}),
    // EnemyGouremu: x, y, facing
    Obj(C::EnemyGouremu, 0, {1200, 255, 0}),
    Obj(C::EnemyGouremu, 1, {2300, 255, 0}),
    Obj(C::EnemyGouremu, 2, {3500, 255, 0}),
    // EnemyIhuriito: x, y, facing, left, right, slotBase
    Obj(C::EnemyIhuriito, 0, {1800, 287, 0, 1650, 2100, 0}),
    Obj(C::EnemyIhuriito, 1, {2500, 287, 1, 2400, 2850, 5}),
    Obj(C::EnemyIhuriito, 2, {3300, 287, 0, 3150, 3600, 10}),
    // EnemyMoeruhonoo: x, y, dead
    Obj(C::EnemyMoeruhonoo, 0, {0, 0, 1}),
    Obj(C::EnemyMoeruhonoo, 1, {0, 0, 1}),
    Obj(C::EnemyMoeruhonoo, 2, {0, 0, 1}),
    Obj(C::EnemyMoeruhonoo, 3, {0, 0, 1}),
    Obj(C::EnemyMoeruhonoo, 4, {0, 0, 1}),
    Obj(C::EnemyMoeruhonoo, 5, {0, 0, 1}),
    Obj(C::EnemyMoeruhonoo, 6, {0, 0, 1}),
    Obj(C::EnemyMoeruhonoo, 7, {0, 0, 1}),
    Obj(C::EnemyMoeruhonoo, 8, {0, 0, 1}),
    Obj(C::EnemyMoeruhonoo, 9, {0, 0, 1}),
    Obj(C::EnemyMoeruhonoo, 10, {0, 0, 1}),
    Obj(C::EnemyMoeruhonoo, 11, {0, 0, 1}),
    Obj(C::EnemyMoeruhonoo, 12, {0, 0, 1}),
    Obj(C::EnemyMoeruhonoo, 13, {0, 0, 1}),
    Obj(C::EnemyMoeruhonoo, 14, {0, 0, 1}),
    // EnemyUne: x, y
    Obj(C::EnemyUne, 0, {900, 313}),
    Obj(C::EnemyUne, 1, {1650, 313}),
    Obj(C::EnemyUne, 2, {2200, 313}),
    Obj(C::EnemyUne, 3, {2950, 313}),
    Obj(C::EnemyUne, 4, {3650, 313}),
    // EnemyMedyusaHead: x, y, fromLeft, dead
    Obj(C::EnemyMedyusaHead, 0, {0, 0, 0, 1}),
    // EnemyUma: x, facing, top
    Obj(C::EnemyUma, 0, {2000, 0, 109}),
    // EnemyZombie: x, y, spare, dead, left, right
    Obj(C::EnemyZombie, 0, {0, 0, 0, 1, 0, 0}),
    Obj(C::EnemyZombie, 1, {0, 0, 0, 1, 0, 0}),
};

}  // namespace

StageObjectList StageList8() { return ListOf(kList); }

#include "stages/stage_lists.h"

namespace {

using C = ObjectClass;

// A haunted crypt: spectre columns rise through it from end to end, the tethered fire spirits hang
// from the vault, salamanders and crawlers run the floor.
constexpr StageObject kList[] = {
    // EnemySpecter: x
    Obj(C::EnemySpecter, 0, {600}),
    Obj(C::EnemySpecter, 1, {1000}),
    Obj(C::EnemySpecter, 2, {1450}),
    Obj(C::EnemySpecter, 3, {1900}),
    Obj(C::EnemySpecter, 4, {2350}),
    Obj(C::EnemySpecter, 5, {2800}),
    Obj(C::EnemySpecter, 6, {3300}),
    Obj(C::EnemySpecter, 7, {3800}),
    Obj(C::EnemySpecter, 8, {4300}),
    Obj(C::EnemySpecter, 9, {4750}),
    // EnemyArumajiro: x, y, facing
    Obj(C::EnemyArumajiro, 0, {1200, 384, 0}),
    Obj(C::EnemyArumajiro, 1, {2600, 384, 0}),
    Obj(C::EnemyArumajiro, 2, {4000, 384, 0}),
    // EnemyWhiteDHontai: x, y, slot
    Obj(C::EnemyWhiteDHontai, 0, {1700, 80, 0}),
    Obj(C::EnemyWhiteDHontai, 1, {3100, 80, 1}),
    Obj(C::EnemyWhiteDHontai, 2, {4500, 80, 2}),
    // EnemyWhiteDHonoo: x, y, vx, vy, dead
    Obj(C::EnemyWhiteDHonoo, 0, {0, 0, 0, 0, 1}),
    Obj(C::EnemyWhiteDHonoo, 1, {0, 0, 0, 0, 1}),
    Obj(C::EnemyWhiteDHonoo, 2, {0, 0, 0, 0, 1}),
    // EnemySaramanda: x, y, facing, slot
    Obj(C::EnemySaramanda, 0, {2100, 356, 0, 0}),
    Obj(C::EnemySaramanda, 1, {3600, 356, 0, 1}),
    // EnemyTobuHonoo: x, y, facing, speed, dead
    Obj(C::EnemyTobuHonoo, 0, {0, 0, 0, 0, 1}),
    Obj(C::EnemyTobuHonoo, 1, {0, 0, 0, 0, 1}),
    // EnemyKanoke: x, y, frame
    Obj(C::EnemyKanoke, 0, {900, 304, 0}),
    Obj(C::EnemyKanoke, 1, {3400, 304, 0}),
    // EnemyUne: x, y
    Obj(C::EnemyUne, 0, {1500, 380}),
    Obj(C::EnemyUne, 1, {2900, 380}),
    Obj(C::EnemyUne, 2, {4200, 380}),
    // EnemyIhuriito: x, y, facing, left, right, slotBase
    Obj(C::EnemyIhuriito, 0, {2400, 354, 0, 2150, 2650, 0}),
    // EnemyMoeruhonoo: x, y, dead
    Obj(C::EnemyMoeruhonoo, 0, {0, 0, 1}),
    Obj(C::EnemyMoeruhonoo, 1, {0, 0, 1}),
    Obj(C::EnemyMoeruhonoo, 2, {0, 0, 1}),
    Obj(C::EnemyMoeruhonoo, 3, {0, 0, 1}),
    Obj(C::EnemyMoeruhonoo, 4, {0, 0, 1}),
    // EnemySan: x, y, floorY
    Obj(C::EnemySan, 0, {1100, 20, 400}),
    Obj(C::EnemySan, 1, {3900, 20, 400}),
    // EnemyGouremu: x, y, facing
    Obj(C::EnemyGouremu, 0, {3000, 322, 0}),
    // EnemySpider: x, slotBase
    Obj(C::EnemySpider, 0, {1300, 0}),
    Obj(C::EnemySpider, 1, {2700, 1}),
    Obj(C::EnemySpider, 2, {4600, 2}),
    // EnemyMSpider: x, y, vx, vy, dead
    Obj(C::EnemyMSpider, 0, {0, 0, 0, 0, 1}),
    Obj(C::EnemyMSpider, 1, {0, 0, 0, 0, 1}),
    Obj(C::EnemyMSpider, 2, {0, 0, 0, 0, 1}),
    // EnemyFDog: x, y, frame
    Obj(C::EnemyFDog, 0, {1800, 368, 4}),
    Obj(C::EnemyFDog, 1, {4100, 368, 4}),
    // EnemySunegusu: x, y
    Obj(C::EnemySunegusu, 0, {2000, 30}),
    Obj(C::EnemySunegusu, 1, {3700, 30}),
    // EnemyRedAxArmor: x, y, facing
    Obj(C::EnemyRedAxArmor, 0, {4850, 288, 0}),
};

}  // namespace

StageObjectList StageList37() { return ListOf(kList); }

#include "stages/stage_lists.h"

namespace {

using C = ObjectClass;

// A gallery of fire pits walked from the right end to the exit at the left: floor pillars erupt,
// spear blocks slide across the floor, spiked lifts fall, every foe facing the hero who comes from
// the right.
constexpr StageObject kList[] = {
    // EnemyUpFire: x
    Obj(C::EnemyUpFire, 0, {4900}),
    Obj(C::EnemyUpFire, 1, {3000}),
    Obj(C::EnemyUpFire, 2, {1200}),
    // EnemyFSukaru: x, y
    Obj(C::EnemyFSukaru, 0, {4600, 200}),
    Obj(C::EnemyFSukaru, 1, {2600, 180}),
    Obj(C::EnemyFSukaru, 2, {800, 200}),
    // EnemyIdouYari: x, y, left, right
    Obj(C::EnemyIdouYari, 0, {4300, 349, 4150, 4450}),
    Obj(C::EnemyIdouYari, 1, {3650, 349, 3500, 3800}),
    Obj(C::EnemyIdouYari, 2, {2850, 349, 2700, 3000}),
    Obj(C::EnemyIdouYari, 3, {2150, 349, 2000, 2300}),
    Obj(C::EnemyIdouYari, 4, {1550, 349, 1400, 1700}),
    Obj(C::EnemyIdouYari, 5, {700, 349, 550, 850}),
    // EnemyKumo: x
    Obj(C::EnemyKumo, 0, {5000}),
    Obj(C::EnemyKumo, 1, {3300}),
    Obj(C::EnemyKumo, 2, {1500}),
    // EnemyNoroi: x, y
    Obj(C::EnemyNoroi, 0, {4700, 383}),
    Obj(C::EnemyNoroi, 1, {2900, 383}),
    Obj(C::EnemyNoroi, 2, {1000, 383}),
    // EnemyArcher: x, y, facing, slotBase
    Obj(C::EnemyArcher, 0, {3900, 255, 1, 0}),
    // EnemyYa: x, y, vx, facing, dead
    Obj(C::EnemyYa, 0, {0, 0, 0, 0, 1}),
    Obj(C::EnemyYa, 1, {0, 0, 0, 0, 1}),
    Obj(C::EnemyYa, 2, {0, 0, 0, 0, 1}),
    Obj(C::EnemyYa, 3, {0, 0, 0, 0, 1}),
    Obj(C::EnemyYa, 4, {0, 0, 0, 0, 1}),
    Obj(C::EnemyYa, 5, {0, 0, 0, 0, 1}),
    Obj(C::EnemyYa, 6, {0, 0, 0, 0, 1}),
    Obj(C::EnemyYa, 7, {0, 0, 0, 0, 1}),
    Obj(C::EnemyYa, 8, {0, 0, 0, 0, 1}),
    Obj(C::EnemyYa, 9, {0, 0, 0, 0, 1}),
    // EnemyRedAxArmor: x, y, facing
    Obj(C::EnemyRedAxArmor, 0, {4100, 285, 1}),
    Obj(C::EnemyRedAxArmor, 1, {1700, 285, 1}),
    // EnemySunegusu: x, y
    Obj(C::EnemySunegusu, 0, {3500, 30}),
    Obj(C::EnemySunegusu, 1, {600, 30}),
    // EnemyGureibu: x, y, state
    Obj(C::EnemyGureibu, 0, {4400, 327, 2}),
    Obj(C::EnemyGureibu, 1, {2400, 327, 2}),
    Obj(C::EnemyGureibu, 2, {1300, 327, 2}),
    // EnemyAxArmor: x, y, facing, left, right, slotBase
    Obj(C::EnemyAxArmor, 0, {3200, 321, 1, 3000, 3400, 0}),
    Obj(C::EnemyAxArmor, 1, {900, 321, 1, 700, 1100, 3}),
    // EnemyAx: x, y, facing, rightTurn, leftTurn, dead
    Obj(C::EnemyAx, 0, {0, 0, 0, 0, 0, 1}),
    Obj(C::EnemyAx, 1, {0, 0, 0, 0, 0, 1}),
    Obj(C::EnemyAx, 2, {0, 0, 0, 0, 0, 1}),
    Obj(C::EnemyAx, 3, {0, 0, 0, 0, 0, 1}),
    Obj(C::EnemyAx, 4, {0, 0, 0, 0, 0, 1}),
    Obj(C::EnemyAx, 5, {0, 0, 0, 0, 0, 1}),
    // EnemySukaru: x, y, frame
    Obj(C::EnemySukaru, 0, {2800, 250, 0}),
    Obj(C::EnemySukaru, 1, {1100, 250, 0}),
    // EnemySukaru2: x, y, dead
    Obj(C::EnemySukaru2, 0, {0, 0, 1}),
    Obj(C::EnemySukaru2, 1, {0, 0, 1}),
    // EnemySpider: x, slotBase
    Obj(C::EnemySpider, 0, {4500, 0}),
    Obj(C::EnemySpider, 1, {2700, 1}),
    Obj(C::EnemySpider, 2, {500, 2}),
    // EnemyMSpider: x, y, vx, vy, dead
    Obj(C::EnemyMSpider, 0, {0, 0, 0, 0, 1}),
    Obj(C::EnemyMSpider, 1, {0, 0, 0, 0, 1}),
    Obj(C::EnemyMSpider, 2, {0, 0, 0, 0, 1}),
    // EnemyHariLift: x, y, lowY
    Obj(C::EnemyHariLift, 0, {5200, 40, 355}),
    Obj(C::EnemyHariLift, 1, {3600, 40, 355}),
    Obj(C::EnemyHariLift, 2, {2000, 40, 355}),
    Obj(C::EnemyHariLift, 3, {400, 40, 355}),
    // EnemyGouremu: x, y, facing
    Obj(C::EnemyGouremu, 0, {3800, 319, 1}),
    Obj(C::EnemyGouremu, 1, {1900, 319, 1}),
    // EnemyCrow: x, y, facing
    Obj(C::EnemyCrow, 0, {4200, 180, 1}),
    Obj(C::EnemyCrow, 1, {2200, 180, 1}),
    // EnemyIhuriito: x, y, facing, left, right, slotBase
    Obj(C::EnemyIhuriito, 0, {3450, 351, 1, 3300, 3600, 0}),
    // EnemyMoeruhonoo: x, y, dead
    Obj(C::EnemyMoeruhonoo, 0, {0, 0, 1}),
    Obj(C::EnemyMoeruhonoo, 1, {0, 0, 1}),
    Obj(C::EnemyMoeruhonoo, 2, {0, 0, 1}),
    Obj(C::EnemyMoeruhonoo, 3, {0, 0, 1}),
    Obj(C::EnemyMoeruhonoo, 4, {0, 0, 1}),
    // EnemyGhost: x, y, spare
    Obj(C::EnemyGhost, 0, {4000, 360, 0}),
    Obj(C::EnemyGhost, 1, {1400, 360, 0}),
};

}  // namespace

StageObjectList StageList47() { return ListOf(kList); }

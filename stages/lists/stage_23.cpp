#include "stages/stage_lists.h"

namespace {

using C = ObjectClass;

// Armoury halls: axe armours, slimes dropping from the ceiling,
// chandeliers, spiders, bats and two gargoyles.
constexpr StageObject kList[] = {
    // EnemySuraimu: x, y
    Obj(C::EnemySuraimu, 0, {900, 40}),
    Obj(C::EnemySuraimu, 1, {1900, 40}),
    Obj(C::EnemySuraimu, 2, {3000, 40}),
    Obj(C::EnemySuraimu, 3, {4200, 40}),
    // EnemyAxArmor: x, y, facing, left, right, slotBase
    Obj(C::EnemyAxArmor, 0, {1500, 333, 0, 1300, 1800, 0}),
    Obj(C::EnemyAxArmor, 1, {2800, 333, 0, 2600, 3100, 3}),
    Obj(C::EnemyAxArmor, 2, {4000, 333, 0, 3800, 4300, 6}),
    // EnemyAx: x, y, facing, rightTurn, leftTurn, dead
    Obj(C::EnemyAx, 0, {0, 0, 0, 0, 0, 1}),
    Obj(C::EnemyAx, 1, {0, 0, 0, 0, 0, 1}),
    Obj(C::EnemyAx, 2, {0, 0, 0, 0, 0, 1}),
    Obj(C::EnemyAx, 3, {0, 0, 0, 0, 0, 1}),
    Obj(C::EnemyAx, 4, {0, 0, 0, 0, 0, 1}),
    Obj(C::EnemyAx, 5, {0, 0, 0, 0, 0, 1}),
    Obj(C::EnemyAx, 6, {0, 0, 0, 0, 0, 1}),
    Obj(C::EnemyAx, 7, {0, 0, 0, 0, 0, 1}),
    Obj(C::EnemyAx, 8, {0, 0, 0, 0, 0, 1}),
    // EnemySyanderia: x, y, stopY
    Obj(C::EnemySyanderia, 0, {1100, 20, 361}),
    Obj(C::EnemySyanderia, 1, {2300, 20, 361}),
    Obj(C::EnemySyanderia, 2, {3500, 20, 361}),
    Obj(C::EnemySyanderia, 3, {4600, 20, 361}),
    // EnemySemusi: x, y, facing, dead
    Obj(C::EnemySemusi, 0, {2000, 395, 0, 0}),
    // EnemyDyurahan: x, y, facing
    Obj(C::EnemyDyurahan, 0, {2500, 329, 0}),
    Obj(C::EnemyDyurahan, 1, {4400, 329, 0}),
    // EnemyMerman: x, dead
    Obj(C::EnemyMerman, 0, {0, 1}),
    // EnemySukaru: x, y, frame
    Obj(C::EnemySukaru, 0, {1700, 200, 2}),
    Obj(C::EnemySukaru, 1, {3700, 200, 2}),
    // EnemyHyou: x, y, frame, left, right
    Obj(C::EnemyHyou, 0, {3300, 393, 3, 3100, 3600}),
    // EnemyArmor: x, y, facing, left, right
    Obj(C::EnemyArmor, 0, {1200, 365, 0, 900, 1600}),
    // EnemySpider: x, slotBase
    Obj(C::EnemySpider, 0, {1400, 0}),
    Obj(C::EnemySpider, 1, {2700, 1}),
    Obj(C::EnemySpider, 2, {3900, 2}),
    // EnemyMSpider: x, y, vx, vy, dead
    Obj(C::EnemyMSpider, 0, {0, 0, 0, 0, 1}),
    Obj(C::EnemyMSpider, 1, {0, 0, 0, 0, 1}),
    Obj(C::EnemyMSpider, 2, {0, 0, 0, 0, 1}),
    // EnemyBat: x, y, maxX, dead
    Obj(C::EnemyBat, 0, {800, 150, 1200, 0}),
    Obj(C::EnemyBat, 1, {1800, 120, 2200, 0}),
    Obj(C::EnemyBat, 2, {2900, 150, 3300, 0}),
    Obj(C::EnemyBat, 3, {3900, 120, 4300, 0}),
    Obj(C::EnemyBat, 4, {4700, 150, 5080, 0}),
    // EnemyPorutaa: x, y, facing
    Obj(C::EnemyPorutaa, 0, {600, 250, 1}),
    Obj(C::EnemyPorutaa, 1, {2200, 250, 1}),
    // EnemyGargoile: x, y, frame, slotBase
    Obj(C::EnemyGargoile, 0, {3200, 364, 2, 0}),
    Obj(C::EnemyGargoile, 1, {4500, 364, 2, 1}),
    // EnemyTobuHonoo: x, y, facing, speed, dead
    Obj(C::EnemyTobuHonoo, 0, {0, 0, 0, 0, 1}),
    Obj(C::EnemyTobuHonoo, 1, {0, 0, 0, 0, 1}),
    // EnemySLarge: x, y, frame, left, right
    Obj(C::EnemySLarge, 0, {2100, 395, 2, 1900, 2400}),
    // EnemyTurn: x, y, left, right
    Obj(C::EnemyTurn, 0, {3600, 200, 3400, 3900}),
    // EnemyYuurei: x
    Obj(C::EnemyYuurei, 0, {4100}),
    // EnemyDancer: x, y, movingRight
    Obj(C::EnemyDancer, 0, {1000, 150, 1}),
    Obj(C::EnemyDancer, 1, {3400, 100, 0}),
};

}  // namespace

StageObjectList StageList23() { return ListOf(kList); }

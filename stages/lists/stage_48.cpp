#include "stages/stage_lists.h"

namespace {

using C = ObjectClass;

// The last gauntlet before the final arena, walked from the right end to the exit at the left:
// beam cannons fire away from the hero, who must strike each from behind before he can pass its
// beam; spectres and spear blocks cross it, and the crowd of the earlier stages stands shoulder to
// shoulder facing the hero.
constexpr StageObject kList[] = {
    // EnemySBeamer: x, y, phase
    Obj(C::EnemySBeamer, 0, {4700, 330, 2}),
    Obj(C::EnemySBeamer, 1, {2300, 330, 2}),
    // EnemyUma: x, facing, top
    Obj(C::EnemyUma, 0, {5000, 1, 161}),
    Obj(C::EnemyUma, 1, {3500, 1, 161}),
    Obj(C::EnemyUma, 2, {1500, 1, 161}),
    // EnemySemusi: x, y, facing, dead
    Obj(C::EnemySemusi, 0, {4800, 371, 1, 0}),
    Obj(C::EnemySemusi, 1, {2900, 371, 1, 0}),
    Obj(C::EnemySemusi, 2, {800, 371, 1, 0}),
    // EnemySLarge: x, y, frame, left, right
    Obj(C::EnemySLarge, 0, {4400, 371, 0, 4200, 4600}),
    Obj(C::EnemySLarge, 1, {1900, 371, 0, 1700, 2100}),
    // EnemyDancer: x, y, movingRight
    Obj(C::EnemyDancer, 0, {4300, 200, 0}),
    Obj(C::EnemyDancer, 1, {2700, 150, 1}),
    Obj(C::EnemyDancer, 2, {1100, 200, 0}),
    // EnemyNomi: x, y, frame, dead
    Obj(C::EnemyNomi, 0, {4600, 356, 0, 0}),
    Obj(C::EnemyNomi, 1, {3100, 356, 0, 0}),
    Obj(C::EnemyNomi, 2, {1200, 356, 0, 0}),
    // EnemyDyurahan: x, y, facing
    Obj(C::EnemyDyurahan, 0, {4200, 305, 1}),
    Obj(C::EnemyDyurahan, 1, {1600, 305, 1}),
    // EnemyPping: x, y, facing
    Obj(C::EnemyPping, 0, {3800, 250, 1}),
    // EnemyFyenriru: x, y, facing, slotBase
    Obj(C::EnemyFyenriru, 0, {3300, 245, 1, 0}),
    // EnemyOtiruBlock: x, y, dead
    Obj(C::EnemyOtiruBlock, 0, {0, 0, 1}),
    Obj(C::EnemyOtiruBlock, 1, {0, 0, 1}),
    Obj(C::EnemyOtiruBlock, 2, {0, 0, 1}),
    Obj(C::EnemyOtiruBlock, 3, {0, 0, 1}),
    Obj(C::EnemyOtiruBlock, 4, {0, 0, 1}),
    // EnemyRouba: x, y
    Obj(C::EnemyRouba, 0, {5100, 257}),
    Obj(C::EnemyRouba, 1, {3700, 257}),
    Obj(C::EnemyRouba, 2, {2500, 257}),
    Obj(C::EnemyRouba, 3, {600, 257}),
    // EnemyFireSkeleton: x, y, facing, slot
    Obj(C::EnemyFireSkeleton, 0, {4000, 325, 1, 0}),
    Obj(C::EnemyFireSkeleton, 1, {2600, 325, 1, 1}),
    Obj(C::EnemyFireSkeleton, 2, {1000, 325, 1, 2}),
    // EnemySaramanda: x, y, facing, slot
    Obj(C::EnemySaramanda, 0, {3600, 341, 1, 3}),
    Obj(C::EnemySaramanda, 1, {1400, 341, 1, 4}),
    // EnemyHana: x, y, frame, slotBase
    Obj(C::EnemyHana, 0, {3000, 341, 0, 5}),
    // EnemyTobuHonoo: x, y, facing, speed, dead
    Obj(C::EnemyTobuHonoo, 0, {0, 0, 0, 0, 1}),
    Obj(C::EnemyTobuHonoo, 1, {0, 0, 0, 0, 1}),
    Obj(C::EnemyTobuHonoo, 2, {0, 0, 0, 0, 1}),
    Obj(C::EnemyTobuHonoo, 3, {0, 0, 0, 0, 1}),
    Obj(C::EnemyTobuHonoo, 4, {0, 0, 0, 0, 1}),
    Obj(C::EnemyTobuHonoo, 5, {0, 0, 0, 0, 1}),
    // EnemySpecter: x
    Obj(C::EnemySpecter, 0, {4500}),
    Obj(C::EnemySpecter, 1, {3200}),
    Obj(C::EnemySpecter, 2, {2000}),
    Obj(C::EnemySpecter, 3, {700}),
    // EnemyIdouYariV: x, left, right
    Obj(C::EnemyIdouYariV, 0, {4100, 3950, 4250}),
    Obj(C::EnemyIdouYariV, 1, {2800, 2650, 2950}),
    Obj(C::EnemyIdouYariV, 2, {1800, 1650, 1950}),
    Obj(C::EnemyIdouYariV, 3, {500, 350, 650}),
    // EnemySukea: x, y, facing
    Obj(C::EnemySukea, 0, {3400, 271, 0}),
    // EnemySkeletonSoldier: x, y, facing, left, right
    Obj(C::EnemySkeletonSoldier, 0, {4900, 339, 1, 4750, 5050}),
    Obj(C::EnemySkeletonSoldier, 1, {3900, 339, 1, 3750, 4050}),
    Obj(C::EnemySkeletonSoldier, 2, {2200, 339, 1, 2050, 2350}),
    Obj(C::EnemySkeletonSoldier, 3, {300, 339, 1, 150, 450}),
    // EnemyHyou: x, y, frame, left, right
    Obj(C::EnemyHyou, 0, {4350, 369, 0, 4050, 4650}),
    Obj(C::EnemyHyou, 1, {2450, 369, 0, 2150, 2750}),
    Obj(C::EnemyHyou, 2, {850, 369, 0, 550, 1150}),
    // EnemySpider: x, slotBase
    Obj(C::EnemySpider, 0, {4400, 0}),
    Obj(C::EnemySpider, 1, {2400, 1}),
    Obj(C::EnemySpider, 2, {900, 2}),
    // EnemyMSpider: x, y, vx, vy, dead
    Obj(C::EnemyMSpider, 0, {0, 0, 0, 0, 1}),
    Obj(C::EnemyMSpider, 1, {0, 0, 0, 0, 1}),
    Obj(C::EnemyMSpider, 2, {0, 0, 0, 0, 1}),
    // EnemySukaru2: x, y, dead
    Obj(C::EnemySukaru2, 0, {0, 0, 1}),
    Obj(C::EnemySukaru2, 1, {0, 0, 1}),
    // EnemySunegusu: x, y
    Obj(C::EnemySunegusu, 0, {3900, 30}),
    Obj(C::EnemySunegusu, 1, {1300, 30}),
    // EnemyKumo: x
    Obj(C::EnemyKumo, 0, {5200}),
    Obj(C::EnemyKumo, 1, {2700}),
    Obj(C::EnemyKumo, 2, {1700}),
    // EnemyUne: x, y
    Obj(C::EnemyUne, 0, {4100, 365}),
    Obj(C::EnemyUne, 1, {1800, 365}),
    // EnemyNoroi: x, y
    Obj(C::EnemyNoroi, 0, {3300, 371}),
    Obj(C::EnemyNoroi, 1, {1300, 371}),
    // EnemyRedAxArmor: x, y, facing
    Obj(C::EnemyRedAxArmor, 0, {400, 273, 1}),
};

}  // namespace

StageObjectList StageList48() { return ListOf(kList); }

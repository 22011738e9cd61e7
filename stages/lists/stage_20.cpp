#include "stages/stage_lists.h"

namespace {

using C = ObjectClass;

// A spider wood, walked from its right end back to the left: spiders on
// their threads, owls, lurkers and one half-body along the way.
constexpr StageObject kList[] = {
    // EnemySpider: x, slotBase
    Obj(C::EnemySpider, 0, {4300, 0}),
    Obj(C::EnemySpider, 1, {3000, 1}),
    Obj(C::EnemySpider, 2, {1500, 2}),
    // EnemyMSpider: x, y, vx, vy, dead
    Obj(C::EnemyMSpider, 0, {0, 0, 0, 0, 1}),
    Obj(C::EnemyMSpider, 1, {0, 0, 0, 0, 1}),
    Obj(C::EnemyMSpider, 2, {0, 0, 0, 0, 1}),
    // EnemySemusi: x, y, facing, dead
    Obj(C::EnemySemusi, 0, {2500, 353, 1, 0}),
    // EnemyArmor: x, y, facing, left, right
    Obj(C::EnemyArmor, 0, {2000, 323, 1, 1600, 2600}),
    // EnemySkeletonSoldier: x, y, facing, left, right
    Obj(C::EnemySkeletonSoldier, 0, {3500, 321, 1, 3300, 3800}),
    // EnemyUne: x, y
    Obj(C::EnemyUne, 0, {4400, 347}),
    Obj(C::EnemyUne, 1, {3700, 347}),
    Obj(C::EnemyUne, 2, {2700, 347}),
    Obj(C::EnemyUne, 3, {1700, 347}),
    Obj(C::EnemyUne, 4, {700, 347}),
    // EnemyJyouhansin: x, y
    Obj(C::EnemyJyouhansin, 0, {3200, 341}),
    // EnemyUma: x, facing, top
    Obj(C::EnemyUma, 0, {2200, 1, 143}),
    // EnemyWasi: x, facing, left, right
    Obj(C::EnemyWasi, 0, {4000, 0, 3600, 4400}),
    Obj(C::EnemyWasi, 1, {1200, 0, 800, 1600}),
    // EnemyCrow: x, y, facing
    Obj(C::EnemyCrow, 0, {3800, 150, 1}),
    Obj(C::EnemyCrow, 1, {1000, 150, 1}),
    // EnemyFrog: x, y, frame
    Obj(C::EnemyFrog, 0, {4200, 367, 0}),
    Obj(C::EnemyFrog, 1, {1300, 367, 0}),
    // EnemyHana: x, y, frame, slotBase
    Obj(C::EnemyHana, 0, {2900, 323, 0, 0}),
    // EnemyTobuHonoo: x, y, facing, speed, dead
    Obj(C::EnemyTobuHonoo, 0, {0, 0, 0, 0, 1}),
    // EnemyFukurou: x, frame
    Obj(C::EnemyFukurou, 0, {4500, 0}),
    Obj(C::EnemyFukurou, 1, {3400, 0}),
    Obj(C::EnemyFukurou, 2, {2400, 0}),
    Obj(C::EnemyFukurou, 3, {800, 0}),
    // EnemySukaru: x, y, frame
    Obj(C::EnemySukaru, 0, {3600, 200, 0}),
    Obj(C::EnemySukaru, 1, {2600, 200, 0}),
    Obj(C::EnemySukaru, 2, {1800, 200, 0}),
    Obj(C::EnemySukaru, 3, {600, 200, 0}),
    // EnemyHyou: x, y, frame, left, right
    Obj(C::EnemyHyou, 0, {1500, 351, 0, 1200, 1900}),
};

}  // namespace

StageObjectList StageList20() { return ListOf(kList); }

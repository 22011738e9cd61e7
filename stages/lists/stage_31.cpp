#include "stages/stage_lists.h"

namespace {

using C = ObjectClass;

// A flower garden on flat ground: roses high above shed pollen, wooden figures grow behind the
// hero, small foes crowd the beds all the way to the exit.
constexpr StageObject kList[] = {
    // EnemyBara: x, y, slotBase
    Obj(C::EnemyBara, 0, {800, 20, 0}),
    Obj(C::EnemyBara, 1, {1900, 20, 5}),
    Obj(C::EnemyBara, 2, {3000, 20, 10}),
    Obj(C::EnemyBara, 3, {4100, 20, 15}),
    // EnemyKahun: x, y, dead
    Obj(C::EnemyKahun, 0, {0, 0, 1}),
    Obj(C::EnemyKahun, 1, {0, 0, 1}),
    Obj(C::EnemyKahun, 2, {0, 0, 1}),
    Obj(C::EnemyKahun, 3, {0, 0, 1}),
    Obj(C::EnemyKahun, 4, {0, 0, 1}),
    Obj(C::EnemyKahun, 5, {0, 0, 1}),
    Obj(C::EnemyKahun, 6, {0, 0, 1}),
    Obj(C::EnemyKahun, 7, {0, 0, 1}),
    Obj(C::EnemyKahun, 8, {0, 0, 1}),
    Obj(C::EnemyKahun, 9, {0, 0, 1}),
    Obj(C::EnemyKahun, 10, {0, 0, 1}),
    Obj(C::EnemyKahun, 11, {0, 0, 1}),
    Obj(C::EnemyKahun, 12, {0, 0, 1}),
    Obj(C::EnemyKahun, 13, {0, 0, 1}),
    Obj(C::EnemyKahun, 14, {0, 0, 1}),
    Obj(C::EnemyKahun, 15, {0, 0, 1}),
    Obj(C::EnemyKahun, 16, {0, 0, 1}),
    Obj(C::EnemyKahun, 17, {0, 0, 1}),
    Obj(C::EnemyKahun, 18, {0, 0, 1}),
    Obj(C::EnemyKahun, 19, {0, 0, 1}),
    // EnemyBokujin: x, y
    Obj(C::EnemyBokujin, 0, {1300, 382}),
    Obj(C::EnemyBokujin, 1, {2600, 382}),
    Obj(C::EnemyBokujin, 2, {3700, 382}),
    // EnemyHaru: x, facing
    Obj(C::EnemyHaru, 0, {1500, 0}),
    Obj(C::EnemyHaru, 1, {2800, 0}),
    Obj(C::EnemyHaru, 2, {4300, 0}),
    // EnemyHana: x, y, frame, slotBase
    Obj(C::EnemyHana, 0, {2200, 378, 2, 0}),
    // EnemyTobuHonoo: x, y, facing, speed, dead
    Obj(C::EnemyTobuHonoo, 0, {0, 0, 0, 0, 1}),
    // EnemyOgideran: x, frame, left, right
    Obj(C::EnemyOgideran, 0, {3400, 3, 2900, 3900}),
    // EnemyUne: x, y
    Obj(C::EnemyUne, 0, {600, 402}),
    Obj(C::EnemyUne, 1, {1100, 402}),
    Obj(C::EnemyUne, 2, {2400, 402}),
    Obj(C::EnemyUne, 3, {3300, 402}),
    Obj(C::EnemyUne, 4, {4600, 402}),
    // EnemyWasi: x, facing, left, right
    Obj(C::EnemyWasi, 0, {1700, 0, 1300, 2100}),
    Obj(C::EnemyWasi, 1, {3900, 0, 3500, 4300}),
    // EnemyLeaf: x, y, frame
    Obj(C::EnemyLeaf, 0, {1000, 331, 2}),
    Obj(C::EnemyLeaf, 1, {2700, 331, 2}),
    Obj(C::EnemyLeaf, 2, {4000, 331, 2}),
    // EnemyFrog: x, y, frame
    Obj(C::EnemyFrog, 0, {900, 422, 3}),
    Obj(C::EnemyFrog, 1, {3100, 422, 3}),
    // EnemySpider: x, slotBase
    Obj(C::EnemySpider, 0, {1400, 0}),
    Obj(C::EnemySpider, 1, {2900, 1}),
    Obj(C::EnemySpider, 2, {4400, 2}),
    // EnemyMSpider: x, y, vx, vy, dead
    Obj(C::EnemyMSpider, 0, {0, 0, 0, 0, 1}),
    Obj(C::EnemyMSpider, 1, {0, 0, 0, 0, 1}),
    Obj(C::EnemyMSpider, 2, {0, 0, 0, 0, 1}),
    // EnemyFukurou: x, frame
    Obj(C::EnemyFukurou, 0, {2000, 3}),
    Obj(C::EnemyFukurou, 1, {3600, 3}),
    // EnemySunegusu: x, y
    Obj(C::EnemySunegusu, 0, {2300, 40}),
    Obj(C::EnemySunegusu, 1, {4200, 40}),
    // EnemyMadhand: x, y
    Obj(C::EnemyMadhand, 0, {1200, 396}),
    Obj(C::EnemyMadhand, 1, {2500, 396}),
    Obj(C::EnemyMadhand, 2, {4500, 396}),
    // EnemyBalloon: x, y, facing, dead, slotBase
    Obj(C::EnemyBalloon, 0, {0, 0, 0, 1, 0}),
    // EnemyHousi: x, y, vx, vy, dead
    Obj(C::EnemyHousi, 0, {0, 0, 0, 0, 1}),
    Obj(C::EnemyHousi, 1, {0, 0, 0, 0, 1}),
    Obj(C::EnemyHousi, 2, {0, 0, 0, 0, 1}),
    Obj(C::EnemyHousi, 3, {0, 0, 0, 0, 1}),
    // EnemyWar: x, y, frame
    Obj(C::EnemyWar, 0, {3000, 379, 2}),
    Obj(C::EnemyWar, 1, {4700, 379, 2}),
    // EnemyHyou: x, y, frame, left, right
    Obj(C::EnemyHyou, 0, {2050, 406, 3, 1750, 2350}),
    Obj(C::EnemyHyou, 1, {3850, 406, 3, 3550, 4150}),
    // EnemyFDog: x, y, frame
    Obj(C::EnemyFDog, 0, {3500, 390, 4}),
    Obj(C::EnemyFDog, 1, {4850, 390, 4}),
};

}  // namespace

StageObjectList StageList31() { return ListOf(kList); }

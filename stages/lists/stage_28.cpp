#include "stages/stage_lists.h"

namespace {

using C = ObjectClass;

// A walkway high over a cellar: the hero runs the walkway to its end, drops into the cellar and
// fights back to the exit at the left end. Crawlers hang over the walkway, bats and a slime haunt
// the cellar, the madmen rise in the windows of both levels.
constexpr StageObject kList[] = {
    // EnemySunegusu: x, y
    Obj(C::EnemySunegusu, 0, {600, 30}),
    Obj(C::EnemySunegusu, 1, {1000, 30}),
    Obj(C::EnemySunegusu, 2, {1500, 30}),
    Obj(C::EnemySunegusu, 3, {2100, 30}),
    // EnemyMadman: x, y, facing, dead, left, right
    Obj(C::EnemyMadman, 0, {0, 0, 0, 1, 0, 0}),
    Obj(C::EnemyMadman, 1, {0, 0, 0, 1, 0, 0}),
    // EnemyRedAxArmor: x, y, facing
    Obj(C::EnemyRedAxArmor, 0, {1750, 47, 0}),
    Obj(C::EnemyRedAxArmor, 1, {1150, 328, 1}),
    // EnemySkeleton: x, y, facing, left, right, slotBase
    Obj(C::EnemySkeleton, 0, {1250, 85, 0, 1100, 1400, 0}),
    Obj(C::EnemySkeleton, 1, {700, 366, 1, 550, 850, 5}),
    // EnemyHone: x, y, vx, vy, dead
    Obj(C::EnemyHone, 0, {0, 0, 0, 0, 1}),
    Obj(C::EnemyHone, 1, {0, 0, 0, 0, 1}),
    Obj(C::EnemyHone, 2, {0, 0, 0, 0, 1}),
    Obj(C::EnemyHone, 3, {0, 0, 0, 0, 1}),
    Obj(C::EnemyHone, 4, {0, 0, 0, 0, 1}),
    Obj(C::EnemyHone, 5, {0, 0, 0, 0, 1}),
    Obj(C::EnemyHone, 6, {0, 0, 0, 0, 1}),
    Obj(C::EnemyHone, 7, {0, 0, 0, 0, 1}),
    Obj(C::EnemyHone, 8, {0, 0, 0, 0, 1}),
    Obj(C::EnemyHone, 9, {0, 0, 0, 0, 1}),
    // EnemyHonebasira: x, y, slotBase
    Obj(C::EnemyHonebasira, 0, {1850, 394, 0}),
    // EnemyTobuHonoo: x, y, facing, speed, dead
    Obj(C::EnemyTobuHonoo, 0, {0, 0, 0, 0, 1}),
    Obj(C::EnemyTobuHonoo, 1, {0, 0, 0, 0, 1}),
    Obj(C::EnemyTobuHonoo, 2, {0, 0, 0, 0, 1}),
    // EnemySLarge: x, y, frame, left, right
    Obj(C::EnemySLarge, 0, {450, 426, 0, 250, 650}),
    // EnemyGHand: x, frame
    Obj(C::EnemyGHand, 0, {1400, 0}),
    Obj(C::EnemyGHand, 1, {2250, 3}),
    // EnemySukaru: x, y, frame
    Obj(C::EnemySukaru, 0, {850, 60, 2}),
    Obj(C::EnemySukaru, 1, {1600, 340, 0}),
    // EnemyAxArmor: x, y, facing, left, right, slotBase
    Obj(C::EnemyAxArmor, 0, {2300, 83, 0, 2150, 2420, 0}),
    // EnemyAx: x, y, facing, rightTurn, leftTurn, dead
    Obj(C::EnemyAx, 0, {0, 0, 0, 0, 0, 1}),
    Obj(C::EnemyAx, 1, {0, 0, 0, 0, 0, 1}),
    Obj(C::EnemyAx, 2, {0, 0, 0, 0, 0, 1}),
    // EnemyBat: x, y, maxX, dead
    Obj(C::EnemyBat, 0, {600, 330, 900, 0}),
    Obj(C::EnemyBat, 1, {950, 360, 1250, 0}),
    Obj(C::EnemyBat, 2, {1300, 320, 1600, 0}),
    Obj(C::EnemyBat, 3, {1700, 350, 2000, 0}),
    Obj(C::EnemyBat, 4, {2100, 330, 2400, 0}),
    // EnemySuraimu: x, y
    Obj(C::EnemySuraimu, 0, {1000, 226}),
};

}  // namespace

StageObjectList StageList28() { return ListOf(kList); }

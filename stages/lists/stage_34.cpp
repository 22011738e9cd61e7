#include "stages/stage_lists.h"

namespace {

using C = ObjectClass;

// An armoury on one long floor: spiked lifts and pendulums guard the way, armoured foes and the
// gunner fill the middle, the hammer giant, an archer and the axe warrior hold the last stretch.
constexpr StageObject kList[] = {
    // EnemyBArmor: x, y, facing, slotBase
    Obj(C::EnemyBArmor, 0, {3000, 321, 0, 0}),
    // EnemyBarukan: x, y, leftward, dead
    Obj(C::EnemyBarukan, 0, {0, 0, 0, 1}),
    Obj(C::EnemyBarukan, 1, {0, 0, 0, 1}),
    Obj(C::EnemyBarukan, 2, {0, 0, 0, 1}),
    Obj(C::EnemyBarukan, 3, {0, 0, 0, 1}),
    Obj(C::EnemyBarukan, 4, {0, 0, 0, 1}),
    // EnemyHunmer: x, y, facing
    Obj(C::EnemyHunmer, 0, {4200, 259, 0}),
    // EnemyHonebasira: x, y, slotBase
    Obj(C::EnemyHonebasira, 0, {1300, 381, 0}),
    // EnemyTobuHonoo: x, y, facing, speed, dead
    Obj(C::EnemyTobuHonoo, 0, {0, 0, 0, 0, 1}),
    Obj(C::EnemyTobuHonoo, 1, {0, 0, 0, 0, 1}),
    Obj(C::EnemyTobuHonoo, 2, {0, 0, 0, 0, 1}),
    // EnemySemusi: x, y, facing, dead
    Obj(C::EnemySemusi, 0, {900, 413, 0, 0}),
    Obj(C::EnemySemusi, 1, {2300, 413, 0, 0}),
    // EnemyWar: x, y, frame
    Obj(C::EnemyWar, 0, {1100, 384, 2}),
    Obj(C::EnemyWar, 1, {2600, 384, 2}),
    Obj(C::EnemyWar, 2, {3800, 384, 2}),
    // EnemyArmor: x, y, facing, left, right
    Obj(C::EnemyArmor, 0, {2000, 383, 0, 1700, 2300}),
    // EnemyAxArmor: x, y, facing, left, right, slotBase
    Obj(C::EnemyAxArmor, 0, {1600, 351, 0, 1450, 1750, 0}),
    Obj(C::EnemyAxArmor, 1, {3500, 351, 0, 3300, 3700, 3}),
    // EnemyAx: x, y, facing, rightTurn, leftTurn, dead
    Obj(C::EnemyAx, 0, {0, 0, 0, 0, 0, 1}),
    Obj(C::EnemyAx, 1, {0, 0, 0, 0, 0, 1}),
    Obj(C::EnemyAx, 2, {0, 0, 0, 0, 0, 1}),
    Obj(C::EnemyAx, 3, {0, 0, 0, 0, 0, 1}),
    Obj(C::EnemyAx, 4, {0, 0, 0, 0, 0, 1}),
    Obj(C::EnemyAx, 5, {0, 0, 0, 0, 0, 1}),
    // EnemyNomi: x, y, frame, dead
    Obj(C::EnemyNomi, 0, {1800, 398, 2, 0}),
    Obj(C::EnemyNomi, 1, {4500, 398, 2, 0}),
    // EnemyHaru: x, facing
    Obj(C::EnemyHaru, 0, {2800, 0}),
    Obj(C::EnemyHaru, 1, {4800, 0}),
    // EnemyWarSkeleton: x, y, facing, slotBase
    Obj(C::EnemyWarSkeleton, 0, {2500, 345, 0, 0}),
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
    // EnemyFuriko: x, y, armed
    Obj(C::EnemyFuriko, 0, {1200, 20, 1}),
    Obj(C::EnemyFuriko, 1, {2900, 20, 1}),
    Obj(C::EnemyFuriko, 2, {4000, 20, 1}),
    // EnemyHariLift: x, y, lowY
    Obj(C::EnemyHariLift, 0, {700, 40, 385}),
    Obj(C::EnemyHariLift, 1, {2200, 40, 385}),
    Obj(C::EnemyHariLift, 2, {3900, 40, 385}),
    Obj(C::EnemyHariLift, 3, {5000, 40, 385}),
    // EnemyCrow: x, y, facing
    Obj(C::EnemyCrow, 0, {1400, 200, 0}),
    Obj(C::EnemyCrow, 1, {4400, 180, 0}),
    // EnemySLarge: x, y, frame, left, right
    Obj(C::EnemySLarge, 0, {5200, 413, 2, 4950, 5450}),
    // EnemyTyinman: x, y, facing, left, right
    Obj(C::EnemyTyinman, 0, {2400, 321, 0, 2100, 2700}),
    Obj(C::EnemyTyinman, 1, {4700, 321, 0, 4400, 5000}),
    // EnemyArcher: x, y, facing, slotBase
    Obj(C::EnemyArcher, 0, {5400, 285, 0, 0}),
    // EnemyYa: x, y, vx, facing, dead
    Obj(C::EnemyYa, 0, {0, 0, 0, 0, 1}),
    Obj(C::EnemyYa, 1, {0, 0, 0, 0, 1}),
    Obj(C::EnemyYa, 2, {0, 0, 0, 0, 1}),
    Obj(C::EnemyYa, 3, {0, 0, 0, 0, 1}),
    Obj(C::EnemyYa, 4, {0, 0, 0, 0, 1}),
    // EnemyRedAxArmor: x, y, facing
    Obj(C::EnemyRedAxArmor, 0, {5600, 315, 0}),
};

}  // namespace

StageObjectList StageList34() { return ListOf(kList); }

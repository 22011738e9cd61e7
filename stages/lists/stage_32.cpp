#include "stages/stage_lists.h"

namespace {

using C = ObjectClass;

// A castle hall under chandeliers: archers and a spear warrior open the way, the fire walker and
// the axe armour hold the middle, the wolf-beast waits near the exit.
constexpr StageObject kList[] = {
    // EnemyFyenriru: x, y, facing, slotBase
    Obj(C::EnemyFyenriru, 0, {4300, 287, 0, 0}),
    // EnemyOtiruBlock: x, y, dead
    Obj(C::EnemyOtiruBlock, 0, {0, 0, 1}),
    Obj(C::EnemyOtiruBlock, 1, {0, 0, 1}),
    Obj(C::EnemyOtiruBlock, 2, {0, 0, 1}),
    Obj(C::EnemyOtiruBlock, 3, {0, 0, 1}),
    Obj(C::EnemyOtiruBlock, 4, {0, 0, 1}),
    // EnemyArcher: x, y, facing, slotBase
    Obj(C::EnemyArcher, 0, {1500, 285, 0, 0}),
    Obj(C::EnemyArcher, 1, {3200, 285, 0, 5}),
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
    // EnemyGhost: x, y, spare
    Obj(C::EnemyGhost, 0, {700, 390, 0}),
    // EnemyIhuriito: x, y, facing, left, right, slotBase
    Obj(C::EnemyIhuriito, 0, {2200, 381, 0, 1900, 2500, 0}),
    // EnemyMoeruhonoo: x, y, dead
    Obj(C::EnemyMoeruhonoo, 0, {0, 0, 1}),
    Obj(C::EnemyMoeruhonoo, 1, {0, 0, 1}),
    Obj(C::EnemyMoeruhonoo, 2, {0, 0, 1}),
    Obj(C::EnemyMoeruhonoo, 3, {0, 0, 1}),
    Obj(C::EnemyMoeruhonoo, 4, {0, 0, 1}),
    // EnemyPorutaa: x, y, facing
    Obj(C::EnemyPorutaa, 0, {400, 360, 1}),
    Obj(C::EnemyPorutaa, 1, {1800, 360, 1}),
    Obj(C::EnemyPorutaa, 2, {3000, 360, 1}),
    // EnemySNight: x, y, facing
    Obj(C::EnemySNight, 0, {1000, 351, 0}),
    Obj(C::EnemySNight, 1, {3700, 351, 0}),
    // EnemyAxArmor: x, y, facing, left, right, slotBase
    Obj(C::EnemyAxArmor, 0, {2700, 351, 0, 2500, 2900, 0}),
    // EnemyAx: x, y, facing, rightTurn, leftTurn, dead
    Obj(C::EnemyAx, 0, {0, 0, 0, 0, 0, 1}),
    Obj(C::EnemyAx, 1, {0, 0, 0, 0, 0, 1}),
    Obj(C::EnemyAx, 2, {0, 0, 0, 0, 0, 1}),
    // EnemyGHand: x, frame
    Obj(C::EnemyGHand, 0, {2400, 0}),
    // EnemySukaru: x, y, frame
    Obj(C::EnemySukaru, 0, {1300, 250, 2}),
    // EnemyRedAxArmor: x, y, facing
    Obj(C::EnemyRedAxArmor, 0, {4000, 315, 0}),
    // EnemyWarSukaru: x, y, facing, left, right
    Obj(C::EnemyWarSukaru, 0, {3400, 330, 0, 3100, 3700}),
    // EnemyPping: x, y, facing
    Obj(C::EnemyPping, 0, {2000, 300, 0}),
    Obj(C::EnemyPping, 1, {4200, 300, 0}),
    // EnemyFDog: x, y, frame
    Obj(C::EnemyFDog, 0, {3500, 395, 4}),
    // EnemySyanderia: x, y, stopY
    Obj(C::EnemySyanderia, 0, {1200, 20, 379}),
    Obj(C::EnemySyanderia, 1, {2100, 20, 379}),
    Obj(C::EnemySyanderia, 2, {2900, 20, 379}),
    Obj(C::EnemySyanderia, 3, {3900, 20, 379}),
    // EnemySuraimu: x, y
    Obj(C::EnemySuraimu, 0, {800, 30}),
    Obj(C::EnemySuraimu, 1, {1700, 30}),
    Obj(C::EnemySuraimu, 2, {4600, 30}),
    // EnemyNomi: x, y, frame, dead
    Obj(C::EnemyNomi, 0, {2500, 398, 2, 0}),
    Obj(C::EnemyNomi, 1, {4700, 398, 2, 0}),
    // EnemyZombie: x, y, spare, dead, left, right
    Obj(C::EnemyZombie, 0, {0, 0, 0, 1, 0, 0}),
    Obj(C::EnemyZombie, 1, {0, 0, 0, 1, 0, 0}),
    // EnemyEipu: x, y, frame, limit, slotBase
    Obj(C::EnemyEipu, 0, {4850, 323, 4, 4600, 0}),
    // EnemyTaru: x, y, vx, dead
    Obj(C::EnemyTaru, 0, {0, 0, 0, 1}),
};

}  // namespace

StageObjectList StageList32() { return ListOf(kList); }

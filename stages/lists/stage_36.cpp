#include "stages/stage_lists.h"

namespace {

using C = ObjectClass;

// The champions' hall: three champions stand at intervals along the floor, each with a guard of
// warriors and archers; the wolf-beast bars the exit.
constexpr StageObject kList[] = {
    // EnemyOskerinF: x, y, facing
    Obj(C::EnemyOskerinF, 0, {4500, 368, 0}),
    // EnemyDugalF: x, y, facing
    Obj(C::EnemyDugalF, 0, {3000, 356, 0}),
    // EnemyTanken: x, y, leftward, dead
    Obj(C::EnemyTanken, 0, {0, 0, 0, 1}),
    Obj(C::EnemyTanken, 1, {0, 0, 0, 1}),
    Obj(C::EnemyTanken, 2, {0, 0, 0, 1}),
    // EnemyNerysF: x, y, facing
    Obj(C::EnemyNerysF, 0, {1800, 356, 0}),
    // EnemyLightning: x, y, vy, dead
    Obj(C::EnemyLightning, 0, {0, 0, 0, 1}),
    Obj(C::EnemyLightning, 1, {0, 0, 0, 1}),
    Obj(C::EnemyLightning, 2, {0, 0, 0, 1}),
    // EnemyHunmer: x, y, facing
    Obj(C::EnemyHunmer, 0, {4000, 232, 0}),
    // EnemyArcher: x, y, facing, slotBase
    Obj(C::EnemyArcher, 0, {1200, 258, 0, 0}),
    Obj(C::EnemyArcher, 1, {3500, 258, 0, 5}),
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
    // EnemySNight: x, y, facing
    Obj(C::EnemySNight, 0, {900, 324, 0}),
    Obj(C::EnemySNight, 1, {2600, 324, 0}),
    // EnemyAxArmor: x, y, facing, left, right, slotBase
    Obj(C::EnemyAxArmor, 0, {2200, 324, 0, 2050, 2350, 0}),
    // EnemyAx: x, y, facing, rightTurn, leftTurn, dead
    Obj(C::EnemyAx, 0, {0, 0, 0, 0, 0, 1}),
    Obj(C::EnemyAx, 1, {0, 0, 0, 0, 0, 1}),
    Obj(C::EnemyAx, 2, {0, 0, 0, 0, 0, 1}),
    // EnemyDyurahan: x, y, facing
    Obj(C::EnemyDyurahan, 0, {1500, 320, 0}),
    Obj(C::EnemyDyurahan, 1, {3700, 320, 0}),
    // EnemyArmor: x, y, facing, left, right
    Obj(C::EnemyArmor, 0, {2800, 356, 0, 2550, 3050}),
    // EnemyEipu: x, y, frame, limit, slotBase
    Obj(C::EnemyEipu, 0, {700, 296, 4, 500, 0}),
    Obj(C::EnemyEipu, 1, {2450, 296, 4, 2300, 1}),
    Obj(C::EnemyEipu, 2, {4700, 296, 4, 4550, 2}),
    // EnemyTaru: x, y, vx, dead
    Obj(C::EnemyTaru, 0, {0, 0, 0, 1}),
    Obj(C::EnemyTaru, 1, {0, 0, 0, 1}),
    Obj(C::EnemyTaru, 2, {0, 0, 0, 1}),
    // EnemySkeletonSoldier: x, y, facing, left, right
    Obj(C::EnemySkeletonSoldier, 0, {1100, 354, 0, 950, 1250}),
    Obj(C::EnemySkeletonSoldier, 1, {3250, 354, 0, 3100, 3400}),
    // EnemyFyenriru: x, y, facing, slotBase
    Obj(C::EnemyFyenriru, 0, {4850, 260, 0, 0}),
    // EnemyOtiruBlock: x, y, dead
    Obj(C::EnemyOtiruBlock, 0, {0, 0, 1}),
    Obj(C::EnemyOtiruBlock, 1, {0, 0, 1}),
    Obj(C::EnemyOtiruBlock, 2, {0, 0, 1}),
    Obj(C::EnemyOtiruBlock, 3, {0, 0, 1}),
    Obj(C::EnemyOtiruBlock, 4, {0, 0, 1}),
    // EnemySukaru2: x, y, dead
    Obj(C::EnemySukaru2, 0, {0, 0, 1}),
    Obj(C::EnemySukaru2, 1, {0, 0, 1}),
};

}  // namespace

StageObjectList StageList36() { return ListOf(kList); }

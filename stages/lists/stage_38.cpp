#include "stages/stage_lists.h"

namespace {

using C = ObjectClass;

// A cursed theatre: dancers leap from the wings behind the hero, wraiths loop over the stalls,
// spiders drop from the flies and armour guards the exit.
constexpr StageObject kList[] = {
    // EnemyKumo: x
    Obj(C::EnemyKumo, 0, {800}),
    Obj(C::EnemyKumo, 1, {2300}),
    Obj(C::EnemyKumo, 2, {3800}),
    // EnemyNoroi: x, y
    Obj(C::EnemyNoroi, 0, {1300, 386}),
    Obj(C::EnemyNoroi, 1, {2900, 386}),
    Obj(C::EnemyNoroi, 2, {4300, 386}),
    // EnemyFlyingS: x, facing, dead
    Obj(C::EnemyFlyingS, 0, {0, 0, 1}),
    // EnemyCrow: x, y, facing
    Obj(C::EnemyCrow, 0, {1000, 200, 0}),
    Obj(C::EnemyCrow, 1, {2600, 180, 0}),
    Obj(C::EnemyCrow, 2, {4100, 200, 0}),
    // EnemyBokusi: x, y, facing, left, right
    Obj(C::EnemyBokusi, 0, {1700, 320, 0, 1400, 2000}),
    Obj(C::EnemyBokusi, 1, {3500, 320, 0, 3200, 3800}),
    // EnemyTurn: x, y, left, right
    Obj(C::EnemyTurn, 0, {2000, 350, 1700, 2400}),
    Obj(C::EnemyTurn, 1, {4400, 350, 4100, 4800}),
    // EnemyYuurei: x
    Obj(C::EnemyYuurei, 0, {1500}),
    Obj(C::EnemyYuurei, 1, {3100}),
    Obj(C::EnemyYuurei, 2, {4600}),
    // EnemyDancer: x, y, movingRight
    Obj(C::EnemyDancer, 0, {600, 200, 1}),
    Obj(C::EnemyDancer, 1, {1900, 150, 0}),
    Obj(C::EnemyDancer, 2, {3300, 250, 1}),
    Obj(C::EnemyDancer, 3, {4500, 200, 0}),
    // EnemyArcher: x, y, facing, slotBase
    Obj(C::EnemyArcher, 0, {2700, 258, 0, 0}),
    // EnemyYa: x, y, vx, facing, dead
    Obj(C::EnemyYa, 0, {0, 0, 0, 0, 1}),
    Obj(C::EnemyYa, 1, {0, 0, 0, 0, 1}),
    Obj(C::EnemyYa, 2, {0, 0, 0, 0, 1}),
    Obj(C::EnemyYa, 3, {0, 0, 0, 0, 1}),
    Obj(C::EnemyYa, 4, {0, 0, 0, 0, 1}),
    // EnemyHyou: x, y, frame, left, right
    Obj(C::EnemyHyou, 0, {1200, 384, 3, 900, 1500}),
    Obj(C::EnemyHyou, 1, {3900, 384, 3, 3600, 4200}),
    // EnemyAxArmor: x, y, facing, left, right, slotBase
    Obj(C::EnemyAxArmor, 0, {2200, 324, 0, 2050, 2350, 0}),
    Obj(C::EnemyAxArmor, 1, {4800, 324, 0, 4600, 5000, 3}),
    // EnemyAx: x, y, facing, rightTurn, leftTurn, dead
    Obj(C::EnemyAx, 0, {0, 0, 0, 0, 0, 1}),
    Obj(C::EnemyAx, 1, {0, 0, 0, 0, 0, 1}),
    Obj(C::EnemyAx, 2, {0, 0, 0, 0, 0, 1}),
    Obj(C::EnemyAx, 3, {0, 0, 0, 0, 0, 1}),
    Obj(C::EnemyAx, 4, {0, 0, 0, 0, 0, 1}),
    Obj(C::EnemyAx, 5, {0, 0, 0, 0, 0, 1}),
};

}  // namespace

StageObjectList StageList38() { return ListOf(kList); }

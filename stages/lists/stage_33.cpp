#include "stages/stage_lists.h"

namespace {

using C = ObjectClass;

// A gallery over a great hall: the hero runs the gallery to its end, drops into the hall and
// crosses it back to the exit at the left end. Carpets sweep one lane on each level, statues
// topple on both, the madmen rise on the gallery.
constexpr StageObject kList[] = {
    // EnemyJyuutan: x, y, leftward, leftEnd, rightEnd
    Obj(C::EnemyJyuutan, 0, {2500, 140, 1, 1500, 2500}),
    Obj(C::EnemyJyuutan, 1, {3000, 420, 0, 2500, 3500}),
    // EnemyRouba: x, y
    Obj(C::EnemyRouba, 0, {1000, 312}),
    Obj(C::EnemyRouba, 1, {2200, 312}),
    Obj(C::EnemyRouba, 2, {3400, 312}),
    Obj(C::EnemyRouba, 3, {4400, 312}),
    // EnemyJyuhouten: x
    Obj(C::EnemyJyuhouten, 0, {700}),
    Obj(C::EnemyJyuhouten, 1, {1400}),
    Obj(C::EnemyJyuhouten, 2, {2000}),
    Obj(C::EnemyJyuhouten, 3, {2700}),
    Obj(C::EnemyJyuhouten, 4, {3300}),
    Obj(C::EnemyJyuhouten, 5, {3900}),
    Obj(C::EnemyJyuhouten, 6, {4600}),
    // EnemyTyinman: x, y, facing, left, right
    Obj(C::EnemyTyinman, 0, {1800, 53, 0, 1500, 2100}),
    Obj(C::EnemyTyinman, 1, {4000, 334, 1, 3600, 4400}),
    // EnemyGhost: x, y, spare
    Obj(C::EnemyGhost, 0, {2600, 140, 0}),
    // EnemyUne: x, y
    Obj(C::EnemyUne, 0, {900, 139}),
    Obj(C::EnemyUne, 1, {1600, 420}),
    Obj(C::EnemyUne, 2, {2900, 420}),
    Obj(C::EnemyUne, 3, {3100, 139}),
    Obj(C::EnemyUne, 4, {4200, 139}),
    // EnemyDouzou: x, y
    Obj(C::EnemyDouzou, 0, {1200, 26}),
    Obj(C::EnemyDouzou, 1, {2000, 307}),
    Obj(C::EnemyDouzou, 2, {3700, 26}),
    // EnemyHana: x, y, frame, slotBase
    Obj(C::EnemyHana, 0, {2400, 115, 2, 0}),
    // EnemyGargoile: x, y, frame, slotBase
    Obj(C::EnemyGargoile, 0, {3000, 114, 2, 1}),
    Obj(C::EnemyGargoile, 1, {1500, 395, 0, 2}),
    // EnemyTobuHonoo: x, y, facing, speed, dead
    Obj(C::EnemyTobuHonoo, 0, {0, 0, 0, 0, 1}),
    Obj(C::EnemyTobuHonoo, 1, {0, 0, 0, 0, 1}),
    Obj(C::EnemyTobuHonoo, 2, {0, 0, 0, 0, 1}),
    // EnemySukaru: x, y, frame
    Obj(C::EnemySukaru, 0, {1000, 80, 2}),
    Obj(C::EnemySukaru, 1, {3500, 350, 0}),
    // EnemyAxArmor: x, y, facing, left, right, slotBase
    Obj(C::EnemyAxArmor, 0, {4600, 83, 0, 4400, 4800, 0}),
    // EnemyAx: x, y, facing, rightTurn, leftTurn, dead
    Obj(C::EnemyAx, 0, {0, 0, 0, 0, 0, 1}),
    Obj(C::EnemyAx, 1, {0, 0, 0, 0, 0, 1}),
    Obj(C::EnemyAx, 2, {0, 0, 0, 0, 0, 1}),
    // EnemyPping: x, y, facing
    Obj(C::EnemyPping, 0, {2200, 300, 0}),
    Obj(C::EnemyPping, 1, {4800, 150, 0}),
    // EnemyMadman: x, y, facing, dead, left, right
    Obj(C::EnemyMadman, 0, {0, 0, 0, 1, 0, 0}),
    Obj(C::EnemyMadman, 1, {0, 0, 0, 1, 0, 0}),
    // EnemySunegusu: x, y
    Obj(C::EnemySunegusu, 0, {2800, 30}),
};

}  // namespace

StageObjectList StageList33() { return ListOf(kList); }

#include "stages/stage_lists.h"

namespace {

using C = ObjectClass;

// The fortress gate, the last walk before the arenas: weights drop on the floor, pendulums and
// spear blocks sweep it, sword warriors and fire skeletons hold it from end to end.
constexpr StageObject kList[] = {
    // EnemyGia: x
    Obj(C::EnemyGia, 0, {900}),
    Obj(C::EnemyGia, 1, {2400}),
    Obj(C::EnemyGia, 2, {3900}),
    // EnemyVicto: x, y, facing, slotBase
    Obj(C::EnemyVicto, 0, {1500, 227, 0, 0}),
    Obj(C::EnemyVicto, 1, {3000, 227, 0, 1}),
    Obj(C::EnemyVicto, 2, {4500, 227, 0, 2}),
    // EnemyAra: x, y, dead
    Obj(C::EnemyAra, 0, {0, 0, 1}),
    Obj(C::EnemyAra, 1, {0, 0, 1}),
    Obj(C::EnemyAra, 2, {0, 0, 1}),
    // EnemyFireSkeleton: x, y, facing, slot
    Obj(C::EnemyFireSkeleton, 0, {1200, 367, 0, 0}),
    Obj(C::EnemyFireSkeleton, 1, {2700, 367, 0, 1}),
    Obj(C::EnemyFireSkeleton, 2, {4200, 367, 0, 2}),
    // EnemyTobuHonoo: x, y, facing, speed, dead
    Obj(C::EnemyTobuHonoo, 0, {0, 0, 0, 0, 1}),
    Obj(C::EnemyTobuHonoo, 1, {0, 0, 0, 0, 1}),
    Obj(C::EnemyTobuHonoo, 2, {0, 0, 0, 0, 1}),
    // EnemyArmor: x, y, facing, left, right
    Obj(C::EnemyArmor, 0, {2000, 383, 0, 1700, 2300}),
    // EnemySNight: x, y, facing
    Obj(C::EnemySNight, 0, {1800, 351, 0}),
    Obj(C::EnemySNight, 1, {3600, 351, 0}),
    // EnemyFuriko: x, y, armed
    Obj(C::EnemyFuriko, 0, {1100, 20, 1}),
    Obj(C::EnemyFuriko, 1, {2600, 20, 1}),
    Obj(C::EnemyFuriko, 2, {4100, 20, 1}),
    // EnemySkeleton: x, y, facing, left, right, slotBase
    Obj(C::EnemySkeleton, 0, {2200, 353, 0, 2050, 2350, 0}),
    Obj(C::EnemySkeleton, 1, {3400, 353, 0, 3250, 3550, 5}),
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
    // EnemyAxArmor: x, y, facing, left, right, slotBase
    Obj(C::EnemyAxArmor, 0, {4700, 351, 0, 4500, 4900, 0}),
    // EnemyAx: x, y, facing, rightTurn, leftTurn, dead
    Obj(C::EnemyAx, 0, {0, 0, 0, 0, 0, 1}),
    Obj(C::EnemyAx, 1, {0, 0, 0, 0, 0, 1}),
    Obj(C::EnemyAx, 2, {0, 0, 0, 0, 0, 1}),
    // EnemyWhiteDHontai: x, y, slot
    Obj(C::EnemyWhiteDHontai, 0, {3300, 80, 0}),
    // EnemyWhiteDHonoo: x, y, vx, vy, dead
    Obj(C::EnemyWhiteDHonoo, 0, {0, 0, 0, 0, 1}),
    // EnemySukaru: x, y, frame
    Obj(C::EnemySukaru, 0, {1000, 250, 2}),
    Obj(C::EnemySukaru, 1, {2900, 250, 2}),
    Obj(C::EnemySukaru, 2, {4400, 250, 2}),
    // EnemyRedAxArmor: x, y, facing
    Obj(C::EnemyRedAxArmor, 0, {4900, 315, 0}),
    // EnemyNomi: x, y, frame, dead
    Obj(C::EnemyNomi, 0, {1300, 398, 2, 0}),
    Obj(C::EnemyNomi, 1, {2500, 398, 2, 0}),
    Obj(C::EnemyNomi, 2, {3700, 398, 2, 0}),
    Obj(C::EnemyNomi, 3, {4800, 398, 2, 0}),
    // EnemyHaru: x, facing
    Obj(C::EnemyHaru, 0, {1700, 0}),
    Obj(C::EnemyHaru, 1, {3900, 0}),
    // EnemyKumo: x
    Obj(C::EnemyKumo, 0, {700}),
    Obj(C::EnemyKumo, 1, {2000}),
    Obj(C::EnemyKumo, 2, {3200}),
    // EnemyIdouYariV: x, left, right
    Obj(C::EnemyIdouYariV, 0, {1600, 1450, 1750}),
    Obj(C::EnemyIdouYariV, 1, {2800, 2650, 2950}),
    Obj(C::EnemyIdouYariV, 2, {3800, 3650, 3950}),
    Obj(C::EnemyIdouYariV, 3, {4600, 4450, 4750}),
};

}  // namespace

StageObjectList StageList41() { return ListOf(kList); }

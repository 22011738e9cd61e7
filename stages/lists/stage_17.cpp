#include "stages/stage_lists.h"

namespace {

using C = ObjectClass;

// A barracks yard: leaping warriors and panthers along the floor, fliers
// that sweep back and forth, two chandeliers and a flame pillar at the end.
constexpr StageObject kList[] = {
    // EnemyWar: x, y, frame
    Obj(C::EnemyWar, 0, {800, 361, 2}),
    Obj(C::EnemyWar, 1, {1600, 361, 2}),
    Obj(C::EnemyWar, 2, {2500, 361, 2}),
    Obj(C::EnemyWar, 3, {3400, 361, 2}),
    Obj(C::EnemyWar, 4, {4300, 361, 2}),
    // EnemyHyou: x, y, frame, left, right
    Obj(C::EnemyHyou, 0, {1200, 388, 3, 1000, 1500}),
    Obj(C::EnemyHyou, 1, {2800, 388, 3, 2600, 3100}),
    Obj(C::EnemyHyou, 2, {4000, 388, 3, 3800, 4300}),
    // EnemyPorutaa: x, y, facing
    Obj(C::EnemyPorutaa, 0, {700, 300, 1}),
    Obj(C::EnemyPorutaa, 1, {2000, 280, 1}),
    Obj(C::EnemyPorutaa, 2, {3300, 320, 1}),
    // EnemyEipu: x, y, frame, limit, slotBase
    Obj(C::EnemyEipu, 0, {3700, 300, 4, 3500, 0}),
    // EnemyTaru: x, y, vx, dead
    Obj(C::EnemyTaru, 0, {0, 0, 0, 1}),
    // EnemySukaru: x, y, frame
    Obj(C::EnemySukaru, 0, {1800, 200, 2}),
    Obj(C::EnemySukaru, 1, {3900, 200, 2}),
    // EnemySkeleton: x, y, facing, left, right, slotBase
    Obj(C::EnemySkeleton, 0, {2200, 330, 0, 2050, 2400, 0}),
    // EnemyHone: x, y, vx, vy, dead
    Obj(C::EnemyHone, 0, {0, 0, 0, 0, 1}),
    Obj(C::EnemyHone, 1, {0, 0, 0, 0, 1}),
    Obj(C::EnemyHone, 2, {0, 0, 0, 0, 1}),
    Obj(C::EnemyHone, 3, {0, 0, 0, 0, 1}),
    Obj(C::EnemyHone, 4, {0, 0, 0, 0, 1}),
    // EnemySemusi: x, y, facing, dead
    Obj(C::EnemySemusi, 0, {1400, 390, 0, 0}),
    // EnemySLarge: x, y, frame, left, right
    Obj(C::EnemySLarge, 0, {3000, 390, 2, 2850, 3250}),
    // EnemyZombie: x, y, spare, dead, left, right
    Obj(C::EnemyZombie, 0, {0, 0, 0, 1, 0, 0}),
    Obj(C::EnemyZombie, 1, {0, 0, 0, 1, 0, 0}),
    // EnemySyanderia: x, y, stopY
    Obj(C::EnemySyanderia, 0, {2600, 20, 356}),
    Obj(C::EnemySyanderia, 1, {4600, 20, 356}),
    // EnemyHonebasira: x, y, slotBase
    Obj(C::EnemyHonebasira, 0, {4800, 358, 0}),
    // EnemyTobuHonoo: x, y, facing, speed, dead
    Obj(C::EnemyTobuHonoo, 0, {0, 0, 0, 0, 1}),
    Obj(C::EnemyTobuHonoo, 1, {0, 0, 0, 0, 1}),
    Obj(C::EnemyTobuHonoo, 2, {0, 0, 0, 0, 1}),
    // EnemyGhost: x, y, spare
    Obj(C::EnemyGhost, 0, {1000, 330, 0}),
    Obj(C::EnemyGhost, 1, {3500, 330, 0}),
};

}  // namespace

StageObjectList StageList17() { return ListOf(kList); }

#include "stages/stage_lists.h"

namespace {

using C = ObjectClass;

// A plain crossed with a giant disk creeping after the hero from the left end: scarecrows, eagles
// and owls harry him on the way, sword warriors and bone throwers stand along it up to the exit.
constexpr StageObject kList[] = {
    // EnemyDisk: (none)
    Obj(C::EnemyDisk, 0, {}),
    // EnemySukea: x, y, facing
    Obj(C::EnemySukea, 0, {1200, 180, 1}),
    Obj(C::EnemySukea, 1, {2500, 180, 1}),
    Obj(C::EnemySukea, 2, {3800, 180, 1}),
    Obj(C::EnemySukea, 3, {5000, 180, 1}),
    // EnemyWasi: x, facing, left, right
    Obj(C::EnemyWasi, 0, {800, 0, 500, 1100}),
    Obj(C::EnemyWasi, 1, {2000, 0, 1700, 2300}),
    Obj(C::EnemyWasi, 2, {3300, 0, 3000, 3600}),
    Obj(C::EnemyWasi, 3, {4600, 0, 4300, 4900}),
    // EnemySLarge: x, y, frame, left, right
    Obj(C::EnemySLarge, 0, {1700, 280, 2, 1400, 2000}),
    // EnemyFukurou: x, frame
    Obj(C::EnemyFukurou, 0, {1500, 3}),
    Obj(C::EnemyFukurou, 1, {2900, 3}),
    Obj(C::EnemyFukurou, 2, {4100, 3}),
    Obj(C::EnemyFukurou, 3, {5300, 3}),
    // EnemyEipu: x, y, frame, limit, slotBase
    Obj(C::EnemyEipu, 0, {1000, 190, 4, 800, 0}),
    Obj(C::EnemyEipu, 1, {3000, 190, 4, 2800, 1}),
    Obj(C::EnemyEipu, 2, {4400, 190, 4, 4200, 2}),
    // EnemyTaru: x, y, vx, dead
    Obj(C::EnemyTaru, 0, {0, 0, 0, 1}),
    Obj(C::EnemyTaru, 1, {0, 0, 0, 1}),
    Obj(C::EnemyTaru, 2, {0, 0, 0, 1}),
    // EnemyRedWhip: x, y, facing, left, right
    Obj(C::EnemyRedWhip, 0, {3500, 248, 0, 3300, 3700}),
    // EnemyPping: x, y, facing
    Obj(C::EnemyPping, 0, {2200, 200, 0}),
    Obj(C::EnemyPping, 1, {4800, 200, 0}),
    // EnemyVicto: x, y, facing, slotBase
    Obj(C::EnemyVicto, 0, {1900, 94, 0, 0}),
    Obj(C::EnemyVicto, 1, {3950, 94, 0, 1}),
    Obj(C::EnemyVicto, 2, {5200, 94, 0, 2}),
    // EnemyAra: x, y, dead
    Obj(C::EnemyAra, 0, {0, 0, 1}),
    Obj(C::EnemyAra, 1, {0, 0, 1}),
    Obj(C::EnemyAra, 2, {0, 0, 1}),
    // EnemyHebi: x, y, frame
    Obj(C::EnemyHebi, 0, {1300, 259, 2}),
    Obj(C::EnemyHebi, 1, {2700, 259, 2}),
    Obj(C::EnemyHebi, 2, {4300, 259, 2}),
    // EnemySkeleton: x, y, facing, left, right, slotBase
    Obj(C::EnemySkeleton, 0, {2400, 220, 0, 2250, 2550, 0}),
    Obj(C::EnemySkeleton, 1, {3200, 220, 0, 3050, 3350, 5}),
    Obj(C::EnemySkeleton, 2, {5500, 220, 0, 5350, 5650, 10}),
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
    Obj(C::EnemyHone, 10, {0, 0, 0, 0, 1}),
    Obj(C::EnemyHone, 11, {0, 0, 0, 0, 1}),
    Obj(C::EnemyHone, 12, {0, 0, 0, 0, 1}),
    Obj(C::EnemyHone, 13, {0, 0, 0, 0, 1}),
    Obj(C::EnemyHone, 14, {0, 0, 0, 0, 1}),
};

}  // namespace

StageObjectList StageList46() { return ListOf(kList); }

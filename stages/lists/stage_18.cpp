#include "stages/stage_lists.h"

namespace {

using C = ObjectClass;

// Gargoyle rooftops over eight gaps: a gargoyle on three of the roofs,
// hands sweeping up from below, statues and a barrel ape at the far end.
constexpr StageObject kList[] = {
    // EnemyRed: x, y, facing, left, right
    Obj(C::EnemyRed, 0, {1000, 117, 0, 780, 1420}),
    // EnemyGHand: x, frame
    Obj(C::EnemyGHand, 0, {1600, 3}),
    Obj(C::EnemyGHand, 1, {2500, 3}),
    Obj(C::EnemyGHand, 2, {3300, 3}),
    Obj(C::EnemyGHand, 3, {4700, 3}),
    // EnemyGargoile: x, y, frame, slotBase
    Obj(C::EnemyGargoile, 0, {1800, 152, 2, 0}),
    Obj(C::EnemyGargoile, 1, {3000, 152, 2, 1}),
    Obj(C::EnemyGargoile, 2, {4000, 152, 2, 2}),
    // EnemyHonebasira: x, y, slotBase
    Obj(C::EnemyHonebasira, 0, {5300, 151, 3}),
    // EnemyTobuHonoo: x, y, facing, speed, dead
    Obj(C::EnemyTobuHonoo, 0, {0, 0, 0, 0, 1}),
    Obj(C::EnemyTobuHonoo, 1, {0, 0, 0, 0, 1}),
    Obj(C::EnemyTobuHonoo, 2, {0, 0, 0, 0, 1}),
    Obj(C::EnemyTobuHonoo, 3, {0, 0, 0, 0, 1}),
    Obj(C::EnemyTobuHonoo, 4, {0, 0, 0, 0, 1}),
    Obj(C::EnemyTobuHonoo, 5, {0, 0, 0, 0, 1}),
    // EnemyDouzou: x, y
    Obj(C::EnemyDouzou, 0, {2500, 64}),
    Obj(C::EnemyDouzou, 1, {4800, 64}),
    // EnemyGhost: x, y, spare
    Obj(C::EnemyGhost, 0, {3500, 150, 0}),
    // EnemySkeleton: x, y, facing, left, right, slotBase
    Obj(C::EnemySkeleton, 0, {2700, 123, 0, 2300, 2850, 0}),
    // EnemyHone: x, y, vx, vy, dead
    Obj(C::EnemyHone, 0, {0, 0, 0, 0, 1}),
    Obj(C::EnemyHone, 1, {0, 0, 0, 0, 1}),
    Obj(C::EnemyHone, 2, {0, 0, 0, 0, 1}),
    Obj(C::EnemyHone, 3, {0, 0, 0, 0, 1}),
    Obj(C::EnemyHone, 4, {0, 0, 0, 0, 1}),
    // EnemySukaru: x, y, frame
    Obj(C::EnemySukaru, 0, {3800, 100, 2}),
    // EnemyBat: x, y, maxX, dead
    Obj(C::EnemyBat, 0, {1200, 100, 1500, 0}),
    Obj(C::EnemyBat, 1, {4500, 120, 4900, 0}),
    // EnemyCrow: x, y, facing
    Obj(C::EnemyCrow, 0, {2000, 60, 0}),
    Obj(C::EnemyCrow, 1, {5000, 60, 0}),
    // EnemyOgideran: x, frame, left, right
    Obj(C::EnemyOgideran, 0, {3500, 3, 3200, 3900}),
    // EnemyEipu: x, y, frame, limit, slotBase
    Obj(C::EnemyEipu, 0, {5500, 93, 4, 5200, 0}),
    // EnemyTaru: x, y, vx, dead
    Obj(C::EnemyTaru, 0, {0, 0, 0, 1}),
};

}  // namespace

StageObjectList StageList18() { return ListOf(kList); }

#include "stages/stage_lists.h"

namespace {

using C = ObjectClass;

// A bog of grasping hands: hands rise from the mud, giant bats drop a
// hunchback and a flea, a balloon bursts into spores.
constexpr StageObject kList[] = {
    // EnemyMadhand: x, y
    Obj(C::EnemyMadhand, 0, {1200, 341}),
    Obj(C::EnemyMadhand, 1, {2400, 341}),
    Obj(C::EnemyMadhand, 2, {3600, 341}),
    // EnemyBalloon: x, y, facing, dead, slotBase
    Obj(C::EnemyBalloon, 0, {0, 0, 0, 1, 0}),
    // EnemyHousi: x, y, vx, vy, dead
    Obj(C::EnemyHousi, 0, {0, 0, 0, 0, 1}),
    Obj(C::EnemyHousi, 1, {0, 0, 0, 0, 1}),
    Obj(C::EnemyHousi, 2, {0, 0, 0, 0, 1}),
    Obj(C::EnemyHousi, 3, {0, 0, 0, 0, 1}),
    // EnemyMBat: x, y, facing, kind, dead, slotBase
    Obj(C::EnemyMBat, 0, {0, 0, 0, 0, 1, 0}),
    Obj(C::EnemyMBat, 1, {0, 0, 0, 1, 1, 0}),
    // EnemySemusi: x, y, facing, dead
    Obj(C::EnemySemusi, 0, {0, 0, 0, 1}),
    // EnemyNomi: x, y, frame, dead
    Obj(C::EnemyNomi, 0, {0, 0, 0, 1}),
    // EnemySpider: x, slotBase
    Obj(C::EnemySpider, 0, {2000, 0}),
    // EnemyMSpider: x, y, vx, vy, dead
    Obj(C::EnemyMSpider, 0, {0, 0, 0, 0, 1}),
    // EnemyFukurou: x, frame
    Obj(C::EnemyFukurou, 0, {3000, 3}),
    // EnemyUne: x, y
    Obj(C::EnemyUne, 0, {800, 347}),
    Obj(C::EnemyUne, 1, {1600, 347}),
    Obj(C::EnemyUne, 2, {2800, 347}),
    Obj(C::EnemyUne, 3, {3900, 347}),
    Obj(C::EnemyUne, 4, {4600, 347}),
    // EnemyLeaf: x, y, frame
    Obj(C::EnemyLeaf, 0, {1400, 276, 0}),
    Obj(C::EnemyLeaf, 1, {3300, 276, 0}),
    // EnemyHana: x, y, frame, slotBase
    Obj(C::EnemyHana, 0, {4300, 323, 2, 0}),
    // EnemyTobuHonoo: x, y, facing, speed, dead
    Obj(C::EnemyTobuHonoo, 0, {0, 0, 0, 0, 1}),
};

}  // namespace

StageObjectList StageList26() { return ListOf(kList); }

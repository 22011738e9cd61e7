#include "stages/stage_lists.h"

namespace {

using C = ObjectClass;

// A leech cavern on a high floor: leeches lurk below the floor, frogs and
// lurkers on it, one flame pillar and a walker before the exit.
constexpr StageObject kList[] = {
    // EnemyHiru: x
    Obj(C::EnemyHiru, 0, {800}),
    Obj(C::EnemyHiru, 1, {1900}),
    Obj(C::EnemyHiru, 2, {2900}),
    // EnemyToad: x, y, facing, dead
    Obj(C::EnemyToad, 0, {0, 0, 0, 1}),
    // EnemyFrog: x, y, frame
    Obj(C::EnemyFrog, 0, {600, 198, 3}),
    Obj(C::EnemyFrog, 1, {1100, 198, 3}),
    Obj(C::EnemyFrog, 2, {1500, 198, 3}),
    Obj(C::EnemyFrog, 3, {2300, 198, 3}),
    Obj(C::EnemyFrog, 4, {2700, 198, 3}),
    Obj(C::EnemyFrog, 5, {3300, 198, 3}),
    // EnemyHonebasira: x, y, slotBase
    Obj(C::EnemyHonebasira, 0, {2000, 152, 0}),
    // EnemyTobuHonoo: x, y, facing, speed, dead
    Obj(C::EnemyTobuHonoo, 0, {0, 0, 0, 0, 1}),
    Obj(C::EnemyTobuHonoo, 1, {0, 0, 0, 0, 1}),
    Obj(C::EnemyTobuHonoo, 2, {0, 0, 0, 0, 1}),
    // EnemyUne: x, y
    Obj(C::EnemyUne, 0, {1000, 178}),
    Obj(C::EnemyUne, 1, {1700, 178}),
    Obj(C::EnemyUne, 2, {2500, 178}),
    Obj(C::EnemyUne, 3, {3100, 178}),
    Obj(C::EnemyUne, 4, {3600, 178}),
    // EnemyRed: x, y, facing, left, right
    Obj(C::EnemyRed, 0, {3400, 118, 0, 3100, 3780}),
};

}  // namespace

StageObjectList StageList7() { return ListOf(kList); }

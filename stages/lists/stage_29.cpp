#include "stages/stage_lists.h"

namespace {

using C = ObjectClass;

// Ruins: ground at 308 broken by four pits, a stone block on each of the first four stretches.
// Bone throwers stand on two blocks, the eyes sweep the sky, acid drips onto the ground and one
// block, the warriors pace the ground between the blocks.
constexpr StageObject kList[] = {
    // EnemyMedama: x, facing, right, slot
    Obj(C::EnemyMedama, 0, {900, 0, 1700, 0}),
    Obj(C::EnemyMedama, 1, {2300, 0, 3100, 1}),
    // EnemyOtiruHonoo: x, y, frame, vy, dead
    Obj(C::EnemyOtiruHonoo, 0, {0, 0, 0, 0, 1}),
    Obj(C::EnemyOtiruHonoo, 1, {0, 0, 0, 0, 1}),
    // EnemyWarSukaru: x, y, facing, left, right
    Obj(C::EnemyWarSukaru, 0, {1550, 200, 0, 1000, 1650}),
    Obj(C::EnemyWarSukaru, 1, {3050, 190, 0, 2550, 3150}),
    // EnemyWarSkeleton: x, y, facing, slotBase
    Obj(C::EnemyWarSkeleton, 0, {1300, 144, 0, 0}),
    Obj(C::EnemyWarSkeleton, 1, {2800, 144, 0, 10}),
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
    Obj(C::EnemyHone, 15, {0, 0, 0, 0, 1}),
    Obj(C::EnemyHone, 16, {0, 0, 0, 0, 1}),
    Obj(C::EnemyHone, 17, {0, 0, 0, 0, 1}),
    Obj(C::EnemyHone, 18, {0, 0, 0, 0, 1}),
    Obj(C::EnemyHone, 19, {0, 0, 0, 0, 1}),
    // EnemyRedWhip: x, y, facing, left, right
    Obj(C::EnemyRedWhip, 0, {2400, 246, 0, 2310, 2430}),
    // EnemyRed: x, y, facing, left, right
    Obj(C::EnemyRed, 0, {1560, 212, 0, 1460, 1600}),
    // EnemyUma: x, facing, top
    Obj(C::EnemyUma, 0, {3500, 0, 68}),
    // EnemyBalloon: x, y, facing, dead, slotBase
    Obj(C::EnemyBalloon, 0, {0, 0, 0, 1, 0}),
    // EnemyHousi: x, y, vx, vy, dead
    Obj(C::EnemyHousi, 0, {0, 0, 0, 0, 1}),
    Obj(C::EnemyHousi, 1, {0, 0, 0, 0, 1}),
    Obj(C::EnemyHousi, 2, {0, 0, 0, 0, 1}),
    Obj(C::EnemyHousi, 3, {0, 0, 0, 0, 1}),
    // EnemySpider: x, slotBase
    Obj(C::EnemySpider, 0, {2650, 0}),
    // EnemyMSpider: x, y, vx, vy, dead
    Obj(C::EnemyMSpider, 0, {0, 0, 0, 0, 1}),
    // EnemySan: x, y, floorY
    Obj(C::EnemySan, 0, {1000, 20, 292}),
    Obj(C::EnemySan, 1, {2150, 20, 226}),
    // EnemyCrow: x, y, facing
    Obj(C::EnemyCrow, 0, {3400, 150, 0}),
};

}  // namespace

StageObjectList StageList29() { return ListOf(kList); }

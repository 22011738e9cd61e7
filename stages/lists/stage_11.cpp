#include "stages/stage_lists.h"

namespace {

using C = ObjectClass;

// A gauntlet of eight spiked lifts with three large crawlers between them.
constexpr StageObject kList[] = {
    // EnemySLarge: x, y, frame, left, right
    Obj(C::EnemySLarge, 0, {1000, 269, 2, 800, 1300}),
    Obj(C::EnemySLarge, 1, {2100, 269, 2, 1900, 2400}),
    Obj(C::EnemySLarge, 2, {3200, 269, 2, 3000, 3500}),
    // EnemyHariLift: x, y, lowY
    Obj(C::EnemyHariLift, 0, {600, 20, 241}),
    Obj(C::EnemyHariLift, 1, {900, 60, 241}),
    Obj(C::EnemyHariLift, 2, {1400, 0, 241}),
    Obj(C::EnemyHariLift, 3, {1700, 40, 241}),
    Obj(C::EnemyHariLift, 4, {2000, 80, 241}),
    Obj(C::EnemyHariLift, 5, {2600, 10, 241}),
    Obj(C::EnemyHariLift, 6, {2900, 50, 241}),
    Obj(C::EnemyHariLift, 7, {3400, 30, 241}),
    // EnemyMedyusaHead: x, y, fromLeft, dead
    Obj(C::EnemyMedyusaHead, 0, {0, 0, 0, 1}),
    Obj(C::EnemyMedyusaHead, 1, {0, 0, 0, 1}),
};

}  // namespace

StageObjectList StageList11() { return ListOf(kList); }

#include "stages/stage_lists.h"

namespace {

using C = ObjectClass;

// A spear corridor of thirty-seven short stretches over pits: every stretch past the first two
// holds a trap, the traps thickening towards the exit.
constexpr StageObject kList[] = {
    // EnemyYukaYari: x
    Obj(C::EnemyYukaYari, 0, {403}),
    Obj(C::EnemyYukaYari, 1, {1025}),
    Obj(C::EnemyYukaYari, 2, {1638}),
    Obj(C::EnemyYukaYari, 3, {2265}),
    Obj(C::EnemyYukaYari, 4, {2887}),
    Obj(C::EnemyYukaYari, 5, {3509}),
    Obj(C::EnemyYukaYari, 6, {4136}),
    Obj(C::EnemyYukaYari, 7, {4763}),
    Obj(C::EnemyYukaYari, 8, {5385}),
    Obj(C::EnemyYukaYari, 9, {5689}),
    // EnemyIdouYari: x, y, left, right
    Obj(C::EnemyIdouYari, 0, {490, 201, 490, 552}),
    Obj(C::EnemyIdouYari, 1, {1114, 201, 1114, 1182}),
    Obj(C::EnemyIdouYari, 2, {1738, 201, 1738, 1802}),
    Obj(C::EnemyIdouYari, 3, {2372, 201, 2372, 2422}),
    Obj(C::EnemyIdouYari, 4, {2996, 201, 2996, 3042}),
    Obj(C::EnemyIdouYari, 5, {3620, 201, 3620, 3672}),
    Obj(C::EnemyIdouYari, 6, {4244, 201, 4244, 4292}),
    Obj(C::EnemyIdouYari, 7, {4850, 201, 4850, 4912}),
    Obj(C::EnemyIdouYari, 8, {5474, 201, 5474, 5532}),
    Obj(C::EnemyIdouYari, 9, {5632, 201, 5632, 5692}),
    // EnemyIdouYariV: x, left, right
    Obj(C::EnemyIdouYariV, 0, {839, 772, 906}),
    Obj(C::EnemyIdouYariV, 1, {1466, 1396, 1536}),
    Obj(C::EnemyIdouYariV, 2, {2088, 2020, 2156}),
    Obj(C::EnemyIdouYariV, 3, {2701, 2626, 2776}),
    Obj(C::EnemyIdouYariV, 4, {3323, 3250, 3396}),
    Obj(C::EnemyIdouYariV, 5, {3950, 3874, 4026}),
    Obj(C::EnemyIdouYariV, 6, {4572, 4498, 4646}),
    Obj(C::EnemyIdouYariV, 7, {5199, 5132, 5266}),
    // EnemyHariLift: x, y, lowY
    Obj(C::EnemyHariLift, 0, {680, 0, 207}),
    Obj(C::EnemyHariLift, 1, {1307, 0, 207}),
    Obj(C::EnemyHariLift, 2, {1929, 0, 207}),
    Obj(C::EnemyHariLift, 3, {2556, 0, 207}),
    Obj(C::EnemyHariLift, 4, {3178, 0, 207}),
    Obj(C::EnemyHariLift, 5, {3791, 0, 207}),
    Obj(C::EnemyHariLift, 6, {4413, 0, 207}),
    Obj(C::EnemyHariLift, 7, {5040, 0, 207}),
};

}  // namespace

StageObjectList StageList39() { return ListOf(kList); }

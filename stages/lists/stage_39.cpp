#include "stages/stage_lists.h"

namespace {

using C = ObjectClass;

// A spear corridor of thirty-seven short stretches over pits: every stretch past the first two
// holds a trap, the traps thickening towards the exit.
constexpr StageObject kList[] = {
    // EnemyYukaYari: x
    Obj(C::EnemyYukaYari, 0, {336}),
    Obj(C::EnemyYukaYari, 1, {976}),
    Obj(C::EnemyYukaYari, 2, {1617}),
    Obj(C::EnemyYukaYari, 3, {2257}),
    Obj(C::EnemyYukaYari, 4, {2897}),
    Obj(C::EnemyYukaYari, 5, {3537}),
    Obj(C::EnemyYukaYari, 6, {4176}),
    Obj(C::EnemyYukaYari, 7, {4816}),
    Obj(C::EnemyYukaYari, 8, {5456}),
    Obj(C::EnemyYukaYari, 9, {5610}),
    // EnemyIdouYari: x, y, left, right
    Obj(C::EnemyIdouYari, 0, {431, 201, 431, 483}),
    Obj(C::EnemyIdouYari, 1, {1071, 201, 1071, 1126}),
    Obj(C::EnemyIdouYari, 2, {1711, 201, 1711, 1764}),
    Obj(C::EnemyIdouYari, 3, {2352, 201, 2352, 2398}),
    Obj(C::EnemyIdouYari, 4, {2992, 201, 2992, 3035}),
    Obj(C::EnemyIdouYari, 5, {3632, 201, 3632, 3679}),
    Obj(C::EnemyIdouYari, 6, {4272, 201, 4272, 4317}),
    Obj(C::EnemyIdouYari, 7, {4911, 201, 4911, 4963}),
    Obj(C::EnemyIdouYari, 8, {5551, 201, 5551, 5601}),
    Obj(C::EnemyIdouYari, 9, {5405, 201, 5405, 5455}),
    // EnemyIdouYariV: x, left, right
    Obj(C::EnemyIdouYariV, 0, {796, 730, 865}),
    Obj(C::EnemyIdouYariV, 1, {1438, 1375, 1506}),
    Obj(C::EnemyIdouYariV, 2, {2076, 2020, 2146}),
    Obj(C::EnemyIdouYariV, 3, {2720, 2628, 2788}),
    Obj(C::EnemyIdouYariV, 4, {3359, 3273, 3427}),
    Obj(C::EnemyIdouYariV, 5, {4000, 3920, 4068}),
    Obj(C::EnemyIdouYariV, 6, {4639, 4565, 4708}),
    Obj(C::EnemyIdouYariV, 7, {5276, 5210, 5345}),
    // EnemyHariLift: x, y, lowY (they start and turn back above the screen,
    // which leaves a hero a fair gap under each)
    Obj(C::EnemyHariLift, 0, {619, -60, 207}),
    Obj(C::EnemyHariLift, 1, {1255, -30, 207}),
    Obj(C::EnemyHariLift, 2, {1894, -50, 207}),
    Obj(C::EnemyHariLift, 3, {2536, -20, 207}),
    Obj(C::EnemyHariLift, 4, {3174, -40, 207}),
    Obj(C::EnemyHariLift, 5, {3819, -15, 207}),
    Obj(C::EnemyHariLift, 6, {4458, -55, 207}),
    Obj(C::EnemyHariLift, 7, {5099, -25, 207}),
};

}  // namespace

StageObjectList StageList39() { return ListOf(kList); }

#include "stages/stage_lists.h"

namespace {

using C = ObjectClass;

// Night ramparts of nineteen stretches over pits, walked from the right end to the exit at the
// left: ghosts and skulls drift over them, spectres rise through the pits, armour and soldiers
// hold the stretches, all facing the hero coming from the right.
constexpr StageObject kList[] = {
    // EnemyDaibourei: x, y
    Obj(C::EnemyDaibourei, 0, {4200, 100}),
    Obj(C::EnemyDaibourei, 1, {2600, 80}),
    Obj(C::EnemyDaibourei, 2, {1000, 100}),
    // EnemyFSukaru: x, y
    Obj(C::EnemyFSukaru, 0, {4500, 120}),
    Obj(C::EnemyFSukaru, 1, {3700, 120}),
    Obj(C::EnemyFSukaru, 2, {3000, 120}),
    Obj(C::EnemyFSukaru, 3, {2200, 120}),
    Obj(C::EnemyFSukaru, 4, {1500, 120}),
    Obj(C::EnemyFSukaru, 5, {600, 120}),
    // EnemySpecter: x
    Obj(C::EnemySpecter, 0, {4380}),
    Obj(C::EnemySpecter, 1, {3880}),
    Obj(C::EnemySpecter, 2, {3250}),
    Obj(C::EnemySpecter, 3, {2700}),
    Obj(C::EnemySpecter, 4, {2180}),
    Obj(C::EnemySpecter, 5, {1630}),
    Obj(C::EnemySpecter, 6, {1100}),
    Obj(C::EnemySpecter, 7, {820}),
    Obj(C::EnemySpecter, 8, {290}),
    // EnemyWil: x, y, facing
    Obj(C::EnemyWil, 0, {4000, 160, 1}),
    Obj(C::EnemyWil, 1, {3000, 160, 1}),
    Obj(C::EnemyWil, 2, {2000, 160, 1}),
    Obj(C::EnemyWil, 3, {1000, 160, 1}),
    // EnemyRedWhip: x, y, facing, left, right
    Obj(C::EnemyRedWhip, 0, {3350, 151, 1, 3274, 3436}),
    // EnemyAxArmor: x, y, facing, left, right, slotBase
    Obj(C::EnemyAxArmor, 0, {4400, 121, 1, 4330, 4516, 0}),
    Obj(C::EnemyAxArmor, 1, {2550, 121, 1, 2450, 2626, 3}),
    Obj(C::EnemyAxArmor, 2, {950, 121, 1, 838, 1016, 6}),
    // EnemyAx: x, y, facing, rightTurn, leftTurn, dead
    Obj(C::EnemyAx, 0, {0, 0, 0, 0, 0, 1}),
    Obj(C::EnemyAx, 1, {0, 0, 0, 0, 0, 1}),
    Obj(C::EnemyAx, 2, {0, 0, 0, 0, 0, 1}),
    Obj(C::EnemyAx, 3, {0, 0, 0, 0, 0, 1}),
    Obj(C::EnemyAx, 4, {0, 0, 0, 0, 0, 1}),
    Obj(C::EnemyAx, 5, {0, 0, 0, 0, 0, 1}),
    Obj(C::EnemyAx, 6, {0, 0, 0, 0, 0, 1}),
    Obj(C::EnemyAx, 7, {0, 0, 0, 0, 0, 1}),
    Obj(C::EnemyAx, 8, {0, 0, 0, 0, 0, 1}),
    // EnemySukaru: x, y, frame
    Obj(C::EnemySukaru, 0, {4100, 100, 0}),
    Obj(C::EnemySukaru, 1, {3200, 100, 0}),
    Obj(C::EnemySukaru, 2, {2300, 100, 0}),
    Obj(C::EnemySukaru, 3, {1200, 100, 0}),
    // EnemySkeletonSoldier: x, y, facing, left, right
    Obj(C::EnemySkeletonSoldier, 0, {3900, 151, 1, 3802, 3976}),
    Obj(C::EnemySkeletonSoldier, 1, {2000, 151, 1, 1922, 2096}),
    Obj(C::EnemySkeletonSoldier, 2, {650, 151, 1, 560, 746}),
    // EnemyCrow: x, y, facing
    Obj(C::EnemyCrow, 0, {3600, 60, 1}),
    Obj(C::EnemyCrow, 1, {1700, 60, 1}),
    // EnemyRed: x, y, facing, left, right
    Obj(C::EnemyRed, 0, {1500, 117, 1, 1394, 1556}),
    // EnemyGHand: x, frame
    Obj(C::EnemyGHand, 0, {4650, 0}),
    Obj(C::EnemyGHand, 1, {3300, 0}),
    Obj(C::EnemyGHand, 2, {2100, 0}),
    Obj(C::EnemyGHand, 3, {700, 0}),
    // EnemyHonebasira: x, y, slotBase
    Obj(C::EnemyHonebasira, 0, {3100, 151, 0}),
    // EnemyTobuHonoo: x, y, facing, speed, dead
    Obj(C::EnemyTobuHonoo, 0, {0, 0, 0, 0, 1}),
    Obj(C::EnemyTobuHonoo, 1, {0, 0, 0, 0, 1}),
    Obj(C::EnemyTobuHonoo, 2, {0, 0, 0, 0, 1}),
};

}  // namespace

StageObjectList StageList45() { return ListOf(kList); }

#include "stages/stage_lists.h"

namespace {

using C = ObjectClass;

// A burning causeway: each bridge between the pits holds a flame pillar, a
// fire walker or a soldier, and an eagle patrols above every other pit.
constexpr StageObject kList[] = {
    // EnemyWasi: x, facing, left, right
    Obj(C::EnemyWasi, 0, {900, 0, 700, 1250}),
    Obj(C::EnemyWasi, 1, {1700, 0, 1350, 1900}),
    Obj(C::EnemyWasi, 2, {2900, 0, 2600, 3150}),
    Obj(C::EnemyWasi, 3, {3700, 0, 3300, 4200}),
    // EnemyHonebasira: x, y, slotBase
    Obj(C::EnemyHonebasira, 0, {1100, 358, 0}),
    Obj(C::EnemyHonebasira, 1, {2300, 358, 3}),
    Obj(C::EnemyHonebasira, 2, {3500, 358, 6}),
    // EnemyTobuHonoo: x, y, facing, speed, dead
    Obj(C::EnemyTobuHonoo, 0, {0, 0, 0, 0, 1}),
    Obj(C::EnemyTobuHonoo, 1, {0, 0, 0, 0, 1}),
    Obj(C::EnemyTobuHonoo, 2, {0, 0, 0, 0, 1}),
    Obj(C::EnemyTobuHonoo, 3, {0, 0, 0, 0, 1}),
    Obj(C::EnemyTobuHonoo, 4, {0, 0, 0, 0, 1}),
    Obj(C::EnemyTobuHonoo, 5, {0, 0, 0, 0, 1}),
    Obj(C::EnemyTobuHonoo, 6, {0, 0, 0, 0, 1}),
    Obj(C::EnemyTobuHonoo, 7, {0, 0, 0, 0, 1}),
    Obj(C::EnemyTobuHonoo, 8, {0, 0, 0, 0, 1}),
    // EnemyIhuriito: x, y, facing, left, right, slotBase
    Obj(C::EnemyIhuriito, 0, {1500, 358, 0, 1340, 1880, 0}),
    Obj(C::EnemyIhuriito, 1, {2800, 358, 1, 2600, 3150, 5}),
    Obj(C::EnemyIhuriito, 2, {4000, 358, 0, 3900, 4400, 10}),
    // EnemyMoeruhonoo: x, y, dead
    Obj(C::EnemyMoeruhonoo, 0, {0, 0, 1}),
    Obj(C::EnemyMoeruhonoo, 1, {0, 0, 1}),
    Obj(C::EnemyMoeruhonoo, 2, {0, 0, 1}),
    Obj(C::EnemyMoeruhonoo, 3, {0, 0, 1}),
    Obj(C::EnemyMoeruhonoo, 4, {0, 0, 1}),
    Obj(C::EnemyMoeruhonoo, 5, {0, 0, 1}),
    Obj(C::EnemyMoeruhonoo, 6, {0, 0, 1}),
    Obj(C::EnemyMoeruhonoo, 7, {0, 0, 1}),
    Obj(C::EnemyMoeruhonoo, 8, {0, 0, 1}),
    Obj(C::EnemyMoeruhonoo, 9, {0, 0, 1}),
    Obj(C::EnemyMoeruhonoo, 10, {0, 0, 1}),
    Obj(C::EnemyMoeruhonoo, 11, {0, 0, 1}),
    Obj(C::EnemyMoeruhonoo, 12, {0, 0, 1}),
    Obj(C::EnemyMoeruhonoo, 13, {0, 0, 1}),
    Obj(C::EnemyMoeruhonoo, 14, {0, 0, 1}),
    // EnemySkeletonSoldier: x, y, facing, left, right
    Obj(C::EnemySkeletonSoldier, 0, {850, 358, 0, 700, 1240}),
    Obj(C::EnemySkeletonSoldier, 1, {2150, 358, 1, 2000, 2520}),
    Obj(C::EnemySkeletonSoldier, 2, {3400, 358, 0, 3260, 3800}),
};

}  // namespace

StageObjectList StageList2() { return ListOf(kList); }

#include "stages/stage_lists.h"

namespace {

using C = ObjectClass;

// The arena of five bosses in chain order, each followed by the idle slots of its projectiles and
// minions, and the hidden clear orb.
constexpr StageObject kList[] = {
    // BossGBat: (none)
    Obj(C::BossGBat, 0, {}),
    // EnemyBat: x, y, maxX, dead
    Obj(C::EnemyBat, 0, {0, 0, 0, 1}),
    Obj(C::EnemyBat, 1, {0, 0, 0, 1}),
    Obj(C::EnemyBat, 2, {0, 0, 0, 1}),
    Obj(C::EnemyBat, 3, {0, 0, 0, 1}),
    Obj(C::EnemyBat, 4, {0, 0, 0, 1}),
    // BossBMedyusa: (none)
    Obj(C::BossBMedyusa, 0, {}),
    // EnemyMedyusaHead: x, y, fromLeft, dead
    Obj(C::EnemyMedyusaHead, 0, {0, 0, 0, 1}),
    Obj(C::EnemyMedyusaHead, 1, {0, 0, 0, 1}),
    Obj(C::EnemyMedyusaHead, 2, {0, 0, 0, 1}),
    // BossMiira: (none)
    Obj(C::BossMiira, 0, {}),
    // EnemyGanseki: x, y, falling, dead
    Obj(C::EnemyGanseki, 0, {0, 0, 0, 1}),
    Obj(C::EnemyGanseki, 1, {0, 0, 0, 1}),
    // EnemyHoutai: dead
    Obj(C::EnemyHoutai, 0, {1}),
    Obj(C::EnemyHoutai, 1, {1}),
    Obj(C::EnemyHoutai, 2, {1}),
    Obj(C::EnemyHoutai, 3, {1}),
    Obj(C::EnemyHoutai, 4, {1}),
    // BossHuranken: (none)
    Obj(C::BossHuranken, 0, {}),
    // EnemyOtiruBlock: x, y, dead
    Obj(C::EnemyOtiruBlock, 0, {0, 0, 1}),
    Obj(C::EnemyOtiruBlock, 1, {0, 0, 1}),
    Obj(C::EnemyOtiruBlock, 2, {0, 0, 1}),
    Obj(C::EnemyOtiruBlock, 3, {0, 0, 1}),
    Obj(C::EnemyOtiruBlock, 4, {0, 0, 1}),
    Obj(C::EnemyOtiruBlock, 5, {0, 0, 1}),
    // EnemySemusi: x, y, facing, dead
    Obj(C::EnemySemusi, 0, {0, 0, 0, 1}),
    Obj(C::EnemySemusi, 1, {0, 0, 0, 1}),
    Obj(C::EnemySemusi, 2, {0, 0, 0, 1}),
    Obj(C::EnemySemusi, 3, {0, 0, 0, 1}),
    Obj(C::EnemySemusi, 4, {0, 0, 0, 1}),
    Obj(C::EnemySemusi, 5, {0, 0, 0, 1}),
    Obj(C::EnemySemusi, 6, {0, 0, 0, 1}),
    Obj(C::EnemySemusi, 7, {0, 0, 0, 1}),
    Obj(C::EnemySemusi, 8, {0, 0, 0, 1}),
    // BossQuorth: (none)
    Obj(C::BossQuorth, 0, {}),
    // EnemyTama: x, dead
    Obj(C::EnemyTama, 0, {0, 1}),
    Obj(C::EnemyTama, 1, {0, 1}),
    Obj(C::EnemyTama, 2, {0, 1}),
    Obj(C::EnemyTama, 3, {0, 1}),
    Obj(C::EnemyTama, 4, {0, 1}),
    // MaryokuOrb: hidden
    Obj(C::MaryokuOrb, 0, {1}),
};

}  // namespace

StageObjectList StageList43() { return ListOf(kList); }

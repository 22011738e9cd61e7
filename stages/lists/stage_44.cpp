#include "stages/stage_lists.h"

namespace {

using C = ObjectClass;

// The arena of six bosses in chain order, each followed by the idle slots of its projectiles, and
// the hidden clear orb.
constexpr StageObject kList[] = {
    // BossBeri1: (none)
    Obj(C::BossBeri1, 0, {}),
    // EnemyBeriFire: x, y, state, dead
    Obj(C::EnemyBeriFire, 0, {0, 0, 0, 1}),
    Obj(C::EnemyBeriFire, 1, {0, 0, 0, 1}),
    Obj(C::EnemyBeriFire, 2, {0, 0, 0, 1}),
    // BossBeri2: (none)
    Obj(C::BossBeri2, 0, {}),
    // BossGyai1: (none)
    Obj(C::BossGyai1, 0, {}),
    // EnemyGyaiGanseki: x, y, dead
    Obj(C::EnemyGyaiGanseki, 0, {0, 0, 1}),
    Obj(C::EnemyGyaiGanseki, 1, {0, 0, 1}),
    Obj(C::EnemyGyaiGanseki, 2, {0, 0, 1}),
    Obj(C::EnemyGyaiGanseki, 3, {0, 0, 1}),
    Obj(C::EnemyGyaiGanseki, 4, {0, 0, 1}),
    Obj(C::EnemyGyaiGanseki, 5, {0, 0, 1}),
    Obj(C::EnemyGyaiGanseki, 6, {0, 0, 1}),
    Obj(C::EnemyGyaiGanseki, 7, {0, 0, 1}),
    Obj(C::EnemyGyaiGanseki, 8, {0, 0, 1}),
    Obj(C::EnemyGyaiGanseki, 9, {0, 0, 1}),
    // EnemyGyaiFire1: dead
    Obj(C::EnemyGyaiFire1, 0, {1}),
    Obj(C::EnemyGyaiFire1, 1, {1}),
    Obj(C::EnemyGyaiFire1, 2, {1}),
    Obj(C::EnemyGyaiFire1, 3, {1}),
    // BossGyai2: (none)
    Obj(C::BossGyai2, 0, {}),
    // EnemyGyaiFire2: x, y, vx, vy, dead
    Obj(C::EnemyGyaiFire2, 0, {0, 0, 0, 0, 1}),
    Obj(C::EnemyGyaiFire2, 1, {0, 0, 0, 0, 1}),
    Obj(C::EnemyGyaiFire2, 2, {0, 0, 0, 0, 1}),
    Obj(C::EnemyGyaiFire2, 3, {0, 0, 0, 0, 1}),
    Obj(C::EnemyGyaiFire2, 4, {0, 0, 0, 0, 1}),
    Obj(C::EnemyGyaiFire2, 5, {0, 0, 0, 0, 1}),
    Obj(C::EnemyGyaiFire2, 6, {0, 0, 0, 0, 1}),
    Obj(C::EnemyGyaiFire2, 7, {0, 0, 0, 0, 1}),
    // BossDeath1: (none)
    Obj(C::BossDeath1, 0, {}),
    // EnemyKama: x, y, dead
    Obj(C::EnemyKama, 0, {0, 0, 1}),
    Obj(C::EnemyKama, 1, {0, 0, 1}),
    Obj(C::EnemyKama, 2, {0, 0, 1}),
    Obj(C::EnemyKama, 3, {0, 0, 1}),
    Obj(C::EnemyKama, 4, {0, 0, 1}),
    Obj(C::EnemyKama, 5, {0, 0, 1}),
    Obj(C::EnemyKama, 6, {0, 0, 1}),
    Obj(C::EnemyKama, 7, {0, 0, 1}),
    Obj(C::EnemyKama, 8, {0, 0, 1}),
    Obj(C::EnemyKama, 9, {0, 0, 1}),
    // BossDeath2: (none)
    Obj(C::BossDeath2, 0, {}),
    // MaryokuOrb: hidden
    Obj(C::MaryokuOrb, 0, {1}),
};

}  // namespace

StageObjectList StageList44() { return ListOf(kList); }

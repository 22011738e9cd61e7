#include "stages/stage_lists.h"

namespace {

using C = ObjectClass;

constexpr StageObject kList[] = {
    // BossWWolf: (none)
    Obj(C::BossWWolf, 0, {}),
    // EnemyFireB: x, y, dir, dead
    Obj(C::EnemyFireB, 0, {0, 0, 0, 1}),
    // BossMino: (none)
    Obj(C::BossMino, 0, {}),
    // EnemyTuti: x, y, dir, dead
    Obj(C::EnemyTuti, 0, {0, 0, 0, 1}),
    Obj(C::EnemyTuti, 1, {0, 0, 0, 1}),
    Obj(C::EnemyTuti, 2, {0, 0, 0, 1}),
    Obj(C::EnemyTuti, 3, {0, 0, 0, 1}),
    Obj(C::EnemyTuti, 4, {0, 0, 0, 1}),
    Obj(C::EnemyTuti, 5, {0, 0, 0, 1}),
    Obj(C::EnemyTuti, 6, {0, 0, 0, 1}),
    Obj(C::EnemyTuti, 7, {0, 0, 0, 1}),
    Obj(C::EnemyTuti, 8, {0, 0, 0, 1}),
    Obj(C::EnemyTuti, 9, {0, 0, 0, 1}),
    // MaryokuOrb: hidden
    Obj(C::MaryokuOrb, 0, {1}),
};

}  // namespace

StageObjectList StageList42() { return ListOf(kList); }

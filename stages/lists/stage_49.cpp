#include "stages/stage_lists.h"

namespace {

using C = ObjectClass;

// The final arena: the three forms in chain order, each followed by its idle
// projectile slots, and the hidden clear orb.
constexpr StageObject kList[] = {
    // BossMorvane1: (none)
    Obj(C::BossMorvane1, 0, {}),
    // EnemyUpFireM: x, dead
    Obj(C::EnemyUpFireM, 0, {0, 1}),
    // BossMorvane2: (none)
    Obj(C::BossMorvane2, 0, {}),
    // EnemyHellFire: x, y, dir, dead
    Obj(C::EnemyHellFire, 0, {0, 0, 0, 1}),
    Obj(C::EnemyHellFire, 1, {0, 0, 0, 1}),
    Obj(C::EnemyHellFire, 2, {0, 0, 0, 1}),
    // EnemyKokuen: x, y, dir, dead
    Obj(C::EnemyKokuen, 0, {0, 0, 0, 1}),
    Obj(C::EnemyKokuen, 1, {0, 0, 0, 1}),
    // BossMorvane3: (none)
    Obj(C::BossMorvane3, 0, {}),
    // EnemyStnFire: x, y, frame, dead
    Obj(C::EnemyStnFire, 0, {0, 0, 0, 1}),
    Obj(C::EnemyStnFire, 1, {0, 0, 0, 1}),
    // MaryokuOrb: hidden
    Obj(C::MaryokuOrb, 0, {1}),
};

}  // namespace

StageObjectList StageList49() { return ListOf(kList); }

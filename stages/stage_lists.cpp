// The object lists of the stages, as constant data.
#include "stages/stage_lists.h"

#include <iterator>

namespace {

using C = ObjectClass;

constexpr StageObject kStage1[] = {
    Obj(C::EnemyRed, 0, {2500, 283, 0, 0, 2780}),
    Obj(C::EnemyRed, 1, {5000, 283, 0, 3505, 6400}),
    Obj(C::EnemyGool, 0, {500, 331, 0}),
    Obj(C::EnemyGool, 1, {5500, 331, 0}),
    Obj(C::EnemyGool, 2, {5700, 331, 0}),
    Obj(C::EnemySkeletonSoldier, 0, {2900, 317, 0, 2866, 2944}),
    Obj(C::EnemySkeletonSoldier, 1, {3060, 317, 0, 3022, 3260}),
    Obj(C::EnemySkeletonSoldier, 2, {3200, 317, 0, 3022, 3260}),
    Obj(C::EnemySkeletonSoldier, 3, {3380, 317, 0, 3333, 3417}),
    Obj(C::EnemyGhost, 0, {1500, 320, 0}),
    Obj(C::EnemyGhost, 1, {2100, 350, 0}),
    Obj(C::EnemyGhost, 2, {2600, 295, 0}),
    Obj(C::EnemyGhost, 3, {3300, 295, 0}),
    Obj(C::EnemyGhost, 4, {3500, 350, 0}),
    Obj(C::EnemyZombie, 0, {0, 0, 0, 1, 0, 0}),
    Obj(C::EnemyZombie, 1, {0, 0, 0, 1, 0, 0}),
    Obj(C::EnemyMedyusaHead, 0, {0, 0, 0, 1}),
    Obj(C::EnemyUne, 0, {455, 343}),
    Obj(C::EnemyUne, 1, {2500, 343}),
    Obj(C::EnemyUne, 2, {3090, 343}),
    Obj(C::EnemyUne, 3, {3550, 343}),
    Obj(C::EnemyUne, 4, {5600, 343}),
};

constexpr StageObject kStage42[] = {
    Obj(C::BossWWolf, 0, {}),
    Obj(C::EnemyFireB, 0, {0, 0, 0, 1}),
    Obj(C::BossMino, 0, {}),
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
    Obj(C::MaryokuOrb, 0, {1}),
};

// The final arena: the three forms in chain order, each followed by its idle
// projectile slots, and the hidden clear orb.
constexpr StageObject kStage49[] = {
    Obj(C::BossMorvane1, 0, {}),
    Obj(C::EnemyUpFireM, 0, {0, 1}),
    Obj(C::BossMorvane2, 0, {}),
    Obj(C::EnemyHellFire, 0, {0, 0, 0, 1}),
    Obj(C::EnemyHellFire, 1, {0, 0, 0, 1}),
    Obj(C::EnemyHellFire, 2, {0, 0, 0, 1}),
    Obj(C::EnemyKokuen, 0, {0, 0, 0, 1}),
    Obj(C::EnemyKokuen, 1, {0, 0, 0, 1}),
    Obj(C::BossMorvane3, 0, {}),
    Obj(C::EnemyStnFire, 0, {0, 0, 0, 1}),
    Obj(C::EnemyStnFire, 1, {0, 0, 0, 1}),
    Obj(C::MaryokuOrb, 0, {1}),
};

template <size_t N>
constexpr StageObjectList ListOf(const StageObject (&list)[N]) {
    return StageObjectList{list, static_cast<int32_t>(N)};
}

}  // namespace

StageObjectList StageObjectsFor(int32_t stage) {
    switch (stage) {
        case 1: return ListOf(kStage1);
        case 42: return ListOf(kStage42);
        case 49: return ListOf(kStage49);
        default: return StageObjectList{nullptr, 0};
    }
}

#pragma once

#include <cstddef>
#include <cstdint>

#include "enemies/model/enemy_model.h"

// How shooters put their projectiles into play and aim them.
namespace enemy {

// An owner writes only its own run of `slots` pool slots from slotBase: shot
// k of the run is a fresh record copied over slot slotBase + k, replacing at
// once whatever still flew there. A shot outside the run or the pool is
// refused and counted, never written.
template <typename T, size_t N>
bool WriteShot(T (&pool)[N], int32_t slotBase, int32_t k, int32_t slots, const T& shot) {
    const int64_t slot = static_cast<int64_t>(slotBase) + k;
    if (k < 0 || k >= slots || slot < 0 || slot >= static_cast<int64_t>(N)) {
        NoteRefusedSlot();
        return false;
    }
    pool[slot] = shot;
    return true;
}

// A shot toward the hero's side: from the left muzzle flying left while the
// shooter stands level with or right of the hero, else from the right muzzle
// flying right. Offsets are relative to the shooter's x and y.
struct Muzzles {
    int32_t leftDx;
    int32_t leftDy;
    int32_t rightDx;
    int32_t rightDy;
};
struct AimedShot {
    int32_t x;
    int32_t y;
    int32_t leftward;  // 1: flies left
};
AimedShot ShotAtHero(int32_t x, int32_t y, const Muzzles& m);

// The first speed of a shot lobbed from x, y at the hero: a divisor-th of
// the distance on each axis (rounded toward zero), across held to +-maxVx,
// then lifted by lift.
struct Lob {
    int32_t vx;
    int32_t vy;
};
Lob LobAtHero(int32_t x, int32_t y, int32_t divisor, int32_t maxVx, int32_t lift);

// A dart at the hero: speed on each axis toward the hero's x and y, or 0 on
// an axis where the hero is within deadZone.
struct Dart {
    int32_t vx;
    int32_t vy;
};
Dart DartAtHero(int32_t x, int32_t y, int32_t deadZone, int32_t speed);

// The hero's x (or y) minus the given one, without overflow.
int64_t HeroDX(int32_t x);
int64_t HeroDY(int32_t y);

}  // namespace enemy

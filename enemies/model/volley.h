#pragma once

#include <cstdint>

#include "enemies/model/enemy_model.h"

// The rhythm of the shooters that keep a volley in flight from their own run
// of pool slots, and the way they keep turned to the hero.
namespace enemy {

// Counts one frame of a cycle of `cycle` frames that fires every `period`
// frames at `phase` of each period. Returns the index in the owner's run of
// the shot due this frame (counter / period), or -1 when none is due.
inline int32_t VolleyTick(int32_t& counter, int32_t cycle, int32_t period, int32_t phase) {
    counter = (counter + 1) % cycle;
    return counter % period == phase ? counter / period : -1;
}

// 1 (facing right) while the hero stands level with or right of x, else 0.
inline int32_t FacingHero(int32_t x) { return HeroX() >= x ? 1 : 0; }

}  // namespace enemy

#pragma once

#include <cstdint>

#include "enemies/model/enemy_model.h"
#include "enemies/model/hopping.h"

// The kinds that rest, then launch themselves at the hero's side: a hop from
// the ground, a swoop from a perch.
namespace enemy {

// Counts a rest of frames frames while not airborne; on the frame it ends the
// kind takes off at launchVy toward the hero (dir 1, right, when the hero
// stands level with or right of x). True on that frame.
inline bool LaunchAfterRest(int32_t x, int32_t& airborne, int32_t& counter, int32_t& vy, int32_t& dir, int32_t frames,
                            int32_t launchVy) {
    if (airborne != 0 || !Rested(counter, frames)) return false;
    airborne = 1;
    vy = launchVy;
    dir = HeroX() >= x ? 1 : 0;
    return true;
}

// One step of step pixels toward dir (1 right).
inline void StepToward(int32_t& x, int32_t dir, int32_t step) { x += dir == 1 ? step : -step; }

}  // namespace enemy

#pragma once

#include <cstdint>

#include "platform/platform.h"

namespace enemy {

// A guard that stays hidden while the hero is out of reach and swings on a
// fixed cycle while the hero is near; each such kind states only its numbers.
struct HidingGuard {
    int32_t reach;       // hero distance below which it acts
    int32_t cycle;       // frames of one swing
    int32_t raisedFrom;  // counter from which the raised box holds
    platform::Rect low;  // body boxes relative to x, y
    platform::Rect raised;
    int32_t frameStep;  // drawn frame = counter / frameStep
};

// Out of reach it hides, and its swing starts over when the hero comes back.
bool HidingGuardAwake(const HidingGuard& g, int32_t x, int32_t& counter);
inline void HidingGuardMove(const HidingGuard& g, int32_t& counter) { counter = (counter + 1) % g.cycle; }
platform::Rect HidingGuardBody(const HidingGuard& g, int32_t x, int32_t y, int32_t counter);
inline int32_t HidingGuardFrame(const HidingGuard& g, int32_t counter) { return counter / g.frameStep; }

}  // namespace enemy

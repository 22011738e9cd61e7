#pragma once

#include <cstdint>

#include "platform/platform.h"

// The fire pillar that rises from the arena floor, shared by the final
// boss's pillar and the floor pillars of the stages before it.
namespace fire_pillar {

// A pillar's picture by its tick 1 to 69: it grows, flickers and sinks.
int32_t FrameAt(int32_t tick);
// The touch box of a pillar at x in frame 0 to 4, in screen rows.
platform::Rect TouchBox(int32_t x, int32_t frame);

}  // namespace fire_pillar

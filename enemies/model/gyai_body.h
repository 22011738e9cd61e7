#pragma once

#include <cstdint>

#include "platform/platform.h"

namespace boss {

// The giant's body box in both its forms, by picture: the same box serves
// the weapon test and the touch test. Pictures outside 0 to 6 have none (an
// empty box that nothing overlaps).
platform::Rect GyaiBody(int32_t x, int32_t y, int32_t frame);

// The giant's wing beat over a count of 0 to 17: pictures 0, 1, 2, 3, 2, 1,
// three frames each.
int32_t GyaiWingFrame(int32_t counter);

}  // namespace boss

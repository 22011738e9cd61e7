#pragma once

#include <cstdint>

#include "platform/platform.h"

namespace boss {

// The giant's body box in both its forms, by picture: the same box serves
// the weapon test and the touch test. Pictures outside 0 to 6 have none (an
// empty box that nothing overlaps).
platform::Rect GyaiBody(int32_t x, int32_t y, int32_t frame);

}  // namespace boss

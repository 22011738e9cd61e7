#pragma once

#include <cstdint>

namespace enemy {

// One frame of an up-and-down wave: y moves by vy, vy by ay, and the pull
// turns round each time the speed reaches +-top.
inline void Wave(int32_t& y, int32_t& vy, int32_t& ay, int32_t top) {
    y += vy;
    vy += ay;
    if (vy == top || vy == -top) ay = -ay;
}

}  // namespace enemy

#pragma once

#include <cstdint>

// A flier that bobs on a wave: its vertical speed swings between +turn and
// -turn by ay a frame, so it sways between two rows.
namespace enemy {

// One frame of the wave: y += vy, then vy += ay, and ay turns about once vy
// reaches either speed.
inline void WaveStep(int32_t& y, int32_t& vy, int32_t& ay, int32_t turn) {
    y += vy;
    vy += ay;
    if (vy == turn || vy == -turn) ay = -ay;
}

}  // namespace enemy

#pragma once

#include <cstdint>

// Floaters that drift at the hero in bursts: a burst aimed at where he was,
// a rest as long, then the next burst.
namespace enemy {

struct BurstDrift {
    int32_t half;   // frames of one burst, and of one rest
    int32_t limit;  // the most pixels a frame on either axis
};

// One frame: it drifts by its speeds, stops after half a cycle and, at the
// end of the cycle, faces the hero (facing 1: he is at or left of x) and
// aims a burst at a point just below his top-left corner.
void BurstDriftMove(const BurstDrift& d, int32_t& x, int32_t& y, int32_t& vx, int32_t& vy, int32_t& facing,
                    int32_t& counter);

}  // namespace enemy

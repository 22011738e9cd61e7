#pragma once

#include <cstdint>

#include "enemies/model/hopping.h"

// Walking and falling shared by shooters and traps.
namespace enemy {

// One step of a patrol: speed pixels in the facing (1 right) while x is still
// short of that side's bound. An open bound (the least or largest int) is
// only compared with, and the step saturates rather than wrap.
inline void StepWithin(int32_t& x, int32_t facing, int32_t speed, int32_t left, int32_t right) {
    int64_t next = x;
    if (facing == 1) {
        if (x < right) next += speed;
    } else if (x > left) {
        next -= speed;
    }
    x = next > INT32_MAX ? INT32_MAX : next < INT32_MIN ? INT32_MIN : static_cast<int32_t>(next);
}

// One frame of a fall, true once y has passed below limit.
inline bool FallPast(int32_t& y, int32_t& vy, int32_t gravity, int32_t limit) {
    Fall(y, vy, gravity);
    return y > limit;
}

}  // namespace enemy

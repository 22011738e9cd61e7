#pragma once

#include <cstdint>

namespace enemy {

// A writer's rotating slot counter, kept for the whole run: advanced before
// use and back to 0 at its count. Whatever it held before (a stale or
// corrupted value), the slot it names is always 0 to count - 1.
inline int32_t NextRotatingSlot(int32_t& counter, int32_t count) {
    if (counter < 0 || counter >= count - 1)
        counter = 0;
    else
        counter += 1;
    return counter;
}

}  // namespace enemy

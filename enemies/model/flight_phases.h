#pragma once

#include <cstdint>

namespace boss {

// The step of a boss that drops into the arena, flies up out of it when
// struck and stands between: the drop goes first, so one struck as it
// drops rises only once it has landed.
template <typename Fall, typename Rise, typename Stand>
void FlightPhases(int32_t falling, int32_t rising, Fall fall, Rise rise, Stand stand) {
    if (falling != 0)
        fall();
    else if (rising != 0)
        rise();
    else
        stand();
}

}  // namespace boss

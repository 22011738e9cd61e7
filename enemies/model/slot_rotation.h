#pragma once

#include <cstdint>

namespace enemy {

// A pool writer's rotating slot base, kept for the whole run (a stage start
// does not reset it): it steps on by step and starts again at 0 when a
// volley of span slots from the new base would not fit in a pool of size
// slots. A base knocked out of range starts again at 0 as well, so every
// slot the writer derives from it lies inside the pool. Returns the base.
inline int32_t AdvanceSlotBase(int32_t& base, int32_t step, int32_t span, int32_t size) {
    const int64_t next = int64_t{base} + step;
    base = next < 0 || next + span > size ? 0 : static_cast<int32_t>(next);
    return base;
}

}  // namespace enemy

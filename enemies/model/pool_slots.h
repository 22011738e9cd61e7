#pragma once

#include <cstddef>
#include <cstdint>

// Pool writers that choose their slot themselves: a rotating counter kept for
// the whole run, and a release into the first idle slot.
namespace enemy {

// Moves a rotating slot counter on by step before it is used, back to 0 at
// count; a value already outside 0 .. count - 1 also restarts at 0, so the
// counter always names a slot of its pool.
inline int32_t AdvanceRotating(int32_t& counter, int32_t count, int32_t step = 1) {
    counter = (counter < 0 || counter >= count - step) ? 0 : counter + step;
    return counter;
}

// The first slot whose record is idle receives the record that make builds;
// false, with nothing built or written, while every slot is in use.
template <typename T, size_t N, typename Make>
bool ReleaseIntoFirstIdle(T (&pool)[N], Make make) {
    for (T& slot : pool) {
        if (slot.dead == 0) continue;
        slot = make();
        return true;
    }
    return false;
}

}  // namespace enemy

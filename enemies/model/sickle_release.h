#pragma once

#include <cstdint>

namespace boss {

// The reaper's sickles, shared by both its forms: the form's tick goes round
// 600 frames, and every 60th frame a sickle appears at a random place in the
// top of the arena, refilling the ten sickle slots in turn whatever they
// held. The slot is tick / 60, always 0 to 9.
void ReleaseSickle(int32_t& tick);

}  // namespace boss

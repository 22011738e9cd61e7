#pragma once

#include <cstdint>

// Steps that several arena bosses take with their own numbers: walking in
// from beyond the right edge, and counting out a timed attack.
namespace boss {

// Walks left by speed until x is stopX or less, the legs on a 10-frame
// step (frame 1 in its second half). True while it is still walking in.
bool WalkIn(int32_t& x, int32_t& counter, int32_t& frame, int32_t stopX, int32_t speed);

// One frame of an attack that lasts length frames: counter + 1, and at
// length the attack's flag and the counter return to 0.
void AttackTick(int32_t& counter, int32_t& attacking, int32_t length);

}  // namespace boss

#pragma once

#include <cstdint>

#include "platform/platform.h"

// What every boss of a boss arena shares: the head of its frame, the wake
// rules of the chains, the hit that costs a life-bar cell, the draw tail
// with the boss life bar, and the last boss releasing the clear orb.
namespace boss {

// Wakes for good once the hero's x is beyond 100. True while awake.
bool WakeOnHeroX(int32_t& dormant);
// Wakes in the first frame in which the predecessor is dead; true in that
// frame only, so a boss can take its place from the predecessor.
bool ChainWake(int32_t& dormant, bool predecessorDead);
// Wakes a pause of frames after the predecessor's death, counting them in
// counter; true in the waking frame only.
bool ChainWakeAfterPause(int32_t& dormant, int32_t& counter, bool predecessorDead, int32_t pause = 50);

// The head of a boss's frame: false while it is dead or dormant (neither
// drawn nor tested); the first awake frame refills the boss life bar.
bool Preamble(int32_t dead, int32_t dormant, int32_t& firstWake);

enum class Hit { kNone, kHurt, kKilled };
// One hit point per swing, as for any enemy; a landed hit also empties the
// life-bar cell of the hit points held before it.
Hit CheckHit(const platform::Rect& box, int32_t& hp, int32_t& hitLatch, int32_t& dead);

// The boss life bar, drawn after the living boss.
void DrawLifeBar();
template <typename Draw>
void DrawTail(int32_t dead, Draw draw) {
    if (dead != 0) return;
    draw();
    DrawLifeBar();
}

// The last boss of a chain drops the clear orb from its fixed start.
void ReleaseOrb();

}  // namespace boss

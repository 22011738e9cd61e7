#pragma once

#include <cstdint>

// The shared rules of the kinds that hop, leap and drop onto the floor.
namespace enemy {

// A row far below the screen. Nothing that falls past it can come back into
// play, so its motion stops there: no position or speed grows without end
// however long it is left falling. Its dead flag stays as its kind has it.
constexpr int32_t kAbyssRow = 1000;
inline bool InAbyss(int32_t y) { return y >= kAbyssRow; }

// One frame in the air: y += vy, then vy += gravity.
inline void Fall(int32_t& y, int32_t& vy, int32_t gravity) {
    y += vy;
    vy += gravity;
}

// One frame in the air, then landing rising or falling on a floor the probe
// strikes (standing height = probe). True on the landing frame.
bool FallAndLand(int32_t x, int32_t& y, int32_t& vy, int32_t gravity, int32_t probe);

// Counts a hopper's rest; true (and the count back to 0) on the frame it
// has rested for the given frames.
inline bool Rested(int32_t& counter, int32_t frames) {
    counter += 1;
    if (counter < frames) return false;
    counter = 0;
    return true;
}

// The hero stands level with or left of x: a hopper turns left to face it.
bool HeroOnLeftOf(int32_t x);

// A walker that leaps at the hero every period frames, flying under gravity
// 1 until it lands, and does not look for a floor while it walks. Frames 0
// and 1 face right, 2 and 3 left.
// One that keeps to its floor walks on only while the floor holds the point
// edgeReach pixels ahead at y + edgeProbe, and one with an air speed adds
// it, in the direction it faces, to every frame of a leap.
struct LeapingWalker {
    int32_t speed;   // pixels a frame
    int32_t leapVy;  // rise speed of each leap
    int32_t period;  // frames on the ground between leaps
    int32_t probe;   // probe depth and standing height
    bool keepsToFloor = false;
    int32_t edgeReach = 0;
    int32_t edgeProbe = 0;
    int32_t airSpeed = 0;
};
void LeapingWalkerMove(const LeapingWalker& w, int32_t& x, int32_t& y, int32_t& frame, int32_t& jumping, int32_t& vy,
                       int32_t& counter);

}  // namespace enemy

#pragma once

#include <cstdint>

#include "platform/platform.h"

// The shared rules of the warriors that walk up to the hero, wait within
// reach and then run a fixed attack.
namespace enemy {

// The wait within reach: counts the walking frames with the hero within
// reach, kept while he is away. True on the frame the attack begins, the
// wait then starting over.
inline bool AttackDue(int32_t& wait, bool withinReach, int32_t frames) {
    if (!withinReach) return false;
    wait += 1;
    if (wait < frames) return false;
    wait = 0;
    return true;
}

// The walking stride: the counter runs 0 to 9 over and over, the second
// pose showing from 6. The frame of the stride from base.
inline int32_t Stride(int32_t& counter, int32_t base) {
    counter = counter + 1 >= 10 ? 0 : counter + 1;
    return base + (counter >= 6 ? 1 : 0);
}

// Turns to the hero, measured from ref, and steps speed pixels his way.
void WalkTowardHero(int32_t& x, int32_t& facing, int64_t ref, int32_t speed);

// Steps speed pixels in the facing (1 right) but never past that side's
// bound: the step ends on the bound, and an object already beyond it stays.
void StepClamped(int32_t& x, int32_t facing, int32_t speed, int32_t left, int32_t right);

// A sprite whose size changes from pose to pose: its rectangle
// (dx, dy, dx + width, dy + height) relative to x, y, with width, height and
// dy by pose and dx by pose and facing. Frames 0 to poses - 1 face right,
// the next poses frames left.
constexpr int32_t kMaxPoses = 8;
struct PoseBoxes {
    int32_t poses;
    int32_t width[kMaxPoses];
    int32_t height[kMaxPoses];
    int32_t dy[kMaxPoses];
    int32_t dxRight[kMaxPoses];
    int32_t dxLeft[kMaxPoses];
};
// A frame outside the two facings is read as its pose facing left.
platform::Rect PoseRect(const PoseBoxes& b, int32_t x, int32_t y, int32_t frame);

}  // namespace enemy

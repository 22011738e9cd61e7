#pragma once

#include <cstdint>

#include "enemies/model/pose_box.h"
#include "platform/platform.h"

// The shared rules of the warriors that walk up to the hero, wait within
// reach and then run a fixed attack.
namespace enemy {

// The wait within reach: counts the walking frames with the hero within
// reach, kept while he is away. True on the frame the attack begins: the
// frame becomes attackFrame and the counter and the wait start over.
inline bool AttackDue(int32_t& wait, bool withinReach, int32_t frames, int32_t attackFrame, int32_t& frame,
                      int32_t& counter) {
    if (!withinReach) return false;
    wait += 1;
    if (wait < frames) return false;
    wait = 0;
    frame = attackFrame;
    counter = 0;
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

// A weapon out in one pose each way: in those frames the body and the
// weapon's box (relative to x, y) hurt, at most once; else the body alone.
struct Strike {
    int32_t rightFrame;
    platform::Rect right;
    int32_t leftFrame;
    platform::Rect left;
};
void TouchWithStrike(const platform::Rect& body, int32_t x, int32_t y, int32_t frame, const Strike& s, int32_t level);

}  // namespace enemy

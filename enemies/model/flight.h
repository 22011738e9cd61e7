#pragma once

#include <cstdint>

#include "enemies/model/enemy_model.h"

// The shared motions of the kinds that fly free of the floor: swoops from a
// perch, loops about a line, sweeps past the hero, dives at him, bounces
// between two rows and patrols that turn at their bounds.
namespace enemy {

// One frame of a swoop from a perch at row baseY: it drops at vy, slows by
// lift each frame, and climbs back. True, standing on the perch again, on
// the frame it rises above it.
inline bool Swoop(int32_t& x, int32_t& y, int32_t& vy, int32_t dx, int32_t lift, int32_t baseY) {
    x += dx;
    y += vy;
    vy -= lift;
    if (vy >= 0 || y >= baseY) return false;
    y = baseY;
    return true;
}

// One frame of a loop about the row line: above it the object falls back
// towards it, below it rises back; crossing kicks it away again at kick.
// True on the frame it crosses (below tells on which side it now is).
inline bool LoopAboutLine(int32_t& y, int32_t& vy, int32_t& below, int32_t line, int32_t kick) {
    y += vy;
    if (below != 0) {
        vy -= 1;
        if (y >= line) return false;
        below = 0;
        vy = -kick;
        return true;
    }
    vy += 1;
    if (y <= line) return false;
    below = 1;
    vy = kick;
    return true;
}

// One frame of a bob about the hero's height: it accelerates towards him and
// stops dead once it has overshot him by reach. True on the turn.
bool BobAboutHero(int32_t& y, int32_t& vy, int32_t& down, int32_t reach);

// One frame of a sweep past the hero: speed pixels on, turning once it is
// more than reach pixels beyond him. True on the turn.
bool SweepPastHero(int32_t& x, int32_t& movingRight, int32_t speed, int32_t reach);

// The drawn frame of a flier with two poses a facing (0 and 1 facing right,
// 2 and 3 left) over a 10-frame cycle: the second pose from frame 6 on.
inline int32_t TwoPoseFrame(int32_t facingRight, int32_t counter) {
    return (facingRight != 0 ? 0 : 2) + (counter >= 6 ? 1 : 0);
}

// A sweep past the hero drawn by TwoPoseFrame, its cycle counted here and
// started over at each turn; the frame alone tells the direction.
void PosedSweepPastHero(int32_t& x, int32_t& frame, int32_t& counter, int32_t speed, int32_t reach);

// One step straight at the hero, dx on x and dy on y. True when it stepped
// right.
bool StepTowardHero(int32_t& x, int32_t& y, int32_t dx, int32_t dy);

// One frame of a dive at the hero lasting frames frames. True, with the
// count back to 0, on the frame the dive ends.
inline bool DiveAtHero(int32_t& x, int32_t& y, int32_t& counter, int32_t dx, int32_t dy, int32_t frames) {
    StepTowardHero(x, y, dx, dy);
    counter += 1;
    if (counter < frames) return false;
    counter = 0;
    return true;
}

// One step of step pixels between lo and hi, turning once beyond either.
// forward 1 moves towards hi. True on a turn.
inline bool Bounce(int32_t& v, int32_t& forward, int32_t step, int32_t lo, int32_t hi) {
    v += forward == 1 ? step : -step;
    return TurnAtBounds(v, lo, hi, forward);
}

// v + step held to lo .. hi, whatever the step (an empty range holds at lo).
int32_t StepClamped(int32_t v, int32_t step, int32_t lo, int32_t hi);

// A patrol between left and right at speed pixels a frame with an animated
// run of poses per direction (frames 0 .. poses - 1 right, then left), each
// pose held framesPerPose frames; it turns once past a bound, set back onto
// it where the kind stops there.
struct PosePatrol {
    int32_t speed;
    int32_t poses;
    int32_t framesPerPose;
    bool stopAtBound;
};
void PosePatrolMove(const PosePatrol& p, int32_t& x, int32_t& frame, int32_t& counter, int32_t left, int32_t right);

}  // namespace enemy

#include "enemies/model/flight.h"

#include <algorithm>

namespace enemy {

bool BobAboutHero(int32_t& y, int32_t& vy, int32_t& down, int32_t reach) {
    y += vy;
    const int64_t hy = HeroY();
    if (down != 0) {
        vy += 1;
        if (static_cast<int64_t>(y) - reach <= hy) return false;
        down = 0;
    } else {
        vy -= 1;
        if (static_cast<int64_t>(y) + reach >= hy) return false;
        down = 1;
    }
    vy = 0;
    return true;
}

bool SweepPastHero(int32_t& x, int32_t& movingRight, int32_t speed, int32_t reach) {
    const int64_t hx = HeroX();
    if (movingRight != 0) {
        x += speed;
        if (x <= hx + reach) return false;
        movingRight = 0;
        return true;
    }
    x -= speed;
    if (x >= hx - reach) return false;
    movingRight = 1;
    return true;
}

void PosedSweepPastHero(int32_t& x, int32_t& frame, int32_t& counter, int32_t speed, int32_t reach) {
    counter = (counter + 1) % 10;
    int32_t right = frame < 2 ? 1 : 0;
    if (SweepPastHero(x, right, speed, reach)) counter = 0;
    frame = TwoPoseFrame(right, counter);
}

bool StepTowardHero(int32_t& x, int32_t& y, int32_t dx, int32_t dy) {
    const bool right = x < HeroX();
    x += right ? dx : -dx;
    y += HeroY() > y ? dy : -dy;
    return right;
}

int32_t StepClamped(int32_t v, int32_t step, int32_t lo, int32_t hi) {
    const int64_t to = static_cast<int64_t>(v) + step;
    return static_cast<int32_t>(std::max<int64_t>(lo, std::min<int64_t>(hi, to)));
}

void PosePatrolMove(const PosePatrol& p, int32_t& x, int32_t& frame, int32_t& counter, int32_t left, int32_t right) {
    counter = (counter + 1) % (p.poses * p.framesPerPose);
    const int32_t pose = counter / p.framesPerPose;
    if (frame >= p.poses) {
        x -= p.speed;
        if (x >= left) {
            frame = p.poses + pose;
            return;
        }
        if (p.stopAtBound) x = left;
        frame = 0;
    } else {
        x += p.speed;
        if (x <= right) {
            frame = pose;
            return;
        }
        if (p.stopAtBound) x = right;
        frame = p.poses;
    }
    counter = 0;
}

}  // namespace enemy

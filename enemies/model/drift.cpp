#include "enemies/model/drift.h"

#include <algorithm>

#include "enemies/model/enemy_model.h"

namespace enemy {

namespace {
constexpr int64_t kAimX = 10;
constexpr int64_t kAimY = 20;
constexpr int64_t kAimFrames = 15;

int32_t AimSpeed(int64_t from, int64_t to, int32_t limit) {
    return static_cast<int32_t>(std::clamp<int64_t>((to - from) / kAimFrames, -limit, limit));
}
}  // namespace

void BurstDriftMove(const BurstDrift& d, int32_t& x, int32_t& y, int32_t& vx, int32_t& vy, int32_t& facing,
                    int32_t& counter) {
    x += vx;
    y += vy;
    counter += 1;
    if (counter == d.half) {
        vx = 0;
        vy = 0;
    } else if (counter >= 2 * d.half) {
        counter = 0;
        facing = HeroX() <= x ? 1 : 0;
        vx = AimSpeed(x, HeroX() + kAimX, d.limit);
        vy = AimSpeed(y, HeroY() + kAimY, d.limit);
    }
}

}  // namespace enemy

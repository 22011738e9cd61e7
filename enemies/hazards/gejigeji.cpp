#include "enemies/hazards/gejigeji.h"

#include "engine/graphics.h"

namespace {
constexpr int32_t kSpeed = 3;
}  // namespace

EnemyGejigeji::EnemyGejigeji(int32_t left_, int32_t right_, int32_t top_, int32_t bottom_)
    : x(left_), y(top_), right(right_), left(left_), bottom(bottom_), top(top_) {}

void EnemyGejigeji::Move() {
    counter = (counter + 1) % 10;
    frame = counter > 5 ? 1 : 0;
    // Sides 0 and 2 run on y, 1 and 3 on x; 0 and 1 forwards, 2 and 3 back.
    int32_t& v = side % 2 == 0 ? y : x;
    const bool forwards = side < 2;
    const int32_t end = side == 0 ? bottom : side == 1 ? right : side == 2 ? top : left;
    v += forwards ? kSpeed : -kSpeed;
    if (forwards ? v > end : v < end) {
        v = end;
        side = (side + 1) % 4;
    }
}

void EnemyGejigeji::CheckPlayerTouch() { enemy::TouchHero(enemy::Box(x, y, 0, 0, frame == 0 ? 30 : 26, 30), 3); }

void EnemyGejigeji::Draw() { g_graphics.DrawGejigeji(x, y, frame); }

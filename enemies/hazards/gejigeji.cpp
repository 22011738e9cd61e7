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
    switch (side) {
        case 0:
            y += kSpeed;
            if (y > bottom) {
                y = bottom;
                side = 1;
            }
            break;
        case 1:
            x += kSpeed;
            if (x > right) {
                x = right;
                side = 2;
            }
            break;
        case 2:
            y -= kSpeed;
            if (y < top) {
                y = top;
                side = 3;
            }
            break;
        default:
            x -= kSpeed;
            if (x < left) {
                x = left;
                side = 0;
            }
            break;
    }
}

void EnemyGejigeji::CheckPlayerTouch() { enemy::TouchHero(enemy::Box(x, y, 0, 0, frame == 0 ? 30 : 26, 30), 3); }

void EnemyGejigeji::Draw() { g_graphics.DrawGejigeji(x, y, frame); }

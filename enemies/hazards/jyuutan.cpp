#include "enemies/hazards/jyuutan.h"

#include "engine/graphics.h"

namespace {
constexpr int32_t kSpeed = 14;
}  // namespace

EnemyJyuutan::EnemyJyuutan(int32_t x_, int32_t y_, int32_t leftward_, int32_t leftEnd_, int32_t rightEnd_)
    : x(x_), y(y_), rightEnd(rightEnd_), leftEnd(leftEnd_), leftward(leftward_) {}

void EnemyJyuutan::Move() {
    if (leftward == 1) {
        x -= kSpeed;
        if (x < leftEnd) x = rightEnd;
    } else {
        x += kSpeed;
        if (x > rightEnd) x = leftEnd;
    }
}

void EnemyJyuutan::CheckPlayerTouch() { enemy::TouchHero(enemy::Box(x, y, 0, 0, 125, 30), 2); }

void EnemyJyuutan::Draw() { g_graphics.DrawJyuutan(x, y, leftward == 1 ? 1 : 0); }

#include "enemies/droppers/kahun.h"

#include "engine/graphics.h"

namespace {
constexpr int32_t kSpeed = 5;
constexpr int32_t kGone = 666;
constexpr int32_t kFlicker = 10;
}  // namespace

EnemyKahun::EnemyKahun(int32_t x_, int32_t y_, int32_t dead_) : x(x_), y(y_), dead(dead_) {}

void EnemyKahun::Move() {
    y += kSpeed;
    if (y > kGone) dead = 1;
    counter = (counter + 1) % kFlicker;
}

void EnemyKahun::CheckPlayerTouch() { enemy::TouchHero(enemy::Box(x, y, 0, 0, 22, 26), 2); }

void EnemyKahun::Draw() { g_graphics.DrawKahun(x, y, counter > 5 ? 1 : 0); }

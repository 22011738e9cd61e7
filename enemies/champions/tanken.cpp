#include "enemies/champions/tanken.h"

#include <algorithm>

#include "engine/graphics.h"

namespace {
constexpr int32_t kSpeed = 20;
constexpr int32_t kGone = 10000;
}  // namespace

EnemyTanken::EnemyTanken(int32_t x_, int32_t y_, int32_t leftward_, int32_t dead_)
    : x(x_), y(y_), leftward(leftward_ == 1 ? 1 : 0), dead(dead_) {}

void EnemyTanken::Move() {
    // Held just past the range it may fly, so that a dagger placed anywhere
    // ends without its x wrapping.
    const int64_t next = static_cast<int64_t>(x) + (leftward == 1 ? -kSpeed : kSpeed);
    x = static_cast<int32_t>(std::clamp<int64_t>(next, -kGone - kSpeed, kGone + kSpeed));
    if (x > kGone || x < -kGone) dead = 1;
}

void EnemyTanken::CheckPlayerTouch() { enemy::TouchHero(enemy::Box(x, y, 0, 0, 32, 18), 3); }

void EnemyTanken::Draw() { g_graphics.DrawTanken(x, y, leftward); }

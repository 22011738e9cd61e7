#include "enemies/hazards/rising_wraith.h"

#include "engine/graphics.h"

namespace {
constexpr int32_t kRise = 15;
constexpr int32_t kBelowScreen = 480;
constexpr int32_t kAboveScreen = -96;  // its whole height above the top
}  // namespace

EnemySpecter::EnemySpecter(int32_t x_) : x(x_), y(kBelowScreen) {}

void EnemySpecter::Move() {
    y -= kRise;
    if (y < kAboveScreen) y = kBelowScreen;
}

void EnemySpecter::CheckPlayerTouch() { enemy::TouchHero(enemy::Box(x, y, 0, 0, 40, 96), 4); }

void EnemySpecter::Draw() { g_graphics.DrawSpecter(x, y); }

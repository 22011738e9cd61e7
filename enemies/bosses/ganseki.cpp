#include "enemies/bosses/ganseki.h"

#include "engine/graphics.h"

namespace {
constexpr int32_t kWait = 20;  // it first moves in this frame
constexpr int32_t kSpeed = 20;
}  // namespace

EnemyGanseki::EnemyGanseki(int32_t x_, int32_t y_, int32_t falling_, int32_t dead_)
    : x(x_), y(y_), falling(falling_), delay(0), dead(dead_) {}

void EnemyGanseki::Move() {
    if (delay < kWait) delay += 1;
    if (delay < kWait) return;
    if (falling != 0)
        y += kSpeed;
    else
        x += kSpeed;
    if (y >= 535 || x >= 705) dead = 1;
}

void EnemyGanseki::CheckPlayerTouch() { enemy::TouchHero(enemy::Box(x, y, 0, 0, 64, 54), 4); }

void EnemyGanseki::Draw() { g_graphics.DrawGanseki(x, y); }

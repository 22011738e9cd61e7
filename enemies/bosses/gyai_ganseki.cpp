#include "enemies/bosses/gyai_ganseki.h"

#include "engine/graphics.h"

namespace {
constexpr int32_t kGoneRow = 537;
}  // namespace

EnemyGyaiGanseki::EnemyGyaiGanseki(int32_t x_, int32_t y_, int32_t dead_) : x(x_), y(y_), dead(dead_) {}

void EnemyGyaiGanseki::Move() {
    if (y >= kGoneRow) {
        dead = 1;
        return;
    }
    y += vy;
    vy += 1;
}

void EnemyGyaiGanseki::CheckWeaponHit() { enemy::HitModelB(enemy::Box(x, y, 0, 0, 24, 56), dead); }

void EnemyGyaiGanseki::CheckPlayerTouch() { enemy::TouchHero(enemy::Box(x, y, 0, 0, 24, 56), 3); }

void EnemyGyaiGanseki::Draw() { g_graphics.DrawGyaiGanseki(x, y); }

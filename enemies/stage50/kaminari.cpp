#include "enemies/stage50/kaminari.h"

#include "engine/graphics.h"

namespace {
constexpr int32_t kStep = 6;
constexpr int32_t kGoneRow = 480;
}  // namespace

EnemyKaminari::EnemyKaminari(int32_t x_, int32_t y_, int32_t faceRight_, int32_t dead_)
    : x(x_), y(y_), dead(dead_), frame(faceRight_ != 0 ? 0 : 2), faceRight(faceRight_) {}

void EnemyKaminari::Move() {
    x -= kStep;
    y += kStep;
    if (y > kGoneRow) dead = 1;
}

void EnemyKaminari::CheckWeaponHit() { enemy::HitModelB(Body(), dead); }

void EnemyKaminari::CheckPlayerTouch() { enemy::TouchHero(Body(), 2); }

void EnemyKaminari::Draw() { g_graphics.DrawKaminari(x, y, frame); }

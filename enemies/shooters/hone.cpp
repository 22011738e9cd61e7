#include "enemies/shooters/hone.h"

#include "enemies/model/hopping.h"
#include "engine/graphics.h"

namespace {
constexpr int32_t kGone = 669;  // the row where a bone has left the screen
}  // namespace

EnemyHone::EnemyHone(int32_t x_, int32_t y_, int32_t vx_, int32_t vy_, int32_t dead_)
    : x(x_), y(y_), dead(dead_), vx(vx_), vy(vy_) {}

void EnemyHone::Move() {
    if (y < kGone) {
        counter = (counter + 1) % 20;
        enemy::Fall(y, vy, 1);
        x += vx;
    }
    if (y >= kGone) dead = 1;
}

platform::Rect EnemyHone::Body() const {
    // Lying flat in the first and last quarter of a turn, upright between.
    const int32_t f = counter / 5;
    return f == 1 || f == 2 ? enemy::Box(x, y, 0, 0, 16, 28) : enemy::Box(x, y, 0, 0, 28, 16);
}

void EnemyHone::CheckWeaponHit() { enemy::HitModelB(Body(), dead); }

void EnemyHone::CheckPlayerTouch() { enemy::TouchHero(Body(), 2); }

void EnemyHone::Draw() { g_graphics.DrawHone(x, y, counter / 5); }

#include "enemies/bosses/gyai_fire2.h"

#include "engine/graphics.h"

namespace {
constexpr int32_t kGoneRight = 700;
constexpr int32_t kGoneBelow = 480;
constexpr int32_t kGoneAbove = -200;
}  // namespace

EnemyGyaiFire2::EnemyGyaiFire2(int32_t x_, int32_t y_, int32_t vx_, int32_t vy_, int32_t dead_)
    : x(x_), y(y_), vx(vx_), vy(vy_), dead(dead_) {}

void EnemyGyaiFire2::Move() {
    // Past the left edge as the giant spits it; a flame set flying any other
    // way is also gone once it is off the screen, so none flies on forever.
    if (x < -22 || x > kGoneRight || y > kGoneBelow || y < kGoneAbove) {
        dead = 1;
        return;
    }
    x += vx;
    y += vy;
}

void EnemyGyaiFire2::CheckWeaponHit() { enemy::HitModelB(enemy::Box(x, y, 0, 0, 16, 16), dead); }

void EnemyGyaiFire2::CheckPlayerTouch() { enemy::TouchHero(enemy::Box(x, y, 0, 0, 16, 16), 3); }

void EnemyGyaiFire2::Draw() { g_graphics.DrawGyaiFire2(x, y); }

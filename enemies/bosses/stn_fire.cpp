#include "enemies/bosses/stn_fire.h"

#include <algorithm>

#include "engine/graphics.h"

namespace {
int32_t AimAtHero(int32_t x) {
    const int64_t v = (static_cast<int64_t>(enemy::HeroX()) - x) / 10;
    return static_cast<int32_t>(std::clamp<int64_t>(v, -10, 10));
}
}  // namespace

EnemyStnFire::EnemyStnFire(int32_t x_, int32_t y_, int32_t frame_, int32_t dead_)
    : x(x_), y(y_), vx(AimAtHero(x_)), frame(frame_), dead(dead_) {}

void EnemyStnFire::Move() {
    x += vx;
    y += 15;
    if (y > 480) dead = 1;
}

void EnemyStnFire::CheckWeaponHit() { enemy::HitModelB(enemy::Box(x, y, 0, 0, 58, 62), dead); }

void EnemyStnFire::CheckPlayerTouch() { enemy::TouchHero(enemy::Box(x, y, 0, 0, 58, 62), 6); }

void EnemyStnFire::Draw() { g_graphics.DrawStnFire(x, y, frame); }

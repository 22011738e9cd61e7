#include "enemies/self_reviving/housi.h"

#include "enemies/model/hopping.h"
#include "engine/graphics.h"

namespace {
constexpr int32_t kLostRow = 669;
}  // namespace

EnemyHousi::EnemyHousi(int32_t x_, int32_t y_, int32_t vx_, int32_t vy_, int32_t dead_)
    : x(x_), y(y_), dead(dead_), vx(vx_), vy(vy_) {}

void EnemyHousi::Move() {
    if (y < kLostRow) {
        counter = (counter + 1) % 10;
        enemy::Fall(y, vy, 1);
        x += vx;
    }
    if (y >= kLostRow) dead = 1;
}

platform::Rect EnemyHousi::Body() const {
    return counter < 6 ? enemy::Box(x, y, 0, 0, 12, 28) : enemy::Box(x, y, 0, 0, 12, 24);
}

void EnemyHousi::CheckWeaponHit() { enemy::HitModelB(Body(), dead); }

void EnemyHousi::CheckPlayerTouch() { enemy::TouchHero(Body(), 2); }

void EnemyHousi::Draw() { g_graphics.DrawHousi(x, y, counter > 5 ? 1 : 0); }

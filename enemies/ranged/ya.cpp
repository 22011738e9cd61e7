#include "enemies/ranged/ya.h"

#include "enemies/model/hopping.h"
#include "engine/graphics.h"

namespace {
constexpr int32_t kLaunchVy = -30;
constexpr int32_t kGravity = 2;
constexpr int32_t kGone = 705;  // well below the screen
}  // namespace

EnemyYa::EnemyYa(int32_t x_, int32_t y_, int32_t vx_, int32_t facing_, int32_t dead_)
    : x(x_), y(y_), frame(facing_ == 1 ? 4 : 0), dead(dead_), vx(vx_), vy(kLaunchVy), facing(facing_) {}

void EnemyYa::Move() {
    if (y < kGone) {
        enemy::Fall(y, vy, kGravity);
        x += vx;
        // Rising steeply, level at the top, dropping steeply: one tip each.
        if (vy == -10 || vy == 0 || vy == 10) frame += 1;
    }
    if (y >= kGone) dead = 1;
}

platform::Rect EnemyYa::Body() const {
    const int32_t f = frame % 4;
    return f == 1 || f == 2 ? enemy::Box(x, y, 0, 0, 64, 40) : enemy::Box(x, y, 0, 0, 64, 64);
}

void EnemyYa::CheckWeaponHit() { enemy::HitModelB(Body(), dead); }

void EnemyYa::CheckPlayerTouch() { enemy::TouchHero(Body(), 3); }

void EnemyYa::Draw() { g_graphics.DrawYa(x, y, frame); }

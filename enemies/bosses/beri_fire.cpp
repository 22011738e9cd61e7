#include "enemies/bosses/beri_fire.h"

#include "engine/graphics.h"

namespace {
constexpr int32_t kSpeed = 8;
constexpr int32_t kEruptFrames = 15;
}  // namespace

EnemyBeriFire::EnemyBeriFire(int32_t x_, int32_t y_, int32_t state_, int32_t dead_)
    : x(x_), y(y_), state(state_), dead(dead_) {}

void EnemyBeriFire::Move() {
    const int64_t mark = static_cast<int64_t>(enemy::HeroX()) + 20;
    if (state == 0) {
        x += kSpeed;
        if (x > mark) Erupt();
    } else if (state == 1) {
        x -= kSpeed;
        if (x < mark) Erupt();
    } else {
        counter += 1;
        if (counter >= kEruptFrames) dead = 1;
    }
}

void EnemyBeriFire::Erupt() {
    state = 2;
    x -= 31;
    y -= 40;
}

platform::Rect EnemyBeriFire::Body() const {
    return state == 2 ? enemy::Box(x, y, 0, 0, 94, 94) : enemy::Box(x, y, 0, 0, 32, 14);
}

void EnemyBeriFire::CheckWeaponHit() { enemy::HitModelB(Body(), dead); }

void EnemyBeriFire::CheckPlayerTouch() { enemy::TouchHero(Body(), 3); }

void EnemyBeriFire::Draw() { g_graphics.DrawBeriFire(x, y, state); }

#include "enemies/jumpers/nomi.h"

#include "enemies/model/hopping.h"
#include "engine/graphics.h"

namespace {
constexpr int32_t kProbe = 45;
}  // namespace

EnemyNomi::EnemyNomi(int32_t x_, int32_t y_, int32_t frame_, int32_t dead_)
    : x(x_), y(y_), frame(frame_), dead(dead_) {}

void EnemyNomi::Move() {
    // Missing every floor it falls on, still alive, until the abyss row.
    if (enemy::InAbyss(y)) return;
    x += frame < 2 ? 9 : -9;
    if (enemy::FallAndLand(x, y, vy, 2, kProbe)) {
        vy = -3 - GameRand() % 35;
        frame = enemy::HeroOnLeftOf(x) ? 2 : 0;
    } else if (frame % 2 == 0 && vy > 0) {
        frame += 1;
    }
}

platform::Rect EnemyNomi::Body() const {
    return frame % 2 == 0 ? enemy::Box(x, y, 0, 0, 32, 42) : enemy::Box(x, y, 0, 0, 32, 48);
}

void EnemyNomi::CheckWeaponHit() { enemy::HitModelB(Body(), dead); }

void EnemyNomi::CheckPlayerTouch() { enemy::TouchHero(Body(), 2); }

void EnemyNomi::Draw() { g_graphics.DrawNomi(x, y, frame); }

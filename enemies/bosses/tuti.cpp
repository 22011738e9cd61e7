#include "enemies/bosses/tuti.h"

#include "engine/graphics.h"

namespace {
constexpr int32_t kGoneBelow = 657;
}  // namespace

// Every clod draws its rise and then its sideways speed, idle ones too:
// the order of the draws is part of the game.
EnemyTuti::EnemyTuti(int32_t x_, int32_t y_, int32_t dir_, int32_t dead_) : x(x_), y(y_), dead(dead_), dir(dir_) {
    vy = -10 - GameRand() % 15;
    const int32_t speed = 2 + GameRand() % 15;
    vx = dir == 1 ? speed : -speed;
}

void EnemyTuti::Move() {
    if (y >= kGoneBelow) {
        dead = 1;
        return;
    }
    y += vy;
    vy += 1;
    x += vx;
}

void EnemyTuti::CheckWeaponHit() { enemy::HitModelB(enemy::Box(x, y, 0, 0, 32, 16), dead); }

void EnemyTuti::CheckPlayerTouch() { enemy::TouchHero(enemy::Box(x, y, 0, 0, 32, 16), 3); }

void EnemyTuti::Draw() { g_graphics.DrawTuti(x, y, dir); }

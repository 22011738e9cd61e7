#include "enemies/bosses/hell_fire.h"

#include "engine/graphics.h"

EnemyHellFire::EnemyHellFire(int32_t x_, int32_t y_, int32_t dir_, int32_t dead_)
    : x(x_), y(y_), dir(dir_), dead(dead_) {}

void EnemyHellFire::Move() {
    x += dir == 1 ? -10 : 10;
    if (x > 700 || x < -700) dead = 1;
}

void EnemyHellFire::CheckWeaponHit() { enemy::HitModelB(enemy::Box(x, y, 0, 0, 54, 22), dead); }

void EnemyHellFire::CheckPlayerTouch() { enemy::TouchHero(enemy::Box(x, y, 0, 0, 54, 22), 6); }

void EnemyHellFire::Draw() { g_graphics.DrawHellFire(x, y, dir); }

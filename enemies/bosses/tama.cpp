#include "enemies/bosses/tama.h"

#include "enemies/model/flight.h"
#include "engine/graphics.h"

EnemyTama::EnemyTama(int32_t x_, int32_t dead_) : x(x_), y(100), goingRight(0), goingDown(0), dead(dead_) {}

void EnemyTama::Move() {
    enemy::Bounce(y, goingDown, 10, -10, 455);
    enemy::Bounce(x, goingRight, 10, 0, 612);
}

void EnemyTama::CheckWeaponHit() { enemy::HitModelB(enemy::Box(x, y, 0, 0, 32, 32), dead); }

void EnemyTama::CheckPlayerTouch() { enemy::TouchHero(enemy::Box(x, y, 0, 0, 32, 32), 3); }

void EnemyTama::Draw() { g_graphics.DrawTama(x, y); }

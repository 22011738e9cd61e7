#include "enemies/fliers/uma.h"

#include "enemies/model/flight.h"
#include "engine/graphics.h"

EnemyUma::EnemyUma(int32_t x_, int32_t facing, int32_t top_)
    : x(x_), y(top_ + 200), hp(3), bottom(top_ + 200), top(top_), frame(facing == 1 ? 0 : 2), down(1) {}

void EnemyUma::Move() {
    enemy::Bounce(y, down, 8, top, bottom);
    enemy::PosedSweepPastHero(x, frame, counter, 7, 100);
}

void EnemyUma::CheckWeaponHit() { enemy::HitModelA(enemy::Box(x, y, 0, 0, 52, 40), hp, hitLatch, dead); }

void EnemyUma::CheckPlayerTouch() { enemy::TouchHero(enemy::Box(x, y, 0, 0, 52, 40), 3); }

void EnemyUma::Draw() { g_graphics.DrawUma(x, y, frame); }

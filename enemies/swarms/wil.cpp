#include "enemies/swarms/wil.h"

#include "enemies/model/flight.h"
#include "engine/graphics.h"

EnemyWil::EnemyWil(int32_t x_, int32_t y_, int32_t facing_)
    : x(x_), y(y_), frame(facing_ != 0 ? 0 : 2), facing(facing_), dormant(1) {}

bool EnemyWil::Awake() { return enemy::WakeOnce(dormant, enemy::HeroDistance(x) < 400); }

void EnemyWil::Move() {
    counter = (counter + 1) % 10;
    enemy::SweepPastHero(x, facing, 10, 200);
    frame = enemy::TwoPoseFrame(facing, counter);
}

void EnemyWil::CheckWeaponHit() { enemy::HitModelB(enemy::Box(x, y, 0, 0, 30, 30), dead); }

void EnemyWil::CheckPlayerTouch() { enemy::TouchHero(enemy::Box(x, y, 0, 0, 30, 30), 3); }

void EnemyWil::Draw() { g_graphics.DrawWil(x, y, frame); }

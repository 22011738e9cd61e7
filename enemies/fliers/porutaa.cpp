#include "enemies/fliers/porutaa.h"

#include "enemies/model/flight.h"
#include "enemies/model/waking.h"
#include "engine/graphics.h"

EnemyPorutaa::EnemyPorutaa(int32_t x_, int32_t y_, int32_t facing_) : x(x_), y(y_), facing(facing_), dormant(1) {}

bool EnemyPorutaa::Awake() { return enemy::WakeOnce(dormant, enemy::HeroPassed(x, 700)); }

void EnemyPorutaa::Move() {
    counter = (counter + 1) % 20;
    enemy::SweepPastHero(x, facing, 11, 250);
}

void EnemyPorutaa::CheckWeaponHit() { enemy::HitModelB(enemy::Box(x, y, 0, 0, 32, 32), dead); }

void EnemyPorutaa::CheckPlayerTouch() { enemy::TouchHero(enemy::Box(x, y, 0, 0, 32, 32), 3); }

void EnemyPorutaa::Draw() { g_graphics.DrawPorutaa(x, y, counter / 5); }

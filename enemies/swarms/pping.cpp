#include "enemies/swarms/pping.h"

#include "enemies/model/flight.h"
#include "engine/graphics.h"

EnemyPping::EnemyPping(int32_t x_, int32_t y_, int32_t facing_)
    : x(x_), y(y_), hp(2), sinking(1), facing(facing_), dormant(1) {}

bool EnemyPping::Awake() { return enemy::WakeOnce(dormant, enemy::HeroDistance(x) < 680); }

void EnemyPping::Move() {
    enemy::BobAboutHero(y, vy, sinking, 50);
    enemy::SweepPastHero(x, facing, 8, 200);
}

void EnemyPping::CheckWeaponHit() { enemy::HitModelA(enemy::Box(x, y, 0, 0, 32, 32), hp, hitLatch, dead); }

void EnemyPping::CheckPlayerTouch() { enemy::TouchHero(enemy::Box(x, y, 0, 0, 32, 32), 3); }

void EnemyPping::Draw() { g_graphics.DrawPping(x, y); }

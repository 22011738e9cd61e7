#include "enemies/swarms/ekuto.h"

#include "enemies/model/flight.h"
#include "engine/graphics.h"

EnemyEkuto::EnemyEkuto(int32_t x_) : x(x_), y(200), hp(3), vy(-20), dormant(1) {}

bool EnemyEkuto::Awake() { return enemy::WakeOnce(dormant, enemy::HeroDistance(x) < 100); }

void EnemyEkuto::Move() {
    x += goingRight != 0 ? 8 : -8;
    if (enemy::LoopAboutLine(y, vy, dipping, 200, 20)) goingRight = dipping;
}

void EnemyEkuto::CheckWeaponHit() { enemy::HitModelA(enemy::Box(x, y, 0, 0, 62, 70), hp, hitLatch, dead); }

void EnemyEkuto::CheckPlayerTouch() { enemy::TouchHero(enemy::Box(x, y, 0, 0, 62, 70), 3); }

void EnemyEkuto::Draw() { g_graphics.DrawEkuto(x, y); }

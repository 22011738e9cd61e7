#include "enemies/fliers/yuurei.h"

#include "enemies/model/flight.h"
#include "engine/graphics.h"

EnemyYuurei::EnemyYuurei(int32_t x_) : x(x_), y(200), hp(3), facing(1), vy(-20), dormant(1) {}

bool EnemyYuurei::Awake() { return enemy::WakeOnce(dormant, enemy::HeroDistance(x) <= 199); }

void EnemyYuurei::Move() {
    x += facing == 1 ? -12 : 12;
    if (enemy::LoopAboutLine(y, vy, lower, 200, 20)) facing = facing == 1 ? 0 : 1;
}

void EnemyYuurei::CheckWeaponHit() { enemy::HitModelA(enemy::Box(x, y, 0, 0, 38, 102), hp, hitLatch, dead); }

void EnemyYuurei::CheckPlayerTouch() { enemy::TouchHero(enemy::Box(x, y, 0, 0, 38, 102), 3); }

void EnemyYuurei::Draw() { g_graphics.DrawYuurei(x, y, facing); }

#include "enemies/walkers/une.h"

#include "engine/graphics.h"

EnemyUne::EnemyUne(int32_t x_, int32_t y_) : x(x_), y(y_), hp(2) {}

void EnemyUne::CheckWeaponHit() { enemy::HitModelA(enemy::Box(x, y, 0, 0, 56, 30), hp, hitLatch, dead); }

void EnemyUne::CheckPlayerTouch() { enemy::TouchHero(enemy::Box(x, y, 0, 0, 56, 30), 1); }

void EnemyUne::Draw() { g_graphics.DrawUne(x, y); }

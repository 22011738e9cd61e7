#include "enemies/ground/rouba.h"

#include "engine/graphics.h"

EnemyRouba::EnemyRouba(int32_t x_, int32_t y_) : x(x_), y(y_), hp(2) {}

void EnemyRouba::CheckWeaponHit() { enemy::HitModelA(enemy::Box(x, y, 0, 0, 128, 144), hp, hitLatch, dead); }

void EnemyRouba::CheckPlayerTouch() { enemy::TouchHero(enemy::Box(x, y, 0, 0, 128, 144), 2); }

void EnemyRouba::Draw() { g_graphics.DrawRouba(x, y); }

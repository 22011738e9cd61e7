#include "enemies/madhand.h"

#include "enemies/enemy_model.h"
#include "engine/graphics.h"

EnemyMadhand g_enemyMadhand[3];

namespace {
constexpr int32_t kReach = 86;
}

EnemyMadhand::EnemyMadhand(int32_t x_, int32_t y_) : x(x_), y(y_), hp(3) {}

void EnemyMadhand::Update() { enemy::RunUpdate(*this); }

// Out of reach it sinks back and rises from the start when the hero returns.
bool EnemyMadhand::Awake() {
    if (enemy::HeroDistance(x) < kReach) return true;
    counter = 0;
    return false;
}

void EnemyMadhand::Move() { counter = (counter + 1) % 30; }

platform::Rect EnemyMadhand::Body() const {
    return counter < 10 ? enemy::Box(x, y, 0, -6, 60, 42) : enemy::Box(x, y, 0, 0, 60, 42);
}

void EnemyMadhand::CheckWeaponHit() { enemy::HitModelA(Body(), hp, hitLatch, dead); }

void EnemyMadhand::CheckPlayerTouch() { enemy::TouchHero(Body(), 3); }

void EnemyMadhand::Draw() { g_graphics.DrawMadhand(x, y, counter / 10); }

#include "enemies/konbou.h"

#include "enemies/enemy_model.h"
#include "engine/graphics.h"

EnemyKonbou g_enemyKonbou[3];

namespace {
constexpr int32_t kReach = 71;
}

EnemyKonbou::EnemyKonbou(int32_t x_, int32_t y_) : x(x_), y(y_), hp(3) {}

void EnemyKonbou::Update() { enemy::RunUpdate(*this); }

// Out of reach it hides and starts its swing over when the hero comes back.
bool EnemyKonbou::Awake() {
    if (enemy::HeroDistance(x) < kReach) return true;
    counter = 0;
    return false;
}

void EnemyKonbou::Move() { counter = (counter + 1) % 20; }

platform::Rect EnemyKonbou::Body() const {
    return counter < 6 ? enemy::Box(x, y, 0, 0, 46, 56) : enemy::Box(x, y, 0, 0, 56, 62);
}

void EnemyKonbou::CheckWeaponHit() { enemy::HitModelA(Body(), hp, hitLatch, dead); }

void EnemyKonbou::CheckPlayerTouch() { enemy::TouchHero(Body(), 3); }

void EnemyKonbou::Draw() { g_graphics.DrawKonbou(x, y, counter >= 11 ? 1 : 0); }

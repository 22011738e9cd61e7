#include "enemies/late/daibourei.h"

#include "enemies/model/drift.h"
#include "engine/graphics.h"

namespace {
constexpr enemy::BurstDrift kDrift{20, 4};
}

EnemyDaibourei::EnemyDaibourei(int32_t x_, int32_t y_) : x(x_), y(y_), hp(3), dormant(1) {}

bool EnemyDaibourei::Awake() { return enemy::WakeOnce(dormant, enemy::HeroDistance(x) < 300); }

void EnemyDaibourei::Move() { enemy::BurstDriftMove(kDrift, x, y, vx, vy, facing, counter); }

void EnemyDaibourei::CheckWeaponHit() { enemy::HitModelA(enemy::Box(x, y, 0, 0, 132, 139), hp, hitLatch, dead); }

void EnemyDaibourei::CheckPlayerTouch() { enemy::TouchHero(enemy::Box(x, y, 0, 0, 132, 139), 3); }

void EnemyDaibourei::Draw() { g_graphics.DrawDaibourei(x, y, facing); }

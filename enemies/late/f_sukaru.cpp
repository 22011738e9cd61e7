#include "enemies/late/f_sukaru.h"

#include "enemies/model/drift.h"
#include "engine/graphics.h"

namespace {
constexpr enemy::BurstDrift kDrift{10, 7};
}

EnemyFSukaru::EnemyFSukaru(int32_t x_, int32_t y_) : x(x_), y(y_), dormant(1) {}

bool EnemyFSukaru::Awake() { return enemy::WakeOnce(dormant, enemy::HeroDistance(x) < 200); }

void EnemyFSukaru::Move() { enemy::BurstDriftMove(kDrift, x, y, vx, vy, facing, counter); }

void EnemyFSukaru::CheckWeaponHit() { enemy::HitModelB(enemy::Box(x, y, 0, 0, 36, 50), dead); }

void EnemyFSukaru::CheckPlayerTouch() { enemy::TouchHero(enemy::Box(x, y, 0, 0, 36, 50), 3); }

void EnemyFSukaru::Draw() { g_graphics.DrawFSukaru(x, y, facing); }

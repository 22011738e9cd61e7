#include "enemies/stage50/ringo.h"

#include "enemies/model/patrol.h"
#include "engine/graphics.h"

namespace {
// It starts just under the dropper's row.
constexpr int32_t kDropRow = 104;
constexpr int32_t kDropVy = 5;
constexpr int32_t kGoneRow = 504;
}  // namespace

EnemyRingo::EnemyRingo(int32_t x_, int32_t dead_) : x(x_), y(kDropRow), vy(kDropVy), dead(dead_) {}

void EnemyRingo::Move() {
    if (enemy::FallPast(y, vy, 1, kGoneRow)) dead = 1;
}

void EnemyRingo::CheckWeaponHit() { enemy::HitModelB(Body(), dead); }

void EnemyRingo::CheckPlayerTouch() { enemy::TouchHero(Body(), 2); }

void EnemyRingo::Draw() { g_graphics.DrawRingo(x, y); }

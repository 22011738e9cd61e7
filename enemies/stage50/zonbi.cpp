#include "enemies/stage50/zonbi.h"

#include "enemies/model/reviving.h"
#include "engine/graphics.h"

namespace {
constexpr int32_t kLastHeroX = 5259;
// Reborn 708 to 907 pixels ahead, but only what lands within 712 of the hero
// survives its first step: corpses come at random intervals.
constexpr int32_t kAhead = 708;
constexpr int32_t kSpread = 200;
constexpr int32_t kReach = 708;
constexpr int32_t kWalk = 4;
constexpr int32_t kSteps = 8;
}  // namespace

EnemyZonbi::EnemyZonbi(int32_t x_, int32_t dead_) : x(x_), dead(dead_) {}

void EnemyZonbi::Respawn() {
    if (enemy::HeroX() > kLastHeroX) return;
    *this = EnemyZonbi(enemy::HeroX() + kAhead + GameRand() % kSpread, 0);
}

void EnemyZonbi::Move() {
    x -= kWalk;
    if (enemy::EndWhenFar(x, kReach, dead, counter)) return;
    counter = (counter + 1) % kSteps;
}

void EnemyZonbi::CheckWeaponHit() {
    if (enemy::HitModelB(Body(), dead)) counter = 0;
}

void EnemyZonbi::CheckPlayerTouch() { enemy::TouchHero(Body(), 2); }

void EnemyZonbi::Draw() { g_graphics.DrawZonbi(x, counter > 4 ? 1 : 0); }

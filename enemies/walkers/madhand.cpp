#include "enemies/walkers/madhand.h"

#include "enemies/model/hiding_guard.h"
#include "engine/graphics.h"

namespace {
// Sinks out of reach; the hand rises through its first ten frames.
constexpr enemy::HidingGuard kGuard{86, 30, 10, {0, -6, 60, 42}, {0, 0, 60, 42}, 10};
}  // namespace

EnemyMadhand::EnemyMadhand(int32_t x_, int32_t y_) : x(x_), y(y_), hp(3) {}

bool EnemyMadhand::Awake() { return enemy::HidingGuardAwake(kGuard, x, counter); }

void EnemyMadhand::Move() { enemy::HidingGuardMove(kGuard, counter); }

platform::Rect EnemyMadhand::Body() const { return enemy::HidingGuardBody(kGuard, x, y, counter); }

void EnemyMadhand::CheckWeaponHit() { enemy::HitModelA(Body(), hp, hitLatch, dead); }

void EnemyMadhand::CheckPlayerTouch() { enemy::TouchHero(Body(), 3); }

void EnemyMadhand::Draw() { g_graphics.DrawMadhand(x, y, enemy::HidingGuardFrame(kGuard, counter)); }

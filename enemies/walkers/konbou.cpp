#include "enemies/walkers/konbou.h"

#include "enemies/model/hiding_guard.h"
#include "engine/graphics.h"

namespace {
// Hides out of reach; the club is raised from the sixth frame of its swing.
constexpr enemy::HidingGuard kGuard{71, 20, 6, {0, 0, 46, 56}, {0, 0, 56, 62}, 11};
}  // namespace

EnemyKonbou::EnemyKonbou(int32_t x_, int32_t y_) : x(x_), y(y_), hp(3) {}

bool EnemyKonbou::Awake() { return enemy::HidingGuardAwake(kGuard, x, counter); }

void EnemyKonbou::Move() { enemy::HidingGuardMove(kGuard, counter); }

platform::Rect EnemyKonbou::Body() const { return enemy::HidingGuardBody(kGuard, x, y, counter); }

void EnemyKonbou::CheckWeaponHit() { enemy::HitModelA(Body(), hp, hitLatch, dead); }

void EnemyKonbou::CheckPlayerTouch() { enemy::TouchHero(Body(), 3); }

void EnemyKonbou::Draw() { g_graphics.DrawKonbou(x, y, enemy::HidingGuardFrame(kGuard, counter)); }

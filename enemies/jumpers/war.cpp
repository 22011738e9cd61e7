#include "enemies/jumpers/war.h"

#include "enemies/model/hopping.h"
#include "engine/graphics.h"

namespace {
constexpr enemy::LeapingWalker kWar{7, -20, 60, 59};
}  // namespace

EnemyWar::EnemyWar(int32_t x_, int32_t y_, int32_t frame_) : x(x_), y(y_), hp(2), frame(frame_) {}

void EnemyWar::Move() { enemy::LeapingWalkerMove(kWar, x, y, frame, jumping, vy, counter); }

platform::Rect EnemyWar::Body() const {
    return frame % 2 == 0 ? enemy::Box(x, y, 0, 0, 28, 58) : enemy::Box(x, y, 0, 0, 26, 60);
}

void EnemyWar::CheckWeaponHit() { enemy::HitModelA(Body(), hp, hitLatch, dead); }

void EnemyWar::CheckPlayerTouch() { enemy::TouchHero(Body(), 3); }

void EnemyWar::Draw() { g_graphics.DrawWar(x, y, frame); }

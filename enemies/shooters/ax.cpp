#include "enemies/shooters/ax.h"

#include "engine/graphics.h"

namespace {
constexpr int32_t kSpeed = 11;
constexpr int64_t kReach = 1000;  // from the hero, beyond which it is spent
}  // namespace

EnemyAx::EnemyAx(int32_t x_, int32_t y_, int32_t facing_, int32_t rightTurn_, int32_t leftTurn_, int32_t dead_)
    : x(x_), y(y_), facing(facing_), rightTurn(rightTurn_), leftTurn(leftTurn_), dead(dead_) {}

void EnemyAx::Move() {
    counter = (counter + 1) % 20;
    x += facing == 1 ? kSpeed : -kSpeed;
    // The open turn point is the least or largest int, which x never passes.
    enemy::TurnAtBounds(x, leftTurn, rightTurn, facing);
    if (enemy::HeroDistance(x) > kReach) dead = 1;
}

void EnemyAx::CheckWeaponHit() { enemy::HitModelB(enemy::Box(x, y, 0, 0, 30, 30), dead); }

void EnemyAx::CheckPlayerTouch() { enemy::TouchHero(enemy::Box(x, y, 0, 0, 30, 30), 3); }

void EnemyAx::Draw() { g_graphics.DrawAx(x, y, counter / 5); }

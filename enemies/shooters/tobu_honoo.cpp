#include "enemies/shooters/tobu_honoo.h"

#include "engine/graphics.h"

namespace {
// Far beyond every stage's end: a flame that gets there is spent.
constexpr int64_t kReach = 10000;
}  // namespace

EnemyTobuHonoo::EnemyTobuHonoo(int32_t x_, int32_t y_, int32_t facing_, int32_t speed_, int32_t dead_)
    : x(x_), y(y_), facing(facing_), speed(speed_), dead(dead_) {}

void EnemyTobuHonoo::Move() {
    const int64_t next = static_cast<int64_t>(x) + (facing == 1 ? -speed : speed);
    if (next > kReach || next < -kReach) {
        dead = 1;
        return;
    }
    x = static_cast<int32_t>(next);
}

void EnemyTobuHonoo::CheckWeaponHit() { enemy::HitModelB(enemy::Box(x, y, 0, 0, 14, 12), dead); }

void EnemyTobuHonoo::CheckPlayerTouch() { enemy::TouchHero(enemy::Box(x, y, 0, 0, 14, 12), 2); }

void EnemyTobuHonoo::Draw() { g_graphics.DrawTobuHonoo(x, y, facing == 1 ? 1 : 0); }

#include "enemies/ranged/barukan.h"

#include "enemies/model/straight_shot.h"
#include "engine/graphics.h"

namespace {
constexpr int32_t kSpeed = 25;
constexpr int64_t kReach = 10000;  // far beyond every stage's end
}  // namespace

EnemyBarukan::EnemyBarukan(int32_t x_, int32_t y_, int32_t leftward_, int32_t dead_)
    : x(x_), y(y_), leftward(leftward_), dead(dead_) {}

void EnemyBarukan::Move() {
    if (enemy::FlyStraight(x, leftward == 1 ? -kSpeed : kSpeed, kReach)) dead = 1;
}

void EnemyBarukan::CheckPlayerTouch() { enemy::TouchHero(enemy::Box(x, y, 0, 0, 14, 8), 4); }

void EnemyBarukan::Draw() { g_graphics.DrawBarukan(x, y, leftward == 1 ? 1 : 0); }

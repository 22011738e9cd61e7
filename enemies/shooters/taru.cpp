#include "enemies/shooters/taru.h"

#include "enemies/model/hopping.h"
#include "engine/graphics.h"
#include "ground/stage_floor.h"

namespace {
constexpr int32_t kSize = 56;  // probe depth, standing height and box
constexpr int32_t kGoneRow = 697;
constexpr int64_t kReach = 10000;
}  // namespace

EnemyTaru::EnemyTaru(int32_t x_, int32_t y_, int32_t vx_, int32_t dead_)
    : x(x_), y(y_), vy(-10), dead(dead_), vx(vx_) {}

void EnemyTaru::Move() {
    counter = (counter + 1) % 12;
    const int64_t next = static_cast<int64_t>(x) + vx;
    if (next > kReach || next < -kReach) {
        dead = 1;
        return;
    }
    x = static_cast<int32_t>(next);
    if (vy == 0) {
        if (g_stageFloor.TopAt(x, y + kSize) == 0) vy = 1;
    } else {
        if (enemy::FallAndLand(x, y, vy, 1, kSize)) vy = 0;
    }
    if (y >= kGoneRow) dead = 1;
}

void EnemyTaru::CheckWeaponHit() { enemy::HitModelB(enemy::Box(x, y, 0, 0, kSize, kSize), dead); }

void EnemyTaru::CheckPlayerTouch() { enemy::TouchHero(enemy::Box(x, y, 0, 0, kSize, kSize), 3); }

void EnemyTaru::Draw() { g_graphics.DrawTaru(x, y, counter / 3); }

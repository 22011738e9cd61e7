#include "enemies/ground/noroi.h"

#include "engine/graphics.h"

namespace {
constexpr int32_t kPulse[4] = {0, 1, 2, 1};
constexpr int32_t kWidth[3] = {68, 72, 76};
}  // namespace

EnemyNoroi::EnemyNoroi(int32_t x_, int32_t y_) : x(x_), y(y_), hp(3) {}

void EnemyNoroi::Move() {
    counter = (counter + 1) % 20;
    frame = kPulse[counter / 5];
}

platform::Rect EnemyNoroi::Body() const {
    const int32_t grow = 2 * frame;
    return enemy::Box(x, y, -grow, 0, kWidth[frame] - grow, 30);
}

void EnemyNoroi::CheckWeaponHit() { enemy::HitModelA(Body(), hp, hitLatch, dead); }

void EnemyNoroi::CheckPlayerTouch() { enemy::TouchHero(Body(), 3); }

void EnemyNoroi::Draw() { g_graphics.DrawNoroi(x, y, frame); }

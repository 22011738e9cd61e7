#include "enemies/warriors/ara.h"

#include "enemies/model/shots.h"
#include "engine/graphics.h"

namespace {
constexpr int32_t kClimbSpeed = 9;
constexpr int32_t kDropX = 6;
constexpr int32_t kDropY = 7;
constexpr int64_t kTurnRows = 100;  // how far past the hero's row it goes
constexpr int32_t kClimb = 2;
}  // namespace

EnemyAra::EnemyAra(int32_t x_, int32_t y_, int32_t dead_) : x(x_), y(y_), rising(1), hp(2), dead(dead_) {}

void EnemyAra::Move() {
    if (rising != 0) {
        y -= kClimbSpeed;
        frame = kClimb;
        if (enemy::HeroDY(y) > kTurnRows) {
            rising = 0;
            facing = enemy::HeroX() > x ? 1 : 0;
        }
        return;
    }
    x += facing == 1 ? kDropX : -kDropX;
    frame = facing == 1 ? 0 : 1;
    y += kDropY;
    if (-enemy::HeroDY(y) > kTurnRows) rising = 1;
}

platform::Rect EnemyAra::Body() const {
    return frame == kClimb ? enemy::Box(x, y, 0, 0, 30, 70) : enemy::Box(x, y, 0, 0, 59, 53);
}

void EnemyAra::CheckWeaponHit() { enemy::HitModelA(Body(), hp, hitLatch, dead); }

void EnemyAra::CheckPlayerTouch() { enemy::TouchHero(Body(), 3); }

void EnemyAra::Draw() { g_graphics.DrawAra(x, y, frame); }

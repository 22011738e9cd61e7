#include "enemies/fliers/dancer.h"

#include "enemies/model/flight.h"
#include "engine/camera.h"
#include "engine/graphics.h"

EnemyDancer::EnemyDancer(int32_t x_, int32_t y_, int32_t movingRight_)
    : x(x_), y(y_), hp(3), movingRight(movingRight_ != 0 ? 1 : 0), down(1), dormant(1) {}

// It wakes only while the hero is 251 to 299 pixels past it.
bool EnemyDancer::Awake() {
    const int64_t hx = enemy::HeroX();
    return enemy::WakeOnce(dormant, static_cast<int64_t>(x) + 250 < hx && hx < static_cast<int64_t>(x) + 300);
}

void EnemyDancer::Move() {
    counter = (counter + 1) % 40;
    frame = counter / 5;
    enemy::Bounce(y, down, 9, -20, 460);
    // Its side turns are screen columns: the view, not the stage, bounds it.
    x += movingRight != 0 ? 9 : -9;
    enemy::TurnAtBounds(WorldToScreenX(x), 20, 620, movingRight);
}

platform::Rect EnemyDancer::Body() const {
    static constexpr int32_t kWidth[8] = {50, 42, 32, 42, 50, 44, 34, 44};
    return enemy::Box(x, y, 0, 0, kWidth[frame & 7], 96);
}

void EnemyDancer::CheckWeaponHit() { enemy::HitModelA(Body(), hp, hitLatch, dead); }

void EnemyDancer::CheckPlayerTouch() { enemy::TouchHero(Body(), 3); }

void EnemyDancer::Draw() { g_graphics.DrawDancer(x, y, frame); }

#include "enemies/ground/arumajiro.h"

#include "engine/graphics.h"

namespace {
constexpr int32_t kCycle = 60;
// Pixels a frame by pose within a facing: walking, curled, rolling.
constexpr int32_t kStep[5] = {3, 3, 0, 15, 15};
constexpr int32_t kWidth[5] = {48, 48, 42, 32, 32};
}  // namespace

EnemyArumajiro::EnemyArumajiro(int32_t x_, int32_t y_, int32_t facing_)
    : x(x_), y(y_), hp(4), frame(facing_ != 0 ? 0 : 5), facing(facing_), dormant(1) {}

bool EnemyArumajiro::Awake() { return enemy::WakeOnce(dormant, enemy::HeroDistance(x) < 640); }

void EnemyArumajiro::Move() {
    counter += 1;
    if (counter >= kCycle) {
        counter = 0;
        facing = enemy::HeroX() >= x ? 1 : 0;
    }
    const int32_t step = counter % 10;
    const auto at = [&](int32_t pose) { return (facing != 0 ? 0 : 5) + pose; };
    if (counter < 30) {
        frame = at(step > 5 ? 1 : 0);
    } else if (counter == 30) {
        // The roll's direction is fixed here, where the hero is now.
        facing = enemy::HeroX() >= x ? 1 : 0;
    } else if (counter < 35 || counter >= 55) {
        frame = at(2);
    } else {
        frame = at(step > 5 ? 4 : 3);
    }
    const int32_t pose = frame % 5;
    x += frame < 5 ? kStep[pose] : -kStep[pose];
}

platform::Rect EnemyArumajiro::Body() const { return enemy::Box(x, y, 0, 0, kWidth[frame % 5], 32); }

void EnemyArumajiro::CheckWeaponHit() { enemy::HitModelA(Body(), hp, hitLatch, dead); }

void EnemyArumajiro::CheckPlayerTouch() { enemy::TouchHero(Body(), 3); }

void EnemyArumajiro::Draw() { g_graphics.DrawArumajiro(x, y, frame); }

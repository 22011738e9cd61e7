#include "enemies/champions/oskerin_f.h"

#include "enemies/model/hopping.h"
#include "engine/graphics.h"

namespace {
constexpr int64_t kWakeReach = 640;
constexpr int32_t kWindUp = 30;
constexpr int32_t kDashFrames = 15;
constexpr int32_t kDashSpeed = 20;

constexpr int32_t kW[7] = {34, 32, 48, 64, 56, 64, 32};
constexpr int32_t kH[7] = {76, 48, 48, 48, 54, 58, 32};
constexpr int32_t kRaised = 28;  // the first wind-up pose stands taller
}  // namespace

EnemyOskerinF::EnemyOskerinF(int32_t x_, int32_t y_, int32_t facing_)
    : x(x_), y(y_), hp(15), frame(facing_ != 0 ? 0 : 7), facing(facing_ != 0 ? 1 : 0), dormant(1) {}

bool EnemyOskerinF::Awake() { return enemy::WakeOnce(dormant, enemy::HeroDistance(x) < kWakeReach); }

void EnemyOskerinF::Move() {
    if (dashing != 0) {
        x += facing == 1 ? kDashSpeed : -kDashSpeed;
        counter += 1;
        if (counter >= kDashFrames) {
            dashing = 0;
            counter = 0;
            facing = enemy::HeroOnLeftOf(x) ? 0 : 1;
        }
        return;
    }
    counter += 1;
    const int32_t base = facing == 1 ? 0 : 7;
    if (counter < kWindUp) {
        frame = base + counter / 5;
        return;
    }
    counter = 0;
    dashing = 1;
    frame = base + 6;
}

platform::Rect EnemyOskerinF::Body() const {
    const int32_t f = frame % 7;
    const int32_t lift = f == 0 ? kRaised : 0;
    return enemy::Box(x, y, 0, -lift, kW[f], kH[f] - lift);
}

void EnemyOskerinF::CheckWeaponHit() { enemy::HitModelA(Body(), hp, hitLatch, dead); }

void EnemyOskerinF::CheckPlayerTouch() { enemy::TouchHero(Body(), 4); }

void EnemyOskerinF::Draw() { g_graphics.DrawOskerinF(x, y, frame); }

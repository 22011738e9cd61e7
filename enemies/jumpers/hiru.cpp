#include "enemies/jumpers/hiru.h"

#include "enemies/model/hopping.h"
#include "engine/graphics.h"

namespace {
// From this speed on it lies in wait below the screen; a leap starts at the
// opposite speed and, under gravity 1, ends back in wait where it began.
constexpr int32_t kWaitSpeed = 33;
constexpr int32_t kLeapSpeed = -32;
constexpr int32_t kReach = 79;
constexpr int32_t kSplashSound = 7;
}  // namespace

EnemyHiru::EnemyHiru(int32_t x_) : x(x_), y(480), hp(3), vy(32) {}

void EnemyHiru::Move() {
    if (vy < kWaitSpeed) {
        enemy::Fall(y, vy, 1);
        return;
    }
    if (enemy::HeroDistance(x) <= kReach) {
        enemy::PlaySoundAt(kSplashSound, x);
        vy = kLeapSpeed;
    }
}

platform::Rect EnemyHiru::Body() const { return enemy::Box(x, y, 0, 0, 16, 48); }

void EnemyHiru::CheckWeaponHit() { enemy::HitModelA(Body(), hp, hitLatch, dead); }

void EnemyHiru::CheckPlayerTouch() { enemy::TouchHero(Body(), 3); }

void EnemyHiru::Draw() {
    counter = (counter + 1) % 10;
    g_graphics.DrawHiru(x, y, counter >= 6 ? 1 : 0);
}

#include "enemies/late/sukea.h"

#include "enemies/model/hopping.h"
#include "engine/graphics.h"

namespace {
constexpr int32_t kSpeed = 9;
constexpr int32_t kProbe = 130;
constexpr int32_t kHopVy = -15;
constexpr int32_t kDashFrames = 20;
}  // namespace

EnemySukea::EnemySukea(int32_t x_, int32_t y_, int32_t facing_) : x(x_), y(y_), hp(3), facing(facing_), dormant(1) {}

bool EnemySukea::Awake() { return enemy::WakeOnce(dormant, enemy::HeroDistance(x) < 700); }

void EnemySukea::Move() {
    if (jumping != 0) {
        // One that hopped off every floor is gone for good.
        if (enemy::InAbyss(y)) {
            dead = 1;
            return;
        }
        x += facing == 1 ? -kSpeed : kSpeed;
        if (enemy::FallAndLand(x, y, vy, 1, kProbe)) jumping = 0;
        return;
    }
    if (dashing != 0) {
        dashCounter += 1;
        if (dashCounter >= kDashFrames) dashing = 0;
        x += facing == 1 ? -kSpeed : kSpeed;
        return;
    }
    facing = enemy::HeroOnLeftOf(x) ? 1 : 0;
    if (GameRand() % 3 != 0) {
        jumping = 1;
        vy = kHopVy;
    } else {
        dashing = 1;
        dashCounter = 0;
    }
}

void EnemySukea::CheckWeaponHit() { enemy::HitModelA(enemy::Box(x, y, 0, 26, 58, 80), hp, hitLatch, dead); }

void EnemySukea::CheckPlayerTouch() { enemy::TouchHero(enemy::Box(x, y, 0, 26, 58, 80), 3); }

void EnemySukea::Draw() { g_graphics.DrawSukea(x, y, facing); }

#include "enemies/jumpers/f_dog.h"

#include "enemies/model/hopping.h"
#include "engine/graphics.h"

namespace {
constexpr int32_t kWakeReach = 699;
constexpr int32_t kProbe = 48;
// Frames 0 to 2 run right and 3 leaps right; 4 to 7 the same facing left.
constexpr int32_t kLeapRight = 3;
constexpr int32_t kLeapLeft = 7;
}  // namespace

EnemyFDog::EnemyFDog(int32_t x_, int32_t y_, int32_t frame_)
    : x(x_), y(y_), hp(5), frame(frame_), dormant(1) {}

bool EnemyFDog::Awake() {
    return enemy::WakeOnce(dormant, enemy::HeroDistance(x) <= kWakeReach);
}

void EnemyFDog::Move() {
    if (enemy::InAbyss(y)) return;
    counter += 1;
    if (frame >= 4 && frame <= 6) {
        x -= 3;
        frame = (counter % 15) / 5 + 4;
    } else if (frame >= 0 && frame <= 2) {
        x += 3;
        frame = (counter % 15) / 5;
    }
    if (jumping != 0) {
        x += frame == kLeapRight ? 3 : -3;
        if (enemy::FallAndLand(x, y, vy, 1, kProbe)) {
            jumping = 0;
            counter = 0;
            frame -= 3;
        }
    } else if (counter >= 30) {
        counter = 0;
        jumping = 1;
        vy = -13;
        frame = enemy::HeroOnLeftOf(x) ? kLeapLeft : kLeapRight;
    }
}

platform::Rect EnemyFDog::Body() const {
    switch (frame % 4) {
    case 0: return enemy::Box(x, y, 0, 0, 62, 50);
    case 1: return enemy::Box(x, y, 0, 0, 64, 46);
    case 2: return enemy::Box(x, y, 0, -14, 62, 48);
    default: return enemy::Box(x, y, 0, 0, 84, 46);
    }
}

void EnemyFDog::CheckWeaponHit() { enemy::HitModelA(Body(), hp, hitLatch, dead); }

void EnemyFDog::CheckPlayerTouch() { enemy::TouchHero(Body(), 3); }

void EnemyFDog::Draw() { g_graphics.DrawFDog(x, y, frame); }

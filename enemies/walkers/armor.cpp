#include "enemies/walkers/armor.h"

#include "enemies/model/close_combat.h"
#include "engine/graphics.h"

namespace {
constexpr int32_t kSpeed = 9;
constexpr int32_t kOverrun = 150;  // how far past the hero it charges before turning
}  // namespace

EnemyArmor::EnemyArmor(int32_t x_, int32_t y_, int32_t facing_, int32_t left_, int32_t right_)
    : x(x_), y(y_), hp(5), right(right_), left(left_), frame(facing_ == 1 ? 0 : 2) {}

void EnemyArmor::Move() {
    counter = (counter + 1) % 10;
    const int64_t hx = enemy::HeroX();
    if (frame >= 2) {
        enemy::StepClamped(x, 0, kSpeed, left, right);
        frame = counter < 6 ? 2 : 3;
        if (hx - kOverrun > x) {
            frame = 0;
            counter = 0;
        }
    } else {
        enemy::StepClamped(x, 1, kSpeed, left, right);
        frame = counter > 5 ? 1 : 0;
        if (hx + kOverrun < x) {
            frame = 2;
            counter = 0;
        }
    }
}

platform::Rect EnemyArmor::Body() const {
    return frame % 2 == 0 ? enemy::Box(x, y, 0, 0, 54, 60) : enemy::Box(x, y, 0, 0, 62, 62);
}

void EnemyArmor::CheckWeaponHit() { enemy::HitModelA(Body(), hp, hitLatch, dead); }

void EnemyArmor::CheckPlayerTouch() { enemy::TouchHero(Body(), 3); }

void EnemyArmor::Draw() { g_graphics.DrawArmor(x, y, frame); }

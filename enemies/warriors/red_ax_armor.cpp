#include "enemies/warriors/red_ax_armor.h"

#include "enemies/model/close_combat.h"
#include "enemies/model/shots.h"
#include "engine/graphics.h"

namespace {
constexpr int32_t kPoses = 4;
constexpr int64_t kReachX = 200;
constexpr int64_t kReachY = 100;
constexpr int32_t kGuardFrames = 100;
constexpr int32_t kChargeFrames = 36;
constexpr int32_t kSpeed = 12;

// clang-format off
constexpr enemy::PoseBoxes kBoxes = {
    kPoses,
    {60,  52,  82, 102},
    {96, 128, 120,  90},
    {32,   0,   8,  38},
    { 0,   0,   0,   0},
    { 0,   0,   0,   0},
};
// clang-format on

int64_t Abs(int64_t v) { return v < 0 ? -v : v; }
}  // namespace

EnemyRedAxArmor::EnemyRedAxArmor(int32_t x_, int32_t y_, int32_t facing_)
    : x(x_), y(y_), hp(9), frame(facing_ > 0 ? 0 : kPoses), facing(facing_ > 0 ? 1 : 0) {}

void EnemyRedAxArmor::Move() {
    if (frame % kPoses == 0) {
        // The count is kept while the hero is away.
        if (enemy::HeroDistance(x) < kReachX && Abs(enemy::HeroDY(y)) < kReachY) {
            counter += 1;
            if (counter >= kGuardFrames) {
                frame += 1;
                counter = 0;
            }
        }
        return;
    }
    counter += 1;
    if (counter < kChargeFrames) {
        x += facing == 1 ? kSpeed : -kSpeed;
        frame = (facing == 1 ? 1 : kPoses + 1) + (counter % 9) / 3;
        return;
    }
    facing = enemy::HeroX() <= x ? 0 : 1;
    frame = facing == 1 ? 0 : kPoses;
    counter = 0;
}

platform::Rect EnemyRedAxArmor::Body() const { return enemy::PoseRect(kBoxes, x, y, frame); }

// On guard its front 20 pixels, the shield, take no blows.
void EnemyRedAxArmor::CheckWeaponHit() {
    platform::Rect box = Body();
    if (frame == 0) box = enemy::Box(x, y, 0, 32, 40, 128);
    if (frame == kPoses) box = enemy::Box(x, y, 20, 32, 60, 128);
    enemy::HitModelA(box, hp, hitLatch, dead);
}

void EnemyRedAxArmor::CheckPlayerTouch() { enemy::TouchHero(Body(), 4); }

void EnemyRedAxArmor::Draw() { g_graphics.DrawRedAxArmor(x, y, frame); }

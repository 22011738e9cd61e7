#include "enemies/warriors/s_night.h"

#include "enemies/model/close_combat.h"
#include "engine/graphics.h"

namespace {
constexpr int32_t kPoses = 5;
constexpr int32_t kSpeed = 3;
constexpr int64_t kWake = 700;
constexpr int64_t kReach = 100;
constexpr int32_t kWaitFrames = 20;
constexpr int32_t kThrustFrames = 15;
constexpr int32_t kRaise = 2;   // pose the thrust starts from
constexpr int32_t kHigh = 3;    // spear held high: the body ducks under it
constexpr int32_t kThrust = 4;  // the spear out

// clang-format off
constexpr enemy::PoseBoxes kBoxes = {
    kPoses,
    {54, 48, 54, 50, 54},
    {92, 92, 92, 92, 92},
    { 0,  0,  0,  0,  0},
    { 0,  0,  0,  0,  0},
    { 0,  0,  0,  0, 11},
};
// clang-format on
}  // namespace

EnemySNight::EnemySNight(int32_t x_, int32_t y_, int32_t facing_)
    : x(x_), y(y_), hp(7), frame(facing_ > 0 ? 0 : kPoses), facing(facing_ > 0 ? 1 : 0), dormant(1) {}

bool EnemySNight::Awake() { return enemy::WakeOnce(dormant, enemy::HeroDistance(x) < kWake); }

void EnemySNight::Move() {
    x += facing != 0 ? kSpeed : -kSpeed;
    const int32_t base = facing != 0 ? 0 : kPoses;
    if (frame % kPoses < kRaise) {
        if (enemy::AttackDue(thrustWait, enemy::HeroDistance(x) < kReach, kWaitFrames)) {
            frame = base + kRaise;
            counter = 0;
            return;
        }
        facing = enemy::HeroX() >= x ? 1 : 0;
        frame = enemy::Stride(counter, facing == 1 ? 0 : kPoses);
        return;
    }
    counter += 1;
    frame = counter >= kThrustFrames ? base : base + kRaise + counter / 5;
    if (counter >= kThrustFrames) counter = 0;
}

platform::Rect EnemySNight::Body() const { return enemy::PoseRect(kBoxes, x, y, frame); }

void EnemySNight::CheckWeaponHit() { enemy::HitModelA(Body(), hp, hitLatch, dead); }

void EnemySNight::CheckPlayerTouch() {
    constexpr int32_t kLevel = 3;
    if (frame == kThrust) {
        enemy::TouchHero(Body(), enemy::Box(x, y, 54, 18, 116, 35), kLevel);
    } else if (frame == kPoses + kThrust) {
        enemy::TouchHero(Body(), enemy::Box(x, y, -51, 18, 11, 35), kLevel);
    } else if (frame % kPoses == kHigh) {
        enemy::TouchHero(enemy::Box(x, y, 0, -39, 50, 53), kLevel);
    } else {
        enemy::TouchHero(Body(), kLevel);
    }
}

void EnemySNight::Draw() { g_graphics.DrawSNight(x, y, frame); }

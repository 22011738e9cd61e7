#include "enemies/warriors/hunmer.h"

#include "enemies/model/close_combat.h"
#include "engine/graphics.h"

namespace {
constexpr int32_t kPoses = 6;
constexpr int32_t kSpeed = 2;
constexpr int64_t kWake = 640;
constexpr int64_t kReach = 150;
constexpr int32_t kWaitFrames = 20;
constexpr int32_t kSwingFrames = 20;
constexpr int32_t kStrikeAt = 6;
constexpr int32_t kRaise = 2;
constexpr int32_t kStrike = 5;
constexpr int32_t kDonSound = 12;

// clang-format off
constexpr enemy::PoseBoxes kBoxes = {
    kPoses,
    { 84,  84, 124, 118,  98, 146},
    {134, 130, 134, 180, 184, 110},
    { 50,  54,  50,   4,   0,  74},
    {  0,   0, -40, -34,  26,  20},
    {  0,   0,   0,   0, -40, -80},
};
// clang-format on
}  // namespace

EnemyHunmer::EnemyHunmer(int32_t x_, int32_t y_, int32_t facing_)
    : x(x_), y(y_), hp(10), frame(facing_ != 0 ? 0 : kPoses), facing(facing_ != 0 ? 1 : 0), dormant(1) {}

bool EnemyHunmer::Awake() { return enemy::WakeOnce(dormant, enemy::HeroDistance(x) < kWake); }

void EnemyHunmer::Move() {
    const int32_t base = facing != 0 ? 0 : kPoses;
    if (frame % kPoses < kRaise) {
        if (enemy::AttackDue(swingWait, enemy::HeroDistance(x) < kReach, kWaitFrames)) {
            frame = base + kRaise;
            counter = 0;
            return;
        }
        enemy::WalkTowardHero(x, facing, x, kSpeed);
        frame = enemy::Stride(counter, facing == 1 ? 0 : kPoses);
        return;
    }
    counter += 1;
    if (counter >= kSwingFrames) {
        frame = base;
        counter = 0;
        return;
    }
    if (counter == kStrikeAt) enemy::PlaySoundAt(kDonSound, x);
    frame = base + (counter < kStrikeAt ? kRaise + counter / 2 : kStrike);
}

platform::Rect EnemyHunmer::Body() const {
    if (frame == kStrike) return enemy::Box(x, y, 20, 74, 108, 184);
    if (frame == kPoses + kStrike) return enemy::Box(x, y, -22, 74, 66, 184);
    return enemy::PoseRect(kBoxes, x, y, frame);
}

void EnemyHunmer::CheckWeaponHit() { enemy::HitModelA(Body(), hp, hitLatch, dead); }

void EnemyHunmer::CheckPlayerTouch() {
    constexpr int32_t kLevel = 4;
    if (frame == kStrike) {
        enemy::TouchHero(Body(), enemy::Box(x, y, 108, 136, 166, 184), kLevel);
    } else if (frame == kPoses + kStrike) {
        enemy::TouchHero(Body(), enemy::Box(x, y, -80, 136, -22, 184), kLevel);
    } else {
        enemy::TouchHero(Body(), kLevel);
    }
}

void EnemyHunmer::Draw() { g_graphics.DrawHunmer(x, y, frame); }

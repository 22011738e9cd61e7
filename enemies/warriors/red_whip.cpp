#include "enemies/warriors/red_whip.h"

#include "enemies/model/close_combat.h"
#include "engine/graphics.h"

namespace {
constexpr int32_t kPoses = 7;
constexpr int32_t kSpeed = 3;
constexpr int64_t kReach = 100;
constexpr int32_t kWaitFrames = 10;
constexpr int32_t kWhipFrames = 10;
constexpr int32_t kLashFrom = 6;
constexpr int32_t kWindUp = 2;
constexpr int32_t kLash = 3;
constexpr int32_t kStun = 4;  // poses 4 to 6: reeling, then down

// Poses 5 and 6 are never tested; they keep the reeling pose's box.
// clang-format off
constexpr enemy::PoseBoxes kBoxes = {
    kPoses,
    {58, 56, 66,  50, 26, 26, 26},
    {62, 62, 62,  60, 62, 62, 62},
    { 0,  0,  0,   2,  0,  0,  0},
    { 0,  0,  0,  30,  0,  0,  0},
    { 0,  0,  0, -20,  0,  0,  0},
};
// clang-format on
}  // namespace

EnemyRedWhip::EnemyRedWhip(int32_t x_, int32_t y_, int32_t facing_, int32_t left_, int32_t right_)
    : x(x_), y(y_), frame(facing_ != 0 ? 0 : kPoses), facing(facing_ != 0 ? 1 : 0), right(right_), left(left_) {}

void EnemyRedWhip::Update() {
    if (frame % kPoses < kStun) {
        Move();
        CheckWeaponHit();
        CheckPlayerTouch();
    } else {
        Stunned();
    }
    Draw();
}

// Reels for 4 frames, lies down, and 65 frames after the blow gets up the
// way it went down.
void EnemyRedWhip::Stunned() {
    counter += 1;
    switch (frame % kPoses) {
        case kStun:
            if (counter == 5) frame += 1;
            if (counter >= 65) {
                frame -= kStun;
                counter = 0;
            }
            break;
        case kStun + 1:
            if (counter == 10) frame += 1;
            if (counter >= 60) frame -= 1;
            break;
        default:
            if (counter >= 55) frame -= 1;
            break;
    }
}

void EnemyRedWhip::Move() {
    const int32_t base = facing != 0 ? 0 : kPoses;
    if (frame % kPoses < kWindUp) {
        if (enemy::AttackDue(lashWait, enemy::HeroDistance(x) < kReach, kWaitFrames)) {
            frame = base + kWindUp;
            counter = 0;
            return;
        }
        if (enemy::HeroX() <= x) {
            facing = 0;
            if (left < x) x -= kSpeed;
        } else {
            facing = 1;
            if (right > x) x += kSpeed;
        }
        frame = enemy::Stride(counter, facing == 1 ? 0 : kPoses);
        return;
    }
    counter += 1;
    if (counter >= kWhipFrames) {
        frame = base;
        counter = 0;
    } else {
        frame = base + (counter >= kLashFrom ? kLash : kWindUp);
    }
}

platform::Rect EnemyRedWhip::Body() const { return enemy::PoseRect(kBoxes, x, y, frame); }

void EnemyRedWhip::CheckWeaponHit() {
    if (!enemy::WeaponOverlaps(Body())) return;
    frame = (facing != 0 ? 0 : kPoses) + kStun;
    counter = 0;
}

void EnemyRedWhip::CheckPlayerTouch() {
    constexpr int32_t kLevel = 4;
    if (frame == kLash) {
        enemy::TouchHero(Body(), enemy::Box(x, y, 80, 23, 144, 30), kLevel);
    } else if (frame == kPoses + kLash) {
        enemy::TouchHero(Body(), enemy::Box(x, y, -84, 23, -20, 30), kLevel);
    } else {
        enemy::TouchHero(Body(), kLevel);
    }
}

void EnemyRedWhip::Draw() { g_graphics.DrawRedWhip(x, y, frame); }

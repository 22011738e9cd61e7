#include "enemies/warriors/victo.h"

#include "enemies/model/close_combat.h"
#include "enemies/model/shots.h"
#include "enemies/warriors/ara.h"
#include "engine/graphics.h"

namespace {
constexpr int32_t kPoses = 8;
constexpr int32_t kMiddle = 110;  // reach and walking are measured from here
constexpr int32_t kSpeed = 2;
constexpr int64_t kWake = 640;
constexpr int64_t kReach = 250;
constexpr int32_t kWaitFrames = 20;
constexpr int32_t kSwing = 2;
constexpr int32_t kBladeOut = 5;
constexpr int32_t kLunge = 6;
constexpr int32_t kSwingFrames = 12;
constexpr int32_t kLungeFrames = 10;
constexpr int32_t kLungeSpeed = 7;

// clang-format off
constexpr enemy::PoseBoxes kBoxes = {
    kPoses,
    {202, 196, 220, 104, 120, 162, 160, 182},
    {124, 128, 124, 216, 206, 124, 144, 112},
    { 92,  88,  92,   0,  10,  92,  72, 104},
    { 18,  24,   0, 116, 122, 112, 114,  96},
    {  0,   0,   0,   0, -22, -52, -52, -56},
};
// clang-format on

int64_t Abs(int64_t v) { return v < 0 ? -v : v; }

// The frame's dx and dy, where the blade poses move the body and the blade.
struct Offset {
    int32_t dx;
    int32_t dy;
};
Offset OffsetOf(int32_t frame) {
    const platform::Rect r = enemy::PoseRect(kBoxes, 0, 0, frame);
    return {r.left, r.top};
}
}  // namespace

EnemyVicto::EnemyVicto(int32_t x_, int32_t y_, int32_t facing_, int32_t slotBase_)
    : x(x_),
      y(y_),
      hp(10),
      frame(facing_ != 0 ? 0 : kPoses),
      facing(facing_ != 0 ? 1 : 0),
      dormant(1),
      slotBase(slotBase_) {}

bool EnemyVicto::Awake() { return enemy::WakeOnce(dormant, enemy::HeroDistance(x) < kWake); }

void EnemyVicto::Move() {
    const int32_t base = facing != 0 ? 0 : kPoses;
    const int32_t f = frame % kPoses;
    const int64_t middle = static_cast<int64_t>(x) + kMiddle;
    if (f < kSwing && enemy::AttackDue(swingWait, Abs(enemy::HeroX() - middle) < kReach, kWaitFrames)) {
        frame = base + kSwing;
        counter = 0;
        return;
    }
    if (f < kSwing) {
        enemy::WalkTowardHero(x, facing, middle, kSpeed);
        frame = enemy::Stride(counter, facing == 1 ? 0 : kPoses);
    } else if (f < kLunge) {
        counter += 1;
        frame = counter < kSwingFrames ? base + kSwing + counter / 3 : base + kLunge;
        if (counter >= kSwingFrames) counter = 0;
    } else {
        x += facing != 0 ? kLungeSpeed : -kLungeSpeed;
        counter += 1;
        if (counter >= kLungeFrames) {
            counter = 0;
            frame = base;
        } else {
            frame = base + kLunge + (counter >= 6 ? 1 : 0);
        }
    }
}

platform::Rect EnemyVicto::Body() const {
    if (frame % kPoses < kBladeOut) return enemy::PoseRect(kBoxes, x, y, frame);
    const Offset o = OffsetOf(frame);
    if (frame < kPoses) return enemy::Box(x, y, o.dx, o.dy, o.dx + 104, o.dy + 124);
    return enemy::Box(x, y, o.dx + 62, o.dy, o.dx + 168, o.dy + 124);
}

// Where it falls, its creature crawls out.
void EnemyVicto::CheckWeaponHit() {
    if (enemy::HitModelA(Body(), hp, hitLatch, dead)) {
        enemy::PoolWrite(g_enemyAra, slotBase, EnemyAra(x + kMiddle, y + 108, 0));
    }
}

void EnemyVicto::CheckPlayerTouch() {
    constexpr int32_t kLevel = 4;
    if (frame % kPoses < kBladeOut) {
        enemy::TouchHero(Body(), kLevel);
        return;
    }
    const Offset o = OffsetOf(frame);
    const int32_t bladeDx = frame < kPoses ? 96 : 0;
    enemy::TouchHero(Body(), enemy::Box(x, y, o.dx + bladeDx, o.dy + 22, o.dx + bladeDx + 86, o.dy + 38), kLevel);
}

void EnemyVicto::Draw() { g_graphics.DrawVicto(x, y, frame); }

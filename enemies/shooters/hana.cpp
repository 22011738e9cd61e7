#include "enemies/shooters/hana.h"

#include "enemies/model/shots.h"
#include "enemies/shooters/tobu_honoo.h"
#include "engine/graphics.h"

namespace {
constexpr int64_t kReach = 673;
constexpr int32_t kFireAt = 25;
constexpr int32_t kCycle = 40;
constexpr int32_t kSpeed = 18;
constexpr enemy::Muzzles kMuzzles{18, 13, 18, 13};
constexpr int32_t kLeftPose = 2;  // the facing bit of the frame
}  // namespace

EnemyHana::EnemyHana(int32_t x_, int32_t y_, int32_t frame_, int32_t slotBase_)
    : x(x_), y(y_), hp(3), frame(frame_ & kLeftPose), slotBase(slotBase_) {}

bool EnemyHana::Awake() const { return enemy::HeroDistance(x) <= kReach; }

void EnemyHana::Move() {
    counter += 1;
    const int32_t hx = enemy::HeroX();
    if (counter < kFireAt) {
        if (hx > x && frame == kLeftPose) {
            frame = 0;
            counter = 0;
        } else if (hx < x && frame == 0) {
            frame = kLeftPose;
            counter = 0;
        }
    }
    if (counter == kFireAt) {
        const enemy::AimedShot s = enemy::ShotAtHero(x, y, kMuzzles);
        enemy::WriteShot(g_enemyTobuHonoo, slotBase, 0, 1, EnemyTobuHonoo(s.x, s.y, s.leftward, kSpeed, 0));
        frame = (frame & kLeftPose) + 1;
    } else if (counter >= kCycle) {
        counter = 0;
        frame &= kLeftPose;
    }
}

platform::Rect EnemyHana::Body() const {
    if (frame == 0) return enemy::Box(x, y, 0, 8, 44, 60);
    if (frame == kLeftPose) return enemy::Box(x, y, 14, 8, 58, 60);
    return enemy::Box(x, y, 0, 0, 58, 60);
}

void EnemyHana::CheckWeaponHit() { enemy::HitModelA(Body(), hp, hitLatch, dead); }

void EnemyHana::CheckPlayerTouch() { enemy::TouchHero(Body(), 3); }

void EnemyHana::Draw() { g_graphics.DrawHana(x, y, frame); }

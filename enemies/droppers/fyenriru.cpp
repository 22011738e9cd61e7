#include "enemies/droppers/fyenriru.h"

#include "enemies/model/dropping.h"
#include "engine/graphics.h"

namespace {
constexpr int64_t kWakeReach = 850;
constexpr int32_t kHowl = 95;
constexpr int32_t kShower = 110;
constexpr int32_t kCycle = 140;
constexpr int32_t kSpeed = 3;
constexpr int32_t kHowlSound = 10;
// The blocks land 171 to 450 pixels ahead of the beast's left edge facing
// right, and 21 to 300 ahead of it facing left.
constexpr int32_t kAheadRight = 451;
constexpr int32_t kAheadLeft = -300;
constexpr int32_t kShowerSpread = 280;

constexpr int32_t kW[5] = {216, 186, 190, 154, 148};
constexpr int32_t kH[5] = {132, 138, 144, 134, 156};
constexpr int32_t kDrop[5] = {24, 18, 12, 22, 0};
}  // namespace

EnemyFyenriru::EnemyFyenriru(int32_t x_, int32_t y_, int32_t facing_, int32_t slotBase_)
    : x(x_),
      y(y_),
      hp(10),
      frame(facing_ != 0 ? 0 : 5),
      facing(facing_ != 0 ? 1 : 0),
      dormant(1),
      slotBase(slotBase_) {}

bool EnemyFyenriru::Awake() { return enemy::WakeOnce(dormant, enemy::HeroDistance(x) < kWakeReach); }

// It walks only towards the hero; once the hero is behind it, it spends a
// frame turning.
void EnemyFyenriru::Walk() {
    const int32_t heroX = enemy::HeroX();
    if (facing != 1) {
        if (x >= heroX) {
            x -= kSpeed;
            frame = 5 + enemy::StridePose(counter);
        } else {
            frame = 0;
            facing = 1;
        }
    } else if (x <= heroX) {
        x += kSpeed;
        frame = enemy::StridePose(counter);
    } else {
        frame = 5;
        facing = 0;
    }
}

void EnemyFyenriru::Move() {
    counter += 1;
    if (frame % 5 < 3 && counter < kHowl) {
        Walk();
    } else if (counter == kHowl) {
        frame = facing == 1 ? 3 : 8;
        enemy::PlaySoundAt(kHowlSound, x);
    } else if (counter == kShower) {
        frame += 1;
        if (facing == 1) {
            enemy::DropBlockShower(slotBase, x + kAheadRight, -1, kShowerSpread);
        } else {
            enemy::DropBlockShower(slotBase, x + kAheadLeft, 1, kShowerSpread);
        }
    } else if (counter >= kCycle) {
        frame -= 4;
        counter = 0;
    }
}

platform::Rect EnemyFyenriru::Body() const {
    const int32_t f = frame % 5;
    return enemy::Box(x, y, 0, kDrop[f], kW[f], kDrop[f] + kH[f]);
}

void EnemyFyenriru::CheckWeaponHit() { enemy::HitModelA(Body(), hp, hitLatch, dead); }

void EnemyFyenriru::CheckPlayerTouch() { enemy::TouchHero(Body(), 4); }

void EnemyFyenriru::Draw() { g_graphics.DrawFyenriru(x, y, frame); }

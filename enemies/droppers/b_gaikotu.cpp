#include "enemies/droppers/b_gaikotu.h"

#include "enemies/model/dropping.h"
#include "enemies/model/hopping.h"
#include "engine/graphics.h"

namespace {
constexpr int32_t kCrouch = 24;
constexpr int32_t kLeapVy = -15;
constexpr int32_t kLeapDx = 6;
constexpr int32_t kGravity = 1;
constexpr int32_t kProbe = 108;
// Blocks come down anywhere within 320 pixels either side of its left edge.
constexpr int32_t kShakeReach = 320;

constexpr int32_t kW[6] = {142, 136, 132, 114, 102, 104};
constexpr int32_t kH[6] = {60, 74, 92, 108, 114, 108};
constexpr int32_t kDrop[6] = {54, 40, 22, 6, 0, 6};
}  // namespace

EnemyBGaikotu::EnemyBGaikotu(int32_t x_, int32_t y_, int32_t facing_, int32_t slotBase_)
    : x(x_), y(y_), hp(16), frame(facing_ != 0 ? 0 : 6), facing(facing_ != 0 ? 1 : 0), slotBase(slotBase_) {}

void EnemyBGaikotu::Move() {
    if (jumping != 0) {
        if (enemy::LeapAndLand(x, y, vy, frame == 4 ? kLeapDx : -kLeapDx, kGravity, kProbe, dead)) {
            enemy::DropBlockShower(slotBase, x - kShakeReach, 1, 2 * kShakeReach);
            jumping = 0;
            counter = 0;
        }
        return;
    }
    counter += 1;
    if (counter >= kCrouch) {
        counter = 0;
        jumping = 1;
        vy = kLeapVy;
        facing = enemy::HeroOnLeftOf(x) ? 0 : 1;
        frame = facing == 1 ? 4 : 10;
        return;
    }
    frame = (facing == 1 ? 0 : 6) + counter / 4;
}

platform::Rect EnemyBGaikotu::Body() const {
    const int32_t f = frame % 6;
    return enemy::Box(x, y, 0, kDrop[f], kW[f], kDrop[f] + kH[f]);
}

void EnemyBGaikotu::CheckWeaponHit() { enemy::HitModelA(Body(), hp, hitLatch, dead); }

void EnemyBGaikotu::CheckPlayerTouch() { enemy::TouchHero(Body(), 4); }

void EnemyBGaikotu::Draw() { g_graphics.DrawBGaikotu(x, y, frame); }

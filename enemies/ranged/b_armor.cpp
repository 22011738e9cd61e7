#include "enemies/ranged/b_armor.h"

#include "enemies/model/flight.h"
#include "enemies/model/shots.h"
#include "enemies/model/volley.h"
#include "enemies/ranged/barukan.h"
#include "engine/graphics.h"

namespace {
constexpr int64_t kReach = 721;
// A bullet every 10 frames into five slots: each flies 50 frames.
constexpr int32_t kCycle = 50;
constexpr int32_t kPeriod = 10;
constexpr int32_t kMuzzleY = 53;
}  // namespace

EnemyBArmor::EnemyBArmor(int32_t x_, int32_t y_, int32_t facing_, int32_t slotBase_)
    : x(x_), y(y_), hp(3), frame(facing_ != 0 ? 0 : 2), facing(facing_), slotBase(slotBase_) {}

bool EnemyBArmor::Awake() const { return enemy::HeroDistance(x) < kReach; }

void EnemyBArmor::Move() {
    const int32_t shot = enemy::VolleyTick(counter, kCycle, kPeriod, 0);
    if (shot >= 0) {
        const EnemyBarukan bullet =
            facing == 1 ? EnemyBarukan(x + 64 + 16, y + kMuzzleY, 0, 0) : EnemyBarukan(x + 16, y + kMuzzleY, 1, 0);
        enemy::WriteShot(g_enemyBarukan, slotBase, shot, kCycle / kPeriod, bullet);
    }
    facing = enemy::FacingHero(x);
    frame = enemy::TwoPoseFrame(facing, counter % kPeriod);
}

platform::Rect EnemyBArmor::Body() const {
    // The sprite's own rectangle: the left-facing rest pose stands 6 in.
    const int32_t dx = frame == 2 ? 6 : 0;
    return enemy::Box(x, y, dx, 0, dx + 90 + 6 * (frame % 2), 122);
}

void EnemyBArmor::CheckWeaponHit() { enemy::HitModelA(Body(), hp, hitLatch, dead); }

void EnemyBArmor::CheckPlayerTouch() { enemy::TouchHero(Body(), 3); }

void EnemyBArmor::Draw() { g_graphics.DrawBArmor(x, y, frame); }

#include "enemies/ranged/war_skeleton.h"

#include "enemies/model/flight.h"
#include "enemies/model/shots.h"
#include "enemies/model/volley.h"
#include "enemies/shooters/hone.h"
#include "engine/graphics.h"

namespace {
constexpr int64_t kReach = 721;
// A bone every 10 frames into ten slots.
constexpr int32_t kCycle = 100;
constexpr int32_t kPeriod = 10;
}  // namespace

EnemyWarSkeleton::EnemyWarSkeleton(int32_t x_, int32_t y_, int32_t facing_, int32_t slotBase_)
    : x(x_), y(y_), hp(3), frame(facing_ > 0 ? 0 : 2), facing(facing_), slotBase(slotBase_) {}

bool EnemyWarSkeleton::Awake() const { return enemy::HeroDistance(x) < kReach; }

void EnemyWarSkeleton::Move() {
    const int32_t shot = enemy::VolleyTick(counter, kCycle, kPeriod, 0);
    if (shot >= 0) {
        // Rise first, then reach: the order the two values are drawn in.
        const int32_t vy = -5 - GameRand() % 20;
        const int32_t reach = GameRand() % 11 + 1;
        const int32_t vx = facing > 0 ? reach : -reach;
        enemy::WriteShot(g_enemyHone, slotBase, shot, kCycle / kPeriod, EnemyHone(x + 32, y + 30, vx, vy, 0));
    }
    facing = enemy::FacingHero(x);
    frame = enemy::TwoPoseFrame(facing, counter % kPeriod);
}

void EnemyWarSkeleton::CheckWeaponHit() { enemy::HitModelA(enemy::Box(x, y, 0, 0, 64, 98), hp, hitLatch, dead); }

void EnemyWarSkeleton::CheckPlayerTouch() { enemy::TouchHero(enemy::Box(x, y, 0, 0, 64, 98), 3); }

void EnemyWarSkeleton::Draw() { g_graphics.DrawWarSkeleton(x, y, frame); }

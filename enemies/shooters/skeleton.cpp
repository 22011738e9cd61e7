#include "enemies/shooters/skeleton.h"

#include "enemies/model/patrol.h"
#include "enemies/model/shots.h"
#include "enemies/shooters/hone.h"
#include "engine/graphics.h"

namespace {
constexpr int64_t kReach = 670;
constexpr int32_t kCycle = 100;
constexpr int32_t kPhase = 20;  // walk 10, wind up 5, throw 5: five bones a cycle
constexpr int32_t kSpeed = 3;
// A 28th of the way to the hero, across held to 10, lifted by 11.
constexpr int32_t kLobDivisor = 28;
constexpr int32_t kMaxVx = 10;
constexpr int32_t kLift = 11;

constexpr int32_t kW[4] = {44, 48, 58, 54};
constexpr int32_t kH[4] = {80, 76, 90, 78};
constexpr int32_t kShift[4] = {10, 14, 12, 12};
}  // namespace

EnemySkeleton::EnemySkeleton(int32_t x_, int32_t y_, int32_t facing_, int32_t left_, int32_t right_, int32_t slotBase_)
    : x(x_),
      y(y_),
      hp(2),
      frame(facing_ > 0 ? 0 : 4),
      facing(facing_ > 0 ? 1 : 0),
      left(left_),
      right(right_),
      slotBase(slotBase_) {}

bool EnemySkeleton::Awake() const { return enemy::HeroDistance(x) <= kReach; }

void EnemySkeleton::Move() {
    counter = (counter + 1) % kCycle;
    const int32_t phase = counter % kPhase;
    if (phase < 10) {
        facing = enemy::HeroX() >= x ? 1 : 0;
        enemy::StepWithin(x, facing, kSpeed, left, right);
    }
    const int32_t base = facing == 1 ? 0 : 4;
    if (phase < 10) {
        frame = base + (phase > 5 ? 1 : 0);
    } else if (phase < 15) {
        frame = base + 2;
    } else {
        frame = base + 3;
        if (phase == 15) {
            const enemy::Lob lob = enemy::LobAtHero(x, y, kLobDivisor, kMaxVx, kLift);
            enemy::WriteShot(g_enemyHone, slotBase, counter / kPhase, kCycle / kPhase,
                             EnemyHone(x + 25, y - 5, lob.vx, lob.vy, 0));
        }
    }
}

platform::Rect EnemySkeleton::Body() const {
    const int32_t k = frame % 4;
    return enemy::Box(x, y, 0, kShift[k], kW[k], kH[k] + kShift[k]);
}

void EnemySkeleton::CheckWeaponHit() { enemy::HitModelA(Body(), hp, hitLatch, dead); }

void EnemySkeleton::CheckPlayerTouch() { enemy::TouchHero(Body(), 3); }

void EnemySkeleton::Draw() { g_graphics.DrawSkeleton(x, y, frame); }

#include "enemies/ranged/fire_skeleton.h"

#include "enemies/model/patrol.h"
#include "enemies/model/volley.h"
#include "enemies/shooters/tobu_honoo.h"
#include "engine/graphics.h"

namespace {
constexpr int64_t kReach = 701;
constexpr int32_t kCycle = 20;  // stalk 10, rear up 5, spit 5
constexpr int32_t kSpitAt = 15;
constexpr int32_t kSpeed = 3;
constexpr int32_t kFlameSpeed = 14;

constexpr int32_t kW[4] = {28, 28, 40, 42};
constexpr int32_t kH[4] = {60, 62, 76, 60};
constexpr int32_t kDrop[4] = {16, 14, 0, 16};
}  // namespace

EnemyFireSkeleton::EnemyFireSkeleton(int32_t x_, int32_t y_, int32_t facing_, int32_t slot_)
    : x(x_), y(y_), hp(2), frame(facing_ > 0 ? 0 : 4), facing(facing_), slot(slot_) {}

bool EnemyFireSkeleton::Awake() const { return enemy::HeroDistance(x) < kReach; }

void EnemyFireSkeleton::Move() {
    counter = (counter + 1) % kCycle;
    if (counter < 10) {
        facing = enemy::FacingHero(x);
        enemy::StepWithin(x, facing, kSpeed, enemy::kOpenMin, enemy::kOpenMax);
    }
    const int32_t base = facing == 1 ? 0 : 4;
    if (counter < 10) {
        frame = base + (counter > 5 ? 1 : 0);
    } else if (counter < kSpitAt) {
        frame = base + 2;
    } else {
        frame = base + 3;
        if (counter == kSpitAt) {
            const EnemyTobuHonoo flame = facing == 1 ? EnemyTobuHonoo(x + 4, y + 36, 0, kFlameSpeed, 0)
                                                     : EnemyTobuHonoo(x + 18, y + 36, 1, kFlameSpeed, 0);
            enemy::PoolWrite(g_enemyTobuHonoo, slot, flame);
        }
    }
}

platform::Rect EnemyFireSkeleton::Body() const {
    const int32_t f = frame % 4;
    return enemy::Box(x, y, 0, kDrop[f], kW[f], kDrop[f] + kH[f]);
}

void EnemyFireSkeleton::CheckWeaponHit() { enemy::HitModelA(Body(), hp, hitLatch, dead); }

void EnemyFireSkeleton::CheckPlayerTouch() { enemy::TouchHero(Body(), 3); }

void EnemyFireSkeleton::Draw() { g_graphics.DrawFireSkeleton(x, y, frame); }

#include "enemies/shooters/ax_armor.h"

#include "enemies/model/patrol.h"
#include "enemies/model/shots.h"
#include "enemies/shooters/ax.h"
#include "engine/graphics.h"

namespace {
constexpr int64_t kReach = 669;
constexpr int32_t kCycle = 150;
constexpr int32_t kPhase = 50;  // walk 40, wind up 5, throw 5: three axes a cycle
constexpr int32_t kWindUp = 40;
constexpr int32_t kRelease = 45;
constexpr int32_t kThrowAt = 49;
constexpr int32_t kSpeed = 3;
constexpr int32_t kTurnOut = 200;  // how far out an axe flies before it turns
constexpr int32_t kLeft = 6;       // frames per facing

constexpr int32_t kW[6] = {54, 48, 64, 64, 64, 72};
}  // namespace

EnemyAxArmor::EnemyAxArmor(int32_t x_, int32_t y_, int32_t facing_, int32_t left_, int32_t right_, int32_t slotBase_)
    : x(x_),
      y(y_),
      hp(10),
      frame(facing_ > 0 ? 0 : kLeft),
      facing(facing_ > 0 ? 1 : 0),
      left(left_),
      right(right_),
      dormant(1),
      slotBase(slotBase_) {}

bool EnemyAxArmor::Awake() { return enemy::WakeOnce(dormant, enemy::HeroDistance(x) <= kReach); }

void EnemyAxArmor::Throw() {
    // The far side of the flight is open: the axe comes back past its thrower.
    const int32_t k = counter / kPhase;
    const int32_t dy = low != 0 ? 60 : 12;
    if (facing == 1) {
        const int32_t dx = low != 0 ? 64 : 56;
        enemy::WriteShot(g_enemyAx, slotBase, k, kCycle / kPhase,
                         EnemyAx(x + dx, y + dy, 1, x + kTurnOut, enemy::kOpenMin, 0));
    } else {
        const int32_t dx = low != 0 ? 11 : 9;
        enemy::WriteShot(g_enemyAx, slotBase, k, kCycle / kPhase,
                         EnemyAx(x + dx, y + dy, 0, enemy::kOpenMax, x - kTurnOut, 0));
    }
}

void EnemyAxArmor::Move() {
    counter = (counter + 1) % kCycle;
    const int32_t phase = counter % kPhase;
    if (phase < kWindUp) {
        facing = enemy::HeroX() >= x ? 1 : 0;
        enemy::StepWithin(x, facing, kSpeed, left, right);
        frame = (facing == 1 ? 0 : kLeft) + (counter % 10 > 5 ? 1 : 0);
        return;
    }
    const int32_t base = facing == 1 ? 0 : kLeft;
    if (phase < kRelease) {
        if (phase == kWindUp) low = GameRand() % 2;
        frame = base + 2 * low + 2;
        return;
    }
    frame = base + 2 * low + 3;
    if (phase == kThrowAt) Throw();
}

platform::Rect EnemyAxArmor::Body() const {
    const int32_t k = frame % kLeft;
    return enemy::Box(x, y, 0, k >= 4 ? 14 : 0, kW[k], 92);
}

void EnemyAxArmor::CheckWeaponHit() { enemy::HitModelA(Body(), hp, hitLatch, dead); }

void EnemyAxArmor::CheckPlayerTouch() { enemy::TouchHero(Body(), 4); }

void EnemyAxArmor::Draw() { g_graphics.DrawAxArmor(x, y, frame); }

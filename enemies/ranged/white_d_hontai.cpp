#include "enemies/ranged/white_d_hontai.h"

#include <algorithm>

#include "enemies/model/shots.h"
#include "enemies/ranged/white_d_honoo.h"
#include "engine/graphics.h"

namespace {
constexpr int64_t kReach = 700;  // acts up to and including this distance
constexpr int32_t kFireCycle = 100;
constexpr int32_t kWindUp = 95;  // the mouth opens for the last frames before a shot
constexpr int32_t kAimDivisor = 15;
constexpr int32_t kMaxVx = 10;
constexpr int32_t kSpeeds[6] = {-6, -4, -2, 2, 4, 6};
// How far the chain lets it go from the anchor: left and down only.
constexpr int32_t kSlackX = 200;
constexpr int32_t kSlackY = 250;
constexpr int32_t kLinks = 7;

// Counts a drift timer down; at 0 draws how long the next drift lasts, then
// its speed.
void Drift(int32_t& timer, int32_t& v) {
    timer -= 1;
    if (timer > 0) return;
    timer = GameRand() % 50 + 5;
    v = kSpeeds[GameRand() % 6];
}
}  // namespace

EnemyWhiteDHontai::EnemyWhiteDHontai(int32_t x_, int32_t y_, int32_t slot_)
    : x(x_), y(y_), hp(7), homeX(x_), homeY(y_), vxTimer(1), vyTimer(1), slot(slot_) {}

bool EnemyWhiteDHontai::Awake() const { return enemy::HeroDistance(x) <= kReach; }

void EnemyWhiteDHontai::Move() {
    fireCounter += 1;
    if (fireCounter >= kFireCycle) {
        fireCounter = 0;
        const enemy::Lob aim = enemy::LobAtHero(x, y, kAimDivisor, kMaxVx, 0);
        // A hero right beside it gets no flame: it would never move.
        if (aim.vx != 0 || aim.vy != 0)
            enemy::PoolWrite(g_enemyWhiteDHonoo, slot, EnemyWhiteDHonoo(x + 10, y + 25, aim.vx, aim.vy, 0));
    }
    Drift(vxTimer, vx);
    Drift(vyTimer, vy);
    x = static_cast<int32_t>(
        std::clamp<int64_t>(static_cast<int64_t>(x) + vx, static_cast<int64_t>(homeX) - kSlackX, homeX));
    y = static_cast<int32_t>(
        std::clamp<int64_t>(static_cast<int64_t>(y) + vy, homeY, static_cast<int64_t>(homeY) + kSlackY));
}

platform::Rect EnemyWhiteDHontai::Body() const { return enemy::Box(x, y, 0, 0, 60, fireCounter > kWindUp ? 56 : 48); }

void EnemyWhiteDHontai::CheckWeaponHit() { enemy::HitModelA(Body(), hp, hitLatch, dead); }

void EnemyWhiteDHontai::CheckPlayerTouch() { enemy::TouchHero(Body(), 4); }

void EnemyWhiteDHontai::Draw() {
    // Each link a seventh of the way from the anchor to the body's neck,
    // the seventh rounded toward zero first.
    const int32_t stepX = (x + 50 - homeX) / kLinks;
    const int32_t stepY = (y + 22 - homeY) / kLinks;
    for (int32_t k = 0; k < kLinks; ++k) g_graphics.DrawWhiteDTukene(homeX + k * stepX, homeY + k * stepY);
    g_graphics.DrawWhiteDHontai(x, y, fireCounter > kWindUp ? 1 : 0);
}

#include "enemies/ranged/archer.h"

#include "enemies/model/shots.h"
#include "enemies/model/volley.h"
#include "enemies/ranged/ya.h"
#include "engine/graphics.h"

namespace {
constexpr int64_t kReach = 741;
// Five arrows a cycle, each loosed at the 17th frame of its 20-frame draw.
constexpr int32_t kCycle = 100;
constexpr int32_t kPeriod = 20;
constexpr int32_t kLoose = 17;
constexpr int32_t kAimDivisor = 28;
constexpr int32_t kMaxVx = 10;
constexpr int32_t kBowSound = 11;

constexpr int32_t kW[4] = {102, 98, 80, 102};
constexpr int32_t kH[4] = {112, 158, 122, 126};
constexpr int32_t kDrop[4] = {46, 0, 36, 32};
}  // namespace

EnemyArcher::EnemyArcher(int32_t x_, int32_t y_, int32_t facing_, int32_t slotBase_)
    : x(x_), y(y_), hp(5), frame(facing_ > 0 ? 0 : 4), facing(facing_), slotBase(slotBase_) {}

bool EnemyArcher::Awake() const { return enemy::HeroDistance(x) < kReach; }

void EnemyArcher::Move() {
    const int32_t shot = enemy::VolleyTick(counter, kCycle, kPeriod, kLoose);
    if (shot >= 0) {
        // The arrow leaves with the facing of the frame before: the archer
        // turns only after loosing.
        const int32_t vx = enemy::LobAtHero(x, y, kAimDivisor, kMaxVx, 0).vx;
        const int32_t from = facing == 1 ? x + 14 : x;
        enemy::WriteShot(g_enemyYa, slotBase, shot, kCycle / kPeriod, EnemyYa(from, y, vx, facing, 0));
        enemy::PlaySoundAt(kBowSound, x);
    }
    facing = enemy::FacingHero(x);
    frame = (facing == 1 ? 0 : 4) + counter % kPeriod / 5;
}

platform::Rect EnemyArcher::Body() const {
    const int32_t f = frame % 4;
    return enemy::Box(x, y, 0, kDrop[f], kW[f], kDrop[f] + kH[f]);
}

void EnemyArcher::CheckWeaponHit() { enemy::HitModelA(Body(), hp, hitLatch, dead); }

void EnemyArcher::CheckPlayerTouch() { enemy::TouchHero(Body(), 3); }

void EnemyArcher::Draw() { g_graphics.DrawArcher(x, y, frame); }

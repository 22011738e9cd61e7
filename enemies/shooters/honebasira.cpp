#include "enemies/shooters/honebasira.h"

#include "enemies/model/shots.h"
#include "enemies/shooters/tobu_honoo.h"
#include "engine/graphics.h"

namespace {
constexpr int64_t kReach = 673;
constexpr int32_t kCycle = 75;
constexpr int32_t kGap = 25;  // frames between flames: three per cycle
constexpr int32_t kSpeed = 11;
// High from the left side, low from the right.
constexpr enemy::Muzzles kMuzzles{10, 13, 18, 40};
}  // namespace

EnemyHonebasira::EnemyHonebasira(int32_t x_, int32_t y_, int32_t slotBase_)
    : x(x_), y(y_), hp(6), slotBase(slotBase_) {}

bool EnemyHonebasira::Awake() const { return enemy::HeroDistance(x) <= kReach; }

void EnemyHonebasira::Move() {
    counter = (counter + 1) % kCycle;
    if (counter % kGap != 0) return;
    const enemy::AimedShot s = enemy::ShotAtHero(x, y, kMuzzles);
    enemy::WriteShot(g_enemyTobuHonoo, slotBase, counter / kGap, kCycle / kGap,
                     EnemyTobuHonoo(s.x, s.y, s.leftward, kSpeed, 0));
}

void EnemyHonebasira::CheckWeaponHit() { enemy::HitModelA(enemy::Box(x, y, 0, 0, 32, 62), hp, hitLatch, dead); }

void EnemyHonebasira::CheckPlayerTouch() { enemy::TouchHero(enemy::Box(x, y, 0, 0, 32, 62), 3); }

void EnemyHonebasira::Draw() { g_graphics.DrawHonebasira(x, y); }

#include "enemies/stage50/tori.h"

#include "enemies/model/reviving.h"
#include "enemies/model/wave.h"
#include "engine/graphics.h"

namespace {
constexpr int32_t kFirstHeroX = 501;
constexpr int32_t kLastHeroX = 5399;
constexpr int32_t kAhead = 550;
constexpr int32_t kReach = 710;
// The wave turns at this vertical speed either way.
constexpr int32_t kWaveSpeed = 10;
}  // namespace

// The row is drawn even for an idle slot, so every placement draws the
// generator once.
EnemyTori::EnemyTori(int32_t x_, int32_t, int32_t dead_) : x(x_), y(GameRand() % 150 + 229), ay(1), dead(dead_) {}

void EnemyTori::Respawn() {
    if (!enemy::HeroXWithin(kFirstHeroX, kLastHeroX)) return;
    *this = EnemyTori(enemy::HeroX() + kAhead, 0, 0);
}

void EnemyTori::Move() {
    counter = (counter + 1) % 10;
    frame = counter > 5 ? 1 : 0;
    x -= 3;
    if (enemy::EndWhenFar(x, kReach, dead, counter)) return;
    enemy::Wave(y, vy, ay, kWaveSpeed);
}

void EnemyTori::CheckWeaponHit() {
    if (enemy::HitModelB(Body(), dead)) counter = 0;
}

void EnemyTori::CheckPlayerTouch() { enemy::TouchHero(Body(), 2); }

void EnemyTori::Draw() { g_graphics.DrawTori(x, y, frame); }

#include "enemies/bosses/houtai.h"

#include "enemies/model/hopping.h"
#include "enemies/model/wave.h"
#include "engine/graphics.h"

namespace {
constexpr int32_t kWaveTop = 5;  // |vy| at which the wave turns
constexpr int32_t kGoneX = -30;
}  // namespace

EnemyHoutai::EnemyHoutai(int32_t dead_) : x(460), y(GameRand() % 60 + 331), vy(0), ay(1), dead(dead_), counter(0) {}

void EnemyHoutai::Move() {
    x -= 7;
    enemy::Rested(counter, 10);
    if (x < kGoneX) {
        dead = 1;
        return;
    }
    enemy::Wave(y, vy, ay, kWaveTop);
}

platform::Rect EnemyHoutai::Body() const { return enemy::Box(x, y, 0, 0, 30, counter >= 6 ? 16 : 14); }

void EnemyHoutai::CheckWeaponHit() { enemy::HitModelB(Body(), dead); }

void EnemyHoutai::CheckPlayerTouch() { enemy::TouchHero(Body(), 3); }

void EnemyHoutai::Draw() { g_graphics.DrawHoutai(x, y, counter > 5 ? 1 : 0); }

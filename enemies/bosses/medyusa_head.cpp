#include "enemies/bosses/medyusa_head.h"

#include "enemies/bosses/boss_b_medyusa.h"
#include "enemies/model/wave.h"
#include "engine/game_state.h"
#include "engine/graphics.h"

namespace {
constexpr int32_t kGorgonStage = 43;
constexpr int32_t kWaveTop = 10;  // |vy| at which the wave turns
constexpr int32_t kReach = 501;   // beyond this distance from the hero it is gone
}  // namespace

EnemyMedyusaHead::EnemyMedyusaHead(int32_t x_, int32_t y_, int32_t fromLeft_, int32_t dead_)
    : x(x_), y(y_), goingLeft(fromLeft_ == 0 ? 1 : 0), fromLeft(fromLeft_), vy(0), ay(1), dead(dead_) {}

void EnemyMedyusaHead::Respawn() {
    if (g_stageNumber == kGorgonStage) {
        if (!g_bossBMedyusa[0].OnField()) return;
        const int32_t r = GameRand();
        const int32_t headY = GameRand() % 150 + 249;
        if (r % 2 == 1)
            *this = EnemyMedyusaHead(-110 - r % 100, headY, 1, 0);
        else
            *this = EnemyMedyusaHead(750 + r % 100, headY, 0, 0);
        return;
    }
    if (!enemy::InCommonWindow()) return;
    const int32_t r = GameRand();
    const int32_t headY = enemy::HeroY() + GameRand() % 150 - 100;
    if (r % 2 == 1)
        *this = EnemyMedyusaHead(enemy::HeroX() - 500 - r % 100, headY, 1, 0);
    else
        *this = EnemyMedyusaHead(enemy::HeroX() + 500 + r % 100, headY, 0, 0);
}

void EnemyMedyusaHead::Move() {
    x += goingLeft != 0 ? -9 : 9;
    if (enemy::HeroDistance(x) < kReach) {
        enemy::Wave(y, vy, ay, kWaveTop);
    } else {
        dead = 1;
    }
}

void EnemyMedyusaHead::CheckWeaponHit() { enemy::HitModelB(enemy::Box(x, y, 0, 0, 44, 38), dead); }

void EnemyMedyusaHead::CheckPlayerTouch() { enemy::TouchHero(enemy::Box(x, y, 0, 0, 44, 38), 2); }

void EnemyMedyusaHead::Draw() { g_graphics.DrawMedyusa(x, y, goingLeft); }

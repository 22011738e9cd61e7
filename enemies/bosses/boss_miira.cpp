#include "enemies/bosses/boss_miira.h"

#include "enemies/bosses/boss_b_medyusa.h"
#include "enemies/bosses/ganseki.h"
#include "enemies/bosses/houtai.h"
#include "enemies/model/boss_common.h"
#include "enemies/model/boss_phases.h"
#include "enemies/model/pool_slots.h"
#include "engine/graphics.h"

namespace {
constexpr int32_t kStopX = 450;
constexpr int32_t kRockFrames = 30;
constexpr int32_t kBandageFrames = 25;
constexpr int32_t kReleaseAt = 5;  // the attack's frame that lets go
}  // namespace

void BossMiira::Update() {
    boss::ChainWakeAfterPause(dormant, counter, g_bossBMedyusa[0].IsDead() != 0);
    if (!boss::Preamble(dead, dormant, firstWake)) return;
    Move();
    const platform::Rect body = enemy::Box(x, y, 0, 0, frame == 0 ? 42 : 32, 82);
    boss::CheckHit(body, hp, hitLatch, dead);
    enemy::TouchHero(body, 4);
    boss::DrawTail(dead, [this] { g_graphics.DrawMiira(x, y, frame); });
}

void BossMiira::Move() {
    if (boss::WalkIn(x, counter, frame, kStopX, 6)) return;
    frame = 1;
    if (droppingRocks != 0) {
        boss::AttackTick(counter, droppingRocks, kRockFrames);
        if (counter == kReleaseAt) DropRock();
    } else if (throwingBandages != 0) {
        boss::AttackTick(counter, throwingBandages, kBandageFrames);
        if (counter == kReleaseAt)
            enemy::PoolWrite(g_enemyHoutai, enemy::AdvanceRotating(g_miiraBandageSlot, 5), EnemyHoutai(0));
    } else if (GameRand() % 2 == 1) {
        droppingRocks = 1;
    } else {
        throwingBandages = 1;
    }
}

void BossMiira::DropRock() {
    const int32_t slot = enemy::AdvanceRotating(g_miiraBoulderSlot, 2);
    if (GameRand() % 2 == 1)
        enemy::PoolWrite(g_enemyGanseki, slot, EnemyGanseki(GameRand() % 60 + 320, 50, 1, 0));
    else
        enemy::PoolWrite(g_enemyGanseki, slot, EnemyGanseki(100, 350, 0, 0));
}

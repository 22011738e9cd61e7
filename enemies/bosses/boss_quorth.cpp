#include "enemies/bosses/boss_quorth.h"

#include "enemies/bosses/boss_huranken.h"
#include "enemies/bosses/tama.h"
#include "enemies/model/boss_common.h"
#include "enemies/model/hopping.h"
#include "enemies/model/pool_slots.h"
#include "engine/graphics.h"

namespace {
constexpr int32_t kRightEnd = 544;
constexpr int32_t kBallEvery = 70;  // frames
}  // namespace

void BossQuorth::Update() {
    boss::ChainWakeAfterPause(dormant, counter, g_bossHuranken[0].IsDead() != 0);
    if (!boss::Preamble(dead, dormant, firstWake)) return;
    Move();
    CheckWeaponHit();
    enemy::TouchHero(enemy::Box(x, y, 0, 0, 96, 108), 4);
    boss::DrawTail(dead, [this] { g_graphics.DrawQuorth(x, y); });
}

void BossQuorth::Move() {
    if (!enemy::Rested(counter, kBallEvery)) return;
    enemy::ReleaseIntoFirstIdle(g_enemyTama, [] { return EnemyTama(GameRand() % 600 + 40, 0); });
}

void BossQuorth::CheckWeaponHit() {
    const boss::Hit hit = boss::CheckHit(enemy::Box(x, y, 0, 0, 96, 108), hp, hitLatch, dead);
    if (hit == boss::Hit::kNone) return;
    x = x == kRightEnd ? 0 : kRightEnd;
    if (hit == boss::Hit::kKilled) boss::ReleaseOrb();
}

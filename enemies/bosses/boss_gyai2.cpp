#include "enemies/bosses/boss_gyai2.h"

#include "enemies/bosses/boss_gyai1.h"
#include "enemies/bosses/gyai_fire2.h"
#include "enemies/model/boss_common.h"
#include "enemies/model/gyai_body.h"
#include "enemies/model/rotating_slot.h"
#include "engine/graphics.h"

namespace {
constexpr int32_t kTopY = -100;
constexpr int32_t kBottomY = 227;
constexpr int32_t kTouchLevel = 4;
// The wing beat, by counter / 3.
constexpr int32_t kWingFrames[6] = {0, 1, 2, 3, 2, 1};
}  // namespace

void BossGyai2::Update() {
    if (boss::ChainWake(dormant, g_bossGyai1[0].IsDead() != 0)) y = g_bossGyai1[0].GetY();
    if (!boss::Preamble(dead, dormant, firstWake)) return;
    Move();
    const platform::Rect body = boss::GyaiBody(x, y, frame);
    boss::CheckHit(body, hp, hitLatch, dead);
    enemy::TouchHero(body, kTouchLevel);
    boss::DrawTail(dead, [this] { g_graphics.DrawGyai2(x, y, frame); });
}

void BossGyai2::Move() {
    counter += 1;
    if (counter >= 18 || counter < 0) {
        counter = 0;
        const int32_t vy = 3 + GameRand() % 5;
        const int32_t vx = -3 - GameRand() % 5;
        const int32_t slot = enemy::NextRotatingSlot(g_gyaiFire2Slot, 8);
        enemy::PoolWrite(g_enemyGyaiFire2, slot, EnemyGyaiFire2(x + 80, y + 92, vx, vy, 0));
    }
    frame = kWingFrames[counter / 3];
    if (rising != 0) {
        y -= 6;
        if (y < kTopY) rising = 0;
    } else {
        y += 10;
        if (y > kBottomY) rising = 1;
    }
}

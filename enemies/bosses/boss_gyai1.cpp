#include "enemies/bosses/boss_gyai1.h"

#include "enemies/bosses/boss_beri2.h"
#include "enemies/bosses/gyai_fire1.h"
#include "enemies/bosses/gyai_ganseki.h"
#include "enemies/model/boss_common.h"
#include "enemies/model/gyai_body.h"
#include "enemies/model/rotating_slot.h"
#include "engine/graphics.h"

namespace {
constexpr int32_t kFloorY = 227;
constexpr int32_t kOutOfSightY = -100;
constexpr int32_t kTouchLevel = 4;
// The wing beat while it rises, by counter / 3.
constexpr int32_t kWingFrames[6] = {0, 1, 2, 3, 2, 1};
}  // namespace

void BossGyai1::Update() {
    boss::ChainWake(dormant, g_bossBeri2[0].IsDead() != 0);
    if (!boss::Preamble(dead, dormant, firstWake)) return;
    Move();
    CheckWeaponHit();
    enemy::TouchHero(boss::GyaiBody(x, y, frame), kTouchLevel);
    boss::DrawTail(dead, [this] { g_graphics.DrawGyai1(x, y, frame); });
}

void BossGyai1::Move() {
    if (falling != 0)
        Fall();
    else if (rising != 0)
        Rise();
    else
        Stand();
}

void BossGyai1::Fall() {
    vy += 3;
    y += vy;
    if (y <= kFloorY) return;
    y = kFloorY;
    falling = 0;
    frame = 5;
    counter = 0;
    vy = 0;
    // The landing shakes loose a rock over every slot, whatever each held.
    for (int32_t k = 0; k < 10; ++k) enemy::PoolWrite(g_enemyGyaiGanseki, k, EnemyGyaiGanseki(150 + 50 * k, -56, 0));
}

void BossGyai1::Rise() {
    y -= 10;
    if (y >= kOutOfSightY) {
        counter = counter >= 17 || counter < 0 ? 0 : counter + 1;
        frame = kWingFrames[counter / 3];
        return;
    }
    rising = 0;
    falling = 1;
    frame = 4;
    counter = 0;
}

void BossGyai1::Stand() {
    counter += 1;
    if (counter == 5) frame = 6;
    if (counter >= 40) {
        // Back to 6, so a flame every 34 frames.
        counter = 6;
        const int32_t slot = enemy::NextRotatingSlot(g_gyaiFire1Slot, 4);
        enemy::PoolWrite(g_enemyGyaiFire1, slot, EnemyGyaiFire1(0));
    }
}

void BossGyai1::CheckWeaponHit() {
    if (boss::CheckHit(boss::GyaiBody(x, y, frame), hp, hitLatch, dead) != boss::Hit::kHurt) return;
    // A hit during the fall makes it rise again right after landing.
    if (rising != 0) return;
    rising = 1;
    counter = 0;
}

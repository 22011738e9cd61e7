#include "enemies/bosses/boss_beri2.h"

#include "enemies/bosses/boss_beri1.h"
#include "enemies/model/boss_common.h"
#include "engine/graphics.h"

namespace {
constexpr int32_t kChargeSpeed = 60;
constexpr int32_t kRightWall = 464;
constexpr int32_t kTouchLevel = 2;
}  // namespace

void BossBeri2::Update() {
    boss::ChainWake(dormant, g_bossBeri1[0].IsDead() != 0);
    if (!boss::Preamble(dead, dormant, firstWake)) return;
    Move();
    CheckWeaponHit();
    CheckPlayerTouch();
    boss::DrawTail(dead, [this] { g_graphics.DrawBeri2(x, y, frame); });
}

void BossBeri2::Move() {
    if (frame == 2) {
        counter += 1;
        if (counter >= 10) {
            counter = 0;
            frame = 0;
        }
    } else if (frame == 0) {
        // Ten frames at the left wall, the count going up by two.
        if (counter < 20) {
            counter += 2;
            return;
        }
        x += kChargeSpeed;
        if (x > kRightWall) {
            x = kRightWall;
            counter = 0;
            frame = 1;
        }
    } else {
        // Twenty frames at the right wall.
        if (counter <= 20) counter += 1;
        if (counter <= 20) return;
        x -= kChargeSpeed;
        if (x < 0) {
            x = 0;
            counter = 0;
            frame = 0;
        }
    }
}

void BossBeri2::CheckWeaponHit() {
    const platform::Rect box = frame == 2 ? enemy::Box(x, y, 0, 0, 140, 126) : enemy::Box(x, y, 0, 50, 176, 126);
    boss::CheckHit(box, hp, hitLatch, dead);
}

void BossBeri2::CheckPlayerTouch() {
    const platform::Rect box = frame == 2 ? enemy::Box(x, y, 0, 40, 140, 126) : enemy::Box(x, y, 0, 90, 176, 126);
    enemy::TouchHero(box, kTouchLevel);
}

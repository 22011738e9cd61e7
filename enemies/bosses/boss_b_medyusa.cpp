#include "enemies/bosses/boss_b_medyusa.h"

#include "enemies/bosses/boss_g_bat.h"
#include "enemies/model/boss_common.h"
#include "enemies/model/hopping.h"
#include "engine/graphics.h"

namespace {
constexpr int32_t kStride = 30;  // frames of one walking cycle
constexpr int32_t kFrames[kStride / 5] = {0, 1, 2, 3, 2, 1};
}  // namespace

void BossBMedyusa::Update() {
    boss::ChainWakeAfterPause(dormant, counter, g_bossGBat[0].IsDead() != 0);
    if (!boss::Preamble(dead, dormant, firstWake)) return;
    Move();
    const platform::Rect body = enemy::Box(x, y, 0, 0, 60, 122);
    boss::CheckHit(body, hp, hitLatch, dead);
    enemy::TouchHero(body, 4);
    boss::DrawTail(dead, [this] { g_graphics.DrawBMedyusa(x, y, frame); });
}

void BossBMedyusa::Move() {
    enemy::Rested(counter, kStride);
    frame = kFrames[counter / 5];
    enemy::TurnAtBounds(x, 450, 600, dir);
    x += dir == 1 ? 7 : -7;
}

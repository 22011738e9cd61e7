#include "enemies/bosses/boss_morvane1.h"

#include "enemies/bosses/up_fire_m.h"
#include "enemies/model/boss_common.h"
#include "engine/graphics.h"

namespace {
constexpr int32_t kRightEdge = 592;
// By tick / 10: frames 0 to 2 at the left edge, 3 to 5 at the right.
constexpr int32_t kFrames[12] = {0, 1, 2, 2, 2, 2, 3, 4, 5, 5, 5, 5};
}  // namespace

void BossMorvane1::Update() {
    // It acts from the first frame: no wake test.
    if (!boss::Preamble(dead, 0, firstWake)) return;
    Move();
    CheckWeaponHit();
    CheckPlayerTouch();
    boss::DrawTail(dead, [this] { g_graphics.DrawMorvane1(x, frame); });
}

void BossMorvane1::Move() {
    tick += 1;
    if (tick == 120) {
        tick = 0;
        x = 0;
    }
    if (tick == 60) x = kRightEdge;
    if (tick == 30 || tick == 90) enemy::PoolWrite(g_enemyUpFireM, 0, EnemyUpFireM(enemy::HeroX() + 16, 0));
    frame = kFrames[tick / 10];
}

void BossMorvane1::CheckWeaponHit() { boss::CheckHit(platform::Rect{x + 16, 315, x + 32, 335}, hp, hitLatch, dead); }

void BossMorvane1::CheckPlayerTouch() { enemy::TouchHero(platform::Rect{x, 315, x + 48, 413}, 6); }

#include "enemies/bosses/boss_morvane2.h"

#include <algorithm>

#include "enemies/bosses/boss_morvane1.h"
#include "enemies/bosses/hell_fire.h"
#include "enemies/bosses/kokuen.h"
#include "enemies/model/boss_common.h"
#include "engine/graphics.h"
#include "engine/sound.h"

namespace {
constexpr int32_t kLeftEdge = 28;
constexpr int32_t kRightEdge = 505;
constexpr int32_t kFlashSound = 13;
constexpr int32_t kFireSound = 14;
// The idle (teleport) pictures are the set's last four.
constexpr int32_t kFirstIdleFrame = 16;
constexpr int32_t kLastIdleFrame = 19;
constexpr int32_t kWidths[8] = {88, 94, 98, 106, 116, 94, 102, 112};

int32_t Shift(int32_t frame) {
    // clang-format off
    switch (frame) {
        case 1: case 13: return -6;
        case 2: return -10;
        case 3: return -18;
        case 4: return -28;
        case 14: return -14;
        case 15: return -24;
        default: return 0;
    }
    // clang-format on
}
}  // namespace

void BossMorvane2::Update() {
    if (boss::ChainWake(dormant, g_bossMorvane1[0].IsDead() != 0))
        x = g_bossMorvane1[0].GetX() != 0 ? kRightEdge : kLeftEdge;
    if (!boss::Preamble(dead, dormant, firstWake)) return;
    Move();
    if (firing != 0 || smoking != 0) {
        Draw();
        boss::CheckHit(Body(), hp, hitLatch, dead);
        enemy::TouchHero(Body(), 16);
    }
    // Gone for eight frames of each teleport; drawn twice while attacking.
    boss::DrawTail(dead, [this] {
        if (tick < 12 || tick > 19) Draw();
    });
}

void BossMorvane2::Move() {
    if (firing != 0)
        Fire();
    else if (smoking != 0)
        Smoke();
    else
        Teleport();
}

void BossMorvane2::Fire() {
    const int32_t side = x == kRightEdge ? 8 : 0;
    tick += 1;
    if (tick == 40) {
        tick = 0;
        firing = 0;
        return;
    }
    frame = tick < 12 ? tick / 3 + side : 4 + side;
    if (tick != 12) return;
    const bool fromRight = x == kRightEdge;
    const int32_t fx = fromRight ? 585 : 20;
    const int32_t rows[3] = {325, 355, 385};
    for (int32_t k = 0; k < 3; ++k)
        enemy::PoolWrite(g_enemyHellFire, k, EnemyHellFire(fx, rows[k], fromRight ? 1 : 0, 0));
    g_soundPlayer.PlayPanned(kFireSound, fromRight ? 1.0 : -1.0);
}

void BossMorvane2::Smoke() {
    const int32_t side = x == kRightEdge ? 8 : 0;
    tick += 1;
    if (tick == 50) {
        tick = 0;
        smoking = 0;
        return;
    }
    frame = side + (tick < 3 ? 0 : tick < 6 ? 5 : tick < 9 ? 6 : 7);
    if (tick != 15 && tick != 30) return;
    const bool fromRight = x == kRightEdge;
    const EnemyKokuen cloud(fromRight ? 501 : 108, tick == 15 ? 285 : 350, fromRight ? 0 : 1, 0);
    enemy::PoolWrite(g_enemyKokuen, tick == 15 ? 0 : 1, cloud);
}

void BossMorvane2::Teleport() {
    tick += 1;
    if (tick == 1) enemy::PlaySoundAt(kFlashSound, x);
    if (tick == 20) x = x == kLeftEdge ? kRightEdge : kLeftEdge;
    // The count runs one picture past the set at its end: held on the last.
    const int32_t f = tick < 12 ? tick / 3 + kFirstIdleFrame : (tick - 20) / 3 + kFirstIdleFrame;
    frame = std::clamp(f, kFirstIdleFrame, kLastIdleFrame);
    if (tick != 32) return;
    tick = 0;
    if (GameRand() % 2 == 1)
        firing = 1;
    else
        smoking = 1;
}

platform::Rect BossMorvane2::Body() const {
    const int32_t s = Shift(frame);
    return platform::Rect{x + s, 245, x + kWidths[frame % 8] + s, 413};
}

void BossMorvane2::Draw() const { g_graphics.DrawMorvane2(x, frame); }

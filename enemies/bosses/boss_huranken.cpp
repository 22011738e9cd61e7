#include "enemies/bosses/boss_huranken.h"

#include "enemies/bosses/boss_miira.h"
#include "enemies/droppers/otiru_block.h"
#include "enemies/jumpers/semusi.h"
#include "enemies/model/boss_common.h"
#include "enemies/model/boss_phases.h"
#include "enemies/model/pool_slots.h"
#include "engine/graphics.h"

namespace {
constexpr int32_t kStopX = 580;
constexpr int32_t kQuakeFrames = 30;
constexpr int32_t kSummonFrames = 75;
constexpr int32_t kActAt = 10;  // the attack's frame that shakes or calls
constexpr int32_t kStampSound = 12;
constexpr int32_t kBlocksPerQuake = 3;

// The body by frame: size, then shifted left and up.
struct Pose {
    int32_t w, h, left, up;
};
// clang-format off
constexpr Pose kPoses[] = {
    {40, 128,  0, 2}, {50, 126,  4, 0}, {60, 126, 14, 0}, {72, 126, 26, 0},
    {58, 126,  0, 0}, {54, 128, 10, 0}, {88, 126, 28, 2},
};
// clang-format on
constexpr int32_t kPoseCount = sizeof(kPoses) / sizeof(kPoses[0]);
}  // namespace

void BossHuranken::Update() {
    boss::ChainWakeAfterPause(dormant, counter, g_bossMiira[0].IsDead() != 0);
    if (!boss::Preamble(dead, dormant, firstWake)) return;
    Move();
    boss::CheckHit(Body(), hp, hitLatch, dead);
    enemy::TouchHero(Body(), 4);
    boss::DrawTail(dead, [this] { g_graphics.DrawHuranken(x, y, frame); });
}

void BossHuranken::Move() {
    if (boss::WalkIn(x, counter, frame, kStopX, 5)) return;
    if (quaking != 0) {
        Quake();
    } else if (summoning != 0) {
        Summon();
    } else if (GameRand() % 2 == 1) {
        quaking = 1;
    } else {
        summoning = 1;
    }
}

void BossHuranken::Quake() {
    boss::AttackTick(counter, quaking, kQuakeFrames);
    frame = counter < 5 ? 2 : (counter < 10 ? 3 : 4);
    if (counter != kActAt) return;
    enemy::PlaySoundAt(kStampSound, x);
    const int32_t set = enemy::AdvanceRotating(g_hurankenRockSet, 2);
    for (int32_t k = 0; k < kBlocksPerQuake; ++k)
        enemy::PoolWrite(g_enemyOtiruBlock, set * kBlocksPerQuake + k, EnemyOtiruBlock(GameRand() % 100 + 450, -30, 0));
}

void BossHuranken::Summon() {
    boss::AttackTick(counter, summoning, kSummonFrames);
    frame = counter < 5 ? 5 : (counter < 20 ? 6 : 4);
    if (counter == kActAt) enemy::ReleaseIntoFirstIdle(g_enemySemusi, [] { return EnemySemusi(555, 305, 0, 0); });
}

platform::Rect BossHuranken::Body() const {
    const Pose& p = kPoses[frame >= 0 && frame < kPoseCount ? frame : 0];
    return enemy::Box(x, y, -p.left, -p.up, p.w - p.left, p.h - p.up);
}

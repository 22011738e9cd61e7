#include "enemies/bosses/boss_g_bat.h"

#include "enemies/fliers/bat.h"
#include "enemies/model/boss_common.h"
#include "engine/graphics.h"

namespace {
constexpr int32_t kBeat = 10;  // frames of one wing beat
constexpr int32_t kRightEdge = 600;

int32_t NextRelease() { return GameRand() % 90 + 60; }
}  // namespace

BossGBat::BossGBat() : spawnTimer(NextRelease()) {}

void BossGBat::Update() {
    // It acts from the first frame: no wake test.
    if (!boss::Preamble(dead, 0, firstWake)) return;
    Move();
    CheckWeaponHit();
    enemy::TouchHero(Body(), 4);
    boss::DrawTail(dead, [this] { g_graphics.DrawGBat(x, y, counter >= kBeat / 2 ? 1 : 0); });
}

void BossGBat::Move() {
    // The wing beat jolts the body back and forth on top of the sweep.
    counter += 1;
    if (counter >= kBeat) {
        counter = 0;
        x -= 16;
        y += 1;
    }
    if (counter == kBeat / 2) {
        x += 16;
        y -= 1;
    }
    enemy::TurnAtBounds(x, 0, kRightEdge, dir);
    x += dir == 1 ? 9 : -9;

    spawnTimer -= 1;
    if (spawnTimer > 0) return;
    spawnTimer = NextRelease();
    ReleaseBat(x + 40, 0, kRightEdge);
}

platform::Rect BossGBat::Body() const {
    return counter < kBeat / 2 ? enemy::Box(x, y, 0, 0, 96, 44) : enemy::Box(x, y, 0, 0, 64, 46);
}

void BossGBat::CheckWeaponHit() {
    if (boss::CheckHit(Body(), hp, hitLatch, dead) == boss::Hit::kKilled) KillAllBats();
}

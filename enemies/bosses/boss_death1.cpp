#include "enemies/bosses/boss_death1.h"

#include "enemies/bosses/boss_gyai2.h"
#include "enemies/model/boss_common.h"
#include "enemies/model/sickle_release.h"
#include "engine/graphics.h"

namespace {
constexpr int32_t kRightWall = 516;
constexpr int32_t kGroundY = 285;
constexpr int32_t kLeapVy = -26;
constexpr int32_t kLeapSpeed = 10;
constexpr int32_t kWaitFrames = 20;
constexpr int32_t kTouchLevel = 3;
}  // namespace

void BossDeath1::Update() {
    boss::ChainWake(dormant, g_bossGyai2[0].IsDead() != 0);
    if (!boss::Preamble(dead, dormant, firstWake)) return;
    Move();
    CheckWeaponHit();
    enemy::TouchHero(enemy::Box(x, y, 0, 0, 124, 128), kTouchLevel);
    boss::DrawTail(dead, [this] { g_graphics.DrawDeath1(x, y, frame); });
}

void BossDeath1::Move() {
    // Twenty frames at a wall, then a leap to the other.
    if (counter <= kWaitFrames) counter += 1;
    if (counter > kWaitFrames) {
        x += frame == 1 ? -kLeapSpeed : kLeapSpeed;
        y += vy;
        vy += 1;
        if (frame == 1 && x < 0) Land(0, 0);
        if (frame == 0 && x > kRightWall) Land(kRightWall, 1);
    }
    boss::ReleaseSickle(tick);
}

void BossDeath1::Land(int32_t atX, int32_t nextFrame) {
    x = atX;
    vy = kLeapVy;
    frame = nextFrame;
    counter = 0;
    y = kGroundY;
}

void BossDeath1::CheckWeaponHit() {
    const platform::Rect box = frame == 1 ? enemy::Box(x, y, 54, 0, 124, 128) : enemy::Box(x, y, 0, 0, 70, 128);
    boss::CheckHit(box, hp, hitLatch, dead);
}

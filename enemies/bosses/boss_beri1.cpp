#include "enemies/bosses/boss_beri1.h"

#include "enemies/bosses/beri_fire.h"
#include "enemies/model/boss_common.h"
#include "enemies/model/rotating_slot.h"
#include "engine/graphics.h"

namespace {
constexpr int32_t kFloorY = 291;
constexpr int32_t kTopY = -120;
constexpr int32_t kFlightSpeed = 70;
constexpr int32_t kRightSide = 512;
constexpr int32_t kTouchLevel = 4;
}  // namespace

void BossBeri1::Update() {
    boss::WakeOnHeroX(dormant);
    if (!boss::Preamble(dead, dormant, firstWake)) return;
    Move();
    CheckWeaponHit();
    CheckPlayerTouch();
    boss::DrawTail(dead, [this] { g_graphics.DrawBeri1(x, y, frame); });
}

void BossBeri1::Move() {
    if (falling != 0)
        Fall();
    else if (rising != 0)
        Rise();
    else
        Stand();
}

void BossBeri1::Fall() {
    y += kFlightSpeed;
    if (y > kFloorY) {
        y = kFloorY;
        falling = 0;
        facing = enemy::HeroX() >= x ? 1 : 0;
    }
    frame = Base();
}

void BossBeri1::Rise() {
    y -= kFlightSpeed;
    if (y >= kTopY) return;
    rising = 0;
    falling = 1;
    frame = Base() + 1;
    x = x == kRightSide ? 0 : kRightSide;
}

void BossBeri1::Stand() {
    counter += 1;
    if (counter == 5) frame = Base() + 2;
    if (counter == 15) {
        const int32_t slot = enemy::NextRotatingSlot(g_beriFireSlot, 3);
        const EnemyBeriFire fire = facing == 1 ? EnemyBeriFire(164, 327, 0, 0) : EnemyBeriFire(476, 327, 1, 0);
        enemy::PoolWrite(g_enemyBeriFire, slot, fire);
    }
    if (counter >= 30) {
        counter = 0;
        frame = Base();
    }
}

platform::Rect BossBeri1::Body() const {
    // The flight pictures after a hit (1 and 4) keep the standing body of
    // their side, so the beast is neither a hole nor a new shape in the air.
    switch (frame) {
        case 2: return enemy::Box(x, y, 0, 2, 116, 122);
        case 3:
        case 4: return enemy::Box(x, y, 20, 0, 128, 122);
        case 5: return enemy::Box(x, y, 12, 2, 128, 122);
        default: return enemy::Box(x, y, 0, 0, 108, 122);
    }
}

void BossBeri1::CheckWeaponHit() {
    // It cannot be struck while it drops in.
    if (falling != 0) return;
    if (boss::CheckHit(Body(), hp, hitLatch, dead) != boss::Hit::kHurt) return;
    rising = 1;
    counter = 0;
    frame = Base() + 1;
}

void BossBeri1::CheckPlayerTouch() {
    if (frame == 2)
        enemy::TouchHero(Body(), enemy::Box(x, y, 116, 38, 192, 54), kTouchLevel);
    else if (frame == 5)
        enemy::TouchHero(Body(), enemy::Box(x, y, -64, 38, 12, 54), kTouchLevel);
    else
        enemy::TouchHero(Body(), kTouchLevel);
}

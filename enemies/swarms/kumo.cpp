#include "enemies/swarms/kumo.h"

#include "enemies/model/flight.h"
#include "engine/graphics.h"

namespace {
// It turns only on landing exactly on row 0 or row 360: its steps of 10 from
// row 0 meet both.
constexpr int32_t kTop = 0;
constexpr int32_t kBottom = 360;
}  // namespace

EnemyKumo::EnemyKumo(int32_t x_) : x(x_), goingDown(1), dormant(1), hp(3) {}

bool EnemyKumo::Awake() { return enemy::WakeOnce(dormant, enemy::HeroDistance(x) < 80); }

void EnemyKumo::DrawIdle() { g_graphics.DrawKumo(x, 0, 0); }

void EnemyKumo::Move() {
    counter = (counter + 1) % 6;
    frame = counter > 2 ? 1 : 0;
    y += goingDown == 1 ? 10 : -10;
    if (goingDown == 1 && y == kBottom) goingDown = 0;
    if (goingDown != 1 && y == kTop) goingDown = 1;
}

void EnemyKumo::CheckWeaponHit() {
    const platform::Rect box = frame == 0 ? enemy::Box(x, y, 0, 0, 28, 62) : enemy::Box(x, y, 8, 0, 36, 56);
    enemy::HitModelA(box, hp, hitLatch, dead);
}

void EnemyKumo::CheckPlayerTouch() {
    enemy::TouchHero(frame == 0 ? enemy::Box(x, y, 0, 0, 28, 62) : enemy::Box(x, y, 0, 0, 28, 56), 3);
}

void EnemyKumo::Draw() {
    g_graphics.DrawKumo(x, y, frame);
    g_graphics.DrawItoHalf(x + 14, y);
}

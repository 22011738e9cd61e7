#include "enemies/stage50/kyonsi.h"

#include "enemies/model/launching.h"
#include "engine/graphics.h"

namespace {
constexpr int32_t kWakeDistance = 694;
// The row it stands on; it needs no floor below it.
constexpr int32_t kGroundRow = 383;
constexpr int32_t kStandFrames = 10;
constexpr int32_t kHopVy = -20;
constexpr int32_t kHopStep = 7;
}  // namespace

EnemyKyonsi::EnemyKyonsi(int32_t x_) : x(x_), y(kGroundRow), frame(3), dormant(1) {}

bool EnemyKyonsi::Awake() { return enemy::WakeOnce(dormant, enemy::HeroDistance(x) < kWakeDistance); }

void EnemyKyonsi::Move() {
    enemy::LaunchAfterRest(x, jumping, counter, vy, dir, kStandFrames, kHopVy);
    if (jumping == 0) return;
    const int32_t base = dir == 1 ? 0 : 3;
    const bool rising = vy < 0;
    enemy::StepToward(x, dir, kHopStep);
    y += vy;
    vy += 1;
    frame = base + (rising ? 1 : 2);
    if (y <= kGroundRow) return;
    y = kGroundRow;
    jumping = 0;
    frame = base;
}

platform::Rect EnemyKyonsi::Body() const {
    return frame == 0 || frame == 3 ? enemy::Box(x, y, 0, 0, 48, 60) : enemy::Box(x, y, 0, 0, 54, 64);
}

void EnemyKyonsi::CheckWeaponHit() { enemy::HitModelB(Body(), dead); }

void EnemyKyonsi::CheckPlayerTouch() { enemy::TouchHero(Body(), 2); }

void EnemyKyonsi::Draw() { g_graphics.DrawKyonsi(x, y, frame); }

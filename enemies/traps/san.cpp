#include "enemies/traps/san.h"

#include "enemies/model/patrol.h"
#include "engine/graphics.h"

namespace {
constexpr int64_t kReach = 700;
constexpr int32_t kFallFrom = 15;  // frames of gathering before it drops
constexpr int32_t kHidden = -5;    // frames hidden after a splash
constexpr int32_t kSplashSound = 9;
// Where each drawn drop hangs against the last: over a cycle they add to 0.
constexpr int32_t kGatherShift = 10;
constexpr int32_t kDropShift = -2;
constexpr int32_t kSplashShift = -8;
static_assert(kGatherShift + kDropShift + kSplashShift == 0);
}  // namespace

EnemySan::EnemySan(int32_t x_, int32_t y_, int32_t floorY_) : x(x_), y(y_), floorY(floorY_), startY(y_) {}

bool EnemySan::Fall() {
    if (!enemy::FallPast(y, vy, 1, floorY)) return false;
    enemy::PlaySoundAt(kSplashSound, x);
    vy = 0;
    counter = kHidden;
    x += kSplashShift;
    y = startY;
    return true;
}

void EnemySan::Update() {
    if (enemy::HeroDistance(x) > kReach) return;
    counter += 1;
    if (counter < 0) return;
    if (counter < kFallFrom) {
        if (counter == 10) x += kGatherShift;
        g_graphics.DrawSan(x, y, counter / 5);
        return;
    }
    if (counter == kFallFrom) x += kDropShift;
    if (Fall()) return;
    enemy::TouchHero(enemy::Box(x, y, 0, 0, 16, 16), 3);
    g_graphics.DrawSan(x, y, 3);
}

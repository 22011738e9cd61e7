#include "enemies/bosses/kama.h"

#include <algorithm>

#include "enemies/model/shots.h"
#include "engine/graphics.h"

namespace {
constexpr int32_t kTurn = 32;
constexpr int32_t kAimAt = 10;
constexpr int32_t kMaxSpeed = 3;
constexpr int32_t kGoneX = 684;
// clang-format off
constexpr int32_t kW[8] = {36, 44, 40, 38, 36, 44, 40, 38};
constexpr int32_t kH[8] = {40, 38, 36, 44, 40, 38, 36, 44};
// clang-format on

int32_t Drift(int64_t d) { return static_cast<int32_t>(std::clamp<int64_t>(d / 15, -kMaxSpeed, kMaxSpeed)); }
}  // namespace

EnemyKama::EnemyKama(int32_t x_, int32_t y_, int32_t dead_) : x(x_), y(y_), dead(dead_) {}

void EnemyKama::Move() {
    x += vx;
    y += vy;
    counter = counter < 0 ? 0 : counter + 1;
    if (counter >= kTurn) {
        counter = 0;
        vx = 0;
        vy = 0;
    }
    if (counter == kAimAt) {
        vx = Drift(enemy::HeroDX(x) + 10);
        vy = Drift(enemy::HeroDY(y) + 20);
    }
    frame = counter / 4;
    if (std::abs(static_cast<int64_t>(x)) > kGoneX) dead = 1;
}

platform::Rect EnemyKama::Body() const {
    const int32_t f = std::clamp(frame, 0, 7);
    return enemy::Box(x, y, 0, 0, kW[f], kH[f]);
}

void EnemyKama::CheckWeaponHit() { enemy::HitModelB(Body(), dead); }

void EnemyKama::CheckPlayerTouch() { enemy::TouchHero(Body(), 3); }

void EnemyKama::Draw() { g_graphics.DrawKama(x, y, frame); }

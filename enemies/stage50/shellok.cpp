#include "enemies/stage50/shellok.h"

#include "enemies/model/shots.h"
#include "engine/graphics.h"

namespace {
constexpr int32_t kWakeBehind = 700;
constexpr int32_t kSpeed = 11;
constexpr int32_t kStrides = 10;
// From this count on it is in its second, stretched pose.
constexpr int32_t kStretchFrom = 6;
constexpr int32_t kGoneX = 5760;
// Its sprite's rows.
constexpr int32_t kTop = 349;
constexpr int32_t kBottom = 387;
}  // namespace

EnemyShellok::EnemyShellok(int32_t x_) : x(x_), dormant(1) {}

bool EnemyShellok::Awake() { return enemy::WakeOnce(dormant, enemy::HeroDX(x) > kWakeBehind); }

void EnemyShellok::Move() {
    counter = (counter + 1) % kStrides;
    x += kSpeed;
    if (x > kGoneX) dead = 1;
}

void EnemyShellok::CheckPlayerTouch() {
    const int32_t left = counter < kStretchFrom ? x + 6 : x;
    enemy::TouchHero(platform::Rect{left, kTop, x + 66, kBottom}, 2);
}

void EnemyShellok::Draw() { g_graphics.DrawShellok(x, counter >= kStretchFrom ? 1 : 0); }

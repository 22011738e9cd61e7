#include "enemies/stage50/sauji.h"

#include "enemies/stage50/ringo.h"
#include "engine/graphics.h"

namespace {
// Its sprite's row; the draw keeps it there whatever y holds.
constexpr int32_t kRow = 50;
// counter runs 10 .. 19 while it flies; a hover sets it to 0 and it flies on
// at 10, dropping its apple on the way at 5.
constexpr int32_t kFlyFrom = 10;
constexpr int32_t kCycleEnd = 20;
constexpr int32_t kDropAt = 5;
constexpr int32_t kSpeed = 7;
// The right end of its beat: the street's end less its own width.
constexpr int32_t kTurnRight = 5696;
constexpr int32_t kOverHero = 50;
constexpr int32_t kFramesOverHero = 20;
}  // namespace

EnemySauji::EnemySauji(int32_t x_, int32_t appleSlot_)
    : x(x_), y(kRow), frame(3), counter(kFlyFrom), appleSlot(appleSlot_) {}

void EnemySauji::Move() {
    counter += 1;
    if (counter >= kCycleEnd) counter = kFlyFrom;
    if (counter == kDropAt) enemy::PoolWrite(g_enemyRingo, appleSlot, EnemyRingo(x + 32, 0));
    if (counter >= kFlyFrom) Fly();
}

void EnemySauji::Fly() {
    if (dir == 1) {
        x += kSpeed;
        if (x > kTurnRight) dir = 0;
        frame = counter > 15 ? 1 : 0;
    } else {
        x -= kSpeed;
        if (x < 0) dir = 1;
        frame = counter < 16 ? 3 : 4;
    }
    if (enemy::HeroDistance(x) >= kOverHero) return;
    waitCounter += 1;
    if (waitCounter < kFramesOverHero) return;
    waitCounter = 0;
    counter = 0;
    frame = dir == 1 ? 2 : 5;
}

void EnemySauji::Draw() { g_graphics.DrawSauji(x, frame); }

#include "enemies/traps/syanderia.h"

#include "enemies/model/patrol.h"
#include "engine/graphics.h"

namespace {
// The hero's x span under it in which it may let go, one chance in 20 a frame.
constexpr int32_t kUnderFrom = -29;
constexpr int32_t kUnderTo = 149;
constexpr int32_t kChance = 20;
}  // namespace

EnemySyanderia::EnemySyanderia(int32_t x_, int32_t y_, int32_t stopY_) : x(x_), y(y_), stopY(stopY_) {}

void EnemySyanderia::Update() {
    if (falling != 0) {
        if (enemy::FallPast(y, vy, 1, stopY)) {
            y = stopY;
            falling = 0;
            frame = 1;
        }
    } else {
        const int64_t d = enemy::HeroX() - static_cast<int64_t>(x);
        if (d >= kUnderFrom && d <= kUnderTo && y <= stopY && GameRand() % kChance == kChance - 1) {
            falling = 1;
            vy = 0;
        }
    }
    if (frame != 1) enemy::TouchHero(enemy::Box(x, y, 0, 0, 120, 64), 4);
    g_graphics.DrawSyanderia(x, y, frame);
}

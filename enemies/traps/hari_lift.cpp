#include "enemies/traps/hari_lift.h"

#include "enemies/model/patrol.h"
#include "engine/graphics.h"

namespace {
constexpr int32_t kClimb = -3;
}  // namespace

EnemyHariLift::EnemyHariLift(int32_t x_, int32_t y_, int32_t lowY_) : x(x_), y(y_), lowY(lowY_), topY(y_), down(1) {}

void EnemyHariLift::Update() {
    if (down != 0) {
        if (enemy::FallPast(y, vy, 1, lowY)) {
            down = 0;
            vy = kClimb;
        }
    } else {
        y += vy;
        if (y < topY) {
            down = 1;
            vy = 0;
        }
    }
    enemy::TouchHero(enemy::Box(x, y, 0, 0, 64, 58), 4);
    g_graphics.DrawHariLift(x, y);
}

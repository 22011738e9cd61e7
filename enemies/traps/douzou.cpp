#include "enemies/traps/douzou.h"

#include "engine/graphics.h"

namespace {
constexpr int64_t kReach = 69;
constexpr int32_t kSteps = 24;
constexpr int32_t kPerFrame = 6;  // steps per drawn frame
// Its body at each drawn frame of the fall, relative to its top left.
constexpr int32_t kW[4] = {64, 63, 68, 68};
constexpr int32_t kH[4] = {149, 112, 73, 48};
}  // namespace

EnemyDouzou::EnemyDouzou(int32_t x_, int32_t y_) : x(x_), y(y_) {}

void EnemyDouzou::Update() {
    if (step >= kSteps) return;
    if (enemy::HeroDistance(x) <= kReach) triggered = 1;
    if (triggered != 0) {
        step += 1;
        if (step == 6) y += 37;
        if (step == 12) y += 39;
        if (step == 18) y += 25;
        // The step that ends the fall leaves nothing to touch or draw.
        if (step >= kSteps) return;
        const int32_t f = step / kPerFrame;
        enemy::TouchHero(enemy::Box(x, y, 0, 0, kW[f], kH[f]), 4);
    }
    g_graphics.DrawDouzou(x, y, step / kPerFrame);
}

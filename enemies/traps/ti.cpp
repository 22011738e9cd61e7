#include "enemies/traps/ti.h"

#include "enemies/model/patrol.h"
#include "engine/graphics.h"

namespace {
constexpr int32_t kSplashAt = -15;  // the splash shows 5 frames, then 10 dry ones
constexpr int32_t kSplashUntil = -11;
constexpr int32_t kSplashShift = 18;  // the splash is drawn this far left of the drip
}  // namespace

EnemyTi::EnemyTi(int32_t x_, int32_t y_, int32_t floorY_) : x(x_), y(y_), floorY(floorY_), startY(y_) {}

void EnemyTi::TouchAndDraw() {
    const platform::Rect box = frame == 1 ? enemy::Box(x, y, 0, 0, 38, 30) : enemy::Box(x, y, 0, 0, 10, 14);
    enemy::TouchHero(box, 3);
    g_graphics.DrawTi(x, y, frame);
}

void EnemyTi::Update() {
    counter += 1;
    if (counter > 0) {
        frame = 0;
        if (enemy::FallPast(y, vy, 2, floorY)) {
            vy = 0;
            counter = kSplashAt;
            x -= kSplashShift;
            y = floorY;
            frame = 1;
        }
        TouchAndDraw();
    } else if (counter == 0) {
        x += kSplashShift;
        y = startY;
    } else if (counter > kSplashAt && counter <= kSplashUntil) {
        TouchAndDraw();
    }
}

#include "enemies/champions/lightning.h"

#include "engine/graphics.h"

namespace {
constexpr int32_t kStep = 4;
constexpr int32_t kFanFrames = 40;
constexpr int32_t kLoopEnd = 50;  // back to 40: it keeps homing
}  // namespace

EnemyLightning::EnemyLightning(int32_t x_, int32_t y_, int32_t vy_, int32_t dead_)
    : x(x_), y(y_), vy(vy_), dead(dead_) {}

void EnemyLightning::Move() {
    x += x < enemy::HeroX() ? kStep : -kStep;
    if (counter < kFanFrames) {
        y += vy;
    } else {
        y += enemy::HeroY() > y ? kStep : -kStep;
    }
    counter += 1;
    if (counter >= kLoopEnd) counter = kFanFrames;
    frame = counter % 10 > 5 ? 1 : 0;
}

platform::Rect EnemyLightning::Body() const { return enemy::Box(x, y, 0, 0, 24 + 4 * frame, 28 + 4 * frame); }

void EnemyLightning::CheckWeaponHit() { enemy::HitModelB(Body(), dead); }

void EnemyLightning::CheckPlayerTouch() { enemy::TouchHero(Body(), 3); }

void EnemyLightning::Draw() { g_graphics.DrawLightning(x, y, frame); }

#include "enemies/fliers/bat.h"

#include "enemies/model/flight.h"
#include "engine/graphics.h"

namespace {

constexpr int32_t kTop = 50;
constexpr int32_t kBottom = 430;

// Keeps a speed for a random while, then draws a new one.
void Flutter(int32_t& speed, int32_t& timer) {
    static constexpr int32_t kSpeeds[10] = {-10, -8, -6, -4, -2, 2, 4, 6, 8, 10};
    timer -= 1;
    if (timer > 0) return;
    timer = GameRand() % 50 + 5;
    speed = kSpeeds[GameRand() % 10];
}

}  // namespace

EnemyBat::EnemyBat(int32_t x_, int32_t y_, int32_t maxX_, int32_t dead_)
    : x(x_), y(y_), maxX(maxX_), vxTimer(1), vyTimer(1), dead(dead_) {}

void EnemyBat::Move() {
    counter = (counter + 1) % 10;
    Flutter(vx, vxTimer);
    Flutter(vy, vyTimer);
    x = enemy::StepClamped(x, vx, 0, maxX);
    y = enemy::StepClamped(y, vy, kTop, kBottom);
}

platform::Rect EnemyBat::Body() const {
    return counter < 6 ? enemy::Box(x, y, 0, 0, 48, 26) : enemy::Box(x, y, 0, 0, 44, 30);
}

void EnemyBat::CheckWeaponHit() { enemy::HitModelB(Body(), dead); }

void EnemyBat::CheckPlayerTouch() { enemy::TouchHero(Body(), 2); }

void EnemyBat::Draw() { g_graphics.DrawBat(x, y, counter > 5 ? 1 : 0); }

bool ReleaseBat(int32_t x, int32_t y, int32_t maxX) {
    for (EnemyBat& bat : g_enemyBat) {
        if (bat.dead == 0) continue;
        bat = EnemyBat(x, y, maxX, 0);
        return true;
    }
    return false;
}

void KillAllBats() {
    for (EnemyBat& bat : g_enemyBat) bat.dead = 1;
}

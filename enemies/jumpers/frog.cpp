#include "enemies/jumpers/frog.h"

#include "enemies/model/hopping.h"
#include "engine/graphics.h"

namespace {
// A frog that has missed every floor is gone once it reaches this row.
constexpr int32_t kLostRow = 677;
constexpr int32_t kProbe = 16;
}  // namespace

EnemyFrog::EnemyFrog(int32_t x_, int32_t y_, int32_t frame_) : x(x_), y(y_), frame(frame_) {}

void EnemyFrog::Move() {
    if (jumping == 0) {
        if (enemy::Rested(counter, 10)) {
            jumping = 1;
            vy = -3 - GameRand() % 20;
            frame += 1;
        }
        return;
    }
    enemy::Fall(y, vy, 1);
    if (y >= kLostRow) {
        dead = 1;
        return;
    }
    x += frame < 3 ? 10 : -10;
    if (enemy::Land(x, y, kProbe, kProbe)) {
        jumping = 0;
        counter = 0;
        frame = enemy::HeroOnLeftOf(x) ? 3 : 0;
    } else if (frame % 3 == 1 && vy > 0) {
        frame += 1;
    }
}

platform::Rect EnemyFrog::Body() const {
    switch (frame % 3) {
    case 0: return enemy::Box(x, y, 0, 0, 28, 16);
    case 1: return enemy::Box(x, y, 0, 0, 34, 28);
    default: return enemy::Box(x, y, 0, 0, 32, 36);
    }
}

void EnemyFrog::CheckWeaponHit() { enemy::HitModelB(Body(), dead); }

void EnemyFrog::CheckPlayerTouch() { enemy::TouchHero(Body(), 2); }

void EnemyFrog::Draw() { g_graphics.DrawFrog(x, y, frame); }

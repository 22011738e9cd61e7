#include "enemies/walkers/hyou.h"

#include "engine/graphics.h"

// Frames 0 to 2 run right, 3 to 5 left.
EnemyHyou::EnemyHyou(int32_t x_, int32_t y_, int32_t frame_, int32_t left_, int32_t right_)
    : x(x_), y(y_), frame(frame_), left(left_), right(right_) {}

void EnemyHyou::Move() {
    if (x < left && frame > 2)
        frame = 0;
    else if (x > right && frame < 3)
        frame = 3;
    counter = (counter + 1) % 15;
    const bool leftward = frame > 2;
    frame = (leftward ? 3 : 0) + counter / 5;
    x += leftward ? -11 : 11;
}

platform::Rect EnemyHyou::Body() const {
    switch (frame % 3) {
        case 0: return enemy::Box(x, y, 0, 0, 56, 32);
        case 1: return enemy::Box(x, y, 0, 0, 60, 32);
        default: return enemy::Box(x, y, 0, 0, 64, 26);
    }
}

void EnemyHyou::CheckWeaponHit() { enemy::HitModelB(Body(), dead); }

void EnemyHyou::CheckPlayerTouch() { enemy::TouchHero(Body(), 3); }

void EnemyHyou::Draw() { g_graphics.DrawHyou(x, y, frame); }

#include "enemies/walkers/slarge.h"

#include "engine/graphics.h"

// Frames 0 and 1 move right, 2 and 3 left; the odd frame of each pair is the
// second half of a ten-frame step.
EnemySLarge::EnemySLarge(int32_t x_, int32_t y_, int32_t frame_, int32_t left_, int32_t right_)
    : x(x_), y(y_), hp(8), frame(frame_), left(left_), right(right_) {}

void EnemySLarge::Move() {
    counter += 1;
    if (counter == 10) {
        counter = 0;
        if (frame % 2 == 1) frame -= 1;
    }
    if (x < left && frame > 1) {
        frame = 0;
        counter = 0;
    } else if (x > right && frame < 2) {
        frame = 2;
        counter = 0;
    }
    if (frame % 2 == 0 && counter % 10 > 5) frame += 1;
    x += frame < 2 ? 4 : -4;
}

platform::Rect EnemySLarge::Body() const {
    return frame % 2 == 0 ? enemy::Box(x, y, 0, 0, 58, 30) : enemy::Box(x, y, 0, 0, 48, 34);
}

void EnemySLarge::CheckWeaponHit() { enemy::HitModelA(Body(), hp, hitLatch, dead); }

void EnemySLarge::CheckPlayerTouch() { enemy::TouchHero(Body(), 3); }

void EnemySLarge::Draw() { g_graphics.DrawSLarge(x, y, frame); }

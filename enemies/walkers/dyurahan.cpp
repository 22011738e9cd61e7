#include "enemies/walkers/dyurahan.h"

#include "engine/graphics.h"

namespace {
constexpr int32_t kCloseReach = 99;  // lingering this near counts toward a swing
constexpr int32_t kCloseFrames = 20;
constexpr int32_t kSwingFrames = 20;
}  // namespace

// Frames 0 and 1 walk right, 2 swings right, 3 and 4 walk left, 5 swings left.
EnemyDyurahan::EnemyDyurahan(int32_t x_, int32_t y_, int32_t facing_)
    : x(x_), y(y_), hp(4), frame(facing_ == 1 ? 0 : 3), facing(facing_) {}

void EnemyDyurahan::Move() {
    if (!Attacking() && enemy::HeroDistance(x) <= kCloseReach) {
        closeCount += 1;
        if (closeCount >= kCloseFrames) {
            frame = facing == 1 ? 2 : 5;
            counter = 0;
            closeCount = 0;
            return;
        }
    }
    if (!Attacking()) {
        counter = (counter + 1) % 10;
        if (enemy::HeroX() + 16 >= x) {
            facing = 1;
            x += 4;
            frame = counter > 5 ? 1 : 0;
        } else {
            facing = 0;
            x -= 4;
            frame = counter < 6 ? 3 : 4;
        }
        return;
    }
    counter += 1;
    if (counter >= kSwingFrames) {
        frame = frame == 2 ? 0 : 3;
        counter = 0;
    }
}

void EnemyDyurahan::CheckWeaponHit() {
    platform::Rect box;
    switch (frame % 3) {
        case 0: box = enemy::Box(x, y, 0, 0, 54, 54); break;
        case 1: box = enemy::Box(x, y, 0, 0, 51, 51); break;
        default: box = enemy::Box(x, y, 0, 0, 71, 128); break;
    }
    enemy::HitModelA(box, hp, hitLatch, dead);
}

// Swinging, the body and the blade hurt, once a frame whichever touches.
void EnemyDyurahan::CheckPlayerTouch() {
    if (frame == 2)
        enemy::TouchHero(enemy::Box(x, y, 0, 0, 67, 60), enemy::Box(x, y, 67, 3, 128, 10), 4);
    else if (frame == 5)
        enemy::TouchHero(enemy::Box(x, y, -14, 0, 54, 60), enemy::Box(x, y, -74, 3, -14, 10), 4);
    else
        enemy::TouchHero(enemy::Box(x, y, 0, 0, 36, 96), 4);
}

void EnemyDyurahan::Draw() { g_graphics.DrawDyurahan(x, y, frame); }

#include "enemies/walkers/red.h"

#include "engine/graphics.h"

namespace {
constexpr int32_t kFallFrames = 5;
constexpr int32_t kDownFrames = 85;  // from the knock to walking again
constexpr int32_t kLyingFrames = 80;
}  // namespace

EnemyRed::EnemyRed(int32_t x_, int32_t y_, int32_t facing_, int32_t left_, int32_t right_)
    : x(x_), y(y_), frame(facing_ == 1 ? 0 : 4), facing(facing_), right(right_), left(left_) {}

platform::Rect EnemyRed::Body() const {
    return frame % 4 == 0 ? enemy::Box(x, y, 0, 0, 34, 96) : enemy::Box(x, y, 0, 0, 32, 92);
}

void EnemyRed::Update() {
    if (frame == 2 || frame == 6) {
        counter += 1;
        if (counter == kFallFrames) frame += 1;
        if (counter == kDownFrames) {
            frame -= 2;
            counter = 0;
        }
    } else if (frame == 3 || frame == 7) {
        counter += 1;
        if (counter == kLyingFrames) frame -= 1;
    } else {
        Move();
        const platform::Rect box = Body();
        if (enemy::WeaponOverlaps(box)) {
            frame = facing == 1 ? 2 : 6;
            counter = 0;
        }
        enemy::TouchHero(box, 3);
    }
    Draw();
}

void EnemyRed::Move() {
    if (enemy::HeroX() <= x) {
        facing = 0;
        if (left < x) x -= 3;
    } else {
        facing = 1;
        if (right > x) x += 3;
    }
    counter = (counter + 1) % 10;
    frame = (counter > 5 ? 1 : 0) + (facing == 1 ? 0 : 4);
}

void EnemyRed::Draw() { g_graphics.DrawRed(x, y, frame); }

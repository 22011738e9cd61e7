#include "enemies/fliers/wasi.h"

#include "engine/graphics.h"

namespace {
constexpr int32_t kCruisingBelow = 51;
constexpr int32_t kDiveReach = 200;
}  // namespace

EnemyWasi::EnemyWasi(int32_t x_, int32_t facing_, int32_t left_, int32_t right_)
    : x(x_), y(50), frame(facing_ == 1 ? 0 : 2), hp(2), facing(facing_), left(left_), right(right_) {}

void EnemyWasi::Move() {
    const int32_t dx = facing == 1 ? 6 : -6;
    const int32_t base = facing == 1 ? 0 : 3;  // the dive frame of this facing
    if (Diving()) {
        if (y >= enemy::HeroY()) {
            frame = base + 1;
            counter = 0;
        } else {
            y += 15;
            x += dx;
        }
        return;
    }
    if (y < kCruisingBelow) {
        if (enemy::HeroDistance(x) < kDiveReach) {
            frame = base;
            return;
        }
        counter = (counter + 1) % 12;
        x += dx;
        frame = base + 1 + (counter < 6 ? 0 : 1);
        enemy::TurnAtBounds(x, left, right, facing);
        return;
    }
    counter = (counter + 1) % 12;
    x += dx;
    y -= 6;
    frame = base + 1 + (counter >= 6 ? 1 : 0);
}

platform::Rect EnemyWasi::Body() const {
    static constexpr int32_t kHeight[3] = {32, 48, 56};
    return enemy::Box(x, y, 0, 0, 32, kHeight[frame % 3]);
}

void EnemyWasi::CheckWeaponHit() { enemy::HitModelA(Body(), hp, hitLatch, dead); }

void EnemyWasi::CheckPlayerTouch() { enemy::TouchHero(Body(), 2); }

void EnemyWasi::Draw() { g_graphics.DrawWasi(x, y, frame); }

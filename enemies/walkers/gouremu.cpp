#include "enemies/walkers/gouremu.h"

#include "engine/graphics.h"

EnemyGouremu::EnemyGouremu(int32_t x_, int32_t y_, int32_t facing_)
    : x(x_), y(y_), hp(20), frame(facing_ > 0 ? 1 : 3), facing(facing_) {}

void EnemyGouremu::Move() {
    counter = (counter + 1) % 20;
    const int32_t hx = enemy::HeroX();
    if (hx > x && facing != 1) {
        facing = 1;
        counter = 0;
    } else if (hx < x && facing == 1) {
        facing = 0;
        counter = 0;
    }
    frame = (facing == 1 ? 0 : 2) + (counter >= 11 ? 1 : 0);
    x += facing == 1 ? 1 : -1;
}

platform::Rect EnemyGouremu::Body() const {
    return frame % 2 == 0 ? enemy::Box(x, y, 0, 0, 75, 94) : enemy::Box(x, y, 0, 0, 70, 94);
}

void EnemyGouremu::CheckWeaponHit() { enemy::HitModelA(Body(), hp, hitLatch, dead); }

void EnemyGouremu::CheckPlayerTouch() { enemy::TouchHero(Body(), 3); }

void EnemyGouremu::Draw() { g_graphics.DrawGouremu(x, y, frame); }

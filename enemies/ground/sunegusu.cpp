#include "enemies/ground/sunegusu.h"

#include "enemies/model/hopping.h"
#include "engine/graphics.h"

EnemySunegusu::EnemySunegusu(int32_t x_, int32_t y_) : x(x_), y(y_), hp(2), falling(1), dormant(1) {}

// Only a hero below it, within 50 pixels on x, shakes it loose.
bool EnemySunegusu::Awake() { return enemy::WakeOnce(dormant, enemy::HeroDistance(x) < 50 && y < enemy::HeroY()); }

void EnemySunegusu::Move() {
    if (falling != 0) {
        // One that misses every floor is gone for good.
        if (enemy::InAbyss(y)) {
            dead = 1;
            return;
        }
        if (enemy::FallAndLand(x, y, vy, 1, 30)) falling = 0;
        return;
    }
    counter = (counter + 1) % 15;
    x += enemy::HeroX() > x ? 3 : -3;
    frame = 1 + counter / 5;
}

platform::Rect EnemySunegusu::Body() const { return enemy::Box(x, y, 0, 0, 64, frame < 2 ? 28 : 32); }

void EnemySunegusu::CheckWeaponHit() { enemy::HitModelA(Body(), hp, hitLatch, dead); }

void EnemySunegusu::CheckPlayerTouch() { enemy::TouchHero(Body(), 3); }

void EnemySunegusu::Draw() { g_graphics.DrawSunegusu(x, y, frame); }

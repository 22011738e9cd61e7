#include "enemies/walkers/ghost.h"

#include "engine/graphics.h"

EnemyGhost::EnemyGhost(int32_t x_, int32_t y_, int32_t) : x(x_), y(y_), hp(3) {}

void EnemyGhost::Move() {
    counter = (counter + 1) % 10;
    if (enemy::HeroX() + 16 >= x) {
        x += 2;
        frame = counter / 5;
    } else {
        x -= 2;
        frame = counter / 5 + 2;
    }
}

void EnemyGhost::CheckWeaponHit() { enemy::HitModelA(enemy::Box(x, y, 0, 0, 32, 32), hp, hitLatch, dead); }

void EnemyGhost::CheckPlayerTouch() { enemy::TouchHero(enemy::Box(x, y, 0, 0, 32, 32), 2); }

void EnemyGhost::Draw() { g_graphics.DrawGhost(x, y, frame); }

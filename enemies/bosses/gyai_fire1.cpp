#include "enemies/bosses/gyai_fire1.h"

#include "engine/graphics.h"

EnemyGyaiFire1::EnemyGyaiFire1(int32_t dead_) : dead(dead_) {}

void EnemyGyaiFire1::Move() {
    if (x < -22) {
        dead = 1;
        return;
    }
    x -= 12;
    y += 2;
}

void EnemyGyaiFire1::CheckWeaponHit() { enemy::HitModelB(enemy::Box(x, y, 0, 0, 22, 10), dead); }

void EnemyGyaiFire1::CheckPlayerTouch() { enemy::TouchHero(enemy::Box(x, y, 0, 0, 22, 10), 3); }

void EnemyGyaiFire1::Draw() { g_graphics.DrawGyaiFire1(x, y); }

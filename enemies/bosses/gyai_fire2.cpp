#include "enemies/bosses/gyai_fire2.h"

#include "engine/graphics.h"

EnemyGyaiFire2::EnemyGyaiFire2(int32_t x_, int32_t y_, int32_t vx_, int32_t vy_, int32_t dead_)
    : x(x_), y(y_), vx(vx_), vy(vy_), dead(dead_) {}

// The giant always spits it leftward, so the left edge is the only end it needs.
void EnemyGyaiFire2::Move() {
    if (x < -22) {
        dead = 1;
        return;
    }
    x += vx;
    y += vy;
}

void EnemyGyaiFire2::CheckWeaponHit() { enemy::HitModelB(enemy::Box(x, y, 0, 0, 16, 16), dead); }

void EnemyGyaiFire2::CheckPlayerTouch() { enemy::TouchHero(enemy::Box(x, y, 0, 0, 16, 16), 3); }

void EnemyGyaiFire2::Draw() { g_graphics.DrawGyaiFire2(x, y); }

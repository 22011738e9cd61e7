#include "enemies/hazards/fire_b.h"

#include <cstdlib>

#include "engine/graphics.h"

EnemyFireB::EnemyFireB(int32_t x_, int32_t y_, int32_t leftward_, int32_t dead_)
    : x(x_), y(y_), leftward(leftward_), dead(dead_) {}

void EnemyFireB::Move() {
    x += leftward == 1 ? -30 : 30;
    if (std::abs(x) > 700) dead = 1;
}

void EnemyFireB::CheckPlayerTouch() { enemy::TouchHero(enemy::Box(x, y, 0, 0, 54, 34), 4); }

void EnemyFireB::Draw() { g_graphics.DrawFireB(x, y, leftward); }

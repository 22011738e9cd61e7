#include "enemies/bosses/kokuen.h"

#include "engine/graphics.h"

EnemyKokuen::EnemyKokuen(int32_t x_, int32_t y_, int32_t dir_, int32_t dead_) : x(x_), y(y_), dir(dir_), dead(dead_) {}

void EnemyKokuen::Move() {
    counter = (counter + 1) % 12;
    x += dir == 1 ? 12 : -12;
    if (x > 702 || x < -702) dead = 1;
}

void EnemyKokuen::CheckPlayerTouch() { enemy::TouchHero(enemy::Box(x, y, 0, 4, 62, 62), 6); }

void EnemyKokuen::Draw() { g_graphics.DrawKokuen(x, y, counter / 3); }

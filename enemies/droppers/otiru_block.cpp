#include "enemies/droppers/otiru_block.h"

#include "engine/graphics.h"

EnemyOtiruBlock::EnemyOtiruBlock(int32_t x_, int32_t y_, int32_t dead_) : x(x_), y(y_), dead(dead_) {}

void EnemyOtiruBlock::Move() {
    if (y >= 507) {
        dead = 1;
        return;
    }
    y += vy;
    ++vy;
}

void EnemyOtiruBlock::CheckPlayerTouch() { enemy::TouchHero(enemy::Box(x, y, 0, 0, 30, 26), 2); }

void EnemyOtiruBlock::Draw() { g_graphics.DrawOtiruBlock(x, y); }

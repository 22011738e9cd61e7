#pragma once

#include "enemies/model/kind.h"

// A hanging weight that drops on the hero; an unarmed one only hangs.
class EnemyFuriko {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t vy = 0;
    int32_t done = 0;
    int32_t armed = 0;
    int32_t falling = 0;

    EnemyFuriko() = default;
    EnemyFuriko(int32_t x, int32_t y, int32_t armed);
    // Runs until it has fallen out of play: it has no dead flag.
    void Update();

private:
    void Move();
};

inline EnemyFuriko g_enemyFuriko[3];

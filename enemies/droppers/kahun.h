#pragma once

#include "enemies/model/kind.h"

// A grain of pollen drifting straight down through every floor.
class EnemyKahun {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t counter = 0;
    int32_t dead = 1;

    ENEMY_RECORD(EnemyKahun)
    EnemyKahun(int32_t x, int32_t y, int32_t dead);
    void Move();
    void CheckPlayerTouch();
    void Draw();
};

inline EnemyKahun g_enemyKahun[20];

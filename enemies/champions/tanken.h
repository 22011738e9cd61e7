#pragma once

#include "enemies/model/kind.h"

// A thrown dagger flying level until it is far beyond the stage.
class EnemyTanken {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t leftward = 0;  // 1 flies left
    int32_t dead = 1;

    ENEMY_RECORD(EnemyTanken)
    EnemyTanken(int32_t x, int32_t y, int32_t leftward, int32_t dead);
    void Move();
    void CheckPlayerTouch();
    void Draw();
};

inline EnemyTanken g_enemyTanken[3];

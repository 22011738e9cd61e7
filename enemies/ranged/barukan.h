#pragma once

#include "enemies/model/kind.h"

// A gunner's bullet: fast, straight, and beyond the reach of any weapon.
class EnemyBarukan {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t leftward = 0;  // 1: flies left
    int32_t dead = 1;

    ENEMY_RECORD(EnemyBarukan)
    EnemyBarukan(int32_t x, int32_t y, int32_t leftward, int32_t dead);
    void Move();
    void CheckPlayerTouch();
    void Draw();
};

inline EnemyBarukan g_enemyBarukan[5];

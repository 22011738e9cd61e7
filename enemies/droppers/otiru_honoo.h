#pragma once

#include "enemies/model/kind.h"

// A flame dropped by the flying eye; it falls through every floor.
class EnemyOtiruHonoo {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t frame = 0;
    int32_t vy = 0;
    int32_t dead = 1;

    ENEMY_RECORD(EnemyOtiruHonoo)
    EnemyOtiruHonoo(int32_t x, int32_t y, int32_t frame, int32_t vy, int32_t dead);
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();
};

inline EnemyOtiruHonoo g_enemyOtiruHonoo[2];

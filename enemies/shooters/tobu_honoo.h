#pragma once

#include "enemies/model/kind.h"

// A flying flame: the pool that pillars, flowers, gargoyles and later
// fire-spitters shoot into. It flies straight through walls.
class EnemyTobuHonoo {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t facing = 0;  // 1: flies left
    int32_t speed = 0;
    int32_t dead = 1;

    ENEMY_RECORD(EnemyTobuHonoo)
    EnemyTobuHonoo(int32_t x, int32_t y, int32_t facing, int32_t speed, int32_t dead);
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();
};

inline EnemyTobuHonoo g_enemyTobuHonoo[12];

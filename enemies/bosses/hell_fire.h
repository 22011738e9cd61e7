#pragma once

#include "enemies/model/kind.h"

// A fireball the final boss's second form rolls along the floor.
class EnemyHellFire {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t dir = 0;  // 1: travelling left
    int32_t dead = 0;

    ENEMY_RECORD(EnemyHellFire)
    EnemyHellFire(int32_t x, int32_t y, int32_t dir, int32_t dead);
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();
};

inline EnemyHellFire g_enemyHellFire[3];

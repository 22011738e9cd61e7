#pragma once

#include "enemies/model/kind.h"

// A ghost that loops above and below one row, turning back at each crossing.
class EnemyYuurei {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t hp = 0;
    int32_t facing = 0;  // 1 moving left
    int32_t lower = 0;
    int32_t vy = 0;
    int32_t dead = 0;
    int32_t hitLatch = 0;
    int32_t dormant = 0;

    ENEMY_RECORD(EnemyYuurei)
    explicit EnemyYuurei(int32_t x);
    bool Awake();
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();
};

inline EnemyYuurei g_enemyYuurei[3];

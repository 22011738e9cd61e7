#pragma once

#include "enemies/model/kind.h"

// An old crone who stands where she is put and hurts only by touch.
class EnemyRouba {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t hp = 0;
    int32_t dead = 0;
    int32_t hitLatch = 0;

    ENEMY_RECORD(EnemyRouba)
    EnemyRouba(int32_t x, int32_t y);
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();
};

inline EnemyRouba g_enemyRouba[4];

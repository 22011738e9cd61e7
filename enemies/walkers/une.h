#pragma once

#include "enemies/model/kind.h"

// A lurker that never moves: hit points, and a light touch.
class EnemyUne {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t hp = 0;
    int32_t dead = 0;
    int32_t hitLatch = 0;

    ENEMY_RECORD(EnemyUne)
    EnemyUne(int32_t x, int32_t y);
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();
};

inline EnemyUne g_enemyUne[5];

#pragma once

#include "enemies/model/kind.h"

// A cloud of black smoke the final boss's second form sends across the
// arena. It cannot be hit.
class EnemyKokuen {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t counter = 0;
    int32_t dir = 0;  // 1: travelling right
    int32_t dead = 0;

    ENEMY_RECORD(EnemyKokuen)
    EnemyKokuen(int32_t x, int32_t y, int32_t dir, int32_t dead);
    void Move();
    void CheckPlayerTouch();
    void Draw();
};

inline EnemyKokuen g_enemyKokuen[2];

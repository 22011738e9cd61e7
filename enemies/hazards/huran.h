#pragma once

#include "enemies/model/kind.h"

// A hazard hanging at the top of the screen that drops as the hero comes
// near; it hurts only while it falls.
class EnemyHuran {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t vy = 0;
    int32_t dead = 0;
    int32_t falling = 0;

    ENEMY_RECORD(EnemyHuran)
    explicit EnemyHuran(int32_t x);
    void Move();
    void CheckPlayerTouch();
    void Draw();
};

inline EnemyHuran g_enemyHuran[7];

#pragma once

#include "enemies/model/hazard.h"
#include "enemies/model/kind.h"

// A spectral column rising through the screen from below, again and again.
class EnemySpecter {
public:
    int32_t x = 0;
    int32_t y = 0;

    HAZARD_RECORD(EnemySpecter)
    explicit EnemySpecter(int32_t x);
    void Move();
    void CheckPlayerTouch();
    void Draw();
};

inline EnemySpecter g_enemySpecter[10];

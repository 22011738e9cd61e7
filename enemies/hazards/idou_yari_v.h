#pragma once

#include "enemies/model/hazard.h"
#include "enemies/model/kind.h"

// A spear block that rises and sinks through the whole screen while it
// slides side to side.
class EnemyIdouYariV {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t right = 0;
    int32_t left = 0;
    int32_t goingRight = 0;
    int32_t goingDown = 0;

    HAZARD_RECORD(EnemyIdouYariV)
    EnemyIdouYariV(int32_t x, int32_t left, int32_t right);
    void Move();
    void CheckPlayerTouch();
    void Draw();
};

inline EnemyIdouYariV g_enemyIdouYariV[10];

#pragma once

#include "enemies/model/hazard.h"
#include "enemies/model/kind.h"

// A spear block sliding side to side between two bounds.
class EnemyIdouYari {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t right = 0;
    int32_t left = 0;
    int32_t goingRight = 0;

    HAZARD_RECORD(EnemyIdouYari)
    EnemyIdouYari(int32_t x, int32_t y, int32_t left, int32_t right);
    void Move();
    void CheckPlayerTouch();
    void Draw();
};

inline EnemyIdouYari g_enemyIdouYari[10];

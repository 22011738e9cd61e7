#pragma once

#include "enemies/model/hazard.h"
#include "enemies/model/kind.h"

// A spear hidden under the floor that shoots up once the hero comes near
// and stays above the screen after.
class EnemyYukaYari {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t dormant = 0;

    HAZARD_RECORD(EnemyYukaYari)
    explicit EnemyYukaYari(int32_t x);
    bool Awake();
    void Move();
    void CheckPlayerTouch();
    void Draw();
};

inline EnemyYukaYari g_enemyYukaYari[10];

#pragma once

#include "enemies/model/kind.h"

// A rock of the rain the giant raises when it lands.
class EnemyGyaiGanseki {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t dead = 0;
    int32_t vy = 0;

    ENEMY_RECORD(EnemyGyaiGanseki)
    EnemyGyaiGanseki(int32_t x, int32_t y, int32_t dead);
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();
};

inline EnemyGyaiGanseki g_enemyGyaiGanseki[10];

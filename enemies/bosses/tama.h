#pragma once

#include "enemies/model/kind.h"

// A ball that bounces about the whole screen until the weapon ends it.
class EnemyTama {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t goingRight = 0;
    int32_t goingDown = 0;
    int32_t dead = 0;

    ENEMY_RECORD(EnemyTama)
    // It starts high up, on its way up and to the left.
    EnemyTama(int32_t x, int32_t dead);
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();
};

inline EnemyTama g_enemyTama[5];

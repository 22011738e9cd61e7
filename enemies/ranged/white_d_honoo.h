#pragma once

#include "enemies/model/kind.h"

// A flame aimed at the hero from the chained spirit.
class EnemyWhiteDHonoo {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t vx = 0;
    int32_t vy = 0;
    int32_t counter = 0;
    int32_t dead = 1;

    ENEMY_RECORD(EnemyWhiteDHonoo)
    EnemyWhiteDHonoo(int32_t x, int32_t y, int32_t vx, int32_t vy, int32_t dead);
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();
};

inline EnemyWhiteDHonoo g_enemyWhiteDHonoo[3];

#pragma once

#include "enemies/model/kind.h"

// A barrel the ape throws: it hops out of the ape's hands, rolls along the
// floor and drops off its edges.
class EnemyTaru {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t vy = 0;
    int32_t dead = 1;
    int32_t counter = 0;
    int32_t vx = 0;

    ENEMY_RECORD(EnemyTaru)
    EnemyTaru(int32_t x, int32_t y, int32_t vx, int32_t dead);
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();
};

inline EnemyTaru g_enemyTaru[3];

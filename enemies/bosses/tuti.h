#pragma once

#include "enemies/model/kind.h"

// A clod of earth the stage-42 bull throws in volleys of five: it arcs up
// and falls out of the arena.
class EnemyTuti {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t dead = 1;
    int32_t vx = 0;
    int32_t vy = 0;
    int32_t dir = 0;  // 1: thrown to the right

    ENEMY_RECORD(EnemyTuti)
    EnemyTuti(int32_t x, int32_t y, int32_t dir, int32_t dead);
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();
};

inline EnemyTuti g_enemyTuti[10];

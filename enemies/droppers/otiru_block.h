#pragma once

#include "enemies/model/kind.h"

// A block shaken loose from the ceiling; it falls through every floor until it
// leaves the bottom of the screen.
class EnemyOtiruBlock {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t dead = 1;
    int32_t vy = 0;

    ENEMY_RECORD(EnemyOtiruBlock)
    EnemyOtiruBlock(int32_t x, int32_t y, int32_t dead);
    void Move();
    void CheckPlayerTouch();
    void Draw();
};

// Shared by every dropper of a stage and by a stage-43 boss.
inline EnemyOtiruBlock g_enemyOtiruBlock[6];

#pragma once

#include "enemies/model/kind.h"

// A boulder: hangs still for a moment, then falls from the ceiling or rolls
// right along the floor. Nothing stops it but the edge of the arena.
class EnemyGanseki {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t falling = 0;  // 1 falls, 0 rolls right
    int32_t delay = 0;
    int32_t dead = 0;

    ENEMY_RECORD(EnemyGanseki)
    EnemyGanseki(int32_t x, int32_t y, int32_t falling, int32_t dead);
    void Move();
    void CheckPlayerTouch();
    void Draw();
};

inline EnemyGanseki g_enemyGanseki[2];

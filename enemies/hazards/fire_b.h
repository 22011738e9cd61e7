#pragma once

#include "enemies/model/kind.h"

// The fireball the stage-42 wolf spits across its arena.
class EnemyFireB {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t leftward = 0;
    int32_t dead = 1;

    ENEMY_RECORD(EnemyFireB)
    EnemyFireB(int32_t x, int32_t y, int32_t leftward, int32_t dead);
    void Move();
    void CheckPlayerTouch();
    void Draw();
};

// One slot, rewritten at each spit.
inline EnemyFireB g_enemyFireB[1];

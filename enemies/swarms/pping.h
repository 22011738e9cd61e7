#pragma once

#include "enemies/model/kind.h"

// A small flier that sweeps past the hero and back while bobbing about his
// height, ever faster.
class EnemyPping {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t hp = 0;
    int32_t sinking = 0;
    int32_t vy = 0;
    int32_t facing = 0;
    int32_t dead = 0;
    int32_t hitLatch = 0;
    int32_t dormant = 0;

    ENEMY_RECORD(EnemyPping)
    EnemyPping(int32_t x, int32_t y, int32_t facing);
    bool Awake();
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();
};

inline EnemyPping g_enemyPping[2];

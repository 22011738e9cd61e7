#pragma once

#include "enemies/model/kind.h"

// A large ghost that drifts at the hero in bursts.
class EnemyDaibourei {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t vx = 0;
    int32_t vy = 0;
    int32_t hp = 0;
    int32_t facing = 0;  // 1: the hero was on its left
    int32_t counter = 0;
    int32_t dead = 0;
    int32_t hitLatch = 0;
    int32_t dormant = 0;

    ENEMY_RECORD(EnemyDaibourei)
    EnemyDaibourei(int32_t x, int32_t y);
    bool Awake();
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();
};

inline EnemyDaibourei g_enemyDaibourei[3];

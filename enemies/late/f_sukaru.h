#pragma once

#include "enemies/model/kind.h"

// A flying skull that darts at the hero in short bursts.
class EnemyFSukaru {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t vx = 0;
    int32_t vy = 0;
    int32_t facing = 0;  // 1: the hero was on its left
    int32_t counter = 0;
    int32_t dead = 0;
    int32_t dormant = 0;

    ENEMY_RECORD(EnemyFSukaru)
    EnemyFSukaru(int32_t x, int32_t y);
    bool Awake();
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();
};

inline EnemyFSukaru g_enemyFSukaru[6];

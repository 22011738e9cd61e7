#pragma once

#include "enemies/model/kind.h"

// A flying head that crosses the screen on a wave and keeps coming back.
class EnemyMedyusaHead {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t goingLeft = 0;
    int32_t fromLeft = 0;
    int32_t vy = 0;
    int32_t ay = 0;
    int32_t dead = 0;

    ENEMY_RECORD(EnemyMedyusaHead)
    EnemyMedyusaHead(int32_t x, int32_t y, int32_t fromLeft, int32_t dead);
    void Respawn();
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();
};

inline EnemyMedyusaHead g_enemyMedyusaHead[3];

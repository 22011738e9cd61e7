#pragma once

#include "enemies/model/kind.h"

// A frog that wakes near the hero and hops at him, high or low at random.
class EnemyGool {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t frame = 0;
    int32_t dir = 0;
    int32_t jumping = 0;
    int32_t highJump = 0;
    int32_t vy = 0;
    int32_t dead = 0;
    int32_t pause = 0;
    int32_t dormant = 0;

    ENEMY_RECORD(EnemyGool)
    EnemyGool(int32_t x, int32_t y, int32_t dir);
    bool Awake();
    void DrawIdle() { Draw(); }
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();
};

inline EnemyGool g_enemyGool[3];

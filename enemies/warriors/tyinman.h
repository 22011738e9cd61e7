#pragma once

#include "enemies/model/kind.h"

// A brute that charges back and forth through the hero, turning well past
// him or at its bounds; a blow knocks it back.
class EnemyTyinman {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t hp = 0;
    int32_t right = 0;
    int32_t left = 0;
    int32_t frame = 0;  // 0 and 1 face right, 2 and 3 left
    int32_t facing = 0;
    int32_t knockDir = 0;  // 1: pushed right; read only while knockTimer runs
    int32_t knockTimer = 0;
    int32_t counter = 0;
    int32_t dead = 0;
    int32_t hitLatch = 0;
    int32_t dormant = 0;

    ENEMY_RECORD(EnemyTyinman)
    EnemyTyinman(int32_t x, int32_t y, int32_t facing, int32_t left, int32_t right);
    bool Awake();
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();
};

inline EnemyTyinman g_enemyTyinman[2];

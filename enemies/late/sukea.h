#pragma once

#include "enemies/model/kind.h"

// A scarecrow that hops or dashes at the hero, choosing afresh after each.
class EnemySukea {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t hp = 0;
    int32_t facing = 0;  // 1 moving left
    int32_t jumping = 0;
    int32_t vy = 0;
    int32_t dashing = 0;
    int32_t dead = 0;
    int32_t hitLatch = 0;
    int32_t dashCounter = 0;
    int32_t dormant = 0;

    ENEMY_RECORD(EnemySukea)
    EnemySukea(int32_t x, int32_t y, int32_t facing);
    bool Awake();
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();
};

inline EnemySukea g_enemySukea[4];

#pragma once

#include "enemies/model/kind.h"

// A hunchback that hops at the hero; placed, or dropped by a giant bat or
// a boss into its pool slot.
class EnemySemusi {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t hp = 0;
    int32_t frame = 0;
    int32_t jumping = 0;
    int32_t vy = 0;
    int32_t dead = 0;
    int32_t hitLatch = 0;
    int32_t counter = 0;

    ENEMY_RECORD(EnemySemusi)
    EnemySemusi(int32_t x, int32_t y, int32_t facing, int32_t dead);
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();
};

inline EnemySemusi g_enemySemusi[9];

#pragma once

#include "enemies/model/kind.h"

// A fast pacer between two bounds; one hit ends it.
class EnemyBokusi {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t frame = 0;
    int32_t facing = 0;
    int32_t left = 0;
    int32_t right = 0;
    int32_t dead = 0;

    ENEMY_RECORD(EnemyBokusi)
    EnemyBokusi(int32_t x, int32_t y, int32_t facing, int32_t left, int32_t right);
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();
};

inline EnemyBokusi g_enemyBokusi[3];

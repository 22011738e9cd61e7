#pragma once

#include "enemies/model/kind.h"

// A wisp that sweeps past the hero and back at its own height.
class EnemyWil {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t frame = 0;
    int32_t facing = 0;
    int32_t counter = 0;
    int32_t dead = 0;
    int32_t dormant = 0;

    ENEMY_RECORD(EnemyWil)
    EnemyWil(int32_t x, int32_t y, int32_t facing);
    bool Awake();
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();
};

inline EnemyWil g_enemyWil[4];

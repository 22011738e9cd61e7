#pragma once

#include "enemies/model/kind.h"

// A spirit that waits until the hero is far past it, then flies back and
// forth across him.
class EnemyPorutaa {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t facing = 0;
    int32_t counter = 0;
    int32_t dead = 0;
    int32_t dormant = 0;

    ENEMY_RECORD(EnemyPorutaa)
    EnemyPorutaa(int32_t x, int32_t y, int32_t facing);
    bool Awake();
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();
};

inline EnemyPorutaa g_enemyPorutaa[3];

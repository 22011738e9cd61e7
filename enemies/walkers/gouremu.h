#pragma once

#include "enemies/model/kind.h"

// A slow giant that turns to follow the hero.
class EnemyGouremu {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t hp = 0;
    int32_t frame = 0;
    int32_t facing = 0;
    int32_t dead = 0;
    int32_t hitLatch = 0;
    int32_t counter = 0;

    ENEMY_RECORD(EnemyGouremu)
    EnemyGouremu(int32_t x, int32_t y, int32_t facing);
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();
    platform::Rect Body() const;
};

inline EnemyGouremu g_enemyGouremu[3];

#pragma once

#include "enemies/model/kind.h"

// A headless knight that walks at the hero and swings a long blade after lingering near him.
class EnemyDyurahan {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t hp = 0;
    int32_t frame = 0;
    int32_t closeCount = 0;
    int32_t counter = 0;
    int32_t facing = 0;
    int32_t dead = 0;
    int32_t hitLatch = 0;

    ENEMY_RECORD(EnemyDyurahan)
    EnemyDyurahan(int32_t x, int32_t y, int32_t facing);
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();
    bool Attacking() const { return frame == 2 || frame == 5; }
};

inline EnemyDyurahan g_enemyDyurahan[2];

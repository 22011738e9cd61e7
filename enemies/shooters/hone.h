#pragma once

#include "enemies/model/kind.h"

// A thrown bone, spinning along its arc until it drops below the screen.
class EnemyHone {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t dead = 1;
    int32_t counter = 0;
    int32_t vx = 0;
    int32_t vy = 0;

    ENEMY_RECORD(EnemyHone)
    EnemyHone(int32_t x, int32_t y, int32_t vx, int32_t vy, int32_t dead);
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();

private:
    platform::Rect Body() const;
};

inline EnemyHone g_enemyHone[20];

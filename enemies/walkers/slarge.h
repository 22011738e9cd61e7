#pragma once

#include "enemies/model/kind.h"

// A large crawler pacing between two bounds.
class EnemySLarge {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t hp = 0;
    int32_t frame = 0;
    int32_t left = 0;
    int32_t right = 0;
    int32_t dead = 0;
    int32_t hitLatch = 0;
    int32_t counter = 0;

    ENEMY_RECORD(EnemySLarge)
    EnemySLarge(int32_t x, int32_t y, int32_t frame, int32_t left, int32_t right);
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();
    platform::Rect Body() const;
};

inline EnemySLarge g_enemySLarge[3];

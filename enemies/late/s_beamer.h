#pragma once

#include "enemies/model/kind.h"

// A beam cannon that, 50 frames after it is placed, fires a long beam that
// stays on until the cannon is destroyed.
class EnemySBeamer {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t phase = 0;  // 0 idle facing right, 1 firing right, 2 idle facing left, 3 firing left
    int32_t counter = 0;
    int32_t dead = 0;

    ENEMY_RECORD(EnemySBeamer)
    EnemySBeamer(int32_t x, int32_t y, int32_t phase);
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();
};

inline EnemySBeamer g_enemySBeamer[2];

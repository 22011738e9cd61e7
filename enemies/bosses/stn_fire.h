#pragma once

#include "enemies/model/kind.h"

// Fire the final boss's last form rains down toward where the hero stood.
class EnemyStnFire {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t vx = 0;
    int32_t frame = 0;
    int32_t dead = 0;

    ENEMY_RECORD(EnemyStnFire)
    // vx aims a tenth of the way to the hero's x, at most 10 a frame.
    EnemyStnFire(int32_t x, int32_t y, int32_t frame, int32_t dead);
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();
};

inline EnemyStnFire g_enemyStnFire[2];

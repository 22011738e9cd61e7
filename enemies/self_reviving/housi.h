#pragma once

#include "enemies/model/kind.h"

// A spore of a burst balloon, flying on a parabola; a pool the balloon
// writes into.
class EnemyHousi {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t dead = 0;
    int32_t counter = 0;
    int32_t vx = 0;
    int32_t vy = 0;

    ENEMY_RECORD(EnemyHousi)
    EnemyHousi(int32_t x, int32_t y, int32_t vx, int32_t vy, int32_t dead);
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();

private:
    platform::Rect Body() const;
};

inline EnemyHousi g_enemyHousi[4];

#pragma once

#include "enemies/model/kind.h"

// A frog that rests a moment, then leaps ahead in an arc.
class EnemyFrog {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t frame = 0;
    int32_t jumping = 0;
    int32_t vy = 0;
    int32_t dead = 0;
    int32_t counter = 0;

    ENEMY_RECORD(EnemyFrog)
    EnemyFrog(int32_t x, int32_t y, int32_t frame);
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();

private:
    platform::Rect Body() const;
};

inline EnemyFrog g_enemyFrog[12];

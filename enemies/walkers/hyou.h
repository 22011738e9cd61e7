#pragma once

#include "enemies/model/kind.h"

// A running beast that turns at its bounds.
class EnemyHyou {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t frame = 0;
    int32_t counter = 0;
    int32_t left = 0;
    int32_t right = 0;
    int32_t dead = 0;

    ENEMY_RECORD(EnemyHyou)
    EnemyHyou(int32_t x, int32_t y, int32_t frame, int32_t left, int32_t right);
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();
    platform::Rect Body() const;
};

inline EnemyHyou g_enemyHyou[3];

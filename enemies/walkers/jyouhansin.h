#pragma once

#include "enemies/model/kind.h"

// A half-body rising from the floor, seen only while the hero stands close in front.
class EnemyJyouhansin {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t dead = 0;
    int32_t counter = 0;

    ENEMY_RECORD(EnemyJyouhansin)
    EnemyJyouhansin(int32_t x, int32_t y);
    bool Awake();
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();
    platform::Rect Body() const;
};

inline EnemyJyouhansin g_enemyJyouhansin[3];

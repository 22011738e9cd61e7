#pragma once

#include <cstdint>

#include "platform/platform.h"

// A half-body rising from the floor, seen only while the hero stands close in front.
class EnemyJyouhansin {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t dead = 0;
    int32_t counter = 0;

    EnemyJyouhansin() = default;
    EnemyJyouhansin(int32_t x, int32_t y);
    void Update();
    bool Awake();
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();
    platform::Rect Body() const;
};

extern EnemyJyouhansin g_enemyJyouhansin[3];

#pragma once

#include "enemies/model/kind.h"

// A bandage the mummy throws: it flutters left along a wave and is gone
// past the left edge.
class EnemyHoutai {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t vy = 0;
    int32_t ay = 0;
    int32_t dead = 0;
    int32_t counter = 0;

    ENEMY_RECORD(EnemyHoutai)
    // Every bandage starts at the mummy's hand, at a random height.
    explicit EnemyHoutai(int32_t dead);
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();

private:
    platform::Rect Body() const;
};

inline EnemyHoutai g_enemyHoutai[5];

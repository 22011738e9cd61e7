#pragma once

#include "enemies/model/kind.h"

// A ghostly hand that sweeps up and down the whole screen, faster on each
// pass, drifting towards the hero.
class EnemyGHand {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t counter = 0;
    int32_t frame = 0;
    int32_t vy = 0;
    int32_t ay = 0;
    int32_t dead = 0;
    int32_t dormant = 0;

    ENEMY_RECORD(EnemyGHand)
    // frame: 0 moving right, 3 moving left.
    EnemyGHand(int32_t x, int32_t frame);
    bool Awake();
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();

private:
    platform::Rect Body() const;
};

inline EnemyGHand g_enemyGHand[4];

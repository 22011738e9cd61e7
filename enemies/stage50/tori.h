#pragma once

#include "enemies/model/kind.h"

// A bird that flies in from ahead of the hero on a wave, one after another.
class EnemyTori {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t frame = 0;
    int32_t counter = 0;
    int32_t vy = 0;
    int32_t ay = 0;
    int32_t dead = 0;

    ENEMY_RECORD(EnemyTori)
    // The second value is accepted and not kept.
    EnemyTori(int32_t x, int32_t spare, int32_t dead);
    void Respawn();
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();

private:
    platform::Rect Body() const { return frame == 0 ? enemy::Box(x, y, 0, 0, 64, 54) : enemy::Box(x, y, 0, 0, 64, 46); }
};

inline EnemyTori g_enemyTori[1];

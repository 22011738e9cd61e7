#pragma once

#include "enemies/model/kind.h"

// A toad that springs out of the water beside the hero and leaps about;
// it keeps coming back on its stages.
class EnemyToad {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t frame = 0;
    int32_t vy = 0;
    int32_t dead = 0;
    int32_t counter = 0;

    ENEMY_RECORD(EnemyToad)
    EnemyToad(int32_t x, int32_t y, int32_t facing, int32_t dead);
    void Respawn();
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();

private:
    bool Leaping() const { return frame == 1 || frame == 5; }
    platform::Rect Body() const;
};

inline EnemyToad g_enemyToad[1];

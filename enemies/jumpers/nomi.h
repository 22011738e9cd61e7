#pragma once

#include "enemies/model/kind.h"

// A flea that bounces without rest; a pool the giant bat drops into.
class EnemyNomi {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t frame = 0;
    int32_t vy = 0;
    int32_t dead = 0;

    ENEMY_RECORD(EnemyNomi)
    EnemyNomi(int32_t x, int32_t y, int32_t frame, int32_t dead);
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();

private:
    platform::Rect Body() const;
};

inline EnemyNomi g_enemyNomi[6];

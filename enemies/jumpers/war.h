#pragma once

#include "enemies/model/kind.h"

// A wild warrior that runs and leaps at the hero from the first frame.
class EnemyWar {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t hp = 0;
    int32_t frame = 0;
    int32_t jumping = 0;
    int32_t vy = 0;
    int32_t dead = 0;
    int32_t hitLatch = 0;
    int32_t counter = 0;

    ENEMY_RECORD(EnemyWar)
    EnemyWar(int32_t x, int32_t y, int32_t frame);
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();

private:
    platform::Rect Body() const;
};

inline EnemyWar g_enemyWar[5];

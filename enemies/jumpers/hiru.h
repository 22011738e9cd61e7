#pragma once

#include "enemies/model/kind.h"

// A leech that lurks below the screen and leaps up past a hero standing
// over it.
class EnemyHiru {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t hp = 0;
    int32_t vy = 0;
    int32_t dead = 0;
    int32_t hitLatch = 0;
    int32_t counter = 0;

    ENEMY_RECORD(EnemyHiru)
    explicit EnemyHiru(int32_t x);
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();

private:
    platform::Rect Body() const;
};

inline EnemyHiru g_enemyHiru[3];

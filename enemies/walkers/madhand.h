#pragma once

#include "enemies/model/kind.h"

// A hand that rises out of the ground while the hero is within reach.
class EnemyMadhand {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t hp = 0;
    int32_t dead = 0;
    int32_t hitLatch = 0;
    int32_t counter = 0;

    ENEMY_RECORD(EnemyMadhand)
    EnemyMadhand(int32_t x, int32_t y);
    bool Awake();
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();
    platform::Rect Body() const;
};

inline EnemyMadhand g_enemyMadhand[3];

#pragma once

#include <cstdint>

#include "platform/platform.h"

// A hand that rises out of the ground while the hero is within reach.
class EnemyMadhand {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t hp = 0;
    int32_t dead = 0;
    int32_t hitLatch = 0;
    int32_t counter = 0;

    EnemyMadhand() = default;
    EnemyMadhand(int32_t x, int32_t y);
    void Update();
    bool Awake();
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();
    platform::Rect Body() const;
};

extern EnemyMadhand g_enemyMadhand[3];

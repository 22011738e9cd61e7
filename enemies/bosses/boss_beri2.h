#pragma once

#include "enemies/model/kind.h"

// The beast's second form: it charges from wall to wall along the floor,
// resting a moment at each wall.
class BossBeri2 {
public:
    int32_t x = 0;
    int32_t y = 287;
    int32_t hp = 16;
    int32_t frame = 2;  // 2 entry, 0 at the left wall, 1 at the right
    int32_t dead = 0;
    int32_t hitLatch = 0;
    int32_t counter = 0;
    int32_t dormant = 1;
    int32_t firstWake = 1;

    BossBeri2() = default;
    void Update();
    int32_t IsDead() const { return dead; }

private:
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
};

inline BossBeri2 g_bossBeri2[1];

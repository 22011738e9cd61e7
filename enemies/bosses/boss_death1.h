#pragma once

#include "enemies/model/kind.h"

// The reaper's first form: it leaps from wall to wall across the arena and
// scatters homing sickles.
class BossDeath1 {
public:
    int32_t x = 516;
    int32_t y = 285;
    int32_t hp = 16;
    int32_t frame = 1;  // 1 at the right wall, 0 at the left
    int32_t vy = -26;
    int32_t dead = 0;
    int32_t hitLatch = 0;
    int32_t counter = 0;
    int32_t tick = 0;
    int32_t dormant = 1;
    int32_t firstWake = 1;

    BossDeath1() = default;
    void Update();
    int32_t IsDead() const { return dead; }

private:
    void Move();
    void Land(int32_t atX, int32_t nextFrame);
    void CheckWeaponHit();
};

inline BossDeath1 g_bossDeath1[1];

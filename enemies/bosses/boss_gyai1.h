#pragma once

#include "enemies/model/kind.h"

// The giant: it falls onto the arena raising a rain of rocks, breathes low
// flames along the floor and, when struck, rises out of sight to fall again.
class BossGyai1 {
public:
    int32_t x = 480;
    int32_t y = -250;
    int32_t hp = 16;
    int32_t frame = 4;
    int32_t dead = 0;
    int32_t hitLatch = 0;
    int32_t counter = 0;
    int32_t dormant = 1;
    int32_t falling = 1;
    int32_t vy = 0;
    int32_t rising = 0;
    int32_t firstWake = 1;

    BossGyai1() = default;
    void Update();
    int32_t IsDead() const { return dead; }
    int32_t GetY() const { return y; }

private:
    void Move();
    void Fall();
    void Rise();
    void Stand();
    void CheckWeaponHit();
};

inline BossGyai1 g_bossGyai1[1];

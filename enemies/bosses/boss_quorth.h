#pragma once

#include "enemies/model/kind.h"

// The last boss of the cave arena: it jumps to the other end of the arena
// whenever it is struck and fills the screen with bouncing balls; its death
// releases the clear orb.
class BossQuorth {
public:
    int32_t x = 544;
    int32_t y = 305;
    int32_t hp = 16;
    int32_t counter = 0;
    int32_t dead = 0;
    int32_t hitLatch = 0;
    int32_t firstWake = 1;
    int32_t dormant = 1;

    BossQuorth() = default;
    void Update();
    int32_t IsDead() const { return dead; }

private:
    void Move();
    void CheckWeaponHit();
};

inline BossQuorth g_bossQuorth[1];

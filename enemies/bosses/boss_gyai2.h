#pragma once

#include "enemies/model/kind.h"

// The giant's flying form: it takes off from where the giant fell, sweeps up
// and down the arena's right side and spits flames down to the left.
class BossGyai2 {
public:
    int32_t x = 480;
    int32_t y = 0;  // taken from the giant when it wakes
    int32_t hp = 16;
    int32_t frame = 4;
    int32_t dead = 0;
    int32_t hitLatch = 0;
    int32_t counter = 0;
    int32_t dormant = 1;
    int32_t rising = 1;
    int32_t firstWake = 1;

    BossGyai2() = default;
    void Update();
    int32_t IsDead() const { return dead; }

private:
    void Move();
};

inline BossGyai2 g_bossGyai2[1];

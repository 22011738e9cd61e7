#pragma once

#include "enemies/model/kind.h"

// The final boss's first form: it stands at one edge of the arena, changes
// edges every 60 frames and raises fire pillars under the hero.
class BossMorvane1 {
public:
    int32_t x = 0;
    int32_t hp = 16;
    int32_t frame = 0;
    int32_t dead = 0;
    int32_t hitLatch = 0;
    int32_t tick = 0;
    int32_t firstWake = 1;

    BossMorvane1() = default;
    void Update();
    int32_t IsDead() const { return dead; }
    int32_t GetX() const { return x; }

private:
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
};

inline BossMorvane1 g_bossMorvane1[1];

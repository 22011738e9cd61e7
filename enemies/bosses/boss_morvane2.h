#pragma once

#include "enemies/model/kind.h"

// The final boss's second form: it vanishes and comes back at the other
// edge, then throws fireballs along the floor or sends black smoke. It can
// be hit, and hurts, only while attacking.
class BossMorvane2 {
public:
    int32_t x = 0;  // set when it wakes
    int32_t hp = 16;
    int32_t frame = 16;
    int32_t dead = 0;
    int32_t hitLatch = 0;
    int32_t tick = 0;
    int32_t dormant = 1;
    int32_t firing = 0;
    int32_t smoking = 0;
    int32_t firstWake = 1;

    BossMorvane2() = default;
    void Update();
    int32_t IsDead() const { return dead; }

private:
    void Move();
    void Fire();
    void Smoke();
    void Teleport();
    platform::Rect Body() const;
    void Draw() const;
};

inline BossMorvane2 g_bossMorvane2[1];

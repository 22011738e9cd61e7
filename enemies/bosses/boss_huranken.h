#pragma once

#include "enemies/model/kind.h"

// The giant: walks in to x 580, then by turns stamps the ground to shake
// rocks from the ceiling and calls hopping minions.
class BossHuranken {
public:
    int32_t x = 660;
    int32_t y = 287;
    int32_t hp = 16;
    int32_t counter = 0;
    int32_t frame = 0;
    int32_t dead = 0;
    int32_t hitLatch = 0;
    int32_t firstWake = 1;
    int32_t dormant = 1;
    int32_t quaking = 0;
    int32_t summoning = 0;

    BossHuranken() = default;
    void Update();
    int32_t IsDead() const { return dead; }

private:
    void Move();
    void Quake();
    void Summon();
    platform::Rect Body() const;
};

inline BossHuranken g_bossHuranken[1];

// Which set of three falling-block slots the next quake fills (0 or 1);
// kept for the whole run.
inline int32_t g_hurankenRockSet = 0;

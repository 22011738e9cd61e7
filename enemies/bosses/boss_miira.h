#pragma once

#include "enemies/model/kind.h"

// The mummy: walks in to x 450, then by turns drops boulders from the
// ceiling (or rolls one in from the left) and throws bandages.
class BossMiira {
public:
    int32_t x = 660;
    int32_t y = 331;
    int32_t hp = 16;
    int32_t counter = 0;
    int32_t frame = 0;
    int32_t dead = 0;
    int32_t hitLatch = 0;
    int32_t firstWake = 1;
    int32_t dormant = 1;
    int32_t droppingRocks = 0;
    int32_t throwingBandages = 0;

    BossMiira() = default;
    void Update();
    int32_t IsDead() const { return dead; }

private:
    void Move();
    void DropRock();
};

inline BossMiira g_bossMiira[1];

// The boulder and bandage slots it writes in turn; kept for the whole run.
inline int32_t g_miiraBoulderSlot = 0;
inline int32_t g_miiraBandageSlot = 0;

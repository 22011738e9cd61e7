#pragma once

#include "enemies/model/kind.h"

// A spiked lift that drops under gravity and winds itself back up.
class EnemyHariLift {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t vy = 0;
    int32_t lowY = 0;
    int32_t topY = 0;
    int32_t down = 0;

    EnemyHariLift() = default;
    EnemyHariLift(int32_t x, int32_t y, int32_t lowY);
    // Runs every frame of its stage: it has no dead flag.
    void Update();
};

inline EnemyHariLift g_enemyHariLift[8];

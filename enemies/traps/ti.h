#pragma once

#include "enemies/model/kind.h"

// Water dripping from the ceiling and splashing on the floor.
class EnemyTi {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t floorY = 0;
    int32_t startY = 0;
    int32_t vy = 0;
    int32_t counter = 0;
    int32_t frame = 0;  // 0 drip, 1 splash

    EnemyTi() = default;
    EnemyTi(int32_t x, int32_t y, int32_t floorY);
    // Runs every frame of its stage: it has no dead flag.
    void Update();

private:
    void TouchAndDraw();
};

inline EnemyTi g_enemyTi[7];

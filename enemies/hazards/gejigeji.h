#pragma once

#include "enemies/model/hazard.h"
#include "enemies/model/kind.h"

// A centipede crawling round and round the edges of a rectangle: down the
// left side, along the bottom, up the right side and back along the top.
class EnemyGejigeji {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t right = 0;
    int32_t left = 0;
    int32_t bottom = 0;
    int32_t top = 0;
    int32_t frame = 0;
    int32_t counter = 0;
    int32_t side = 0;  // 0 left edge, 1 bottom, 2 right edge, 3 top

    HAZARD_RECORD(EnemyGejigeji)
    EnemyGejigeji(int32_t left, int32_t right, int32_t top, int32_t bottom);
    void Move();
    void CheckPlayerTouch();
    void Draw();
};

inline EnemyGejigeji g_enemyGejigeji[4];

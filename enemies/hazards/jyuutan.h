#pragma once

#include "enemies/model/hazard.h"
#include "enemies/model/kind.h"

// A flying carpet sweeping its lane one way, coming back in at the far end.
class EnemyJyuutan {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t rightEnd = 0;
    int32_t leftEnd = 0;
    int32_t leftward = 0;  // 1: flies left

    HAZARD_RECORD(EnemyJyuutan)
    EnemyJyuutan(int32_t x, int32_t y, int32_t leftward, int32_t leftEnd, int32_t rightEnd);
    void Move();
    void CheckPlayerTouch();
    void Draw();
};

inline EnemyJyuutan g_enemyJyuutan[2];

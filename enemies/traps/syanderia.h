#pragma once

#include "enemies/model/kind.h"

// A chandelier that may let go while the hero is under it and breaks on the
// floor, harmless from then on.
class EnemySyanderia {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t vy = 0;
    int32_t stopY = 0;
    int32_t frame = 0;  // 1: broken
    int32_t falling = 0;

    EnemySyanderia() = default;
    EnemySyanderia(int32_t x, int32_t y, int32_t stopY);
    // Runs every frame of its stage: it has no dead flag.
    void Update();
};

inline EnemySyanderia g_enemySyanderia[5];

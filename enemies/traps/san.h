#pragma once

#include "enemies/model/kind.h"

// An acid drop that gathers on the ceiling, falls and splashes, over and over.
class EnemySan {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t floorY = 0;
    int32_t startY = 0;
    int32_t vy = 0;
    int32_t counter = 0;

    EnemySan() = default;
    EnemySan(int32_t x, int32_t y, int32_t floorY);
    // Frozen and undrawn while the hero is far: it has no dead flag.
    void Update();

private:
    // True when the drop hit the floor and went back up.
    bool Fall();
};

inline EnemySan g_enemySan[2];

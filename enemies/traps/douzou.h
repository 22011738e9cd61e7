#pragma once

#include "enemies/model/kind.h"

// A statue that topples onto a hero who comes close, then is gone.
class EnemyDouzou {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t step = 0;
    int32_t triggered = 0;

    EnemyDouzou() = default;
    EnemyDouzou(int32_t x, int32_t y);
    // Runs until it has toppled: it has no dead flag.
    void Update();
};

inline EnemyDouzou g_enemyDouzou[3];

#pragma once

#include "enemies/model/kind.h"

// A figure flying back and forth along the top of the street. Once it has
// spent long enough above the hero it hovers there and drops an apple.
class EnemySauji {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t frame = 0;
    int32_t dir = 0;
    int32_t dead = 0;
    int32_t counter = 0;
    int32_t appleSlot = 0;
    int32_t waitCounter = 0;

    ENEMY_RECORD(EnemySauji)
    EnemySauji(int32_t x, int32_t appleSlot);
    void Move();
    void Draw();

private:
    void Fly();
};

inline EnemySauji g_enemySauji[10];

#pragma once

#include "enemies/model/kind.h"

// A walker that a hit only knocks down: it lies 85 frames and walks again.
class EnemyRed {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t frame = 0;
    int32_t facing = 0;
    int32_t counter = 0;
    int32_t right = 0;
    int32_t left = 0;

    EnemyRed() = default;
    EnemyRed(int32_t x, int32_t y, int32_t facing, int32_t left, int32_t right);
    void Update();
    void Move();
    void Draw();
    bool IsDown() const { return frame % 4 >= 2; }

private:
    platform::Rect Body() const;
};

inline EnemyRed g_enemyRed[2];

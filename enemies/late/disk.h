#pragma once

#include "enemies/model/kind.h"

// A giant disk that sweeps the whole height of the screen while it creeps
// after the hero from the stage's left end. Nothing stops it.
class EnemyDisk {
public:
    int32_t x = -200;
    int32_t y = 0;
    int32_t counter = 0;
    int32_t goingDown = 1;

    EnemyDisk() = default;
    void Update();

private:
    void Move();
    platform::Rect Body() const;
};

inline EnemyDisk g_enemyDisk[1];

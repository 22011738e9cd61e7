#pragma once

#include "enemies/model/kind.h"

// The final boss's fire pillar: it rises under where the hero stood, burns
// for 70 frames and is gone. It cannot be hit.
class EnemyUpFireM {
public:
    int32_t x = 0;
    int32_t tick = 0;
    int32_t frame = 0;
    int32_t dead = 0;

    EnemyUpFireM() = default;
    EnemyUpFireM(int32_t x, int32_t dead);
    void Update();

private:
    void Move();
};

inline EnemyUpFireM g_enemyUpFireM[1];

#pragma once

#include "enemies/model/kind.h"

// A ground flame the fire walker leaves behind; it burns out on its own.
class EnemyMoeruhonoo {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t age = 0;
    int32_t dead = 1;

    EnemyMoeruhonoo() = default;
    EnemyMoeruhonoo(int32_t x, int32_t y, int32_t dead);
    // Ages live or idle; the weapon cannot touch it.
    void Update();
};

inline EnemyMoeruhonoo g_enemyMoeruhonoo[15];

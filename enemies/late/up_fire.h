#pragma once

#include "enemies/model/kind.h"

// A fire pillar hidden in the floor: it erupts once the hero comes near and
// never stops. It cannot be hit.
class EnemyUpFire {
public:
    int32_t x = 0;
    int32_t tick = 0;
    int32_t dormant = 0;
    int32_t frame = 0;

    EnemyUpFire() = default;
    explicit EnemyUpFire(int32_t x);
    void Update();
};

inline EnemyUpFire g_enemyUpFire[3];

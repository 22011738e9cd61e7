#pragma once

#include "enemies/model/kind.h"

// A floating ghost that drifts straight at the hero.
class EnemyGhost {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t hp = 0;
    int32_t frame = 0;
    int32_t dead = 0;
    int32_t hitLatch = 0;
    int32_t counter = 0;

    ENEMY_RECORD(EnemyGhost)
    // The third placement value is accepted and not kept.
    EnemyGhost(int32_t x, int32_t y, int32_t spare);
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();
};

inline EnemyGhost g_enemyGhost[5];

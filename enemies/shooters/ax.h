#pragma once

#include "enemies/model/kind.h"

// A boomerang axe: it flies out, turns at its turn point, passes its thrower
// and flies on until it is far from the hero.
class EnemyAx {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t facing = 0;  // 1: flies right
    int32_t counter = 0;
    int32_t rightTurn = 0;
    int32_t leftTurn = 0;
    int32_t dead = 1;

    ENEMY_RECORD(EnemyAx)
    EnemyAx(int32_t x, int32_t y, int32_t facing, int32_t rightTurn, int32_t leftTurn, int32_t dead);
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();
};

inline EnemyAx g_enemyAx[9];

#pragma once

#include "enemies/model/hazard.h"
#include "enemies/model/kind.h"

// A heavy weight that drops from above as the hero comes near and rolls
// away to the right whenever it is struck. It is never destroyed.
class EnemyGia {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t frame = 0;  // the roll count, 5 at rest
    int32_t dormant = 0;
    int32_t falling = 0;
    int32_t rolling = 0;

    HAZARD_RECORD(EnemyGia)
    explicit EnemyGia(int32_t x);
    bool Awake();
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();
};

inline EnemyGia g_enemyGia[3];

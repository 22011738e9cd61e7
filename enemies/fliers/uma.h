#pragma once

#include "enemies/model/kind.h"

// A horse that gallops past the hero and back, bobbing 200 pixels.
class EnemyUma {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t hp = 0;
    int32_t bottom = 0;
    int32_t top = 0;
    int32_t frame = 0;
    int32_t counter = 0;
    int32_t down = 0;
    int32_t dead = 0;
    int32_t hitLatch = 0;

    ENEMY_RECORD(EnemyUma)
    EnemyUma(int32_t x, int32_t facing, int32_t top);
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();
};

inline EnemyUma g_enemyUma[3];

#pragma once

#include "enemies/model/kind.h"

// The creature that crawls out of a fallen sword warrior: it climbs above
// the hero, drops past him on a slant, and climbs again.
class EnemyAra {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t rising = 0;
    int32_t facing = 0;
    int32_t frame = 0;  // 0 crawls right, 1 left, 2 climbs
    int32_t hp = 0;
    int32_t dead = 0;
    int32_t hitLatch = 0;

    ENEMY_RECORD(EnemyAra)
    EnemyAra(int32_t x, int32_t y, int32_t dead);
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();
    platform::Rect Body() const;
};

inline EnemyAra g_enemyAra[3];

#pragma once

#include "enemies/model/kind.h"

// A skeleton that stands and showers bones over the side the hero is on.
class EnemyWarSkeleton {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t hp = 0;
    int32_t frame = 0;  // 0 and 1 face right, 2 and 3 left
    int32_t facing = 0;
    int32_t dead = 0;
    int32_t hitLatch = 0;
    int32_t counter = 0;
    int32_t slotBase = 0;

    ENEMY_RECORD(EnemyWarSkeleton)
    EnemyWarSkeleton(int32_t x, int32_t y, int32_t facing, int32_t slotBase);
    bool Awake() const;
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();
};

inline EnemyWarSkeleton g_enemyWarSkeleton[2];

#pragma once

#include "enemies/model/kind.h"

// A burning skeleton that stalks the hero and spits flames at him.
class EnemyFireSkeleton {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t hp = 0;
    int32_t frame = 0;  // 0 to 3 face right, 4 to 7 left
    int32_t facing = 0;
    int32_t dead = 0;
    int32_t hitLatch = 0;
    int32_t counter = 0;
    int32_t slot = 0;

    ENEMY_RECORD(EnemyFireSkeleton)
    EnemyFireSkeleton(int32_t x, int32_t y, int32_t facing, int32_t slot);
    bool Awake() const;
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();

private:
    platform::Rect Body() const;
};

inline EnemyFireSkeleton g_enemyFireSkeleton[3];

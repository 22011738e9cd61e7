#pragma once

#include "enemies/model/kind.h"

// A flier that swings about a row, drifting left above it and right below
// it, and now and then dives at the hero.
class EnemyHaru {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t hp = 0;
    int32_t frame = 0;
    int32_t facing = 0;
    int32_t swooping = 0;  // 0 while it dives
    int32_t vy = 0;
    int32_t counter = 0;
    int32_t dead = 0;
    int32_t hitLatch = 0;
    int32_t dormant = 0;

    ENEMY_RECORD(EnemyHaru)
    EnemyHaru(int32_t x, int32_t facing);
    bool Awake();
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();

private:
    platform::Rect Body() const;
};

inline EnemyHaru g_enemyHaru[3];

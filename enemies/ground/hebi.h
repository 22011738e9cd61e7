#pragma once

#include "enemies/model/kind.h"

// A snake that crawls at the hero, stopping at the edge of its floor, and
// leaps at him every 20 frames.
class EnemyHebi {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t hp = 0;
    int32_t frame = 0;  // 0-1 face right, 2-3 face left
    int32_t jumping = 0;
    int32_t vy = 0;
    int32_t dead = 0;
    int32_t hitLatch = 0;
    int32_t counter = 0;
    int32_t dormant = 0;

    ENEMY_RECORD(EnemyHebi)
    EnemyHebi(int32_t x, int32_t y, int32_t frame);
    bool Awake();
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();

private:
    platform::Rect Body() const;
};

inline EnemyHebi g_enemyHebi[5];

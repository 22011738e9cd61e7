#pragma once

#include "enemies/model/kind.h"

// A hammer giant that plods after the hero and brings its hammer down on a
// hero who stays within reach.
class EnemyHunmer {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t hp = 0;
    int32_t frame = 0;  // 0 to 5 face right, 6 to 11 left
    int32_t swingWait = 0;
    int32_t counter = 0;
    int32_t facing = 0;
    int32_t dead = 0;
    int32_t hitLatch = 0;
    int32_t dormant = 0;

    ENEMY_RECORD(EnemyHunmer)
    EnemyHunmer(int32_t x, int32_t y, int32_t facing);
    bool Awake();
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();
    platform::Rect Body() const;
};

inline EnemyHunmer g_enemyHunmer[1];

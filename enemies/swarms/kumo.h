#pragma once

#include "enemies/model/kind.h"

// A spider that waits at the top of the screen, then runs up and down its
// thread between the top and row 360 once the hero is below it.
class EnemyKumo {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t counter = 0;
    int32_t frame = 0;
    int32_t dead = 0;
    int32_t goingDown = 0;
    int32_t dormant = 0;
    int32_t hp = 0;
    int32_t hitLatch = 0;

    ENEMY_RECORD(EnemyKumo)
    explicit EnemyKumo(int32_t x);
    bool Awake();
    void DrawIdle();
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();
};

inline EnemyKumo g_enemyKumo[3];

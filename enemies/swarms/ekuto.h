#pragma once

#include "enemies/model/kind.h"

// A flier that arcs above row 200 flying left, then below it flying right,
// and so keeps near where it started.
class EnemyEkuto {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t hp = 0;
    int32_t dipping = 0;
    int32_t vy = 0;
    int32_t goingRight = 0;
    int32_t dead = 0;
    int32_t hitLatch = 0;
    int32_t dormant = 0;

    ENEMY_RECORD(EnemyEkuto)
    explicit EnemyEkuto(int32_t x);
    bool Awake();
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();
};

inline EnemyEkuto g_enemyEkuto[3];

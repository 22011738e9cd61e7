#pragma once

#include "enemies/model/kind.h"

// A club that swings up out of hiding while the hero is within reach.
class EnemyKonbou {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t hp = 0;
    int32_t dead = 0;
    int32_t hitLatch = 0;
    int32_t counter = 0;

    ENEMY_RECORD(EnemyKonbou)
    EnemyKonbou(int32_t x, int32_t y);
    bool Awake();
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();
    platform::Rect Body() const;
};

inline EnemyKonbou g_enemyKonbou[3];

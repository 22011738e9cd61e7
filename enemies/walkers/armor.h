#pragma once

#include "enemies/model/kind.h"

// An armoured knight that charges past the hero and turns beyond him.
class EnemyArmor {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t hp = 0;
    int32_t right = 0;
    int32_t left = 0;
    int32_t frame = 0;
    int32_t counter = 0;
    int32_t dead = 0;
    int32_t hitLatch = 0;

    ENEMY_RECORD(EnemyArmor)
    EnemyArmor(int32_t x, int32_t y, int32_t facing, int32_t left, int32_t right);
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();
    platform::Rect Body() const;
};

inline EnemyArmor g_enemyArmor[2];

#pragma once

#include "enemies/model/kind.h"

// A leaf man hidden until the hero has passed it; then it walks and leaps
// at the hero from behind.
class EnemyLeaf {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t frame = 0;
    int32_t jumping = 0;
    int32_t vy = 0;
    int32_t dead = 0;
    int32_t counter = 0;
    int32_t awake = 0;

    ENEMY_RECORD(EnemyLeaf)
    EnemyLeaf(int32_t x, int32_t y, int32_t frame);
    bool Awake();
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();

private:
    platform::Rect Body() const;
};

inline EnemyLeaf g_enemyLeaf[5];

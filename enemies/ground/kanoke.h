#pragma once

#include "enemies/model/kind.h"

// A coffin that lies still until the hero has gone past it, then chases him
// back and forth, overshooting him before it turns.
class EnemyKanoke {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t hp = 0;
    int32_t frame = 0;  // 0-3 moving right, 4-7 moving left
    int32_t dead = 0;
    int32_t hitLatch = 0;
    int32_t counter = 0;
    int32_t dormant = 0;

    ENEMY_RECORD(EnemyKanoke)
    EnemyKanoke(int32_t x, int32_t y, int32_t frame);
    bool Awake();
    void DrawIdle() { Draw(); }
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();

private:
    platform::Rect Body() const;
};

inline EnemyKanoke g_enemyKanoke[4];

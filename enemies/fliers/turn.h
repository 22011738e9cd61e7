#pragma once

#include "enemies/model/kind.h"

// A spinning blade that shows itself at rest until the hero comes near, then
// shuttles between its bounds.
class EnemyTurn {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t hp = 0;
    int32_t frame = 0;  // 0 at rest, 1 moving left, 2 moving right
    int32_t left = 0;
    int32_t right = 0;
    int32_t dead = 0;
    int32_t hitLatch = 0;
    int32_t dormant = 0;

    ENEMY_RECORD(EnemyTurn)
    EnemyTurn(int32_t x, int32_t y, int32_t left, int32_t right);
    bool Awake();
    void DrawIdle() { Draw(); }
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();

private:
    platform::Rect Body() const;
};

inline EnemyTurn g_enemyTurn[3];

#pragma once

#include "enemies/model/kind.h"

// A gargoyle that wakes as the hero passes it, walks without leaving its
// ledge and leaps with a breath of fire every so often.
class EnemyGargoile {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t hp = 0;
    int32_t frame = 0;  // 0 and 1 face right, 2 and 3 left
    int32_t jumping = 0;
    int32_t vy = 0;
    int32_t dead = 0;
    int32_t hitLatch = 0;
    int32_t counter = 0;
    int32_t dormant = 0;
    int32_t slotBase = 0;

    ENEMY_RECORD(EnemyGargoile)
    EnemyGargoile(int32_t x, int32_t y, int32_t frame, int32_t slotBase);
    bool Awake();
    void DrawIdle() { Draw(); }
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();

private:
    platform::Rect Body() const;
    void Walk();
    void Leap();
};

inline EnemyGargoile g_enemyGargoile[3];

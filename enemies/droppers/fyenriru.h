#pragma once

#include "enemies/model/kind.h"

// A wolf-beast that stalks the hero and howls down a shower of blocks ahead
// of itself.
class EnemyFyenriru {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t hp = 0;
    int32_t frame = 0;  // 0 to 4 face right, 5 to 9 left: walk 0-2, howl 3, stamp 4
    int32_t facing = 0;
    int32_t dead = 0;
    int32_t hitLatch = 0;
    int32_t counter = 0;
    int32_t dormant = 0;
    int32_t slotBase = 0;

    ENEMY_RECORD(EnemyFyenriru)
    EnemyFyenriru(int32_t x, int32_t y, int32_t facing, int32_t slotBase);
    bool Awake();
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();

private:
    void Walk();
    platform::Rect Body() const;
};

inline EnemyFyenriru g_enemyFyenriru[1];

#pragma once

#include <cstdint>

// A lurker that never moves: hit points, and a light touch.
class EnemyUne {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t hp = 0;
    int32_t dead = 0;
    int32_t hitLatch = 0;

    EnemyUne() = default;
    EnemyUne(int32_t x, int32_t y);
    void Update();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();
};

extern EnemyUne g_enemyUne[5];

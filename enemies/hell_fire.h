#pragma once

#include <cstdint>

// A fireball the final boss's second form rolls along the floor.
class EnemyHellFire {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t dir = 0;  // 1: travelling left
    int32_t dead = 0;

    EnemyHellFire() = default;
    EnemyHellFire(int32_t x, int32_t y, int32_t dir, int32_t dead);
    void Update();
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();
};

extern EnemyHellFire g_enemyHellFire[3];

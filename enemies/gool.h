#pragma once

#include <cstdint>

// A frog that wakes near the hero and hops at him, high or low at random.
class EnemyGool {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t frame = 0;
    int32_t dir = 0;
    int32_t jumping = 0;
    int32_t highJump = 0;
    int32_t vy = 0;
    int32_t dead = 0;
    int32_t pause = 0;
    int32_t dormant = 0;

    EnemyGool() = default;
    EnemyGool(int32_t x, int32_t y, int32_t dir);
    void Update();
    bool Awake();
    void DrawIdle() { Draw(); }
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();
};

extern EnemyGool g_enemyGool[3];

#pragma once

#include "enemies/model/kind.h"

// A fire walker pacing between its bounds and leaving ground flames behind.
class EnemyIhuriito {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t hp = 0;
    int32_t frame = 0;
    int32_t facing = 0;  // 1: right
    int32_t left = 0;
    int32_t right = 0;
    int32_t dead = 0;
    int32_t hitLatch = 0;
    int32_t counter = 0;
    int32_t slotBase = 0;

    ENEMY_RECORD(EnemyIhuriito)
    EnemyIhuriito(int32_t x, int32_t y, int32_t facing, int32_t left, int32_t right, int32_t slotBase);
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();

private:
    platform::Rect Body() const;
};

inline EnemyIhuriito g_enemyIhuriito[3];

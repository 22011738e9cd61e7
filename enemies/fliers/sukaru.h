#pragma once

#include "enemies/model/kind.h"

// A floating skull that orbits the hero, overshooting him by 100 pixels on
// both axes.
class EnemySukaru {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t hp = 0;
    int32_t frame = 0;
    int32_t down = 0;
    int32_t vy = 0;
    int32_t dead = 0;
    int32_t hitLatch = 0;
    int32_t counter = 0;
    int32_t dormant = 0;

    ENEMY_RECORD(EnemySukaru)
    // frame: 0 moving right, 2 moving left.
    EnemySukaru(int32_t x, int32_t y, int32_t frame);
    bool Awake();
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();

private:
    platform::Rect Body() const;
};

inline EnemySukaru g_enemySukaru[4];

#pragma once

#include "enemies/model/kind.h"

// A spear warrior that keeps walking while it thrusts at a hero who stays
// within reach.
class EnemySNight {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t hp = 0;
    int32_t frame = 0;  // 0 to 4 face right, 5 to 9 left
    int32_t thrustWait = 0;
    int32_t counter = 0;
    int32_t facing = 0;
    int32_t dead = 0;
    int32_t hitLatch = 0;
    int32_t dormant = 0;

    ENEMY_RECORD(EnemySNight)
    EnemySNight(int32_t x, int32_t y, int32_t facing);
    bool Awake();
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();
    platform::Rect Body() const;
};

inline EnemySNight g_enemySNight[2];

#pragma once

#include "enemies/model/kind.h"

// The first boss of the cave arena: a giant bat sweeping across the screen
// with a beating wing, releasing bats that vanish with it.
class BossGBat {
public:
    int32_t x = 620;
    int32_t y = 250;
    int32_t hp = 16;
    int32_t counter = 0;  // wing beat, 0 to 9
    int32_t spawnTimer = 0;
    int32_t dead = 0;
    int32_t hitLatch = 0;
    int32_t dir = 0;  // 1: moving right
    int32_t firstWake = 1;

    // The first release waits a random while.
    BossGBat();
    void Update();
    int32_t IsDead() const { return dead; }

private:
    void Move();
    void CheckWeaponHit();
    platform::Rect Body() const;
};

inline BossGBat g_bossGBat[1];

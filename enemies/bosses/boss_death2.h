#pragma once

#include "enemies/model/kind.h"

// The reaper's last form and the arena's last boss: it falls in from above,
// scythes, takes to the air when struck (where it cannot be hit) and
// scatters homing sickles. Its death drops the clear orb.
class BossDeath2 {
public:
    int32_t x = 450;
    int32_t y = -150;
    int32_t hp = 16;
    int32_t frame = 4;  // 0 and 1 in the air, 2 to 7 standing
    int32_t dead = 0;
    int32_t hitLatch = 0;
    int32_t counter = 0;
    int32_t dormant = 1;
    int32_t rising = 0;
    int32_t falling = 1;
    int32_t tick = 0;
    int32_t firstWake = 1;

    BossDeath2() = default;
    void Update();
    int32_t IsDead() const { return dead; }

private:
    void Move();
    void Beat();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    bool Standing() const { return frame >= 2 && frame <= 7; }
};

inline BossDeath2 g_bossDeath2[1];

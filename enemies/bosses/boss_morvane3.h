#pragma once

#include "enemies/model/kind.h"

// The final boss's last form: a fixed target at the right of the arena that
// rains fire; destroyed, it releases the clear orb.
class BossMorvane3 {
public:
    int32_t hp = 16;
    int32_t dead = 0;
    int32_t hitLatch = 0;
    int32_t tick = 0;
    int32_t dormant = 1;
    int32_t firstWake = 1;

    BossMorvane3() = default;
    void Update();
    int32_t IsDead() const { return dead; }

private:
    void Move();
    void CheckWeaponHit();
};

inline BossMorvane3 g_bossMorvane3[1];

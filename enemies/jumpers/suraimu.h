#pragma once

#include "enemies/model/kind.h"

// A slime that clings to the ceiling, drops on the hero, hops about and
// climbs back up.
class EnemySuraimu {
public:
    int32_t x = 0;
    int32_t y = 0;
    int32_t homeY = 0;
    int32_t hp = 0;
    int32_t state = 0;
    int32_t facing = 0;
    int32_t dead = 0;
    int32_t hitLatch = 0;
    int32_t counter = 0;
    int32_t vy = 0;
    int32_t dormant = 0;

    // The state is also the drawn frame.
    enum State : int32_t { kOnFloor = 0, kHopping = 1, kClimbing = 2, kWaiting = 3, kDropping = 4 };

    ENEMY_RECORD(EnemySuraimu)
    EnemySuraimu(int32_t x, int32_t y);
    bool Awake();
    void Move();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    void Draw();

private:
    platform::Rect Body() const;
};

inline EnemySuraimu g_enemySuraimu[4];

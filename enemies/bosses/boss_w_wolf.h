#pragma once

#include "enemies/model/kind.h"

// The first boss of stage 42: a wolf that drops into the arena, then dashes,
// spits fire or leaps from a wall onto the hero; brought down to its last
// three hit points it flies a zigzag for the rest of the fight.
class BossWWolf {
public:
    int32_t x = 300;
    int32_t y = -124;
    int32_t hp = 16;
    int32_t frame = 22;  // 0 to 10 face right, 11 to 21 face left, 22 falls
    int32_t facing = 0;  // 1: right
    int32_t dead = 0;
    int32_t hitLatch = 0;
    int32_t counter = 0;
    int32_t dormant = 1;
    int32_t entering = 1;
    int32_t dashing = 0;
    int32_t spitting = 0;
    int32_t leaping = 0;
    int32_t leapPhase = 0;  // 0 back to a wall, 1 climbing, 2 diving
    int32_t leapVx = 0;
    int32_t raging = 0;
    int32_t rageDown = 0;  // 1: the zigzag heads down
    int32_t firstWake = 1;

    BossWWolf() = default;
    void Update();
    int32_t IsDead() const { return dead; }

    // Its weapon box, which is also its touch box.
    platform::Rect Body() const;

private:
    void Move();
    void Enter();
    void Dash(int32_t base);
    void Spit(int32_t base);
    void Leap(int32_t base);
    void Rage(int32_t base);
    void Idle();
    void EndAction();
    void CheckWeaponHit();
};

inline BossWWolf g_bossWWolf[1];

#pragma once

#include "enemies/model/kind.h"

// The fire-breathing beast that opens the stage-44 arena: it drops from
// above, sends fire columns along the floor and, when struck, flies up and
// lands on the other side facing the hero.
class BossBeri1 {
public:
    int32_t x = 512;
    int32_t y = -120;
    int32_t hp = 16;
    int32_t frame = 3;   // 0 to 2 face right, 3 to 5 face left
    int32_t facing = 0;  // 1: facing right
    int32_t dead = 0;
    int32_t hitLatch = 0;
    int32_t counter = 0;
    int32_t dormant = 1;
    int32_t falling = 1;
    int32_t rising = 0;
    int32_t firstWake = 1;

    BossBeri1() = default;
    void Update();
    int32_t IsDead() const { return dead; }

private:
    void Move();
    void Fall();
    void Rise();
    void Stand();
    void CheckWeaponHit();
    void CheckPlayerTouch();
    int32_t Base() const { return facing == 1 ? 0 : 3; }
    platform::Rect Body() const;
};

inline BossBeri1 g_bossBeri1[1];

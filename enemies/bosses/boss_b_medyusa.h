#pragma once

#include "enemies/model/kind.h"

// The gorgon: walks in from the right and patrols the right half of the
// arena while flying heads cross the screen.
class BossBMedyusa {
public:
    int32_t x = 660;
    int32_t y = 291;
    int32_t hp = 16;
    int32_t counter = 0;
    int32_t frame = 0;
    int32_t dead = 0;
    int32_t hitLatch = 0;
    int32_t dir = 0;  // 1: moving right
    int32_t firstWake = 1;
    int32_t dormant = 1;

    BossBMedyusa() = default;
    void Update();
    int32_t IsDead() const { return dead; }
    // Awake and alive: the heads fly only then.
    bool OnField() const { return dormant == 0 && dead == 0; }

private:
    void Move();
};

inline BossBMedyusa g_bossBMedyusa[1];

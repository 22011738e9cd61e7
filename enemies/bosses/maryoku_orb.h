#pragma once

#include "enemies/model/kind.h"

// The clear orb of the boss arenas: hidden until the last boss drops it,
// it falls to the floor, pulses, and clears the stage when the hero takes it.
class MaryokuOrb {
public:
    int32_t x = 300;
    int32_t y = 50;
    int32_t vy = 10;
    int32_t falling = 1;
    int32_t hidden = 1;
    int32_t pulse = 0;

    // Before any arena places it, the orb takes no part.
    MaryokuOrb() = default;
    explicit MaryokuOrb(int32_t hidden);
    void Update();

private:
    void Fall();
    void Pulse();
    void CheckPickUp();
};

inline MaryokuOrb g_maryokuOrb[1];

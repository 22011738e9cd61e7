#pragma once

#include <cstdint>

#include "platform/platform.h"
#include "players/hero_record.h"

// Seliya as the bird summoner: white and red birds, the special, two jumps.
class PlayerSeliya {
public:
    HERO_RECORD(PlayerSeliya);
    int32_t WeaponHits(const platform::Rect* box) const;

    // One counter times a summoning, the special and the idle animation.
    int32_t walkCounter = 0, actionCounter = 0, jumpCount = 0;
    // A summoning (birdKind 1 white bird, 0 red birds) or the special.
    int32_t attacking = 0, birdKind = 0, special = 0;
    // The last slots used of each bird's ring.
    int32_t redRing = 0, whiteRing = 0;

private:
    void StateStep();
    void ActionStep();
    void Launch(int32_t row);
};

extern PlayerSeliya g_playerSeliya;

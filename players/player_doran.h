#pragma once

#include <cstdint>

#include "platform/platform.h"
#include "players/hero_record.h"

// The whip hero, in play until the player chooses another.
class PlayerDoran {
public:
    HERO_RECORD(PlayerDoran);
    int32_t WeaponHits(const platform::Rect* box) const;

    int32_t walkCounter = 0, whipSoundRequest = 0;
    // The whip: whether it swings, its phase and whether it swung in the air.
    int32_t attacking = 0, attackPhase = 0, whippedInAir = 0;

private:
    void StateStep();
    void AttackStep();
    void Draw();
};

extern PlayerDoran g_playerDoran;

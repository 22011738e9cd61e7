#pragma once

#include <cstdint>

#include "platform/platform.h"
#include "players/hero_record.h"

// Seliya in the Varmiel form: magic shot, kicks and the brakfist dash.
class PlayerSeliyaVarm {
public:
    HERO_RECORD(PlayerSeliyaVarm);
    int32_t WeaponHits(const platform::Rect* box) const;

    // The magic shot (magicDown: aimed down from the air), the kicks and the
    // dash.
    int32_t magic = 0, magicDown = 0, kick = 0, crouchKick = 0, brakfist = 0;
    int32_t counter = 0;  // the walk cycle and every action
    // The last slot used of the shots' ring.
    int32_t jumpCount = 0, kidanRing = 0;

private:
    void StateStep();
    bool DashStep();
    bool ActionStep();
    bool Free() const { return !magic && !kick && !brakfist; }
};

extern PlayerSeliyaVarm g_playerSeliyaVarm;

#pragma once

#include <cstdint>

#include "platform/platform.h"
#include "players/hero_record.h"

// The spell caster: lightning on Ctrl, flame on Shift.
class PlayerNerys {
public:
    HERO_RECORD(PlayerNerys);
    int32_t WeaponHits(const platform::Rect* box) const;

    int32_t walkCounter = 0;
    // The spell being cast (0 lightning, 1 flame), its tick, whether it was
    // cast in the air, and the last triple of bolts used in their ring.
    int32_t casting = 0, spell = 0, castCounter = 0, castInAir = 0, lightningRing = 0;

private:
    void StateStep();
    void CastStep();
    void Launch();
};

extern PlayerNerys g_playerNerys;

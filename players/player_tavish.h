#pragma once

#include <cstdint>

#include "platform/platform.h"
#include "players/hero_record.h"

// The whip hero who also throws a returning cross.
class PlayerTavish {
public:
    HERO_RECORD(PlayerTavish);
    // Raises the hit sound itself for a fresh whip hit (alreadyHit 0).
    int32_t WeaponHits(const platform::Rect* box, int32_t alreadyHit) const;

    int32_t walkCounter = 0, whipSoundRequest = 0;
    // The whip and the cross share one phase.
    int32_t attacking = 0, crossThrow = 0, attackPhase = 0, whippedInAir = 0;

private:
    void StateStep();
    void AttackStep();
    void EndStep();
};

extern PlayerTavish g_playerTavish;

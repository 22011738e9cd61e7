#pragma once

#include <cstdint>

#include "platform/platform.h"

// The spell caster: lightning on Ctrl, flame on Shift.
class PlayerNerys {
public:
    PlayerNerys();
    void Update();
    void HandleInput();
    void CheckDeath();
    int32_t ScreenXFor(int32_t x) const;
    int32_t WeaponHits(const platform::Rect* box) const;
    int32_t GetHurtBox(platform::Rect* out) const;
    void Move();
    void TakeDamage(int32_t level);

    int32_t hp = 0;
    int32_t x = 0;
    int32_t y = 0;
    int32_t scrollRequest = 0;
    int32_t screenX = 0;
    int32_t walkCounter = 0;
    int32_t pose = 0;
    int32_t castCounter = 0;
    int32_t lightningRing = 0;
    int32_t castInAir = 0;
    int32_t vy = 0;
    int32_t facing = 0;
    int32_t casting = 0;
    int32_t airborne = 0;
    int32_t walking = 0;
    int32_t crouching = 0;
    int32_t knockedBack = 0;
    int32_t dead = 0;
    int32_t spell = 0;         // 0 lightning, 1 flame
    int32_t invulnerable = 0;  // rule A only; stays 0 under rule B
    int32_t deathCountdown = 0;

private:
    void StateStep();
    void CastStep();
    void Launch();
};

extern PlayerNerys g_playerNerys;

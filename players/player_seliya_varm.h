#pragma once

#include <cstdint>

#include "platform/platform.h"

// Seliya in the Varmiel form: magic shot, kicks and the brakfist dash.
class PlayerSeliyaVarm {
public:
    PlayerSeliyaVarm();
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
    int32_t pose = 0;
    int32_t counter = 0;  // the walk cycle and every action
    int32_t vy = 0;
    int32_t facing = 0;
    int32_t airborne = 0;
    int32_t walking = 0;
    int32_t crouching = 0;
    int32_t knockedBack = 0;
    int32_t dead = 0;
    int32_t magic = 0;
    int32_t magicDown = 0;
    int32_t kick = 0;
    int32_t crouchKick = 0;
    int32_t brakfist = 0;
    int32_t jumpCount = 0;
    int32_t kidanRing = 0;
    int32_t invulnerable = 0;  // rule A only; stays 0 under rule B
    int32_t deathCountdown = 0;

private:
    void StateStep();
    bool ActionStep();
    bool Free() const { return !magic && !kick && !brakfist; }
    // She drops off an edge with no jump left.
    void DropOffEdge();
};

extern PlayerSeliyaVarm g_playerSeliyaVarm;

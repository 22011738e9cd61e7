#pragma once

#include <cstdint>

#include "platform/platform.h"

// What every hero class declares: the operations the player front calls on it
// and the fields that the shared helpers of hero_common.h read and write by
// name. A hero is a plain class, so these are spelled out in each through this
// macro rather than inherited.
#define HERO_RECORD(Class)                                      \
    Class();                                                    \
    void Update();                                              \
    void HandleInput();                                         \
    int32_t GetHurtBox(platform::Rect* out) const;              \
    int32_t hp = 0;                                             \
    int32_t x = 0;                                              \
    int32_t y = 0;                                              \
    int32_t scrollRequest = 0;                                  \
    int32_t screenX = 0;                                        \
    int32_t pose = 0;                                           \
    int32_t vy = 0;                                             \
    int32_t facing = 0;                                         \
    int32_t airborne = 0;                                       \
    int32_t walking = 0;                                        \
    int32_t crouching = 0;                                      \
    int32_t knockedBack = 0;                                    \
    int32_t dead = 0;                                           \
    int32_t invulnerable = 0; /* rule A only; 0 under rule B */ \
    int32_t deathCountdown = 0

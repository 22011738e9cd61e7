#pragma once

// The heroes' projectiles. Each kind has a fixed global pool that its owner
// overwrites slot by slot; a slot with finished set is free. x is a world x,
// y a screen row, both of the sprite's top-left corner.
#include <cstdint>

#include "engine/camera.h"
#include "platform/platform.h"

class ShotHimitu {
public:
    constexpr ShotHimitu() = default;
    ShotHimitu(int32_t x, int32_t y, int32_t facing);
    void Update();
    int32_t GetHitRect(platform::Rect* out) const;
    void Move();

    int32_t x = 0, y = 0, frame = 0, facing = 0, counter = 0, finished = 1;
};

class ShotSuzaku {
public:
    constexpr ShotSuzaku() = default;
    ShotSuzaku(int32_t x, int32_t y, int32_t facing);
    void Update();
    int32_t GetHitRect(platform::Rect* out) const;
    void Move();

    int32_t x = 0, y = 0, frame = 0, facing = 0, counter = 0, finished = 1;
};

class ShotHato {
public:
    constexpr ShotHato() = default;
    ShotHato(int32_t x, int32_t y, int32_t facing);
    void Update();
    int32_t GetHitRect(platform::Rect* out) const;
    void Move();

    int32_t x = 0, y = 0, frame = 0, facing = 0, counter = 0, finished = 1;
};

class ShotKidan {
public:
    constexpr ShotKidan() = default;
    ShotKidan(int32_t x, int32_t y, int32_t facing, int32_t dy);
    void Update();
    int32_t GetHitRect(platform::Rect* out) const;
    void Move();

    int32_t x = 0, y = 0, facing = 0, counter = 0, dy = 0, finished = 1;
};

class ShotFlame {
public:
    constexpr ShotFlame() = default;
    ShotFlame(int32_t x, int32_t y, int32_t facing);
    void Update();
    int32_t GetHitRect(platform::Rect* out) const;
    void Move();

    int32_t x = 0, y = 0, frame = 0, facing = 0, counter = 0, finished = 1;
};

class ShotLightning {
public:
    constexpr ShotLightning() = default;
    ShotLightning(int32_t x, int32_t y, int32_t facing, int32_t dy);
    void Update();
    int32_t GetHitRect(platform::Rect* out) const;
    void Move();

    int32_t x = 0, y = 0, frame = 0, facing = 0, counter = 0, dy = 0, finished = 1;
};

// Flies out to the screen edge, turns back and is caught by the hero's body.
class ShotCross {
public:
    constexpr ShotCross() = default;
    ShotCross(int32_t x, int32_t y, int32_t facing);
    void Update();
    int32_t GetHitRect(platform::Rect* out) const;
    void Move();
    int32_t IsFinished() const { return finished; }

    int32_t x = 0, y = 0, frame = 0, facing = 0, counter = 0, finished = 1, returning = 0, hitsEnabled = 0;
};

constexpr int kSuzakuSlots = 6;
constexpr int kHatoSlots = 3;
constexpr int kKidanSlots = 3;
constexpr int kLightningSlots = 6;

extern ShotHimitu g_shotHimitu;
extern ShotSuzaku g_shotSuzaku[kSuzakuSlots];
extern ShotHato g_shotHato[kHatoSlots];
extern ShotKidan g_shotKidan[kKidanSlots];
extern ShotFlame g_shotFlame;
extern ShotLightning g_shotLightning[kLightningSlots];
extern ShotCross g_shotCross;

// Whether the shot has a hit rectangle this tick that overlaps box.
template <class S>
int32_t ShotHits(const S& shot, const platform::Rect& box) {
    platform::Rect r{};
    return shot.GetHitRect(&r) && RectsOverlap(r, box);
}

// The same for any slot of a pool.
template <class S, int N>
int32_t AnyShotHits(const S (&pool)[N], const platform::Rect& box) {
    for (const S& s : pool)
        if (ShotHits(s, box)) return 1;
    return 0;
}

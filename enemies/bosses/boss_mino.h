#pragma once

#include <optional>

#include "enemies/model/kind.h"

// The second boss of stage 42: a heavy bull that jumps in from the right
// once the wolf is dead, strikes high and low at close range and throws
// volleys of earth clods. Its death releases the clear orb.
class BossMino {
public:
    int32_t x = 640;
    int32_t y = 225;
    int32_t hp = 16;
    int32_t frame = 25;  // 0 to 12 face right, 13 to 25 face left
    int32_t facing = 0;  // 1: right
    int32_t dead = 0;
    int32_t hitLatch = 0;
    int32_t counter = 0;
    int32_t dormant = 1;
    int32_t throwing = 0;
    int32_t swingHigh = 0;
    int32_t jumping = 1;  // it enters with a jump
    int32_t vy = -30;
    int32_t swingLow = 0;
    int32_t firstWake = 1;

    // The clod slot its next volley starts at: kept for the whole run.
    static inline int32_t clodSlotBase = 0;
    static constexpr int32_t kVolley = 5;

    BossMino() = default;
    void Update();
    int32_t IsDead() const { return dead; }

    platform::Rect WeaponBox() const;
    // The reach of its strikes beyond its body; none in two frames.
    std::optional<platform::Rect> ReachBox() const;

private:
    void Move();
    void Jump(int32_t base);
    void Throw(int32_t base);
    void Idle();
    void ThrowVolley();
    void CheckWeaponHit();
    void CheckPlayerTouch();
};

inline BossMino g_bossMino[1];

#pragma once

#include <cstdint>

#include "platform/platform.h"

// The one door to the hero in play: forwards every request to the selected
// hero's global object.
class PlayerFront {
public:
    PlayerFront();

    // Also points the camera's g_heroX at the selected hero's x.
    void Select(int32_t index);
    int32_t GetCharacter() const { return selected_; }
    void Reset();
    void HandleInput();
    void Update();
    void CheckDeath();
    int32_t GetX() const;
    int32_t GetY() const;
    int32_t GetHP() const;
    // box: an enemy's hit box in world x; alreadyHit: its hit latch.
    int32_t WeaponHits(const platform::Rect* box, int32_t alreadyHit);
    int32_t GetHurtBox(platform::Rect* out);
    void TakeDamage(int32_t level);
    void DrawMenuCursor();

private:
    int32_t selected_;
};

extern PlayerFront g_playerFront;

#pragma once

#include <cstdint>

#include "platform/platform.h"

// The one door to the hero in play: forwards every request to the selected
// hero's global object.
class PlayerFront {
public:
    PlayerFront() : selected_(2) {}

    void Select(int32_t index) { selected_ = index; }
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

// Stand-in for the heroes whose classes are not built yet (indexes 0, 1, 5
// and 6): it stands where it is put and only reads Esc.
void PlaceStandInHero(int32_t x, int32_t y, int32_t hp);

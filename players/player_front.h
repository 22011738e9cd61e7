#pragma once

#include <cstdint>

#include "platform/platform.h"

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
    int32_t WeaponHits(const platform::Rect* box, int32_t alreadyHit);
    int32_t GetHurtBox(platform::Rect* out);
    void TakeDamage(int32_t level);
    void DrawMenuCursor();

private:
    int32_t selected_;
};

extern PlayerFront g_playerFront;

// Stand-in hero until the hero classes land: puts it at (x, y) with hp hit
// points. Reset puts it at the stage's start position.
void PlaceStandInHero(int32_t x, int32_t y, int32_t hp);

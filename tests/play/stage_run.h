#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/headless_backend.h"

// The five heroes by the player-select item that picks them and the name a
// replay file gives them.
struct HeroChoice {
    int32_t item;
    const char* name;
};
extern const HeroChoice kHeroChoices[5];
// -1 for a name no hero has.
int32_t HeroItemNamed(const std::string& name);

// What a player sees of the selected hero.
struct HeroView {
    int32_t x, y, hp, dead;
};
HeroView SelectedHero();

// The game started on the backend as the program starts (first paint,
// keyboard), then the stage begun with the hero as the menu begins it, with
// the game's random numbers seeded. The working directory must hold the data.
void StartStageRun(platform::HeadlessBackend& backend, int32_t stage, int32_t hero, uint32_t seed);

// One 50 ms frame of the real frame loop with exactly the keys of the mask
// held (bit k: the k-th game key, Up, Down, Left, Right, Alt, Ctrl, Shift,
// Esc).
void StepFrame(platform::HeadlessBackend& backend, uint8_t keys);

// The stage started afresh and the keys played one frame each until it
// clears: the number of frames played to the clear, 0 when it never clears.
size_t PlayToClear(platform::HeadlessBackend& backend, int32_t stage, int32_t hero, uint32_t seed,
                   const std::vector<uint8_t>& keys);

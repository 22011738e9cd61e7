#pragma once

// Shared by the hero tests of both damage-rule builds.
#include <cstdint>

#include "engine/game_state.h"
#include "game_test.h"
#include "players/player_front.h"
#include "shell/menu.h"

namespace heroes {

constexpr uint8_t kUp = 0xC8, kDown = 0xD0, kLeft = 0xCB, kRight = 0xCD, kAlt = 0x38, kCtrl = 0x1D, kShift = 0x2A;

// Front indexes of the five heroes.
constexpr int32_t kSeliya = 0, kVarmiel = 1, kDoran = 2, kTavish = 5, kNerys = 6;
constexpr int32_t kAllHeroes[] = {kSeliya, kVarmiel, kDoran, kTavish, kNerys};

// Damage levels the loss tables are given for.
constexpr int32_t kLevels[8] = {1, 2, 3, 4, 5, 6, 16, 32};

// Hit points lost per level (before the cap) for a hero index under the
// build's rule, or null.
const int32_t* LossTable(int32_t hero);

// A stage started from the menu with the given hero, as a player would.
class HeroTest : public DataDirTest {
protected:
    void SetUp() override {
        DataDirTest::SetUp();
        StartGame();
    }
    void Play(int32_t hero, int32_t stage = 1) {
        g_playerFront.Select(hero);
        g_stageNumber = stage;
        g_menu.StartStage();
        g_menu.active = 0;
        ClearStageOfObjects();  // the hero's own rules, no enemy in the way
        backend.ClearSoundPlays();
    }
    // One frame with the key held, then let go.
    void Tap(uint8_t code) {
        HoldKey(code);
        Tick();
        LetGo(code);
    }
};

}  // namespace heroes

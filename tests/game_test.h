#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "platform/headless_backend.h"

// Installs a fresh headless backend and puts every game global back to its
// state at program load.
class GameTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs the first-paint start-up and the keyboard set-up, as WinMain does.
    void StartGame();
    // Dispatches every queued message; returns how many were handled.
    int Pump();
    // One 50 ms tick of the virtual clock followed by a pump.
    int Tick(int count = 1);
    void HoldKey(uint8_t code) { backend.SetKey(code, true); }
    void LetGo(uint8_t code) { backend.SetKey(code, false); }
    // A player mashing the buttons: jump (left Alt) every 13th frame, attack
    // (left Ctrl) every 7th.
    void MashJumpAndAttack(int frame) {
        backend.SetKey(0x38, frame % 13 == 0);
        backend.SetKey(0x1D, frame % 7 == 0);
    }

    platform::HeadlessBackend backend;
};

// Wave-table slots of every sound played so far, in order (-1 for a sound
// that is no slot's).
std::vector<int> PlayedSlots(platform::HeadlessBackend& backend);

// Marks every object of the current stage that can die dead, for hero tests
// that must not meet an enemy (the ones that never die stay).
void ClearStageOfObjects();

// Puts the selected hero at (x, y) with hp hit points.
void PlaceHero(int32_t x, int32_t y, int32_t hp);

// A game test with the build's generated data folder as working directory.
class DataDirTest : public GameTest {
protected:
    void SetUp() override;
    void TearDown() override;

private:
    std::filesystem::path oldDir_;
};

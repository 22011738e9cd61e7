#pragma once

#include <cstdint>

// The game state every layer reads: which stage runs, whether it is cleared,
// the hit sound a weapon strike asks the frame loop to play, a hero's Esc
// asking the frame loop to open the menu and a fallen hero asking it to place
// the stage's objects again.
extern int32_t g_stageNumber;
extern int32_t g_stageClear;
extern int32_t g_clearWaitTicks;
extern int32_t g_hitSoundRequest;
extern int32_t g_hitSoundX;
extern int32_t g_hitSoundSlot;
extern int32_t g_menuRequest;
extern int32_t g_stageRestartRequest;

// What the camera, the draws and the heroes need of the layers above them,
// kept here so that they read it from below: the current stage's length,
// which the stage sets, and the x of the hero in play, which the player front
// points at the selected hero's own field (the view follows the live value).
extern int32_t g_stageEndX;
extern const int32_t* g_heroX;

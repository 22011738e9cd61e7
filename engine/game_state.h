#pragma once

#include <cstdint>

// The game state every layer reads: which stage runs, whether it is cleared,
// the hit sound a weapon strike asks the frame loop to play, and a hero's Esc
// asking the frame loop to open the menu.
extern int32_t g_stageNumber;
extern int32_t g_stageClear;
extern int32_t g_clearWaitTicks;
extern int32_t g_hitSoundRequest;
extern int32_t g_hitSoundX;
extern int32_t g_hitSoundSlot;
extern int32_t g_menuRequest;

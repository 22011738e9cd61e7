#include "engine/game_state.h"

int32_t g_stageNumber = 0;
int32_t g_stageClear = 0;
int32_t g_clearWaitTicks = 0;
int32_t g_hitSoundRequest = 0;
int32_t g_hitSoundX = 0;
int32_t g_hitSoundSlot = 2;
int32_t g_menuRequest = 0;
int32_t g_stageRestartRequest = 0;
int32_t g_stageEndX = 0;
const int32_t* g_heroX = nullptr;

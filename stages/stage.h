#pragma once

#include <cstdint>

#include "engine/game_state.h"

// The largest world x the hero may reach in stage 1 to 50; 0 for a number
// without a stage.
int32_t StageEndX(int32_t stage);

// Where a hero group clears a stage: x and y exactly as the hero reports them.
struct ExitPoint {
    int32_t x;
    int32_t y;
};

// The exit of a stage for a hero index (0, 1, 2, 5 or 6). False for the boss
// stages, a number without a stage and any other hero index.
bool StageExitPoint(int32_t stage, int32_t heroIndex, ExitPoint* out);

// The one stage object. Its length is kept in g_stageEndX, where the camera,
// the draws, the heroes and the foes below the stages read it.
class Stage {
public:
    // Takes the length of g_stageNumber.
    Stage();
    int32_t GetEndX() const { return g_stageEndX; }
    void SetEndX(int32_t x) { g_stageEndX = x; }
    // Also answers a fallen hero's restart request.
    void PlaceObjects();
    void Update();
    // Sets g_stageClear when the hero stands exactly on the stage's exit.
    void CheckExit();
};

extern Stage g_stage;

#pragma once

#include <cstdint>

// Which picture each background panel of a stage loads (also used by the data
// generator, so the files and the loader agree).
int32_t StagePanelCount(int32_t stage);  // 0 outside 1 to 50
int32_t StagePanelFile(int32_t stage, int32_t panel);
int32_t StagePanelFileCount(int32_t stage);  // distinct files of the stage
int32_t StageOpeningPanel(int32_t stage);    // panel shown at the stage start

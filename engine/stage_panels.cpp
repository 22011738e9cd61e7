#include "stage_panels.h"

int32_t StagePanelCount(int32_t stage) {
    // clang-format off
    switch (stage) {
        case 1: case 18: case 41: case 34: case 39: case 46: case 47: case 48: case 50:
            return 9;
        case 2: case 3: case 4: case 5:
            return 7;
        case 6: case 7: case 8: case 11: case 12: case 13: case 15: case 21: case 29:
            return 6;
        case 9: case 10: case 19: case 28:
            return 4;
        case 42: case 43: case 44: case 49:
            return 1;
        default:
            return stage >= 1 && stage <= 50 ? 8 : 0;
    }
    // clang-format on
}

int32_t StagePanelFile(int32_t stage, int32_t panel) {
    // clang-format off
    switch (stage) {
        case 24: case 25: case 26: case 27:
            return panel % 4;
        case 30: case 31: case 32: case 35: case 36: case 41:
            return panel % 2;
        case 17: case 22: case 37: case 38: case 34: case 39: case 46: case 47: case 48: case 50:
        case 42: case 43: case 44: case 49:
            return 0;
        default:
            return panel;
    }
    // clang-format on
}

int32_t StagePanelFileCount(int32_t stage) {
    int32_t most = 0;
    for (int32_t i = 0; i < StagePanelCount(stage); ++i)
        if (StagePanelFile(stage, i) + 1 > most) most = StagePanelFile(stage, i) + 1;
    return most;
}

int32_t StageOpeningPanel(int32_t stage) { return stage == 20 || stage == 45 ? 7 : 0; }

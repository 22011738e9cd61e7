#include "stage.h"

#include "engine/game_state.h"
#include "engine/sound.h"
#include "players/player_front.h"
#include "stages/stage_lists.h"

Stage g_stage;

namespace {

constexpr int32_t kClearSound = 5;
constexpr int32_t kFinalClearSound = 16;

// y of the Varmiel form on the exit ground (its top - 90); 0: no exit.
// clang-format off
constexpr int32_t kExitY[51] = {
    0,
    289, 330, 235, 335, 338, 225, 124, 259, 366, 366,  // 1-10
    209, 195, 189, 335, 310, 366, 330, 123, 366, 293,  // 11-20
    293, 207, 335, 335, 209, 293, 317, 366, 218, 207,  // 21-30
    348, 353, 366, 353, 339, 326, 326, 326, 175, 366,  // 31-40
    353, 0, 0, 0, 123, 220, 323, 311, 0, 353,          // 41-50
};
// clang-format on

bool ExitsLeft(int32_t stage) {
    // clang-format off
    switch (stage) {
        case 9: case 10: case 19: case 20: case 28: case 33: case 45: case 47: case 48:
            return true;
        default:
            return false;
    }
    // clang-format on
}

}  // namespace

int32_t StageEndX(int32_t stage) {
    // clang-format off
    switch (stage) {
        case 1: case 18: case 34: case 39: case 46: case 47: case 48: case 50:
            return 5720;
        case 14: case 16: case 17: case 20: case 22: case 23: case 24: case 25: case 26: case 27:
        case 30: case 31: case 32: case 33: case 35: case 36: case 37: case 38: case 40: case 41:
        case 45:
            return 5080;
        case 2: case 3: case 4: case 5:
            return 4440;
        case 6: case 7: case 8: case 11: case 12: case 13: case 15: case 21: case 29:
            return 3800;
        case 9: case 10: case 19: case 28:
            return 2520;
        case 42: case 43: case 44: case 49:
            return 600;
        default:
            return 0;
    }
    // clang-format on
}

bool StageExitPoint(int32_t stage, int32_t heroIndex, ExitPoint* out) {
    if (stage < 1 || stage > 50 || kExitY[stage] == 0) return false;
    // The three groups stand at different heights on the same ground.
    int32_t dy = 0, leftX = 0;
    // clang-format off
    switch (heroIndex) {
        case 1: dy = 0; leftX = -10; break;
        case 0: dy = 16; leftX = -10; break;
        case 2: case 5: case 6: dy = 26; leftX = 0; break;
        default: return false;
    }
    // clang-format on
    out->x = ExitsLeft(stage) ? leftX : StageEndX(stage);
    out->y = kExitY[stage] + dy;
    return true;
}

// A number without a stage gives length 0, the value before any stage start.
Stage::Stage() { g_stageEndX = StageEndX(g_stageNumber); }

void Stage::PlaceObjects() {
    g_stageRestartRequest = 0;
    const StageObjectList list = StageObjectsFor(g_stageNumber);
    for (int32_t i = 0; i < list.count; ++i) {
        const StageObject& o = list.objects[i];
        PlaceObject(o.cls, o.slot, o.args);
    }
}

void Stage::Update() {
    const StageObjectList list = StageObjectsFor(g_stageNumber);
    for (int32_t i = 0; i < list.count; ++i) UpdateObject(list.objects[i].cls, list.objects[i].slot);
}

void Stage::CheckExit() {
    if (g_playerFront.GetHP() == 0) return;
    ExitPoint exit{};
    if (!StageExitPoint(g_stageNumber, g_playerFront.GetCharacter(), &exit)) return;
    if (g_playerFront.GetX() != exit.x) return;
    if (g_playerFront.GetY() != exit.y) return;
    g_stageClear = 1;
    g_soundPlayer.PlayPanned(g_stageNumber == 50 ? kFinalClearSound : kClearSound, 0.0);
}

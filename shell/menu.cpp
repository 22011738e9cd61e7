#include "menu.h"

#include "engine/graphics.h"
#include "engine/keyboard.h"
#include "engine/sound.h"
#include "engine/timers.h"
#include "ground/stage_floor.h"
#include "players/player_front.h"
#include "shell/shell.h"
#include "stages/stage.h"

GameMenu g_menu;
int32_t g_soundsPending = 1;
int32_t g_loadedStage = -1;

namespace {

// Player-select item -> hero index; the names without a hero of their own
// play as index 6.
int32_t HeroForItem(int32_t item) {
    switch (item) {
        case 0: return 0;
        case 1: return 1;
        case 2: return 2;
        case 5: return 5;
        default: return 6;
    }
}

void PostQuit() {
    if (platform::Backend* b = platform::Current()) b->PostQuit(0);
}

}  // namespace

GameMenu::GameMenu() : active(1), mode(1), cursor(0), itemCount(6), itemCountPerMode{7, 6, 50, 8, 0, 170, 0} {}

void GameMenu::ShowPage(int32_t page, int32_t highlighted) {
    mode = page;
    cursor = highlighted;
    itemCount = itemCountPerMode[page];
}

// The loading screen, then the stage (re)starts and play runs; the in-stage
// menu is what the next Esc opens.
void GameMenu::StartFromMenu() {
    ShowPage(0, 0);
    g_graphics.DrawLoadingScreen();
    g_graphics.Flip();
    StartStage();
    active = 0;
}

void GameMenu::Update() {
    g_keyboard.Poll();
    uint32_t pressed = 0, released = 0;
    g_keyboard.GetEdges(pressed, released);

    if (pressed & kKeyDown) {
        if (++cursor == itemCount) cursor = 0;
    }
    if (pressed & kKeyUp) {
        if (--cursor == -1) cursor = itemCount - 1;
    }
    if (mode == 2 && (pressed & kKeyLeft)) {
        cursor -= 10;
        if (cursor < 0) cursor += 50;
    }
    if (mode == 2 && (pressed & kKeyRight)) {
        cursor += 10;
        if (cursor > 49) cursor -= 50;
    }

    if (pressed & kKeyAlt) {
        switch (mode) {
            case 0:
                if (cursor == 0) {
                    active = 0;
                } else if (cursor == 6) {
                    PostQuit();
                    return;
                } else {
                    const int32_t page = cursor + 1;
                    ShowPage(page, page == 2 ? g_stageNumber - 1 : 0);
                }
                break;
            case 1:
                if (cursor == 5)
                    PostQuit();
                else
                    ShowPage(cursor + 2, 0);
                break;
            case 2:
                g_stageNumber = cursor + 1;
                StartFromMenu();
                return;
            case 3:
                g_playerFront.Select(HeroForItem(cursor));
                if (g_stageNumber != 0) {
                    StartFromMenu();
                    return;
                }
                ShowPage(1, 0);
                break;
            case 4:
            case 6: ShowPage(g_stageNumber != 0 ? 0 : 1, 0); break;
            default: break;
        }
    }

    if ((pressed & (kKeyCtrl | kKeyEsc)) && mode > 1) ShowPage(g_stageNumber != 0 ? 0 : 1, 0);

    g_graphics.DrawMenuScreen();
}

void GameMenu::StartStage() {
    if (g_soundsPending != 0) {
        g_soundsPending = 0;
        g_soundPlayer.Init();
        for (int32_t i = 0; i < kWaveSlots; ++i) g_soundPlayer.LoadWave(g_waveFiles[i], i);
    }
    const bool stageChanged = g_loadedStage != g_stageNumber;
    // The new stage's floor and length come first: the hero's start position
    // and camera are worked out from them.
    if (stageChanged) {
        g_stageFloor.Load();
        g_stage = Stage();
    }
    g_stage.PlaceObjects();
    g_playerFront.Reset();
    g_graphics.ResetLifeBar();
    if (!stageChanged) {
        g_graphics.RestoreScene();
        return;
    }
    g_loadedStage = g_stageNumber;
    g_graphics.ReleaseStageBackgrounds();
    g_graphics.LoadStageBackgrounds();
    g_graphics.RestoreScene();
    g_timers.KillAll();
    RebuildStageMusic();
    RebuildStageTimers();
}

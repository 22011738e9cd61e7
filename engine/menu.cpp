#include "menu.h"

#include "engine/graphics.h"
#include "engine/keyboard.h"
#include "engine/shell.h"
#include "players/player_front.h"
#include "stages/stage.h"

GameMenu g_menu;
int32_t g_soundsPending = 1;
int32_t g_loadedStage = -1;

GameMenu::GameMenu()
    : active(1), mode(1), cursor(0), itemCount(6), itemCountPerMode{7, 6, 50, 8, 0, 170, 0} {}

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
    g_graphics.DrawMenuScreen();
}

void GameMenu::StartStage() {
    g_stage.PlaceObjects();
    g_playerFront.Reset();
    g_graphics.ResetLifeBar();
    if (g_loadedStage == g_stageNumber) {
        g_graphics.RestoreScene();
        return;
    }
    g_loadedStage = g_stageNumber;
    g_graphics.ReleaseStageBackgrounds();
    g_graphics.LoadStageBackgrounds();
    g_graphics.RestoreScene();
    g_stage = Stage();
    RebuildStageTimers();
}

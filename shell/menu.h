#pragma once

#include <cstdint>

class GameMenu {
public:
    GameMenu();
    void Update();
    void StartStage();
    void Open() { active = 1; }
    int32_t IsActive() const { return active; }
    int32_t GetMode() const { return mode; }
    int32_t GetCursor() const { return cursor; }

    int32_t active;  // 1: menu shown, play paused
    int32_t mode;    // page shown
    int32_t cursor;  // highlighted item
    int32_t itemCount;
    int32_t itemCountPerMode[7];

private:
    void ShowPage(int32_t page, int32_t highlighted);
    void StartFromMenu();
};

extern GameMenu g_menu;
extern int32_t g_soundsPending;
extern int32_t g_loadedStage;

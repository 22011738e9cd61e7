#include "game_test.h"

#include "engine/graphics.h"
#include "engine/keyboard.h"
#include "engine/menu.h"
#include "engine/music.h"
#include "engine/shell.h"
#include "engine/sound.h"
#include "engine/timers.h"
#include "players/player_doran.h"
#include "players/player_front.h"
#include "stages/stage.h"
#include "stages/stage_floor.h"

void GameTest::SetUp() {
    platform::SetBackend(&backend);
    g_timers.KillAll();
    g_timers.Reset();
    g_firstPaint = 1;
    g_stageNumber = 0;
    g_stageClear = 0;
    g_clearWaitTicks = 0;
    g_tickTimerId = 0;
    g_musicTimerId = 0;
    g_hitSoundRequest = 0;
    g_hitSoundX = 0;
    g_hitSoundSlot = 2;
    g_soundsPending = 1;
    g_loadedStage = -1;
    g_keyboard = Keyboard();
    g_menu = GameMenu();
    g_playerFront = PlayerFront();
    PlaceStandInHero(0, 0, 16);
    g_playerDoran = PlayerDoran();
    g_stage = Stage();
    g_stageFloor = StageFloor();
    g_stageMusic = StageMusic();
    g_soundPlayer = SoundPlayer();
}

void GameTest::TearDown() {
    ShutDown();
    g_timers.KillAll();
    g_timers.Reset();
    g_singleInstance.Release();
    platform::ClearBackend();
}

void GameTest::StartGame() {
    WindowProc(platform::Message{platform::MessageType::Paint, 0});
    g_keyboard.Init();
}

int GameTest::Pump() {
    int n = 0;
    platform::Message m{};
    while (backend.TakeMessage(m)) {
        WindowProc(m);
        ++n;
    }
    return n;
}

int GameTest::Tick(int count) {
    int n = 0;
    for (int i = 0; i < count; ++i) {
        backend.Advance(50);
        n += Pump();
    }
    return n;
}

void DataDirTest::SetUp() {
    GameTest::SetUp();
    oldDir_ = std::filesystem::current_path();
    std::filesystem::current_path(MORVANE_DATA_DIR);
}

void DataDirTest::TearDown() {
    std::filesystem::current_path(oldDir_);
    GameTest::TearDown();
}

void PlaceHero(int32_t x, int32_t y, int32_t hp) {
    if (g_playerFront.GetCharacter() == 2) {
        g_playerDoran.x = x;
        g_playerDoran.y = y;
        g_playerDoran.hp = hp;
        return;
    }
    PlaceStandInHero(x, y, hp);
}

std::vector<int> PlayedSlots(platform::HeadlessBackend& backend) {
    std::vector<int> slots;
    for (const auto& play : backend.SoundPlays()) {
        int found = -1;
        for (int slot = 0; slot < kWaveSlots && found < 0; ++slot)
            if (g_soundPlayer.buffers[slot] == play.sound) found = slot;
        slots.push_back(found);
    }
    return slots;
}

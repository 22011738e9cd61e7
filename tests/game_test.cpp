#include "game_test.h"

#include "play/game_reset.h"

#include "engine/graphics.h"
#include "engine/keyboard.h"
#include "engine/music.h"
#include "engine/sound.h"
#include "engine/timers.h"
#include "ground/stage_floor.h"
#include "players/player_doran.h"
#include "players/player_front.h"
#include "players/player_nerys.h"
#include "players/player_seliya.h"
#include "players/player_seliya_varm.h"
#include "players/player_tavish.h"
#include "shell/menu.h"
#include "shell/shell.h"
#include "stages/stage.h"
#include "stages/stage_lists.h"

void GameTest::SetUp() {
    platform::SetBackend(&backend);
    ResetGameGlobals();
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

namespace {

template <class H>
void Place(H& hero, int32_t x, int32_t y, int32_t hp) {
    hero.x = x;
    hero.y = y;
    hero.hp = hp;
}

}  // namespace

void PlaceHero(int32_t x, int32_t y, int32_t hp) {
    switch (g_playerFront.GetCharacter()) {
        case 0: Place(g_playerSeliya, x, y, hp); break;
        case 1: Place(g_playerSeliyaVarm, x, y, hp); break;
        case 2: Place(g_playerDoran, x, y, hp); break;
        case 6: Place(g_playerNerys, x, y, hp); break;
        default: Place(g_playerTavish, x, y, hp); break;
    }
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

void ClearStageOfObjects() {
    const StageObjectList list = StageObjectsFor(g_stageNumber);
    for (int32_t i = 0; i < list.count; ++i) SetObjectDead(list.objects[i].cls, list.objects[i].slot);
}

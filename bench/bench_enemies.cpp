// One full play frame of the largest stage list that exists: the hero, every
// object of the stage, the life bar and the flip to the headless backend.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "enemies/model/enemy_model.h"
#include "engine/keyboard.h"
#include "engine/timers.h"
#include "platform/headless_backend.h"
#include "players/hero_common.h"
#include "players/player_doran.h"
#include "shell/menu.h"
#include "shell/shell.h"
#include "stages/stage.h"
#include "stages/stage_lists.h"

namespace {

namespace fs = std::filesystem;

// The stage with the most objects (the first of equals); stage 48 once all
// lists are laid out.
int32_t LargestListedStage() {
    int32_t best = 1;
    for (int32_t s = 1; s <= 50; ++s)
        if (StageObjectsFor(s).count > StageObjectsFor(best).count) best = s;
    return best;
}

void BM_PlayFrameLargestStage(benchmark::State& state) {
    const fs::path old = fs::current_path();
    fs::current_path(MORVANE_DATA_DIR);
    platform::HeadlessBackend backend;
    platform::SetBackend(&backend);
    WindowProc(platform::Message{platform::MessageType::Paint, 0});
    g_keyboard.Init();
    g_stageNumber = LargestListedStage();
    g_menu.StartStage();
    g_menu.active = 0;
    SeedGameRand(1);
    // Halfway along the stage, where its foes are spread on either side.
    const int32_t x = g_stage.GetEndX() / 2;
    g_playerDoran.x = x;
    g_playerDoran.screenX = HeroScreenXFor(x);
    g_playerDoran.scrollRequest = 1;
    for (auto _ : state) {
        g_timers.SetPending(g_tickTimerId, 1);
        WindowProc(platform::Message{platform::MessageType::User, g_tickTimerId});
        backend.ClearSoundPlays();
        if (g_playerDoran.hp < 8) g_playerDoran.hp = 16;  // keep the frame a play frame
    }
    state.counters["objects"] = StageObjectsFor(g_stageNumber).count;
    ShutDown();
    g_timers.KillAll();
    g_timers.Reset();
    g_singleInstance.Release();
    platform::ClearBackend();
    fs::current_path(old);
}
BENCHMARK(BM_PlayFrameLargestStage)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

// One full play frame of the largest stage list that exists: the hero, every
// object of the stage, the life bar and the flip to the headless backend; and
// the busiest frames of the most crowded stages.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <vector>

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

// Starts the stage again with the hero at x, and lets the foes near him wake.
void PlaceHeroAt(int32_t x) {
    g_menu.StartStage();
    g_menu.active = 0;
    SeedGameRand(1);
    g_playerDoran.x = x;
    g_playerDoran.screenX = HeroScreenXFor(x);
    g_playerDoran.scrollRequest = 1;
}

int64_t TimedFrameNs() {
    const auto t = std::chrono::steady_clock::now();
    g_timers.SetPending(g_tickTimerId, 1);
    WindowProc(platform::Message{platform::MessageType::User, g_tickTimerId});
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now() - t);
    platform::HeadlessBackend* b = static_cast<platform::HeadlessBackend*>(platform::Current());
    b->ClearSoundPlays();
    if (g_playerDoran.hp < 8) g_playerDoran.hp = 16;
    return ns.count();
}

constexpr int kSettleFrames = 10;
constexpr int kFramesPerSpot = 40;

// The crowded moments of a stage: the three hero positions (a screen apart
// along the stage) whose frames took longest in a first pass. The frames of
// those spots are timed one by one; mean and 99th percentile as counters.
void BM_BusiestFrames(benchmark::State& state) {
    const fs::path old = fs::current_path();
    fs::current_path(MORVANE_DATA_DIR);
    platform::HeadlessBackend backend;
    platform::SetBackend(&backend);
    WindowProc(platform::Message{platform::MessageType::Paint, 0});
    g_keyboard.Init();
    g_stageNumber = static_cast<int32_t>(state.range(0));
    g_menu.StartStage();
    g_menu.active = 0;
    std::vector<std::pair<int64_t, int32_t>> spots;  // total ns, hero x
    for (int32_t x = 320; x <= g_stage.GetEndX() - 280; x += 320) {
        PlaceHeroAt(x);
        for (int i = 0; i < kSettleFrames; ++i) TimedFrameNs();
        int64_t total = 0;
        for (int i = 0; i < kFramesPerSpot; ++i) total += TimedFrameNs();
        spots.emplace_back(total, x);
    }
    std::sort(spots.rbegin(), spots.rend());
    spots.resize(std::min<size_t>(spots.size(), 3));
    std::vector<int64_t> samples;
    samples.reserve(1 << 16);
    size_t spot = 0;
    int frame = kFramesPerSpot;
    for (auto _ : state) {
        if (frame == kFramesPerSpot) {
            frame = 0;
            PlaceHeroAt(spots[spot].second);
            spot = (spot + 1) % spots.size();
            for (int i = 0; i < kSettleFrames; ++i) TimedFrameNs();
        }
        const int64_t ns = TimedFrameNs();
        ++frame;
        if (samples.size() < samples.capacity()) samples.push_back(ns);
        state.SetIterationTime(static_cast<double>(ns) * 1e-9);
    }
    if (!samples.empty()) {
        double sum = 0;
        for (const int64_t ns : samples) sum += static_cast<double>(ns);
        std::sort(samples.begin(), samples.end());
        state.counters["mean_us"] = sum / static_cast<double>(samples.size()) / 1000.0;
        state.counters["p99_us"] = static_cast<double>(samples[samples.size() * 99 / 100]) / 1000.0;
    }
    ShutDown();
    g_timers.KillAll();
    g_timers.Reset();
    g_singleInstance.Release();
    g_stageNumber = 0;
    platform::ClearBackend();
    fs::current_path(old);
}
BENCHMARK(BM_BusiestFrames)
    ->Arg(32)
    ->Arg(41)
    ->Arg(48)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace

// Start-up loading of every sprite file, and generating the whole picture tree.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>

#include "engine/game_state.h"
#include "engine/graphics.h"
#include "platform/headless_backend.h"
#include "tools/gen_data.h"

namespace {

namespace fs = std::filesystem;

// Every sprite set from the build's data folder, as the first paint does.
void BM_LoadEverySprite(benchmark::State& state) {
    const fs::path old = fs::current_path();
    fs::current_path(MORVANE_DATA_DIR);
    platform::HeadlessBackend backend;
    platform::SetBackend(&backend);
    for (auto _ : state) benchmark::DoNotOptimize(g_graphics.Init());
    platform::ClearBackend();
    fs::current_path(old);
}
BENCHMARK(BM_LoadEverySprite)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_GenerateBitmaps(benchmark::State& state) {
    const fs::path dir = fs::temp_directory_path() / ("morvane_bench_" + std::to_string(::getpid()));
    for (auto _ : state) benchmark::DoNotOptimize(GenerateBitmaps(dir.string()));
    fs::remove_all(dir);
}
BENCHMARK(BM_GenerateBitmaps)->Unit(benchmark::kMillisecond)->UseRealTime();

// One hero frame as the busiest hero makes it: the scene copy and her sprite,
// then all ten of her birds and her special, some of them clipped.
void BM_HeroFrameWithShots(benchmark::State& state) {
    const fs::path old = fs::current_path();
    fs::current_path(MORVANE_DATA_DIR);
    platform::HeadlessBackend backend;
    platform::SetBackend(&backend);
    g_graphics.Init();
    g_stageNumber = 1;
    g_graphics.LoadStageBackgrounds();
    int32_t frame = 0;
    for (auto _ : state) {
        frame = (frame + 1) % 44;
        g_graphics.DrawSeliya(300, 300, frame);
        g_graphics.DrawHimitu(400, 310, frame % 6);
        for (int32_t i = 0; i < 6; ++i) g_graphics.DrawSuzaku(100 * i - 10, 300 - 10 * i, i % 4);
        for (int32_t i = 0; i < 3; ++i) g_graphics.DrawHato(250 * i + 20, 320, (frame + i) % 8);
        benchmark::ClobberMemory();
    }
    g_graphics.ReleaseStageBackgrounds();
    g_stageNumber = 0;
    platform::ClearBackend();
    fs::current_path(old);
}
BENCHMARK(BM_HeroFrameWithShots)->Unit(benchmark::kMicrosecond);

}  // namespace

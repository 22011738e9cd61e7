// Start-up loading of every sprite file, and generating the whole picture tree.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>

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

}  // namespace

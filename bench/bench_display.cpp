#include <benchmark/benchmark.h>

#include <vector>

#include "platform/platform.h"
#include "platform/sdl_backend.h"

namespace {

void BM_PresentPaletteLookup(benchmark::State& state) {
    platform::Surface frame(platform::kScreenW, platform::kScreenH);
    for (int y = 0; y < frame.Height(); ++y)
        for (int x = 0; x < frame.Width(); ++x) frame.Row(y)[x] = static_cast<uint8_t>(x ^ y);
    uint32_t lut[256];
    for (int i = 0; i < 256; ++i) lut[i] = 0xFF000000u | (i * 0x010101u);
    std::vector<uint32_t> texture(static_cast<size_t>(platform::kScreenW) * platform::kScreenH);
    for (auto _ : state) {
        platform::SdlBackend::ConvertFrame(frame, lut, texture.data(), platform::kScreenW);
        benchmark::DoNotOptimize(texture.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_PresentPaletteLookup);

void BM_FullScreenOpaqueBlit(benchmark::State& state) {
    platform::Surface src(platform::kScreenW, platform::kScreenH);
    platform::Surface dst(platform::kScreenW, platform::kScreenH);
    platform::Fill(src, nullptr, 7);
    for (auto _ : state) {
        platform::Blit(dst, nullptr, src, nullptr, false);
        benchmark::DoNotOptimize(dst.Pixels());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_FullScreenOpaqueBlit);

void BM_FullScreenKeyedBlit(benchmark::State& state) {
    platform::Surface src(platform::kScreenW, platform::kScreenH);
    platform::Surface dst(platform::kScreenW, platform::kScreenH);
    for (int y = 0; y < src.Height(); ++y)
        for (int x = 0; x < src.Width(); ++x) src.Row(y)[x] = static_cast<uint8_t>((x / 8) % 2);
    src.SetColorKey(0);
    for (auto _ : state) {
        platform::Blit(dst, nullptr, src, nullptr, true);
        benchmark::DoNotOptimize(dst.Pixels());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_FullScreenKeyedBlit);

}  // namespace

BENCHMARK_MAIN();

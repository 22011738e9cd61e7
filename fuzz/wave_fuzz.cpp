// Any byte string given to the WAVE reader: it must never read outside the
// image, and what it reports must lie inside it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "engine/wave.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    WaveImage w{};
    if (!ParseWave(data, size, w)) return 0;
    if (w.dataOffset > size || w.dataSize > size - w.dataOffset) std::abort();
    // Touch every sample byte it claims, so a wrong range shows at once.
    unsigned sum = 0;
    for (uint32_t i = 0; i < w.dataSize; ++i) sum += data[w.dataOffset + i];
    (void)IsPlayablePcm(w.format);
    return static_cast<int>(sum & 0);
}

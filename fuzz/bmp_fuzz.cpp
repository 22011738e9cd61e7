// libFuzzer entry for the bitmap reader: any bytes must decode or be refused
// without reading or writing out of bounds.
#include <cstddef>
#include <cstdint>

#include "platform/platform.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    platform::Bitmap b;
    if (platform::DecodeBmp(data, size, b)) {
        // A decoded picture is exactly width x height indices.
        if (b.pixels.size() != static_cast<size_t>(b.width) * static_cast<size_t>(b.height)) __builtin_trap();
        volatile uint8_t sink = 0;
        for (uint8_t v : b.pixels) sink = sink ^ v;
        (void)sink;
    }
    return 0;
}

#include "enemies/bosses/fire_pillar.h"

namespace fire_pillar {

namespace {
constexpr int32_t kFrames[14] = {0, 0, 1, 2, 3, 4, 3, 4, 3, 4, 2, 1, 0, 0};
}

int32_t FrameAt(int32_t tick) {
    const int32_t i = tick / 5;
    return i >= 0 && i < 14 ? kFrames[i] : 0;
}

platform::Rect TouchBox(int32_t x, int32_t frame) {
    switch (frame) {
        case 0: return platform::Rect{x, 397, x + 32, 413};
        case 1: return platform::Rect{x + 4, 351, x + 28, 413};
        case 2: return platform::Rect{x, 221, x + 32, 411};
        default: return platform::Rect{x, 191, x + 32, 413};
    }
}

}  // namespace fire_pillar

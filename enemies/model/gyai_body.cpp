#include "enemies/model/gyai_body.h"

#include "enemies/model/enemy_model.h"

namespace boss {

namespace {
// clang-format off
constexpr int32_t kW[7]      = { 96, 158, 192, 128, 124, 124, 124};
constexpr int32_t kH[7]      = {186, 158, 128, 120, 112,  80, 116};
constexpr int32_t kRight[7]  = { 48,  16,   0,  32,  32,  32,  30};
constexpr int32_t kDown[7]   = {  0,  28,  58,  66,  74, 106,  70};
// clang-format on
}  // namespace

platform::Rect GyaiBody(int32_t x, int32_t y, int32_t frame) {
    if (frame < 0 || frame > 6) return platform::Rect{x, y, x, y};
    const int32_t sx = x + kRight[frame];
    const int32_t sy = y + kDown[frame];
    // Two pictures hold the body in a box of its own inside the picture.
    if (frame == 1) return enemy::Box(sx, sy, 50, 32, 104, 158);
    if (frame == 2) return enemy::Box(sx, sy, 68, 12, 120, 128);
    return enemy::Box(sx, sy, 0, 0, kW[frame], kH[frame]);
}

}  // namespace boss

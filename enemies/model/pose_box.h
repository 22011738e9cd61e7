#pragma once

#include <cstdint>

#include "enemies/model/enemy_model.h"

namespace enemy {

// A sprite whose size changes from pose to pose: its rectangle
// (dx, dy, dx + width, dy + height) relative to x, y, with width, height and
// dy by pose and dx by pose and facing. Frames 0 to poses - 1 face right,
// the next poses frames left.
constexpr int32_t kMaxPoses = 8;
struct PoseBoxes {
    int32_t poses;
    int32_t width[kMaxPoses];
    int32_t height[kMaxPoses];
    int32_t dy[kMaxPoses];
    int32_t dxRight[kMaxPoses];
    int32_t dxLeft[kMaxPoses];
};
// A frame outside the two facings is read as its pose facing left.
inline platform::Rect PoseRect(const PoseBoxes& b, int32_t x, int32_t y, int32_t frame) {
    const int32_t poses = b.poses > 0 && b.poses <= kMaxPoses ? b.poses : 1;
    const int32_t f = (frame % poses + poses) % poses;
    const int32_t dx = frame >= 0 && frame < poses ? b.dxRight[f] : b.dxLeft[f];
    return Box(x, y, dx, b.dy[f], dx + b.width[f], b.dy[f] + b.height[f]);
}

}  // namespace enemy

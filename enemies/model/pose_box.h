#pragma once

#include <cstdint>

#include "enemies/model/enemy_model.h"

namespace enemy {

// The box of a kind drawn in four poses a facing whose box follows the
// pose: pose f = frame % 4 is width[f] wide and height[f] tall, standing
// drop[f] below the sprite's top.
struct PoseBoxes {
    int32_t width[4];
    int32_t height[4];
    int32_t drop[4];
};

inline Rect PoseBox(const PoseBoxes& b, int32_t x, int32_t y, int32_t frame) {
    const int32_t f = ((frame % 4) + 4) % 4;
    return Box(x, y, 0, b.drop[f], b.width[f], b.drop[f] + b.height[f]);
}

}  // namespace enemy

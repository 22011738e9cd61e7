#include "enemies/model/close_combat.h"

#include "enemies/model/enemy_model.h"

namespace enemy {

void WalkTowardHero(int32_t& x, int32_t& facing, int64_t ref, int32_t speed) {
    facing = HeroX() >= ref ? 1 : 0;
    x += facing == 1 ? speed : -speed;
}

void StepClamped(int32_t& x, int32_t facing, int32_t speed, int32_t left, int32_t right) {
    if (facing == 1) {
        const int64_t next = static_cast<int64_t>(x) + speed;
        if (x < right) x = next > right ? right : static_cast<int32_t>(next);
    } else {
        const int64_t next = static_cast<int64_t>(x) - speed;
        if (x > left) x = next < left ? left : static_cast<int32_t>(next);
    }
}

platform::Rect PoseRect(const PoseBoxes& b, int32_t x, int32_t y, int32_t frame) {
    const int32_t poses = b.poses > 0 && b.poses <= kMaxPoses ? b.poses : 1;
    const int32_t f = (frame % poses + poses) % poses;
    const int32_t dx = frame >= 0 && frame < poses ? b.dxRight[f] : b.dxLeft[f];
    return Box(x, y, dx, b.dy[f], dx + b.width[f], b.dy[f] + b.height[f]);
}

}  // namespace enemy

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

void TouchWithStrike(const platform::Rect& body, int32_t x, int32_t y, int32_t frame, const Strike& s, int32_t level) {
    const platform::Rect* weapon = frame == s.rightFrame ? &s.right : frame == s.leftFrame ? &s.left : nullptr;
    if (!weapon) {
        TouchHero(body, level);
        return;
    }
    TouchHero(body, Box(x, y, weapon->left, weapon->top, weapon->right, weapon->bottom), level);
}

}  // namespace enemy

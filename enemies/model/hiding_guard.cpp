#include "enemies/model/hiding_guard.h"

#include "enemies/model/enemy_model.h"

namespace enemy {

bool HidingGuardAwake(const HidingGuard& g, int32_t x, int32_t& counter) {
    if (HeroDistance(x) < g.reach) return true;
    counter = 0;
    return false;
}

platform::Rect HidingGuardBody(const HidingGuard& g, int32_t x, int32_t y, int32_t counter) {
    const platform::Rect& r = counter < g.raisedFrom ? g.low : g.raised;
    return Box(x, y, r.left, r.top, r.right, r.bottom);
}

}  // namespace enemy

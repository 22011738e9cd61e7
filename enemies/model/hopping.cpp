#include "enemies/model/hopping.h"

#include "enemies/model/enemy_model.h"
#include "ground/stage_floor.h"

namespace enemy {

namespace {
bool WalksOn(const LeapingWalker& w, int32_t aheadX, int32_t y) {
    return !w.keepsToFloor || g_stageFloor.TopAt(aheadX, y + w.edgeProbe) != 0;
}
}  // namespace

bool FallAndLand(int32_t x, int32_t& y, int32_t& vy, int32_t gravity, int32_t probe) {
    Fall(y, vy, gravity);
    return Land(x, y, probe, probe);
}

bool HeroOnLeftOf(int32_t x) { return x >= HeroX(); }

void LeapingWalkerMove(const LeapingWalker& w, int32_t& x, int32_t& y, int32_t& frame, int32_t& jumping, int32_t& vy,
                       int32_t& counter) {
    if (InAbyss(y)) return;
    counter += 1;
    const int32_t step = counter % 10;
    if (frame >= 2) {
        if (WalksOn(w, x - w.edgeReach, y)) x -= w.speed;
        frame = step >= 6 ? 3 : 2;
    } else {
        if (WalksOn(w, x + w.edgeReach, y)) x += w.speed;
        frame = step > 5 ? 1 : 0;
    }
    if (jumping != 0) {
        x += frame >= 2 ? -w.airSpeed : w.airSpeed;
        if (FallAndLand(x, y, vy, 1, w.probe)) {
            jumping = 0;
            counter = 0;
            frame = HeroOnLeftOf(x) ? 2 : 0;
        }
    } else if (counter >= w.period) {
        counter = 0;
        jumping = 1;
        vy = w.leapVy;
        frame = HeroOnLeftOf(x) ? 2 : 0;
    }
}

}  // namespace enemy

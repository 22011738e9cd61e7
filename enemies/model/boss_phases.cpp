#include "enemies/model/boss_phases.h"

#include "enemies/model/hopping.h"

namespace boss {

bool WalkIn(int32_t& x, int32_t& counter, int32_t& frame, int32_t stopX, int32_t speed) {
    if (x <= stopX) return false;
    x -= speed;
    enemy::Rested(counter, 10);
    frame = counter > 5 ? 1 : 0;
    return true;
}

void AttackTick(int32_t& counter, int32_t& attacking, int32_t length) {
    if (enemy::Rested(counter, length)) attacking = 0;
}

}  // namespace boss

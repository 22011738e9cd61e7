#include "enemies/model/dropping.h"

#include "enemies/droppers/otiru_block.h"
#include "enemies/model/hopping.h"
#include "enemies/model/shots.h"

namespace enemy {

void DropBlockShower(int32_t slotBase, int32_t origin, int32_t step, int32_t spread) {
    for (int32_t k = 0; k < kShowerBlocks; ++k) {
        const int64_t bx = static_cast<int64_t>(origin) + static_cast<int64_t>(step) * (GameRand() % spread);
        const int32_t clamped = bx > INT32_MAX ? INT32_MAX : bx < INT32_MIN ? INT32_MIN : static_cast<int32_t>(bx);
        WriteShot(g_enemyOtiruBlock, slotBase, k, kShowerBlocks, EnemyOtiruBlock(clamped, kShowerRow, 0));
    }
}

bool LeapAndLand(int32_t& x, int32_t& y, int32_t& vy, int32_t dx, int32_t gravity, int32_t probe, int32_t& dead) {
    x += dx;
    if (FallAndLand(x, y, vy, gravity, probe)) return true;
    if (InAbyss(y)) dead = 1;
    return false;
}

}  // namespace enemy

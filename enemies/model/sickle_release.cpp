#include "enemies/model/sickle_release.h"

#include "enemies/bosses/kama.h"
#include "enemies/model/enemy_model.h"

namespace boss {

namespace {
constexpr int32_t kRound = 600;
constexpr int32_t kEvery = 60;
}  // namespace

void ReleaseSickle(int32_t& tick) {
    tick = tick < 0 || tick >= kRound - 1 ? 0 : tick + 1;
    if (tick % kEvery != 0) return;
    const int32_t y = GameRand() % 200;
    const int32_t x = GameRand() % 600;
    enemy::PoolWrite(g_enemyKama, tick / kEvery, EnemyKama(x, y, 0));
}

}  // namespace boss

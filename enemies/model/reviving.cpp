#include "enemies/model/reviving.h"

#include "enemies/model/enemy_model.h"

namespace enemy {

SideSpawn SpawnBesideHero(int32_t base, int32_t spread) {
    const int32_t r = GameRand();
    const int32_t distance = base + r % spread;
    if (r % 2 != 0) return SideSpawn{HeroX() - distance, 1};
    return SideSpawn{HeroX() + distance, 0};
}

bool EndWhenFar(int32_t x, int32_t reach, int32_t& dead, int32_t& counter) {
    if (HeroDistance(x) <= reach) return false;
    dead = 1;
    counter = 0;
    return true;
}

}  // namespace enemy

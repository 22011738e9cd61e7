#include "enemies/self_reviving/w_ghost.h"

#include "enemies/model/reviving.h"
#include "engine/graphics.h"

namespace {
constexpr int32_t kSpawnCount = 20;
constexpr int32_t kReach = 700;
constexpr int32_t kRiseRow = 480;
}  // namespace

EnemyWGhost::EnemyWGhost(int32_t x_, int32_t y_, int32_t dead_) : x(x_), y(y_), dead(dead_) {}

void EnemyWGhost::Respawn() {
    if (!enemy::SpawnCountReached(enemy::InCommonWindow(), counter, kSpawnCount)) return;
    *this = EnemyWGhost(enemy::HeroX() + GameRand() % 640 - 320, kRiseRow, 0);
}

void EnemyWGhost::Move() {
    if (enemy::EndWhenFar(x, kReach, dead, counter)) return;
    x += x >= enemy::HeroX() ? -2 : 2;
    y += enemy::HeroY() > y ? 2 : -2;
    counter = (counter + 1) % 10;
    frame = counter > 5 ? 1 : 0;
}

platform::Rect EnemyWGhost::Body() const {
    return frame == 0 ? enemy::Box(x, y, 0, 0, 30, 56) : enemy::Box(x, y, 0, 0, 26, 60);
}

void EnemyWGhost::CheckWeaponHit() {
    if (enemy::HitModelB(Body(), dead)) counter = 0;
}

void EnemyWGhost::CheckPlayerTouch() { enemy::TouchHero(Body(), 2); }

void EnemyWGhost::Draw() { g_graphics.DrawWGhost(x, y, frame); }

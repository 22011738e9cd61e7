#include "enemies/self_reviving/fish.h"

#include "enemies/model/hopping.h"
#include "enemies/model/reviving.h"
#include "engine/graphics.h"

namespace {
constexpr int32_t kLostRow = 700;
constexpr int32_t kSpawnCount = 30;
constexpr int32_t kWaterRow = 480;
}  // namespace

// Frames 0 and 1 (rising, falling) move right, 2 and 3 left.
EnemyFish::EnemyFish(int32_t x_, int32_t y_, int32_t frame_, int32_t dead_)
    : x(x_), y(y_), frame(frame_), vy(-10 - GameRand() % 20), dead(dead_) {}

void EnemyFish::Respawn() {
    if (!enemy::SpawnCountReached(enemy::InCommonWindow(), counter, kSpawnCount)) return;
    const enemy::SideSpawn at = enemy::SpawnBesideHero(250, 100);
    *this = EnemyFish(at.x, kWaterRow, at.facingRight != 0 ? 0 : 2, 0);
}

void EnemyFish::Move() {
    x += (frame == 2 || frame == 3) ? -7 : 7;
    enemy::Fall(y, vy, 1);
    if (frame % 2 == 0 && vy > 0) frame += 1;
    if (y > kLostRow) {
        dead = 1;
        counter = 0;
    }
}

platform::Rect EnemyFish::Body() const {
    return frame % 2 == 0 ? enemy::Box(x, y, 0, 0, 32, 30) : enemy::Box(x, y, 0, 0, 32, 28);
}

void EnemyFish::CheckWeaponHit() {
    if (enemy::HitModelB(Body(), dead)) counter = 0;
}

void EnemyFish::CheckPlayerTouch() { enemy::TouchHero(Body(), 2); }

void EnemyFish::Draw() { g_graphics.DrawFish(x, y, frame); }

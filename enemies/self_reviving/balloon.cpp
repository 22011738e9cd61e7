#include "enemies/self_reviving/balloon.h"

#include "enemies/model/reviving.h"
#include "enemies/model/wave.h"
#include "enemies/self_reviving/housi.h"
#include "engine/graphics.h"

namespace {
constexpr int32_t kSpawnCount = 20;
constexpr int32_t kReach = 700;
// The bob turns at this vertical speed either way.
constexpr int32_t kBobSpeed = 7;
constexpr int32_t kSporeVx[] = {-6, -3, 3, 6};
constexpr int32_t kSporeVy = -8;
}  // namespace

EnemyBalloon::EnemyBalloon(int32_t x_, int32_t y_, int32_t facing_, int32_t dead_, int32_t slotBase_)
    : x(x_), y(y_), facing(facing_), ay(1), dead(dead_), slotBase(slotBase_) {}

void EnemyBalloon::Respawn() {
    if (!enemy::SpawnCountReached(enemy::InCommonWindow(), counter, kSpawnCount)) return;
    const enemy::SideSpawn at = enemy::SpawnBesideHero(350, 50);
    const int32_t atY = enemy::HeroY() + GameRand() % 80 - 50;
    *this = EnemyBalloon(at.x, atY, at.facingRight, 0, slotBase);
}

void EnemyBalloon::Move() {
    enemy::WaveStep(y, vy, ay, kBobSpeed);
    counter = (counter + 1) % 14;
    frame = counter > 7 ? 1 : 0;
    x += facing == 1 ? 4 : -4;
    enemy::EndWhenFar(x, kReach, dead, counter);
}

platform::Rect EnemyBalloon::Body() const {
    return frame == 0 ? enemy::Box(x, y, 0, 0, 28, 52) : enemy::Box(x, y, 0, 0, 24, 52);
}

void EnemyBalloon::CheckWeaponHit() {
    if (!enemy::HitModelB(Body(), dead)) return;
    counter = 0;
    for (int32_t k = 0; k < 4; ++k) {
        enemy::PoolWrite(g_enemyHousi, slotBase + k, EnemyHousi(x + 13, y + 5, kSporeVx[k], kSporeVy, 0));
    }
}

void EnemyBalloon::CheckPlayerTouch() { enemy::TouchHero(Body(), 3); }

void EnemyBalloon::Draw() { g_graphics.DrawBalloon(x, y, frame); }

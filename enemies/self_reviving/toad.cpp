#include "enemies/self_reviving/toad.h"

#include "enemies/model/hopping.h"
#include "enemies/model/reviving.h"
#include "engine/game_state.h"
#include "engine/graphics.h"

namespace {

constexpr int32_t kProbe = 31;
constexpr int32_t kGravity = 2;
constexpr int32_t kLostRow = 640;
constexpr int32_t kSpawnCount = 20;
constexpr int32_t kSplashSound = 8;

// Where a stage sends it up: the hero's x window (inclusive), the least
// distance from the hero and the row.
struct ToadWindow {
    int32_t stage;
    int32_t from;
    int32_t to;
    int32_t distance;
    int32_t y;
};

constexpr ToadWindow kWindows[] = {
    {7, 1201, 3399, 150, 400},
    {12, 1321, 2449, 200, 300},
    {13, 401, 3399, 200, 450},
    {25, 401, 4699, 200, 450},
};

}  // namespace

// Frames 0 and 1 rest and leap facing right, 4 and 5 facing left.
EnemyToad::EnemyToad(int32_t x_, int32_t y_, int32_t facing, int32_t dead_)
    : x(x_), y(y_), frame(facing == 1 ? 1 : 5), vy(-30), dead(dead_) {}

void EnemyToad::Respawn() {
    for (const ToadWindow& w : kWindows) {
        if (w.stage != g_stageNumber) continue;
        const bool inWindow = enemy::HeroXWithin(w.from, w.to);
        if (!enemy::SpawnCountReached(inWindow, counter, kSpawnCount)) return;
        const enemy::SideSpawn at = enemy::SpawnBesideHero(w.distance, 150);
        *this = EnemyToad(at.x, w.y, at.facingRight, 0);
        enemy::PlaySoundAt(kSplashSound, x);
        return;
    }
}

void EnemyToad::Move() {
    if (Leaping()) {
        enemy::Fall(y, vy, kGravity);
        x += frame == 1 ? 8 : -8;
    }
    // It springs up through the ledges: only a fall lands it.
    if (vy > 0 && enemy::Land(x, y, kProbe, kProbe)) {
        vy = 0;
        counter = 0;
        frame = enemy::HeroX() < x ? 4 : 0;
    }
    if (vy == 0 && !Leaping()) {
        counter += 1;
        if (counter == 10) {
            frame += 1;
            vy = -5 - GameRand() % 25;
        }
    }
    if (y > kLostRow) {
        dead = 1;
        counter = 0;
    }
}

platform::Rect EnemyToad::Body() const {
    return Leaping() ? enemy::Box(x, y, 0, 0, 62, 56) : enemy::Box(x, y, 0, 0, 46, 31);
}

void EnemyToad::CheckWeaponHit() {
    if (enemy::HitModelB(Body(), dead)) counter = 0;
}

void EnemyToad::CheckPlayerTouch() { enemy::TouchHero(Body(), 3); }

void EnemyToad::Draw() { g_graphics.DrawToad(x, y, frame); }

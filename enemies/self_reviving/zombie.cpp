#include "enemies/self_reviving/zombie.h"

#include "engine/graphics.h"
#include "engine/game_state.h"

namespace {

// Where a stage raises its corpses: the hero's x window, the row and bounds;
// behind marks the stage that raises them behind the hero.
struct ZombieWindow {
    int32_t stage;
    int32_t from;
    int32_t to;
    int32_t y;
    int32_t left;
    int32_t right;
    bool behind;
};

constexpr ZombieWindow kWindows[] = {
    {1, 3266, 5000, 319, 3495, enemy::kOpenMax, false},
    {4, 301, 3999, 366, 0, enemy::kOpenMax, false},
    {5, 351, 2999, 366, 486, 3962, false},
    {8, 1001, 3199, 290, 0, enemy::kOpenMax, false},
    {9, 901, 2239, 397, 0, enemy::kOpenMax, true},
    {14, 301, 3999, 365, 0, enemy::kOpenMax, false},
    {17, 301, 4299, 361, 0, enemy::kOpenMax, false},
    {21, 301, 3199, 323, 0, enemy::kOpenMax, false},
    {24, 601, 4299, 366, 0, enemy::kOpenMax, false},
    {27, 601, 4299, 348, 0, enemy::kOpenMax, false},
    {32, 601, 4299, 384, 0, enemy::kOpenMax, false},
};

// Stage 9 raises them only while the hero is on its lower floor.
constexpr int32_t kStage9MinHeroY = 151;

}  // namespace

EnemyZombie::EnemyZombie(int32_t x_, int32_t y_, int32_t, int32_t dead_, int32_t left_, int32_t right_)
    : x(x_), y(y_), hp(2), left(left_), right(right_), dead(dead_) {}

void EnemyZombie::Respawn() {
    for (const ZombieWindow& w : kWindows) {
        if (w.stage != g_stageNumber) continue;
        if (!enemy::HeroXWithin(w.from, w.to)) return;
        if (w.behind && enemy::HeroY() < kStage9MinHeroY) return;
        const int32_t offset = 400 + GameRand() % 300;
        const int32_t at = w.behind ? enemy::HeroX() - offset : enemy::HeroX() + offset;
        *this = EnemyZombie(at, w.y, 0, 0, w.left, w.right);
        return;
    }
}

void EnemyZombie::Move() {
    counter = (counter + 1) % 20;
    if (enemy::HeroX() + 16 >= x) {
        frame = counter > 10 ? 1 : 0;
        if (x <= right) x += 2;
    } else {
        frame = counter < 11 ? 2 : 3;
        if (x >= left) x -= 2;
    }
}

platform::Rect EnemyZombie::Body() const {
    return (frame == 1 || frame == 3) ? enemy::Box(x, y, 0, 0, 36, 64) : enemy::Box(x, y, 0, 0, 30, 58);
}

void EnemyZombie::CheckWeaponHit() {
    if (enemy::HitModelA(Body(), hp, hitLatch, dead)) counter = 0;
}

void EnemyZombie::CheckPlayerTouch() { enemy::TouchHero(Body(), 2); }

void EnemyZombie::Draw() { g_graphics.DrawZombie(x, y, frame); }

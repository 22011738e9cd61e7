#include "enemies/ground/madman.h"

#include "enemies/model/reviving.h"
#include "engine/game_state.h"
#include "engine/graphics.h"

namespace {

// Where a stage raises him: the hero high (above a row, left of an x) or low
// (below a row, right of an x); the first window of a stage that holds wins.
struct MadmanWindow {
    int32_t stage;
    bool heroHigh;
    int32_t heroRow;
    int32_t heroX;
    bool ahead;  // rises ahead of the hero, facing left; else behind, facing right
    int32_t y;
    int32_t left;
    int32_t right;
};

// clang-format off
constexpr MadmanWindow kWindows[] = {
    {28, true,  120, 2000, true,  95,  0, 2449},
    {28, false, 300, 500,  false, 373, 0, enemy::kOpenMax},
    {33, true,  120, 4560, true,  95,  0, 5009},
};
// clang-format on

constexpr int32_t kSpawnCount = 20;

bool Holds(const MadmanWindow& w) {
    if (w.stage != g_stageNumber) return false;
    if (w.heroHigh) return enemy::HeroY() < w.heroRow && enemy::HeroX() < w.heroX;
    return enemy::HeroY() > w.heroRow && enemy::HeroX() > w.heroX;
}

const MadmanWindow* HoldingWindow() {
    for (const MadmanWindow& w : kWindows) {
        if (Holds(w)) return &w;
    }
    return nullptr;
}

// Widths, heights and drops of his box by pose, from barely out of the
// ground to walking.
constexpr int32_t kWidth[5] = {62, 58, 56, 56, 48};
constexpr int32_t kHeight[5] = {12, 24, 42, 76, 80};
constexpr int32_t kDrop[5] = {68, 56, 38, 4, 0};

}  // namespace

EnemyMadman::EnemyMadman(int32_t x_, int32_t y_, int32_t facing_, int32_t dead_, int32_t left_, int32_t right_)
    : x(x_), y(y_), left(left_), right(right_), facing(facing_), dead(dead_) {}

void EnemyMadman::Respawn() {
    const MadmanWindow* w = HoldingWindow();
    if (!enemy::SpawnCountReached(w != nullptr, counter, kSpawnCount)) return;
    const int32_t spread = GameRand() % 150;
    if (w->ahead)
        *this = EnemyMadman(enemy::HeroX() + spread + 100, w->y, 0, 0, w->left, w->right);
    else
        *this = EnemyMadman(enemy::HeroX() - 100 - spread, w->y, 1, 0, w->left, w->right);
}

void EnemyMadman::Move() {
    const int32_t base = facing != 0 ? 0 : 5;
    if (frame % 5 < 3) {
        counter += 1;
        frame = base + counter / 5;
        return;
    }
    counter += 1;
    if (counter > 9) counter = 0;
    if (enemy::HeroX() >= x) {
        if (x < right) x += 2;
        frame = counter < 6 ? 3 : 4;
    } else {
        if (x > left) x -= 2;
        frame = counter < 6 ? 8 : 9;
    }
}

platform::Rect EnemyMadman::Body() const {
    const int32_t f = ((frame % 5) + 5) % 5;
    return enemy::Box(x, y, 0, kDrop[f], kWidth[f], kDrop[f] + kHeight[f]);
}

void EnemyMadman::CheckWeaponHit() {
    if (enemy::HitModelB(Body(), dead)) counter = 0;
}

void EnemyMadman::CheckPlayerTouch() { enemy::TouchHero(Body(), 3); }

void EnemyMadman::Draw() { g_graphics.DrawMadman(x, y, frame); }

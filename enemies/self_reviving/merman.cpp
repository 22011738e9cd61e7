#include "enemies/self_reviving/merman.h"

#include "enemies/model/hopping.h"
#include "enemies/model/reviving.h"
#include "enemies/model/stage_table.h"
#include "engine/graphics.h"
#include "ground/stage_floor.h"

namespace {

constexpr int32_t kProbe = 88;
constexpr int32_t kHeight = 63;
constexpr int32_t kGravity = 2;
constexpr int32_t kLostRow = 640;
constexpr int32_t kSplashSound = 6;

// Where a stage sends it up: the hero's x window (from, to inclusive), the
// frames counted there, and the distance ahead of the hero, base + a random
// part below spread.
struct MermanWindow {
    int32_t stage;
    int32_t from;
    int32_t to;
    int32_t count;
    int32_t base;
    int32_t spread;
};

constexpr MermanWindow kWindows[] = {
    {3, enemy::kOpenMin, 3499, 20, 150, 150},
    {6, enemy::kOpenMin, 3399, 20, 150, 150},
    {14, enemy::kOpenMin, 1899, 40, 250, 50},
    {23, 601, 4699, 40, 250, 50},
    {25, 601, 4699, 40, 150, 150},
    {30, enemy::kOpenMin, 4699, 40, 250, 50},
};

}  // namespace

EnemyMerman::EnemyMerman(int32_t x_, int32_t dead_) : x(x_), y(600), hp(2), frame(4), vy(-40), dead(dead_) {}

void EnemyMerman::Respawn() {
    const MermanWindow* w = enemy::RowForStage(kWindows);
    if (w == nullptr) return;
    if (!enemy::SpawnCountReached(enemy::HeroXWithin(w->from, w->to), counter, w->count)) return;
    *this = EnemyMerman(enemy::HeroX() + w->base + GameRand() % w->spread, 0);
    enemy::PlaySoundAt(kSplashSound, x);
}

void EnemyMerman::Move() {
    const auto floorBelow = [this] { return g_stageFloor.TopAt(x, y + kProbe) != 0; };
    if (landed == 0 || !floorBelow()) enemy::Fall(y, vy, kGravity);
    // It rises out of the water through the ledges: only a fall lands it.
    if (landed == 0 && vy >= 1 && enemy::Land(x, y, kProbe, kHeight)) landed = 1;
    if (landed != 0 && floorBelow()) {
        vy = 0;
        counter += 1;
        if (counter == 18) counter = 8;
        if (counter < 8) {
            frame = 5;
        } else {
            const bool stride = (counter - 8) % 10 >= 5;
            if (enemy::HeroX() <= x) {
                x -= 3;
                frame = stride ? 3 : 2;
            } else {
                x += 3;
                frame = stride ? 1 : 0;
            }
        }
    }
    if (y > kLostRow) {
        dead = 1;
        counter = 0;
    }
}

platform::Rect EnemyMerman::Body() const {
    static constexpr int32_t kW[] = {34, 37, 44, 34};
    static constexpr int32_t kH[] = {64, 62, 64, 48};
    int32_t k = frame > 1 ? frame - 2 : frame;
    if (k < 0 || k > 3) k = 0;
    return enemy::Box(x, y, 0, 0, kW[k], kH[k]);
}

void EnemyMerman::CheckWeaponHit() {
    if (enemy::HitModelA(Body(), hp, hitLatch, dead)) counter = 0;
}

void EnemyMerman::CheckPlayerTouch() { enemy::TouchHero(Body(), 3); }

void EnemyMerman::Draw() { g_graphics.DrawMerman(x, y, frame); }

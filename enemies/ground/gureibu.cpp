#include "enemies/ground/gureibu.h"

#include "enemies/model/hopping.h"
#include "engine/graphics.h"

namespace {
constexpr int32_t kProbe = 86;
constexpr int32_t kRest = 20;
}  // namespace

// The count starts one short of the rest: it leaps the frame after waking.
EnemyGureibu::EnemyGureibu(int32_t x_, int32_t y_, int32_t state_)
    : x(x_), y(y_), state(state_), hp(8), counter(19), dormant(1) {}

bool EnemyGureibu::Awake() { return enemy::WakeOnce(dormant, enemy::HeroDistance(x) < 320); }

void EnemyGureibu::Move() {
    if (Leaping()) {
        // One that missed every floor is gone for good.
        if (enemy::InAbyss(y)) {
            dead = 1;
            return;
        }
        x += state == 1 ? 7 : -7;
        if (enemy::FallAndLand(x, y, vy, 3, kProbe)) {
            counter = 0;
            state -= 1;
        }
        return;
    }
    counter += 1;
    if (counter < kRest) return;
    vy = -40;
    state = enemy::HeroOnLeftOf(x) ? 3 : 1;
}

void EnemyGureibu::CheckWeaponHit() {
    enemy::HitModelA(enemy::Box(x, y, 0, 0, 48, Leaping() ? 86 : 88), hp, hitLatch, dead);
}

void EnemyGureibu::CheckPlayerTouch() { enemy::TouchHero(enemy::Box(x, y, 0, 0, 32, Leaping() ? 48 : 42), 3); }

void EnemyGureibu::Draw() { g_graphics.DrawGureibu(x, y, state); }

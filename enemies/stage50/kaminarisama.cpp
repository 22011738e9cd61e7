#include "enemies/stage50/kaminarisama.h"

#include "enemies/model/flight.h"
#include "enemies/model/pool_slots.h"
#include "enemies/model/shots.h"
#include "enemies/stage50/kaminari.h"
#include "engine/graphics.h"

namespace {
constexpr int32_t kStartRow = 150;
constexpr int32_t kTopRow = 100;
constexpr int32_t kBottomRow = 350;
constexpr int32_t kRide = 8;
constexpr int32_t kThrowEvery = 20;
constexpr int32_t kBoltSlots = 5;
// Its hands, where a bolt leaves it.
constexpr int32_t kHand = 32;
}  // namespace

EnemyKaminarisama::EnemyKaminarisama(int32_t x_, int32_t slotBase_)
    : x(x_), y(kStartRow), goingDown(1), slotBase(slotBase_) {}

void EnemyKaminarisama::Move() {
    enemy::Bounce(y, goingDown, kRide, kTopRow, kBottomRow);
    faceRight = enemy::HeroDX(x) > kHand ? 1 : 0;
    counter += 1;
    if (counter >= kThrowEvery) {
        counter = 0;
        const int32_t k = enemy::AdvanceRotating(g_kaminariBoltSlot, kBoltSlots);
        enemy::WriteShot(g_enemyKaminari, slotBase, k, kBoltSlots, EnemyKaminari(x + kHand, y + kHand, faceRight, 0));
    }
    frame = (counter % 10 > 5 ? 1 : 0) + (faceRight != 0 ? 0 : 2);
}

void EnemyKaminarisama::CheckWeaponHit() { enemy::HitModelB(Body(), dead); }

void EnemyKaminarisama::CheckPlayerTouch() { enemy::TouchHero(Body(), 2); }

void EnemyKaminarisama::Draw() { g_graphics.DrawKaminarisama(x, y, frame); }

#include "enemies/stage50/koumori.h"

#include "enemies/model/flight.h"
#include "enemies/model/launching.h"
#include "engine/graphics.h"

namespace {
constexpr int32_t kWakeDistance = 200;
constexpr int32_t kHangFrames = 20;
constexpr int32_t kSwoopVy = 28;
constexpr int32_t kSpeed = 4;
constexpr int32_t kWings = 10;
}  // namespace

EnemyKoumori::EnemyKoumori(int32_t x_) : x(x_), dormant(1) {}

bool EnemyKoumori::Awake() { return enemy::WakeOnce(dormant, enemy::HeroDistance(x) < kWakeDistance); }

void EnemyKoumori::Move() {
    enemy::LaunchAfterRest(x, flying, counter, vy, dir, kHangFrames, kSwoopVy);
    if (flying == 0) return;
    counter = (counter + 1) % kWings;
    frame = counter < 6 ? 1 : 2;
    if (!enemy::Swoop(x, y, vy, dir == 1 ? kSpeed : -kSpeed, 1, 0)) return;
    flying = 0;
    counter = 0;
    frame = 0;
}

platform::Rect EnemyKoumori::Body() const {
    switch (frame) {
        case 1: return enemy::Box(x, y, 0, 0, 64, 28);
        case 2: return enemy::Box(x, y, 0, 0, 40, 32);
        default: return enemy::Box(x, y, 0, 0, 32, 30);
    }
}

void EnemyKoumori::CheckWeaponHit() { enemy::HitModelB(Body(), dead); }

void EnemyKoumori::CheckPlayerTouch() { enemy::TouchHero(Body(), 2); }

void EnemyKoumori::Draw() { g_graphics.DrawKoumori(x, y, frame); }

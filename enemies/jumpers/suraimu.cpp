#include "enemies/jumpers/suraimu.h"

#include "enemies/model/hopping.h"
#include "engine/graphics.h"

namespace {
constexpr int32_t kWakeReach = 699;
constexpr int32_t kProbe = 20;
constexpr int32_t kDropSpeed = 15;
constexpr int32_t kClimbSpeed = 12;
}  // namespace

EnemySuraimu::EnemySuraimu(int32_t x_, int32_t y_)
    : x(x_), y(y_), homeY(y_), hp(4), state(kWaiting), dormant(1) {}

bool EnemySuraimu::Awake() {
    return enemy::WakeOnce(dormant, enemy::HeroDistance(x) <= kWakeReach);
}

void EnemySuraimu::Move() {
    if (enemy::InAbyss(y)) return;
    switch (state) {
    case kOnFloor:
        counter += 1;
        if (counter == 5) {
            if (GameRand() % 2 == 0) {
                state = kHopping;
                vy = -10;
                facing = enemy::HeroX() >= x ? 1 : 0;
            } else {
                state = kClimbing;
            }
        }
        break;
    case kHopping:
        x += facing == 1 ? 7 : -7;
        if (enemy::FallAndLand(x, y, vy, 1, kProbe)) {
            counter = 0;
            state = kOnFloor;
        }
        break;
    case kClimbing:
        y -= kClimbSpeed;
        if (y < homeY) {
            y = homeY;
            state = kWaiting;
            counter = 0;
        }
        break;
    case kWaiting:
        counter += 1;
        if (counter == 20) state = kDropping;
        break;
    case kDropping:
        y += kDropSpeed;
        if (enemy::Land(x, y, kProbe, kProbe)) {
            counter = 0;
            state = kOnFloor;
        }
        break;
    default:
        break;
    }
}

platform::Rect EnemySuraimu::Body() const {
    switch (state % 3) {
    case 0: return enemy::Box(x, y, 0, 0, 32, 14);
    case 1: return enemy::Box(x, y, 0, 0, 28, 26);
    default: return enemy::Box(x, y, 0, 0, 20, 32);
    }
}

void EnemySuraimu::CheckWeaponHit() { enemy::HitModelA(Body(), hp, hitLatch, dead); }

void EnemySuraimu::CheckPlayerTouch() { enemy::TouchHero(Body(), 3); }

void EnemySuraimu::Draw() { g_graphics.DrawSuraimu(x, y, state); }

#include "enemies/fliers/crow.h"

#include "enemies/model/flight.h"
#include "engine/graphics.h"

namespace {
constexpr int32_t kRest = 70;
}

EnemyCrow::EnemyCrow(int32_t x_, int32_t y_, int32_t facing_)
    : x(x_), y(y_), baseY(y_), hp(2), frame(facing_ == 1 ? 0 : 2), facing(facing_), dormant(1) {}

bool EnemyCrow::Awake() { return enemy::WakeOnce(dormant, enemy::HeroDistance(x) <= 639); }

void EnemyCrow::FaceHero() {
    facing = enemy::HeroX() > x ? 1 : 0;
    frame = facing == 1 ? 0 : 2;
}

void EnemyCrow::Move() {
    if (flying != 0) {
        if (enemy::Swoop(x, y, vy, facing == 1 ? 9 : -9, 1, baseY)) {
            flying = 0;
            counter = 0;
            FaceHero();
        }
        return;
    }
    counter += 1;
    FaceHero();
    if (counter < kRest) {
        frame = enemy::TwoPoseFrame(facing, counter % 10);
        return;
    }
    flying = 1;
    vy = GameRand() % 20 + 5;
}

platform::Rect EnemyCrow::Body() const {
    return frame % 2 == 0 ? enemy::Box(x, y, 0, 0, 46, 60) : enemy::Box(x, y, 0, 0, 40, 50);
}

void EnemyCrow::CheckWeaponHit() { enemy::HitModelA(Body(), hp, hitLatch, dead); }

void EnemyCrow::CheckPlayerTouch() { enemy::TouchHero(Body(), 3); }

void EnemyCrow::Draw() { g_graphics.DrawCrow(x, y, frame); }

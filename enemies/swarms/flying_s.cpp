#include "enemies/swarms/flying_s.h"

#include "enemies/model/flight.h"
#include "enemies/model/reviving.h"
#include "engine/graphics.h"

namespace {
constexpr int32_t kWaveSpeed = 20;
}

EnemyFlyingS::EnemyFlyingS(int32_t x_, int32_t facing_, int32_t dead_)
    : x(x_), frame(facing_ != 0 ? 0 : 2), facing(facing_), ay(1), dead(dead_), hp(2) {}

// No count: every dead frame inside the window brings it back.
void EnemyFlyingS::Respawn() {
    if (!enemy::InCommonWindow()) return;
    const enemy::SideSpawn at = enemy::SpawnBesideHero(350, 200);
    *this = EnemyFlyingS(at.x, at.facingRight, 0);
}

void EnemyFlyingS::Move() {
    x += facing != 0 ? 7 : -7;
    counter = (counter + 1) % 10;
    frame = enemy::TwoPoseFrame(facing, counter);
    if (enemy::EndWhenFar(x, 720, dead, counter)) return;
    y += vy;
    vy += ay;
    // The wave turns on reaching its top speed; a speed beyond it turns too.
    if ((vy >= kWaveSpeed && ay > 0) || (vy <= -kWaveSpeed && ay < 0)) ay = -ay;
}

platform::Rect EnemyFlyingS::Body() const {
    return frame % 2 == 1 ? enemy::Box(x, y, 0, 0, 64, 110) : enemy::Box(x, y, 0, 0, 70, 110);
}

void EnemyFlyingS::CheckWeaponHit() {
    if (enemy::HitModelA(Body(), hp, hitLatch, dead)) counter = 0;
}

void EnemyFlyingS::CheckPlayerTouch() { enemy::TouchHero(Body(), 3); }

void EnemyFlyingS::Draw() { g_graphics.DrawFlyingS(x, y, frame); }

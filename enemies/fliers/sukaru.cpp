#include "enemies/fliers/sukaru.h"

#include "enemies/model/flight.h"
#include "engine/graphics.h"

EnemySukaru::EnemySukaru(int32_t x_, int32_t y_, int32_t frame_)
    : x(x_), y(y_), hp(2), frame(frame_), down(1), dormant(1) {}

bool EnemySukaru::Awake() { return enemy::WakeOnce(dormant, enemy::HeroDistance(x) <= 199); }

void EnemySukaru::Move() {
    enemy::PosedSweepPastHero(x, frame, counter, 4, 100);
    if (enemy::BobAboutHero(y, vy, down, 100)) counter = 0;
}

platform::Rect EnemySukaru::Body() const {
    return frame % 2 == 0 ? enemy::Box(x, y, 0, 0, 48, 60) : enemy::Box(x, y, 0, 0, 52, 64);
}

void EnemySukaru::CheckWeaponHit() { enemy::HitModelA(Body(), hp, hitLatch, dead); }

void EnemySukaru::CheckPlayerTouch() { enemy::TouchHero(Body(), 3); }

void EnemySukaru::Draw() { g_graphics.DrawSukaru(x, y, frame); }

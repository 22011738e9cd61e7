#include "enemies/swarms/sukaru2.h"

#include "enemies/model/flight.h"
#include "enemies/model/reviving.h"
#include "engine/graphics.h"

EnemySukaru2::EnemySukaru2(int32_t x_, int32_t y_, int32_t dead_) : x(x_), y(y_), dead(dead_) {}

void EnemySukaru2::Respawn() {
    if (!enemy::SpawnCountReached(enemy::InCommonWindow(), counter, 20)) return;
    *this = EnemySukaru2(enemy::HeroX() + GameRand() % 640 - 320, -26, 0);
}

// Ending itself far from the hero still lets the rest of the step run.
void EnemySukaru2::Move() {
    enemy::EndWhenFar(x, 666, dead, counter);
    facing = enemy::StepTowardHero(x, y, 1, 1) ? 1 : 0;
    counter = (counter + 1) % 10;
    frame = enemy::TwoPoseFrame(facing, counter);
}

void EnemySukaru2::CheckWeaponHit() {
    if (enemy::HitModelB(enemy::Box(x, y, 0, 0, 26, 26), dead)) counter = 0;
}

void EnemySukaru2::CheckPlayerTouch() { enemy::TouchHero(enemy::Box(x, y, 0, 0, 26, 26), 2); }

void EnemySukaru2::Draw() { g_graphics.DrawSukaru2(x, y, frame); }

#include "enemies/droppers/otiru_honoo.h"

#include "enemies/model/hopping.h"
#include "engine/graphics.h"

namespace {
constexpr int32_t kGone = 506;  // past this row it has left the screen
}  // namespace

EnemyOtiruHonoo::EnemyOtiruHonoo(int32_t x_, int32_t y_, int32_t frame_, int32_t vy_, int32_t dead_)
    : x(x_), y(y_), frame(frame_), vy(vy_), dead(dead_) {}

void EnemyOtiruHonoo::Move() {
    enemy::Fall(y, vy, 1);
    if (y > kGone) dead = 1;
}

void EnemyOtiruHonoo::CheckWeaponHit() { enemy::HitModelB(enemy::Box(x, y, 0, 0, 10, 26), dead); }

void EnemyOtiruHonoo::CheckPlayerTouch() { enemy::TouchHero(enemy::Box(x, y, 0, 0, 10, 26), 2); }

void EnemyOtiruHonoo::Draw() { g_graphics.DrawOtiruHonoo(x, y, frame); }

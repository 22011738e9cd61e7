#include "enemies/walkers/bokusi.h"

#include "engine/graphics.h"

EnemyBokusi::EnemyBokusi(int32_t x_, int32_t y_, int32_t facing_, int32_t left_, int32_t right_)
    : x(x_), y(y_), frame(facing_ == 1 ? 0 : 1), facing(facing_), left(left_), right(right_) {}

void EnemyBokusi::Move() {
    enemy::TurnAtBounds(x, left, right, facing);
    frame = facing == 1 ? 0 : 1;
    x += facing == 1 ? 8 : -8;
}

void EnemyBokusi::CheckWeaponHit() { enemy::HitModelB(enemy::Box(x, y, 0, 0, 36, 96), dead); }

void EnemyBokusi::CheckPlayerTouch() { enemy::TouchHero(enemy::Box(x, y, 0, 0, 36, 96), 3); }

void EnemyBokusi::Draw() { g_graphics.DrawBokusi(x, y, frame); }

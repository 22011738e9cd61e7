#include "enemies/walkers/skeleton_soldier.h"

#include "engine/graphics.h"

EnemySkeletonSoldier::EnemySkeletonSoldier(int32_t x_, int32_t y_, int32_t facing_, int32_t left_, int32_t right_)
    : x(x_), y(y_), hp(3), frame(facing_ > 0 ? 1 : 3), facing(facing_), left(left_), right(right_) {}

void EnemySkeletonSoldier::Move() {
    counter = (counter + 1) % 10;
    if (enemy::TurnAtBounds(x, left, right, facing)) counter = 0;
    frame = (facing == 1 ? 0 : 2) + (counter >= 5 ? 1 : 0);
    x += facing == 1 ? 4 : -4;
}

platform::Rect EnemySkeletonSoldier::Body() const {
    return enemy::Box(x, y, 0, 0, 32, (frame == 1 || frame == 3) ? 62 : 60);
}

void EnemySkeletonSoldier::CheckWeaponHit() { enemy::HitModelA(Body(), hp, hitLatch, dead); }

void EnemySkeletonSoldier::CheckPlayerTouch() { enemy::TouchHero(Body(), 3); }

void EnemySkeletonSoldier::Draw() { g_graphics.DrawSkeletonsoldier(x, y, frame); }

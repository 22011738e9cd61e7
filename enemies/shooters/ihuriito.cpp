#include "enemies/shooters/ihuriito.h"

#include "enemies/model/shots.h"
#include "enemies/shooters/moeruhonoo.h"
#include "engine/graphics.h"

namespace {
constexpr int32_t kCycle = 100;
constexpr int32_t kFlameEvery = 20;  // five flames a cycle, one slot each
constexpr int32_t kFlameDrop = 30;
}  // namespace

EnemyIhuriito::EnemyIhuriito(int32_t x_, int32_t y_, int32_t facing_, int32_t left_, int32_t right_, int32_t slotBase_)
    : x(x_),
      y(y_),
      hp(5),
      frame(facing_ > 0 ? 1 : 3),
      facing(facing_ > 0 ? 1 : 0),
      left(left_),
      right(right_),
      slotBase(slotBase_) {}

void EnemyIhuriito::Move() {
    counter = (counter + 1) % kCycle;
    if (enemy::TurnAtBounds(x, left, right, facing)) counter = 0;
    frame = (facing == 1 ? 0 : 2) + (counter % 10 > 5 ? 1 : 0);
    x += facing == 1 ? 3 : -3;
    if (counter % kFlameEvery == 0)
        enemy::WriteShot(g_enemyMoeruhonoo, slotBase, counter / kFlameEvery, kCycle / kFlameEvery,
                         EnemyMoeruhonoo(x, y + kFlameDrop, 0));
}

platform::Rect EnemyIhuriito::Body() const {
    return frame % 2 == 0 ? enemy::Box(x, y, 0, 0, 34, 62) : enemy::Box(x, y, 0, 0, 40, 63);
}

void EnemyIhuriito::CheckWeaponHit() { enemy::HitModelA(Body(), hp, hitLatch, dead); }

void EnemyIhuriito::CheckPlayerTouch() { enemy::TouchHero(Body(), 3); }

void EnemyIhuriito::Draw() { g_graphics.DrawIhuriito(x, y, frame); }

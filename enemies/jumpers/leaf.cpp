#include "enemies/jumpers/leaf.h"

#include "enemies/model/hopping.h"
#include "engine/graphics.h"

namespace {
constexpr enemy::LeapingWalker kLeaf{4, -15, 60, 107};
// How far the hero must have passed it before it shows itself.
constexpr int64_t kPassedBy = 100;
}  // namespace

EnemyLeaf::EnemyLeaf(int32_t x_, int32_t y_, int32_t frame_) : x(x_), y(y_), frame(frame_) {}

bool EnemyLeaf::Awake() {
    if (awake == 0 && static_cast<int64_t>(enemy::HeroX()) - x > kPassedBy) awake = 1;
    return awake != 0;
}

void EnemyLeaf::Move() { enemy::LeapingWalkerMove(kLeaf, x, y, frame, jumping, vy, counter); }

platform::Rect EnemyLeaf::Body() const {
    return frame % 2 == 0 ? enemy::Box(x, y, 0, 0, 56, 108) : enemy::Box(x, y, 0, 0, 64, 106);
}

void EnemyLeaf::CheckWeaponHit() { enemy::HitModelB(Body(), dead); }

void EnemyLeaf::CheckPlayerTouch() { enemy::TouchHero(Body(), 3); }

void EnemyLeaf::Draw() { g_graphics.DrawLeaf(x, y, frame); }

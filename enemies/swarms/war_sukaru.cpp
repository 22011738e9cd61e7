#include "enemies/swarms/war_sukaru.h"

#include "enemies/model/flight.h"
#include "engine/graphics.h"

namespace {
constexpr enemy::PosePatrol kPatrol{15, 4, 5, true};
}

EnemyWarSukaru::EnemyWarSukaru(int32_t x_, int32_t y_, int32_t facing_, int32_t left_, int32_t right_)
    : x(x_), y(y_), right(right_), left(left_), frame(facing_ != 0 ? 0 : 4), facing(facing_), dormant(1) {}

bool EnemyWarSukaru::Awake() { return enemy::WakeOnce(dormant, enemy::HeroDistance(x) < 200); }

void EnemyWarSukaru::Move() { enemy::PosePatrolMove(kPatrol, x, frame, counter, left, right); }

platform::Rect EnemyWarSukaru::Body() const {
    static constexpr int32_t kWidth[4] = {82, 88, 102, 124};
    static constexpr int32_t kHeight[4] = {66, 64, 62, 60};
    const int32_t k = frame % 4;
    return enemy::Box(x, y, 0, 0, kWidth[k], kHeight[k]);
}

void EnemyWarSukaru::CheckWeaponHit() { enemy::HitModelB(Body(), dead); }

void EnemyWarSukaru::CheckPlayerTouch() { enemy::TouchHero(Body(), 3); }

void EnemyWarSukaru::Draw() { g_graphics.DrawWarSukaru(x, y, frame); }

#include "enemies/fliers/ogideran.h"

#include "enemies/model/flight.h"
#include "engine/graphics.h"

namespace {
constexpr enemy::PosePatrol kPatrol{15, 3, 5, false};
}

EnemyOgideran::EnemyOgideran(int32_t x_, int32_t frame_, int32_t left_, int32_t right_)
    : x(x_), right(right_), left(left_), frame(frame_), down(1) {}

void EnemyOgideran::Move() {
    enemy::Bounce(y, down, 15, 0, 480);
    enemy::PosePatrolMove(kPatrol, x, frame, counter, left, right);
}

platform::Rect EnemyOgideran::Body() const {
    static constexpr int32_t kWidth[3] = {78, 94, 58};
    static constexpr int32_t kHeight[3] = {144, 116, 116};
    const int32_t k = frame % 3;
    return enemy::Box(x, y, 0, 0, kWidth[k], kHeight[k]);
}

void EnemyOgideran::CheckWeaponHit() { enemy::HitModelB(Body(), dead); }

void EnemyOgideran::CheckPlayerTouch() { enemy::TouchHero(Body(), 3); }

void EnemyOgideran::Draw() { g_graphics.DrawOgideran(x, y, frame); }

#include "enemies/hazards/idou_yari.h"

#include "enemies/model/flight.h"
#include "engine/graphics.h"

namespace {
constexpr int32_t kSpeed = 10;
}  // namespace

EnemyIdouYari::EnemyIdouYari(int32_t x_, int32_t y_, int32_t left_, int32_t right_)
    : x(x_), y(y_), right(right_), left(left_) {}

void EnemyIdouYari::Move() { enemy::Bounce(x, goingRight, kSpeed, left, right); }

void EnemyIdouYari::CheckPlayerTouch() { enemy::TouchHero(enemy::Box(x, y, 0, 0, 64, 64), 4); }

void EnemyIdouYari::Draw() { g_graphics.DrawIdouYari(x, y); }

#include "enemies/hazards/idou_yari_v.h"

#include "enemies/model/flight.h"
#include "engine/graphics.h"

namespace {
constexpr int32_t kSpeedX = 7;
constexpr int32_t kSpeedY = 5;
// From its whole height above the screen to below its bottom.
constexpr int32_t kHighest = -64;
constexpr int32_t kLowest = 480;
}  // namespace

EnemyIdouYariV::EnemyIdouYariV(int32_t x_, int32_t left_, int32_t right_)
    : x(x_), right(right_), left(left_), goingDown(1) {}

void EnemyIdouYariV::Move() {
    enemy::Bounce(y, goingDown, kSpeedY, kHighest, kLowest);
    enemy::Bounce(x, goingRight, kSpeedX, left, right);
}

void EnemyIdouYariV::CheckPlayerTouch() { enemy::TouchHero(enemy::Box(x, y, 0, 0, 64, 64), 4); }

// The same spear block as the one that only slides.
void EnemyIdouYariV::Draw() { g_graphics.DrawIdouYari(x, y); }

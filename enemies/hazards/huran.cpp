#include "enemies/hazards/huran.h"

#include "enemies/model/patrol.h"
#include "engine/graphics.h"

namespace {
constexpr int32_t kDropVy = 10;
constexpr int32_t kLetGo = 70;  // the hero this near its left side, or past it
constexpr int32_t kGoneRow = 480;
}  // namespace

EnemyHuran::EnemyHuran(int32_t x_) : x(x_), vy(kDropVy) {}

void EnemyHuran::Move() {
    if (falling == 0) {
        if (static_cast<int64_t>(enemy::HeroX()) + kLetGo > x) falling = 1;
        return;
    }
    if (enemy::FallPast(y, vy, 1, kGoneRow)) dead = 1;
}

void EnemyHuran::CheckPlayerTouch() {
    if (falling != 0) enemy::TouchHero(enemy::Box(x, y, 0, 0, 24, 64), 3);
}

void EnemyHuran::Draw() { g_graphics.DrawHuran(x, y); }

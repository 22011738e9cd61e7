#include "enemies/hazards/yuka_yari.h"

#include "engine/graphics.h"

namespace {
constexpr int64_t kWakeReach = 100;
constexpr int32_t kRise = 12;
constexpr int32_t kTop = -28;  // its length above the screen: it stops at -36
}  // namespace

EnemyYukaYari::EnemyYukaYari(int32_t x_) : x(x_), y(480), dormant(1) {}

bool EnemyYukaYari::Awake() { return enemy::WakeOnce(dormant, enemy::HeroDistance(x) < kWakeReach); }

void EnemyYukaYari::Move() {
    if (y > kTop) y -= kRise;
}

void EnemyYukaYari::CheckPlayerTouch() { enemy::TouchHero(enemy::Box(x, y, 0, 0, 10, 28), 4); }

void EnemyYukaYari::Draw() { g_graphics.DrawYukaYari(x, y); }

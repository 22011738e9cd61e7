#include "enemies/shooters/moeruhonoo.h"

#include "engine/graphics.h"

namespace {
constexpr int32_t kLife = 90;  // frames from a write to the idle slot
}  // namespace

EnemyMoeruhonoo::EnemyMoeruhonoo(int32_t x_, int32_t y_, int32_t dead_) : x(x_), y(y_), dead(dead_) {}

void EnemyMoeruhonoo::Update() {
    age += 1;
    if (age >= kLife) *this = EnemyMoeruhonoo(0, 0, 1);
    if (dead != 0) return;
    enemy::TouchHero(enemy::Box(x, y, 0, 0, 15, 32), 3);
    g_graphics.DrawMoeruhonoo(x, y, age % 10 > 5 ? 1 : 0);
}

#include "enemies/ranged/white_d_honoo.h"

#include "enemies/model/straight_shot.h"
#include "engine/graphics.h"

namespace {
// Far beyond every stage's end. A flame aimed straight up or down leaves
// the screen without ever getting there on x: it is spent as far away on y,
// so it cannot fly on for ever.
constexpr int64_t kReach = 8000;
}  // namespace

EnemyWhiteDHonoo::EnemyWhiteDHonoo(int32_t x_, int32_t y_, int32_t vx_, int32_t vy_, int32_t dead_)
    : x(x_), y(y_), vx(vx_), vy(vy_), dead(dead_) {}

void EnemyWhiteDHonoo::Move() {
    const bool outX = enemy::FlyStraight(x, vx, kReach);
    const bool outY = enemy::FlyStraight(y, vy, kReach);
    if (outX || outY) {
        dead = 1;
        counter = 0;
    }
    counter = (counter + 1) % 10;
}

void EnemyWhiteDHonoo::CheckWeaponHit() { enemy::HitModelB(enemy::Box(x, y, 0, 0, 30, 32), dead); }

void EnemyWhiteDHonoo::CheckPlayerTouch() { enemy::TouchHero(enemy::Box(x, y, 0, 0, 30, 32), 3); }

void EnemyWhiteDHonoo::Draw() { g_graphics.DrawWhiteDHonoo(x, y, counter > 5 ? 1 : 0); }

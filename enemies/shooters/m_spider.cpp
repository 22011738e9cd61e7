#include "enemies/shooters/m_spider.h"

#include <cstdint>

#include "engine/graphics.h"

namespace {
constexpr int64_t kReach = 6000;
constexpr int32_t kGoneRow = 671;
}  // namespace

EnemyMSpider::EnemyMSpider(int32_t x_, int32_t y_, int32_t vx_, int32_t vy_, int32_t dead_)
    : x(x_), y(y_), vx(vx_), vy(vy_), dead(dead_) {}

// It steps first and then looks where it is: beyond 6000 either way or down
// at row 671 it is spent. Upward it flies on; only a step that would leave
// the coordinate range ends it there instead of wrapping.
void EnemyMSpider::Move() {
    const int64_t nx = static_cast<int64_t>(x) + vx;
    const int64_t ny = static_cast<int64_t>(y) + vy;
    if (nx < INT32_MIN || nx > INT32_MAX || ny < INT32_MIN || ny > INT32_MAX) {
        dead = 1;
        return;
    }
    x = static_cast<int32_t>(nx);
    y = static_cast<int32_t>(ny);
    if (nx > kReach || nx < -kReach || ny >= kGoneRow) {
        dead = 1;
        return;
    }
    counter = (counter + 1) % 10;
    frame = counter > 5 ? 1 : 0;
}

platform::Rect EnemyMSpider::Body() const {
    return frame == 1 ? enemy::Box(x, y, 0, 0, 32, 28) : enemy::Box(x, y, 0, 0, 28, 30);
}

void EnemyMSpider::CheckWeaponHit() { enemy::HitModelB(Body(), dead); }

void EnemyMSpider::CheckPlayerTouch() { enemy::TouchHero(Body(), 2); }

void EnemyMSpider::Draw() { g_graphics.DrawMSpider(x, y, frame); }

#include "enemies/shooters/eipu.h"

#include "enemies/model/shots.h"
#include "enemies/shooters/taru.h"
#include "engine/graphics.h"

namespace {
constexpr int64_t kReach = 199;
constexpr int32_t kBarrelSpeed = 7;
constexpr int32_t kWalkFrom = 10;  // frames after the throw before it walks
constexpr int32_t kCycleEnd = 20;  // the walk cycle runs 10 to 19
constexpr int32_t kStride = 16;
constexpr int32_t kSpeed = 2;
constexpr int32_t kLeft = 4;  // frames per facing

constexpr int32_t kW[4] = {94, 80, 68, 58};
constexpr int32_t kH[4] = {120, 90, 90, 92};
}  // namespace

EnemyEipu::EnemyEipu(int32_t x_, int32_t y_, int32_t frame_, int32_t limit_, int32_t slotBase_)
    : x(x_), y(y_), frame(frame_ & 7), limit(limit_), slotBase(slotBase_) {}

void EnemyEipu::Move() {
    const int32_t base = frame < kLeft ? 0 : kLeft;
    if (frame == base) {
        if (enemy::HeroDistance(x) > kReach) return;
        const int32_t vx = enemy::HeroX() >= x ? kBarrelSpeed : -kBarrelSpeed;
        enemy::WriteShot(g_enemyTaru, slotBase, 0, 1, EnemyTaru(x + 15, y + 10, vx, 0));
        frame = base + 1;
        return;
    }
    counter += 1;
    if (counter >= kCycleEnd) counter = kWalkFrom;
    if (counter < kWalkFrom) return;
    // Walks up to its limit and never past it, from either side.
    if (base == 0 && x < limit) x = x < int64_t{limit} - kSpeed ? x + kSpeed : limit;
    if (base == kLeft && x > limit) x = x > int64_t{limit} + kSpeed ? x - kSpeed : limit;
    frame = base + 2 + (counter >= kStride ? 1 : 0);
}

platform::Rect EnemyEipu::Body() const {
    const int32_t k = frame % 4;
    const int32_t s = k == 0 ? 0 : 29;
    return enemy::Box(x, y, 0, s, kW[k], kH[k] + s);
}

void EnemyEipu::CheckWeaponHit() { enemy::HitModelB(Body(), dead); }

void EnemyEipu::CheckPlayerTouch() { enemy::TouchHero(Body(), 3); }

void EnemyEipu::Draw() { g_graphics.DrawEipu(x, y, frame); }

#include "enemies/ground/kanoke.h"

#include "enemies/model/waking.h"
#include "engine/graphics.h"

namespace {
constexpr int32_t kSpeed = 12;
constexpr int32_t kOvershoot = 100;
}  // namespace

EnemyKanoke::EnemyKanoke(int32_t x_, int32_t y_, int32_t frame_) : x(x_), y(y_), hp(1), frame(frame_), dormant(1) {}

bool EnemyKanoke::Awake() { return enemy::WakeOnce(dormant, enemy::HeroPassed(x, 200)); }

void EnemyKanoke::Move() {
    counter = (counter + 1) % 20;
    const int64_t hx = enemy::HeroX();
    if (frame < 4) {
        if (hx + kOvershoot < x) frame = 4;
    } else if (hx - kOvershoot > x) {
        frame = 0;
    }
    if (frame < 4) {
        x += kSpeed;
        frame = counter / 5;
    } else {
        x -= kSpeed;
        frame = 4 + counter / 5;
    }
}

platform::Rect EnemyKanoke::Body() const { return enemy::Box(x, y, 0, 0, 64, 112); }

void EnemyKanoke::CheckWeaponHit() { enemy::HitModelA(Body(), hp, hitLatch, dead); }

void EnemyKanoke::CheckPlayerTouch() { enemy::TouchHero(Body(), 3); }

void EnemyKanoke::Draw() { g_graphics.DrawKanoke(x, y, frame); }

#include "enemies/warriors/tyinman.h"

#include "enemies/model/close_combat.h"
#include "engine/graphics.h"

namespace {
constexpr int64_t kWake = 700;
constexpr int32_t kRunSpeed = 16;
constexpr int64_t kOverrun = 250;  // how far past the hero it runs before turning
constexpr int32_t kKnockSpeed = 7;
constexpr int32_t kKnockFrames = 30;

platform::Rect Box(int32_t x, int32_t y) { return enemy::Box(x, y, 0, 0, 86, 122); }
}  // namespace

EnemyTyinman::EnemyTyinman(int32_t x_, int32_t y_, int32_t facing_, int32_t left_, int32_t right_)
    : x(x_),
      y(y_),
      hp(4),
      right(right_),
      left(left_),
      frame(facing_ != 0 ? 0 : 2),
      facing(facing_ != 0 ? 1 : 0),
      dormant(1) {}

bool EnemyTyinman::Awake() { return enemy::WakeOnce(dormant, enemy::HeroDistance(x) < kWake); }

void EnemyTyinman::Move() {
    if (knockTimer > 0) {
        knockTimer -= 1;
        enemy::StepClamped(x, knockDir == 1 ? 1 : 0, kKnockSpeed, left, right);
    } else if (facing == 1) {
        x += kRunSpeed;
        if (x > enemy::HeroX() + kOverrun || x > right) facing = 0;
    } else {
        x -= kRunSpeed;
        if (x + kOverrun < enemy::HeroX() || x < left) facing = 1;
    }
    frame = enemy::Stride(counter, facing == 1 ? 0 : 2);
}

// A blow that leaves it standing pushes it back against its facing.
void EnemyTyinman::CheckWeaponHit() {
    const int32_t before = hp;
    enemy::HitModelA(Box(x, y), hp, hitLatch, dead);
    if (hp == before || dead != 0) return;
    knockTimer = kKnockFrames;
    knockDir = frame >= 2 ? 1 : 0;
}

void EnemyTyinman::CheckPlayerTouch() { enemy::TouchHero(Box(x, y), 3); }

void EnemyTyinman::Draw() { g_graphics.DrawTyinman(x, y, frame); }

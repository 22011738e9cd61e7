#include "enemies/droppers/medama.h"

#include "enemies/droppers/otiru_honoo.h"
#include "engine/graphics.h"

namespace {
constexpr int32_t kRow = 100;
constexpr int32_t kSpeed = 14;
constexpr int64_t kStopReach = 30;
constexpr int32_t kDropAt = 15;
constexpr int32_t kAttackEnd = 25;
constexpr int32_t kFlameOffset = 15;
constexpr int32_t kFlameVy = 10;
}  // namespace

EnemyMedama::EnemyMedama(int32_t x_, int32_t facing_, int32_t right_, int32_t slot_)
    : x(x_), y(kRow), frame(facing_ != 0 ? 0 : 4), facing(facing_ != 0 ? 1 : 0), right(right_), slot(slot_) {}

// The eye opens over 15 frames, drops its flame and closes again by 25.
void EnemyMedama::Attack() {
    attackCounter += 1;
    const int32_t base = facing == 1 ? 0 : 4;
    if (attackCounter < 5) {
        frame = base + 1;
    } else if (attackCounter < 10) {
        frame = base + 2;
    } else if (attackCounter < kDropAt) {
        frame = base + 3;
    } else if (attackCounter == kDropAt) {
        enemy::PoolWrite(g_enemyOtiruHonoo, slot,
                         EnemyOtiruHonoo(x + kFlameOffset, y + kFlameOffset, facing == 1 ? 0 : 1, kFlameVy, 0));
        frame = base + 2;
    } else if (attackCounter < 20) {
        frame = base + 2;
    } else if (attackCounter < kAttackEnd) {
        frame = base + 1;
    } else {
        attackCounter = 0;
        frame = base;
    }
}

void EnemyMedama::Move() {
    if (attackCounter != 0) {
        Attack();
        return;
    }
    if (facing == 1) {
        x += kSpeed;
        if (x > right) {
            facing = 0;
            frame = 4;
        }
    } else {
        x -= kSpeed;
        if (x < 0) {
            facing = 1;
            frame = 0;
        }
    }
    if (enemy::HeroDistance(x) < kStopReach) attackCounter = 1;
}

platform::Rect EnemyMedama::Body() const {
    return frame % 4 < 2 ? enemy::Box(x, y, 0, 0, 30, 32) : enemy::Box(x, y, 0, 0, 30, 30);
}

void EnemyMedama::CheckWeaponHit() { enemy::HitModelB(Body(), dead); }

void EnemyMedama::CheckPlayerTouch() { enemy::TouchHero(Body(), 3); }

void EnemyMedama::Draw() { g_graphics.DrawMedama(x, y, frame); }

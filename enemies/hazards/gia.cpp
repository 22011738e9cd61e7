#include "enemies/hazards/gia.h"

#include "engine/graphics.h"

namespace {
constexpr int64_t kWakeReach = 110;
constexpr int32_t kDropSpeed = 25;
constexpr int32_t kRestRow = 315;
constexpr int32_t kRollSpeed = 6;
constexpr int32_t kRest = 5;  // a roll counts from here to kRollEnd: 95 frames
constexpr int32_t kRollEnd = 100;
}  // namespace

EnemyGia::EnemyGia(int32_t x_) : x(x_), y(-128), frame(kRest), dormant(1), falling(1) {}

bool EnemyGia::Awake() { return enemy::WakeOnce(dormant, enemy::HeroDistance(x) < kWakeReach); }

void EnemyGia::Move() {
    if (falling != 0) {
        y += kDropSpeed;
        if (y > kRestRow) {
            y = kRestRow;
            falling = 0;
        }
    }
    if (rolling != 0) {
        frame += 1;
        x += kRollSpeed;
        if (frame >= kRollEnd) {
            frame = kRest;
            rolling = 0;
        }
    }
}

void EnemyGia::CheckWeaponHit() {
    // A strike sets it rolling (again); one already rolling keeps its count.
    if (falling == 0 && enemy::WeaponOverlaps(enemy::Box(x, y, 0, 0, 128, 128))) rolling = 1;
}

void EnemyGia::CheckPlayerTouch() { enemy::TouchHero(enemy::Box(x, y, 0, 0, 128, 128), 4); }

void EnemyGia::Draw() { g_graphics.DrawGia(x, y, frame % 10 > 5 ? 1 : 0); }

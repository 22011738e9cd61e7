#include "enemies/swarms/haru.h"

#include <algorithm>

#include "enemies/model/flight.h"
#include "engine/graphics.h"

namespace {
constexpr int32_t kSwingRow = 181;
constexpr int32_t kMaxVy = 15;
}  // namespace

EnemyHaru::EnemyHaru(int32_t x_, int32_t facing_) : x(x_), y(130), hp(2), facing(facing_), swooping(1), dormant(1) {}

bool EnemyHaru::Awake() { return enemy::WakeOnce(dormant, enemy::HeroDistance(x) < 700); }

void EnemyHaru::Move() {
    if (swooping != 0) {
        const bool above = y < kSwingRow;
        x += above ? -7 : 7;
        y += vy;
        vy = above ? std::min(vy + 1, kMaxVy) : std::max(vy - 1, -kMaxVy);
        counter += 1;
        frame = counter % 15 / 5 + (facing != 0 ? 0 : 4);
    } else if (enemy::DiveAtHero(x, y, counter, 13, 13, 20)) {
        swooping = 1;
        facing = x < enemy::HeroX() ? 1 : 0;
    }
    if (counter >= 91 && y < 110) {
        swooping = 0;
        counter = 0;
        facing = x < enemy::HeroX() ? 1 : 0;
        frame = facing != 0 ? 3 : 7;
    }
}

platform::Rect EnemyHaru::Body() const {
    static constexpr int32_t kWidth[4] = {106, 96, 104, 94};
    static constexpr int32_t kHeight[4] = {134, 80, 86, 154};
    const int32_t k = frame % 4;
    return enemy::Box(x, y, 0, 0, kWidth[k], kHeight[k]);
}

void EnemyHaru::CheckWeaponHit() { enemy::HitModelA(Body(), hp, hitLatch, dead); }

void EnemyHaru::CheckPlayerTouch() { enemy::TouchHero(Body(), 3); }

void EnemyHaru::Draw() { g_graphics.DrawHaru(x, y, frame); }

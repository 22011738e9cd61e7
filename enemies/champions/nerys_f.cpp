#include "enemies/champions/nerys_f.h"

#include "enemies/champions/lightning.h"
#include "enemies/model/dropping.h"
#include "engine/graphics.h"

namespace {
constexpr int64_t kWakeReach = 700;
constexpr int32_t kCycle = 70;
constexpr int32_t kCastFrom = 60;
constexpr int32_t kCast = 65;
constexpr int32_t kSpeed = 3;
constexpr int32_t kHandDx = 16;
constexpr int32_t kHandDy = 30;
// The three balls fan out down, level and up before they home.
constexpr int32_t kFan[3] = {2, 0, -2};

constexpr int32_t kW[5] = {30, 26, 28, 42, 32};
constexpr int32_t kHeight = 60;
}  // namespace

EnemyNerysF::EnemyNerysF(int32_t x_, int32_t y_, int32_t facing_)
    : x(x_), y(y_), hp(5), frame(facing_ > 0 ? 0 : 5), facing(facing_ > 0 ? 1 : 0), dormant(1) {}

bool EnemyNerysF::Awake() { return enemy::WakeOnce(dormant, enemy::HeroDistance(x) < kWakeReach); }

void EnemyNerysF::Move() {
    counter = (counter + 1) % kCycle;
    if (counter < kCastFrom) {
        facing = enemy::HeroX() >= x ? 1 : 0;
        x += facing == 1 ? kSpeed : -kSpeed;
        frame = (facing == 1 ? 0 : 5) + enemy::StridePose(counter);
        return;
    }
    const int32_t base = facing == 1 ? 0 : 5;
    frame = base + (counter > 64 ? 4 : 3);
    if (counter != kCast) return;
    for (int32_t k = 0; k < 3; ++k) g_enemyLightning[k] = EnemyLightning(x + kHandDx, y + kHandDy, kFan[k], 0);
}

platform::Rect EnemyNerysF::Body() const {
    if (frame == 8) return enemy::Box(x, y, -8, 0, 34, kHeight);
    if (frame == 9) return enemy::Box(x, y, -4, 0, 28, kHeight);
    const int32_t f = frame % 5;
    return enemy::Box(x, y, 0, f == 1 ? -2 : 0, kW[f], kHeight);
}

void EnemyNerysF::CheckWeaponHit() { enemy::HitModelA(Body(), hp, hitLatch, dead); }

void EnemyNerysF::CheckPlayerTouch() { enemy::TouchHero(Body(), 2); }

void EnemyNerysF::Draw() { g_graphics.DrawNerysF(x, y, frame); }

#include "enemies/ground/bokujin.h"

#include "enemies/model/waking.h"
#include "engine/graphics.h"

namespace {
// Frames 0 and 1 grow it; 2 to 4 then loop.
constexpr int32_t kLoopEnd = 25;
constexpr int32_t kLoopStart = 10;
constexpr int32_t kWidth[5] = {26, 58, 90, 102, 108};
constexpr int32_t kHeight[5] = {42, 48, 56, 58, 54};
}  // namespace

EnemyBokujin::EnemyBokujin(int32_t x_, int32_t y_) : x(x_), y(y_), dormant(1) {}

bool EnemyBokujin::Awake() { return enemy::WakeOnce(dormant, enemy::HeroPassed(x, 70)); }

void EnemyBokujin::Move() {
    counter += 1;
    if (counter >= kLoopEnd) counter = kLoopStart;
}

platform::Rect EnemyBokujin::Body() const {
    const int32_t f = counter / 5;
    return enemy::Box(x, y, 0, 0, kWidth[f], kHeight[f]);
}

void EnemyBokujin::CheckWeaponHit() { enemy::HitModelB(Body(), dead); }

void EnemyBokujin::CheckPlayerTouch() { enemy::TouchHero(Body(), 3); }

void EnemyBokujin::Draw() { g_graphics.DrawBokujin(x, y, counter / 5); }

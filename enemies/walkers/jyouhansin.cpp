#include "enemies/walkers/jyouhansin.h"

#include "engine/game_state.h"
#include "engine/graphics.h"

namespace {
constexpr int32_t kReach = 120;
constexpr int32_t kStage10MinHeroY = 257;  // the hero on the lower floor
}  // namespace

EnemyJyouhansin::EnemyJyouhansin(int32_t x_, int32_t y_) : x(x_), y(y_) {}

bool EnemyJyouhansin::Awake() {
    const int64_t ahead = static_cast<int64_t>(enemy::HeroX()) - x;
    switch (g_stageNumber) {
        case 10: return ahead > 0 && ahead < kReach && enemy::HeroY() >= kStage10MinHeroY;
        case 20: return ahead > 0 && ahead < kReach;
        default: return true;
    }
}

void EnemyJyouhansin::Move() { counter = (counter + 1) % 21; }

platform::Rect EnemyJyouhansin::Body() const {
    constexpr int32_t kSide[3] = {42, 80, 34};
    const int32_t t = kSide[counter / 7];
    return enemy::Box(x, y, 0, 0, t, t);
}

void EnemyJyouhansin::CheckWeaponHit() { enemy::HitModelB(Body(), dead); }

void EnemyJyouhansin::CheckPlayerTouch() { enemy::TouchHero(Body(), 2); }

void EnemyJyouhansin::Draw() { g_graphics.DrawJyouhansin(x, y, counter / 7); }

#include "enemies/stage50/gool.h"

#include "engine/graphics.h"

namespace {
constexpr int32_t kWakeDistance = 200;
constexpr int32_t kProbe = 48;  // also its standing height
constexpr int32_t kPitRow = 481;
constexpr int32_t kLandPause = 5;
}  // namespace

EnemyGool::EnemyGool(int32_t x_, int32_t y_, int32_t dir_)
    : x(x_), y(y_), frame(dir_ == 1 ? 0 : 2), dir(dir_), dormant(1) {}

bool EnemyGool::Awake() { return enemy::WakeOnce(dormant, enemy::HeroDistance(x) < kWakeDistance); }

void EnemyGool::Move() {
    if (pause >= 1) {
        pause -= 1;
        return;
    }
    if (jumping == 0) {
        jumping = 1;
        highJump = GameRand() % 2;
        vy = highJump != 0 ? -15 : -8;
        frame += 1;
    }
    const int32_t step = highJump != 0 ? 7 : 12;
    x += dir == 1 ? step : -step;
    y += vy;
    vy += 1;
    if (y >= kPitRow) {
        dead = 1;
        return;
    }
    if (enemy::Land(x, y, kProbe, kProbe)) {
        vy = 0;
        pause = kLandPause;
        jumping = 0;
        if (x >= enemy::HeroX()) {
            frame = 2;
            dir = 0;
        } else {
            frame = 0;
            dir = 1;
        }
    }
}

void EnemyGool::CheckWeaponHit() {
    const bool odd = frame % 2 == 1;
    enemy::HitModelB(odd ? enemy::Box(x, y, 0, 0, 40, 48) : enemy::Box(x, y, 0, 0, 32, 28), dead);
}

void EnemyGool::CheckPlayerTouch() {
    const bool odd = frame % 2 == 1;
    enemy::TouchHero(odd ? enemy::Box(x, y, 0, 0, 40, 48) : enemy::Box(x, y, 0, 20, 32, 48), 2);
}

void EnemyGool::Draw() { g_graphics.DrawGool(x, y, frame); }

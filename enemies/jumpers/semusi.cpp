#include "enemies/jumpers/semusi.h"

#include "enemies/model/hopping.h"
#include "engine/graphics.h"

namespace {
constexpr int32_t kProbe = 30;
}  // namespace

EnemySemusi::EnemySemusi(int32_t x_, int32_t y_, int32_t facing, int32_t dead_)
    : x(x_), y(y_), hp(3), frame(facing == 1 ? 0 : 1), dead(dead_) {}

void EnemySemusi::Move() {
    if (enemy::InAbyss(y)) return;
    if (jumping == 0) {
        if (enemy::Rested(counter, 10)) {
            jumping = 1;
            vy = -3 - GameRand() % 15;
            frame = enemy::HeroOnLeftOf(x) ? 1 : 0;
        }
        return;
    }
    x += frame == 0 ? 6 : -6;
    if (enemy::FallAndLand(x, y, vy, 1, kProbe)) {
        jumping = 0;
        counter = 0;
        frame = enemy::HeroOnLeftOf(x) ? 1 : 0;
    }
}

void EnemySemusi::CheckWeaponHit() {
    const platform::Rect box =
        frame == 0 ? enemy::Box(x, y, 0, 0, 28, 30) : enemy::Box(x, y, 0, 0, 26, 28);
    enemy::HitModelA(box, hp, hitLatch, dead);
}

void EnemySemusi::CheckPlayerTouch() {
    const platform::Rect box =
        frame == 0 ? enemy::Box(x, y, 0, 0, 28, 28) : enemy::Box(x, y, 0, 0, 26, 30);
    enemy::TouchHero(box, 2);
}

void EnemySemusi::Draw() { g_graphics.DrawSemusi(x, y, frame); }

#include "enemies/fliers/turn.h"

#include "engine/graphics.h"

EnemyTurn::EnemyTurn(int32_t x_, int32_t y_, int32_t left_, int32_t right_)
    : x(x_), y(y_), hp(2), left(left_), right(right_), dormant(1) {}

bool EnemyTurn::Awake() {
    if (dormant == 0) return true;
    if (!enemy::WakeOnce(dormant, enemy::HeroDistance(x) <= 199)) return false;
    frame = 2;
    return true;
}

void EnemyTurn::Move() {
    if (frame == 1) {
        x -= 11;
        if (x < left) {
            frame = 2;
            x += 11;
        }
        return;
    }
    x += 11;
    if (x > right) frame = 1;
}

// Only the spinning frames have a box; at rest it is never tested.
platform::Rect EnemyTurn::Body() const { return frame == 0 ? platform::Rect{} : enemy::Box(x, y, 0, 0, 132, 56); }

void EnemyTurn::CheckWeaponHit() { enemy::HitModelA(Body(), hp, hitLatch, dead); }

void EnemyTurn::CheckPlayerTouch() { enemy::TouchHero(Body(), 3); }

void EnemyTurn::Draw() { g_graphics.DrawTurn(x, y, frame); }

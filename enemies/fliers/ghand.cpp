#include "enemies/fliers/ghand.h"

#include "engine/graphics.h"

EnemyGHand::EnemyGHand(int32_t x_, int32_t frame_) : x(x_), y(460), frame(frame_), ay(-1), dormant(1) {}

bool EnemyGHand::Awake() { return enemy::WakeOnce(dormant, enemy::HeroDistance(x) <= 249); }

void EnemyGHand::Move() {
    counter = (counter + 1) % 15;
    const bool left = frame >= 3;
    x += left ? -3 : 3;
    y += vy;
    frame = counter / 5 + (left ? 3 : 0);
    vy += ay;
    if (y >= 451) {
        ay = -1;
        vy = -1;
    } else if (y < 0) {
        ay = 1;
        vy = 1;
    } else {
        return;
    }
    // Each reversal turns it to the hero.
    if (!left && enemy::HeroX() < x)
        frame = 3;
    else if (left && enemy::HeroX() > x)
        frame = 0;
}

platform::Rect EnemyGHand::Body() const {
    return frame % 3 < 2 ? enemy::Box(x, y, 0, 0, 64, 32) : enemy::Box(x, y, 0, 0, 64, 30);
}

void EnemyGHand::CheckWeaponHit() { enemy::HitModelB(Body(), dead); }

void EnemyGHand::CheckPlayerTouch() { enemy::TouchHero(Body(), 3); }

void EnemyGHand::Draw() { g_graphics.DrawGHand(x, y, frame); }

#include "enemies/fliers/fukurou.h"

#include "enemies/model/flight.h"
#include "engine/graphics.h"

EnemyFukurou::EnemyFukurou(int32_t x_, int32_t frame_) : x(x_), y(50), baseY(50), frame(frame_), dormant(1) {}

// It is hit-tested and drawn while it sits dormant, so the wake test heads
// the move step.
void EnemyFukurou::Move() {
    enemy::WakeOnce(dormant, enemy::HeroDistance(x) <= 199);
    const bool facingRight = frame < 3;
    if (Swooping()) {
        if (enemy::Swoop(x, y, vy, facingRight ? 14 : -14, 3, baseY)) {
            counter = 0;
            frame = enemy::HeroX() >= x ? 0 : 3;
        }
        return;
    }
    if (dormant != 0) {
        counter = (counter + 1) % 10;
        frame = (facingRight ? 0 : 3) + (counter >= 6 ? 1 : 0);
        return;
    }
    vy = 40;
    frame = facingRight ? 2 : 5;
}

platform::Rect EnemyFukurou::Body() const {
    static constexpr int32_t kWidth[3] = {46, 52, 76};
    static constexpr int32_t kHeight[3] = {48, 62, 50};
    const int32_t k = frame % 3;
    return enemy::Box(x, y, 0, 0, kWidth[k], kHeight[k]);
}

void EnemyFukurou::CheckWeaponHit() { enemy::HitModelB(Body(), dead); }

void EnemyFukurou::CheckPlayerTouch() { enemy::TouchHero(Body(), 3); }

void EnemyFukurou::Draw() { g_graphics.DrawFukurou(x, y, frame); }

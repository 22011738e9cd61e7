#include "enemies/swarms/jyuhouten.h"

#include "enemies/model/dropping.h"
#include "enemies/model/flight.h"
#include "engine/graphics.h"

EnemyJyuhouten::EnemyJyuhouten(int32_t x_) : x(x_), y(GameRand() % 481), hovering(1), goingDown(1), hp(2), dormant(1) {}

bool EnemyJyuhouten::Awake() { return enemy::WakeOnce(dormant, enemy::HeroDistance(x) < 700); }

void EnemyJyuhouten::Move() {
    if (hovering != 0) {
        enemy::Bounce(y, goingDown, 9, 0, 490);
        counter += 1;
        frame = enemy::StridePose(counter);
    } else if (enemy::DiveAtHero(x, y, counter, 14, 9, 20)) {
        hovering = 1;
    }
    if (counter > 100) {
        hovering = 0;
        counter = 0;
    }
}

platform::Rect EnemyJyuhouten::Body() const {
    static constexpr int32_t kWidth[3] = {16, 32, 50};
    static constexpr int32_t kHeight[3] = {32, 30, 30};
    return enemy::Box(x, y, 0, 0, kWidth[frame % 3], kHeight[frame % 3]);
}

void EnemyJyuhouten::CheckWeaponHit() { enemy::HitModelA(Body(), hp, hitLatch, dead); }

void EnemyJyuhouten::CheckPlayerTouch() { enemy::TouchHero(Body(), 2); }

void EnemyJyuhouten::Draw() { g_graphics.DrawJyuhouten(x, y, frame); }

#include "enemies/shooters/spider.h"

#include "enemies/model/shots.h"
#include "enemies/shooters/m_spider.h"
#include "engine/graphics.h"

namespace {
constexpr int64_t kReach = 700;
constexpr int32_t kBottom = 212;
constexpr int32_t kTop = 0;
constexpr int32_t kSpeed = 2;
constexpr int32_t kDeadZone = 50;
constexpr int32_t kDartSpeed = 9;
}  // namespace

EnemySpider::EnemySpider(int32_t x_, int32_t slotBase_) : x(x_), down(1), slotBase(slotBase_) {}

bool EnemySpider::Awake() const { return enemy::HeroDistance(x) <= kReach; }

void EnemySpider::Move() {
    counter = (counter + 1) % 10;
    frame = counter > 5 ? 1 : 0;
    // The ends of the run are reached or passed, never only met, so a spider
    // off the 2-pixel grid still turns there.
    if (down != 0) {
        y += kSpeed;
        if (y < kBottom) return;
        const enemy::Dart d = enemy::DartAtHero(x, y, kDeadZone, kDartSpeed);
        if (d.vx != 0 || d.vy != 0)
            enemy::WriteShot(g_enemyMSpider, slotBase, 0, 1, EnemyMSpider(x + 25, y + 29, d.vx, d.vy, 0));
        down = 0;
    } else {
        y -= kSpeed;
        if (y <= kTop) down = 1;
    }
}

platform::Rect EnemySpider::Body() const {
    return frame == 1 ? enemy::Box(x, y, 8, 0, 44, 70) : enemy::Box(x, y, 0, 0, 52, 56);
}

void EnemySpider::CheckWeaponHit() { enemy::HitModelB(Body(), dead); }

void EnemySpider::CheckPlayerTouch() { enemy::TouchHero(Body(), 3); }

void EnemySpider::Draw() {
    if (y > 0) g_graphics.DrawIto(x + 24, y);  // the thread hangs from the top of the screen
    g_graphics.DrawSpider(x, y, frame);
}

#include "enemies/shooters/gargoile.h"

#include "enemies/model/hopping.h"
#include "enemies/model/shots.h"
#include "enemies/shooters/tobu_honoo.h"
#include "engine/graphics.h"
#include "ground/stage_floor.h"

namespace {
constexpr int64_t kWakeBehind = 250;  // the hero passes x by this much
constexpr int32_t kSpeed = 4;
constexpr int32_t kLookAhead = 34;  // where it feels for floor before a step
constexpr int32_t kFeelDepth = 62;
constexpr int32_t kStand = 61;  // probe depth and standing height
constexpr int32_t kLeapEvery = 50;
constexpr int32_t kLeapVy = -16;
constexpr int32_t kBreathSpeed = 7;
constexpr enemy::Muzzles kMuzzles{9, 17, 34, 17};
constexpr int32_t kGoneRow = 700;

bool FacesLeft(int32_t frame) { return frame >= 2; }
}  // namespace

EnemyGargoile::EnemyGargoile(int32_t x_, int32_t y_, int32_t frame_, int32_t slotBase_)
    : x(x_), y(y_), hp(4), frame(frame_ & 3), dormant(1), slotBase(slotBase_) {}

bool EnemyGargoile::Awake() { return enemy::WakeOnce(dormant, enemy::HeroDX(x) > kWakeBehind); }

void EnemyGargoile::Walk() {
    if (FacesLeft(frame)) {
        if (g_stageFloor.TopAt(x - kLookAhead, y + kFeelDepth) != 0) x -= kSpeed;
        frame = counter % 10 < 6 ? 2 : 3;
    } else {
        if (g_stageFloor.TopAt(x + kLookAhead, y + kFeelDepth) != 0) x += kSpeed;
        frame = counter % 10 > 5 ? 1 : 0;
    }
}

void EnemyGargoile::Leap() {
    x += FacesLeft(frame) ? -kSpeed : kSpeed;
    if (!enemy::FallAndLand(x, y, vy, 1, kStand)) return;
    jumping = 0;
    counter = 0;
    frame = enemy::HeroOnLeftOf(x) ? 2 : 0;
}

void EnemyGargoile::Move() {
    counter += 1;
    // It walks in the air too, where there is rarely floor ahead of it, and
    // a leap carries it 4 pixels further a frame.
    Walk();
    if (jumping != 0) {
        Leap();
    } else if (counter >= kLeapEvery) {
        counter = 0;
        jumping = 1;
        vy = kLeapVy;
        const enemy::AimedShot s = enemy::ShotAtHero(x, y, kMuzzles);
        frame = s.leftward != 0 ? 2 : 0;
        enemy::WriteShot(g_enemyTobuHonoo, slotBase, 0, 1, EnemyTobuHonoo(s.x, s.y, s.leftward, kBreathSpeed, 0));
    }
    if (y > kGoneRow) dead = 1;
}

platform::Rect EnemyGargoile::Body() const {
    return frame % 2 == 0 ? enemy::Box(x, y, 0, 0, 44, 62) : enemy::Box(x, y, 0, 0, 42, 60);
}

void EnemyGargoile::CheckWeaponHit() { enemy::HitModelA(Body(), hp, hitLatch, dead); }

void EnemyGargoile::CheckPlayerTouch() { enemy::TouchHero(Body(), 3); }

void EnemyGargoile::Draw() { g_graphics.DrawGargoile(x, y, frame); }

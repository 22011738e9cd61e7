#include "enemies/champions/dugal_f.h"

#include "enemies/champions/tanken.h"
#include "enemies/model/dropping.h"
#include "enemies/model/hopping.h"
#include "enemies/model/shots.h"
#include "engine/graphics.h"

namespace {
constexpr int64_t kWakeReach = 640;
constexpr int32_t kLeapDx = 4;
constexpr int32_t kGravity = 2;
constexpr int32_t kProbe = 60;
constexpr int32_t kLeapVy = -20;
constexpr int32_t kLeapVyRange = 20;
constexpr int32_t kThrowFrames = 15;
constexpr int32_t kRelease = 10;
constexpr int32_t kDaggers = 3;
constexpr int32_t kDaggerDy = 16;
// The dagger leaves from behind its back facing right and from its front
// facing left, as the throwing pose holds it.
constexpr int32_t kDaggerDxRight = -32;
constexpr int32_t kDaggerDxLeft = 54;

constexpr int32_t kW[4] = {32, 32, 56, 36};
constexpr int32_t kH[4] = {48, 52, 46, 60};
constexpr int32_t kDrop[4] = {12, 8, 14, 0};
constexpr int32_t kLeftThrowShift = 24;  // the left-facing far throw reaches back
}  // namespace

EnemyDugalF::EnemyDugalF(int32_t x_, int32_t y_, int32_t facing_)
    : x(x_), y(y_), hp(10), frame(facing_ != 0 ? 0 : 4), facing(facing_ != 0 ? 1 : 0), dormant(1) {}

bool EnemyDugalF::Awake() { return enemy::WakeOnce(dormant, enemy::HeroDistance(x) < kWakeReach); }

void EnemyDugalF::Throw() {
    daggerSlot = (daggerSlot + 1) % kDaggers;
    const EnemyTanken dagger = facing == 1 ? EnemyTanken(x + kDaggerDxRight, y + kDaggerDy, 0, 0)
                                           : EnemyTanken(x + kDaggerDxLeft, y + kDaggerDy, 1, 0);
    enemy::PoolWrite(g_enemyTanken, daggerSlot, dagger);
}

void EnemyDugalF::Move() {
    const int32_t base = facing == 1 ? 0 : 4;
    if (jumping != 0) {
        if (enemy::LeapAndLand(x, y, vy, frame == 3 ? kLeapDx : -kLeapDx, kGravity, kProbe, dead)) {
            jumping = 0;
            frame = base;
        }
        return;
    }
    if (throwing != 0) {
        counter += 1;
        if (counter >= kThrowFrames) {
            throwing = 0;
            counter = 0;
            return;
        }
        frame = base + counter / 5;
        if (counter == kRelease) Throw();
        return;
    }
    facing = enemy::HeroOnLeftOf(x) ? 0 : 1;
    if (GameRand() % 2 == 0) {
        jumping = 1;
        vy = kLeapVy - GameRand() % kLeapVyRange;
        frame = (facing == 1 ? 0 : 4) + 3;
    } else {
        throwing = 1;
    }
}

platform::Rect EnemyDugalF::Body() const {
    const int32_t f = frame % 4;
    const int32_t shift = frame == 6 ? kLeftThrowShift : 0;
    return enemy::Box(x, y, -shift, kDrop[f], kW[f] - shift, kDrop[f] + kH[f]);
}

void EnemyDugalF::CheckWeaponHit() { enemy::HitModelA(Body(), hp, hitLatch, dead); }

void EnemyDugalF::CheckPlayerTouch() { enemy::TouchHero(Body(), 3); }

void EnemyDugalF::Draw() { g_graphics.DrawDugalF(x, y, frame); }

#include "enemies/ground/hebi.h"

#include "enemies/model/hopping.h"
#include "engine/graphics.h"

namespace {
constexpr enemy::LeapingWalker kHebi{.speed = 7,
                                     .leapVy = -20,
                                     .period = 20,
                                     .probe = 51,
                                     .keepsToFloor = true,
                                     .edgeReach = 30,
                                     .edgeProbe = 62,
                                     .airSpeed = 7};
// Below this row it has fallen off the world.
constexpr int32_t kLostRow = 692;
}  // namespace

EnemyHebi::EnemyHebi(int32_t x_, int32_t y_, int32_t frame_) : x(x_), y(y_), hp(2), frame(frame_), dormant(1) {}

bool EnemyHebi::Awake() { return enemy::WakeOnce(dormant, enemy::HeroDistance(x) < 700); }

void EnemyHebi::Move() {
    enemy::LeapingWalkerMove(kHebi, x, y, frame, jumping, vy, counter);
    if (y > kLostRow) dead = 1;
}

platform::Rect EnemyHebi::Body() const { return enemy::Box(x, y, 0, 0, 30, frame % 2 == 0 ? 50 : 52); }

void EnemyHebi::CheckWeaponHit() { enemy::HitModelA(Body(), hp, hitLatch, dead); }

void EnemyHebi::CheckPlayerTouch() { enemy::TouchHero(Body(), 3); }

void EnemyHebi::Draw() { g_graphics.DrawHebi(x, y, frame); }

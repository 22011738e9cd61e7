#include "enemies/ranged/saramanda.h"

#include "enemies/model/flight.h"
#include "enemies/shooters/tobu_honoo.h"
#include "engine/graphics.h"

namespace {
constexpr int32_t kSpeed = 9;
constexpr int32_t kTurnBeyond = 300;
constexpr int32_t kFlameSpeed = 16;
}  // namespace

EnemySaramanda::EnemySaramanda(int32_t x_, int32_t y_, int32_t facing_, int32_t slot_)
    : x(x_), y(y_), hp(4), frame(facing_ != 0 ? 0 : 2), facing(facing_), slot(slot_) {}

void EnemySaramanda::Move() {
    const bool wasRunningRight = frame < 2;
    enemy::PosedSweepPastHero(x, frame, counter, kSpeed, kTurnBeyond);
    const bool runningRight = frame < 2;
    if (runningRight == wasRunningRight) return;
    const EnemyTobuHonoo flame = runningRight ? EnemyTobuHonoo(x + 38, y + 10, 0, kFlameSpeed, 0)
                                              : EnemyTobuHonoo(x + 6, y + 10, 1, kFlameSpeed, 0);
    enemy::PoolWrite(g_enemyTobuHonoo, slot, flame);
}

void EnemySaramanda::CheckWeaponHit() { enemy::HitModelA(enemy::Box(x, y, 0, 0, 44, 60), hp, hitLatch, dead); }

void EnemySaramanda::CheckPlayerTouch() { enemy::TouchHero(enemy::Box(x, y, 0, 0, 44, 60), 3); }

void EnemySaramanda::Draw() { g_graphics.DrawSaramanda(x, y, frame); }

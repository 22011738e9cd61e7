#include "enemies/self_reviving/m_bat.h"

#include "enemies/jumpers/nomi.h"
#include "enemies/jumpers/semusi.h"
#include "enemies/model/reviving.h"
#include "engine/graphics.h"

namespace {
constexpr int32_t kReach = 700;
constexpr int32_t kDropReach = 50;
constexpr int32_t kHover = 12;
constexpr int32_t kSpeed = 8;
// The passenger hangs this far right of and below the bat's corner.
constexpr int32_t kPassengerDx = 16;
constexpr int32_t kPassengerDy = 128;
}  // namespace

EnemyMBat::EnemyMBat(int32_t x_, int32_t y_, int32_t facing_, int32_t kind_, int32_t dead_,
                     int32_t slotBase_)
    : x(x_), y(y_), dead(dead_), facing(facing_), slotBase(slotBase_), kind(kind_), carrying(1) {
    frame = FrameNow();
}

void EnemyMBat::Update() {
    if (dead != 0) Respawn();
    if (dead != 0) return;
    Move();
    Draw();
}

bool EnemyMBat::PassengerGone() const {
    if (kind != 0) return enemy::SlotIdle(g_enemyNomi, slotBase);
    return enemy::SlotIdle(g_enemySemusi, slotBase);
}

void EnemyMBat::Respawn() {
    if (!enemy::InCommonWindow() || !PassengerGone()) return;
    const enemy::SideSpawn at = enemy::SpawnBesideHero(350, 50);
    const int32_t atY = GameRand() % 20 + 10;
    *this = EnemyMBat(at.x, atY, at.facingRight, kind, 0, slotBase);
}

void EnemyMBat::DropPassenger() {
    const int32_t px = x + kPassengerDx;
    const int32_t py = y + kPassengerDy;
    if (kind != 0) {
        enemy::PoolWrite(g_enemyNomi, slotBase, EnemyNomi(px, py, facing == 1 ? 0 : 2, 0));
    } else {
        enemy::PoolWrite(g_enemySemusi, slotBase, EnemySemusi(px, py, facing, 0));
    }
    carrying = 0;
    pause = kHover;
}

int32_t EnemyMBat::FrameNow() const {
    const int32_t load = carrying == 0 ? 0 : (kind != 0 ? 3 : 6);
    return (facing == 1 ? 0 : 9) + load + counter / 5;
}

void EnemyMBat::Move() {
    counter = (counter + 1) % 15;
    if (pause < 1) {
        x += facing == 1 ? kSpeed : -kSpeed;
    } else {
        pause -= 1;
    }
    if (enemy::EndWhenFar(x, kReach, dead, counter)) return;
    if (carrying != 0 && enemy::HeroDistance(x) < kDropReach) DropPassenger();
    frame = FrameNow();
}

void EnemyMBat::Draw() { g_graphics.DrawMBat(x, y, frame); }

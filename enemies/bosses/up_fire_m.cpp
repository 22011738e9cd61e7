#include "enemies/bosses/up_fire_m.h"

#include "enemies/bosses/fire_pillar.h"
#include "engine/graphics.h"

namespace {
constexpr int32_t kLife = 70;
}

EnemyUpFireM::EnemyUpFireM(int32_t x_, int32_t dead_) : x(x_), dead(dead_) {}

// The last frame of its life still burns and shows.
void EnemyUpFireM::Update() {
    if (dead != 0) return;
    Move();
    enemy::TouchHero(fire_pillar::TouchBox(x, frame), 6);
    g_graphics.DrawUpFire(x, frame);
}

void EnemyUpFireM::Move() {
    tick += 1;
    if (tick >= kLife) {
        frame = 0;
        dead = 1;
        return;
    }
    frame = fire_pillar::FrameAt(tick);
}

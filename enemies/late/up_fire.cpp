#include "enemies/late/up_fire.h"

#include "enemies/bosses/fire_pillar.h"
#include "engine/graphics.h"

namespace {
constexpr int32_t kCycle = 70;
}

EnemyUpFire::EnemyUpFire(int32_t x_) : x(x_), dormant(1) {}

void EnemyUpFire::Update() {
    if (!enemy::WakeOnce(dormant, enemy::HeroDistance(x) < 100)) return;
    tick = (tick + 1) % kCycle;
    frame = fire_pillar::FrameAt(tick);
    enemy::TouchHero(fire_pillar::TouchBox(x, frame), 4);
    g_graphics.DrawUpFire(x, frame);
}

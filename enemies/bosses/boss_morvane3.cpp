#include "enemies/bosses/boss_morvane3.h"

#include "enemies/bosses/boss_morvane2.h"
#include "enemies/bosses/stn_fire.h"
#include "enemies/model/boss_common.h"
#include "engine/graphics.h"
#include "engine/sound.h"

namespace {
constexpr platform::Rect kBody{518, 80, 566, 330};
constexpr int32_t kDeathSound = 15;
}  // namespace

void BossMorvane3::Update() {
    boss::ChainWake(dormant, g_bossMorvane2[0].IsDead() != 0);
    if (!boss::Preamble(dead, dormant, firstWake)) return;
    Move();
    CheckWeaponHit();
    enemy::TouchHero(kBody, 16);
    boss::DrawTail(dead, [] { g_graphics.DrawMorvane3(); });
}

void BossMorvane3::Move() {
    tick += 1;
    if (tick != 40) return;
    tick = 0;
    const int32_t hx = enemy::HeroX();
    enemy::PoolWrite(g_enemyStnFire, 0, EnemyStnFire(444, 180, hx < 444 ? 1 : 0, 0));
    enemy::PoolWrite(g_enemyStnFire, 1, EnemyStnFire(508, 180, hx < 508 ? 1 : 0, 0));
}

void BossMorvane3::CheckWeaponHit() {
    if (boss::CheckHit(kBody, hp, hitLatch, dead) != boss::Hit::kKilled) return;
    g_soundPlayer.PlayPanned(kDeathSound, 0.0);
    boss::ReleaseOrb();
}

#include "enemies/model/boss_common.h"

#include "enemies/bosses/maryoku_orb.h"
#include "enemies/model/enemy_model.h"
#include "engine/graphics.h"

namespace boss {

namespace {
constexpr int32_t kWakeHeroX = 100;
constexpr int32_t kBarCells = 16;
}  // namespace

bool WakeOnHeroX(int32_t& dormant) { return enemy::WakeOnce(dormant, enemy::HeroX() > kWakeHeroX); }

bool ChainWake(int32_t& dormant, bool predecessorDead) {
    if (dormant == 0 || !predecessorDead) return false;
    dormant = 0;
    return true;
}

bool ChainWakeAfterPause(int32_t& dormant, int32_t& counter, bool predecessorDead, int32_t pause) {
    if (dormant == 0 || !predecessorDead) return false;
    counter += 1;
    if (counter < pause) return false;
    dormant = 0;
    counter = 0;
    return true;
}

bool Preamble(int32_t dead, int32_t dormant, int32_t& firstWake) {
    if (dead != 0 || dormant != 0) return false;
    if (firstWake != 0) {
        firstWake = 0;
        g_graphics.ResetBossLifeBar();
    }
    return true;
}

Hit CheckHit(const platform::Rect& box, int32_t& hp, int32_t& hitLatch, int32_t& dead) {
    const int32_t before = hp;
    const bool killed = enemy::HitModelA(box, hp, hitLatch, dead);
    if (hp == before) return Hit::kNone;
    if (before >= 1 && before <= kBarCells) g_graphics.ClearBossLifeCell(before);
    return killed ? Hit::kKilled : Hit::kHurt;
}

void DrawLifeBar() { g_graphics.DrawBossLifeBar(); }

void ReleaseOrb() { g_maryokuOrb[0] = MaryokuOrb(0); }

}  // namespace boss

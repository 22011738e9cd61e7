#include "enemies/model/enemy_model.h"

#include <cstdlib>

#include "engine/camera.h"
#include "engine/draw_probe.h"
#include "engine/game_state.h"
#include "engine/sound.h"
#include "ground/stage_floor.h"
#include "players/player_front.h"

int32_t GameRand() { return std::rand(); }

void SeedGameRand(uint32_t seed) { std::srand(seed); }

namespace enemy {

namespace {
int32_t s_refusedSlots = 0;
}

void NoteRefusedSlot() { s_refusedSlots += 1; }
int32_t RefusedSlotCount() { return s_refusedSlots; }

int32_t HeroX() { return g_playerFront.GetX(); }
int32_t HeroY() { return g_playerFront.GetY(); }

int64_t HeroDistance(int32_t x) {
    const int64_t d = static_cast<int64_t>(HeroX()) - x;
    return d < 0 ? -d : d;
}

bool HitModelA(const Rect& box, int32_t& hp, int32_t& hitLatch, int32_t& dead) {
    if (g_playerFront.WeaponHits(&box, hitLatch) == 0) {
        hitLatch = 0;
        return false;
    }
    if (hitLatch != 0) return false;
    hitLatch = 1;
    hp -= 1;
    if (hp > 0) return false;
    dead = 1;
    return true;
}

bool HitModelB(const Rect& box, int32_t& dead) {
    if (g_playerFront.WeaponHits(&box, 0) == 0) return false;
    dead = 1;
    return true;
}

bool WeaponOverlaps(const Rect& box) { return g_playerFront.WeaponHits(&box, 0) != 0; }

void TouchHero(const Rect& box, int32_t level) {
    draw_probe::NoteBox(draw_probe::BoxUse::kTouch, box);
    Rect body{};
    if (g_playerFront.GetHurtBox(&body) == 0) return;
    if (RectsOverlap(body, box)) g_playerFront.TakeDamage(level);
}

void TouchHero(const Rect& a, const Rect& b, int32_t level) {
    draw_probe::NoteBox(draw_probe::BoxUse::kTouch, a);
    draw_probe::NoteBox(draw_probe::BoxUse::kTouch, b);
    Rect body{};
    if (g_playerFront.GetHurtBox(&body) == 0) return;
    if (RectsOverlap(body, a) || RectsOverlap(body, b)) g_playerFront.TakeDamage(level);
}

bool InCommonWindow() {
    const int32_t hx = HeroX();
    return hx > 500 && static_cast<int64_t>(hx) < static_cast<int64_t>(g_stageEndX) - 500;
}

bool Land(int32_t x, int32_t& y, int32_t probe, int32_t height) {
    const int32_t top = g_stageFloor.TopAt(x, y + probe);
    if (top == 0) return false;
    y = top - height;
    return true;
}

void PlaySoundAt(int32_t sound, int32_t x) { g_soundPlayer.PlayAt(sound, WorldToScreenX(x)); }

}  // namespace enemy

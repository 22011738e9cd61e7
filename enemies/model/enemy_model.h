#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/platform.h"

// The shared rules of every enemy, trap, enemy projectile, boss and item:
// the update sequence, wake shapes, hit models, touch, landing, respawn
// windows, pools and sounds. Each class calls these; none is written twice.

// The one random source of the game's objects, over the standard generator:
// a value 0 to RAND_MAX, used as a remainder of a small range.
int32_t GameRand();
void SeedGameRand(uint32_t seed);

namespace enemy {

using platform::Rect;

// Open patrol bounds.
constexpr int32_t kOpenMin = INT32_MIN;
constexpr int32_t kOpenMax = INT32_MAX;

// A box (a, b, c, d) relative to an object at x, y.
inline Rect Box(int32_t x, int32_t y, int32_t a, int32_t b, int32_t c, int32_t d) {
    return Rect{x + a, y + b, x + c, y + d};
}

int32_t HeroX();
int32_t HeroY();
// |hero x - x|, without overflow.
int64_t HeroDistance(int32_t x);

// Wake once: clears dormant for good the first time test holds. True while
// the object may act.
inline bool WakeOnce(int32_t& dormant, bool test) {
    if (dormant != 0 && test) dormant = 0;
    return dormant == 0;
}

// Hit model A: a swing costs one hit point however many frames it overlaps.
// True when this hit destroyed the object.
bool HitModelA(const Rect& box, int32_t& hp, int32_t& hitLatch, int32_t& dead);
// Hit model B: the first overlap destroys it. True when it did.
bool HitModelB(const Rect& box, int32_t& dead);
// Hit model C and the others that only react: true on an overlap.
bool WeaponOverlaps(const Rect& box);

// The touch test: hurts the hero at level when its body box (if it can be
// hurt) overlaps. Two rectangles hurt at most once per call.
void TouchHero(const Rect& box, int32_t level);
void TouchHero(const Rect& a, const Rect& b, int32_t level);

// The common respawn window: 500 < hero x < stage length - 500.
bool InCommonWindow();
// Hero x within [from, to].
inline bool HeroXWithin(int32_t from, int32_t to) {
    const int32_t hx = HeroX();
    return hx >= from && hx <= to;
}

// The turn rule at patrol bounds: below left while facing left, face right;
// otherwise beyond right while facing right, face left. True on a turn.
inline bool TurnAtBounds(int32_t x, int32_t left, int32_t right, int32_t& facing) {
    if (x < left && facing != 1) {
        facing = 1;
        return true;
    }
    if (x > right && facing == 1) {
        facing = 0;
        return true;
    }
    return false;
}

// Landing: when the floor holds the point (x, y + probe), stands the object
// on it (y = top - height). True when it landed.
bool Land(int32_t x, int32_t& y, int32_t probe, int32_t height);

// Plays a sound panned by where x is on the screen.
void PlaySoundAt(int32_t sound, int32_t x);

// Pools and slot reads are bounds-checked: a slot outside the array is
// neither written nor read, and counted.
void NoteRefusedSlot();
int32_t RefusedSlotCount();
template <typename T, size_t N>
T* SlotAt(T (&pool)[N], int32_t slot) {
    if (slot >= 0 && static_cast<size_t>(slot) < N) return &pool[slot];
    NoteRefusedSlot();
    return nullptr;
}
template <typename T, size_t N>
bool PoolWrite(T (&pool)[N], int32_t slot, const T& record) {
    T* s = SlotAt(pool, slot);
    if (!s) return false;
    *s = record;
    return true;
}
// True when the slot exists and is idle.
template <typename T, size_t N>
bool SlotIdle(T (&pool)[N], int32_t slot) {
    const T* s = SlotAt(pool, slot);
    return s && s->dead != 0;
}

// The update sequence shared by every class: respawn when dead (self-reviving
// classes), stop when dead, the wake rule, the move step, the weapon test, the
// touch test (also in the frame of the death) and the draw while alive. A
// class leaves out what it does not have.
template <typename T>
void RunUpdate(T& e) {
    if constexpr (requires { e.Respawn(); }) {
        if (e.dead != 0) e.Respawn();
    }
    if (e.dead != 0) return;
    if constexpr (requires { e.Awake(); }) {
        if (!e.Awake()) {
            if constexpr (requires { e.DrawIdle(); }) e.DrawIdle();
            return;
        }
    }
    if constexpr (requires { e.Move(); }) e.Move();
    if constexpr (requires { e.CheckWeaponHit(); }) e.CheckWeaponHit();
    if constexpr (requires { e.CheckPlayerTouch(); }) e.CheckPlayerTouch();
    if (e.dead == 0) e.Draw();
}

}  // namespace enemy

#pragma once

#include <cstdint>

// The shared rules of the kinds that keep coming back in their slot.
namespace enemy {

// The spawn count of a dead reviver: it counts only in frames in which its
// window holds (leaving the window freezes it). True, with the count back
// to 0, on the frame it reaches count.
inline bool SpawnCountReached(bool inWindow, int32_t& counter, int32_t count) {
    if (!inWindow) return false;
    counter += 1;
    if (counter < count) return false;
    counter = 0;
    return true;
}

// A rebirth on a random side of the hero. One draw r gives both the side
// and the distance: r odd puts it behind the hero's left at
// hero x - base - r % spread, facing right; r even ahead at
// hero x + base + r % spread, facing left.
struct SideSpawn {
    int32_t x;
    int32_t facingRight;
};
SideSpawn SpawnBesideHero(int32_t base, int32_t spread);

// A live reviver more than reach pixels from the hero on x ends itself,
// ready to count towards its next rebirth. True when it did.
bool EndWhenFar(int32_t x, int32_t reach, int32_t& dead, int32_t& counter);

}  // namespace enemy

#pragma once

#include <cstdint>

// The shared rules of the kinds that bring things down from above and of the
// heavy leapers that shake the floor.
namespace enemy {

// Blocks that one shower brings down, written over slotBase to slotBase + 4
// of the falling-block pool whether or not the last shower still falls.
constexpr int32_t kShowerBlocks = 5;
// The row above the screen a shaken-loose block starts from.
constexpr int32_t kShowerRow = -30;

// A shower of blocks: block k falls from origin + step * (rand() % spread),
// one draw of the generator per block in slot order.
void DropBlockShower(int32_t slotBase, int32_t origin, int32_t step, int32_t spread);

// The stride of a walker with three poses: 0, 1, 2, 1 over 20 frames.
inline int32_t StridePose(int32_t counter) {
    constexpr int32_t kPoses[4] = {0, 1, 2, 1};
    const int32_t c = counter % 20;
    return kPoses[(c < 0 ? c + 20 : c) / 5];
}

// One frame of a leap: dx across, then the fall under gravity, landing
// rising or falling where the probe strikes a floor (standing height =
// probe). A leaper that missed every floor is gone once it has fallen past
// the abyss row: nothing brings it back, and its fall would not end. True on
// the landing frame.
bool LeapAndLand(int32_t& x, int32_t& y, int32_t& vy, int32_t dx, int32_t gravity, int32_t probe, int32_t& dead);

}  // namespace enemy

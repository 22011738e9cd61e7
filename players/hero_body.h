#pragma once

#include <cstdint>

class StageFloor;

// The ground and wall geometry each hero shares with its group. Probes are
// offsets from the hero's (x, y), the top-left corner of its sprite.
struct HeroBody {
    int32_t walkProbeDx, walkProbeDy;  // ground under a walking hero
    int32_t landProbeDx, landProbeDy;  // ground met in a jump or fall
    int32_t knockProbeDy;              // ground met while knocked back
    int32_t landHeight;                // y = surface top - landHeight
    int32_t startYOffset;              // added to the common start y
    int32_t leastX;                    // least world x and screen x
    int32_t greatestScreenX;
    int32_t jumpSpeed;  // fifths of a pixel per tick
    int32_t jumps;      // jumps per landing
};

// Geometry of the hero with the given player-front index; null for an index
// that has no hero.
const HeroBody* HeroBodyFor(int32_t heroIndex);

constexpr int32_t kHeroStep = 5;        // pixels per horizontal step
constexpr int32_t kWallProbeLeft = -5;  // probed at the hero's top row
constexpr int32_t kWallProbeRight = 41;
constexpr int32_t kWallStandOff = 36;  // a wall on the right stops x at its left - 36

struct HeroStepResult {
    int32_t x;
    int32_t wall;  // 1: a wall decided x (no scroll)
};

// One horizontal step of a hero at (x, y) with walls probed at its top row and
// x kept within leastX..endX. The stop positions are worked out in 64 bits: a
// wall with an open far end never pushes the hero out of the stage.
HeroStepResult HeroStepX(const StageFloor& floor, int32_t x, int32_t y, int32_t movingLeft, int32_t leastX,
                         int32_t endX);

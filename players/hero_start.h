#pragma once

#include <cstdint>

// Where every hero starts a stage. y is the whip heroes' (the others add
// their own start offset); screen x is the camera position of x.
struct HeroStart {
    int32_t x;
    int32_t screenX;
    int32_t y;
    int32_t facing;  // 1 right, 0 left
};

// Start of stage 1 to 50; all zero for any other number.
HeroStart HeroStartFor(int32_t stage);

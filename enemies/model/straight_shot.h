#pragma once

#include <cstdint>

// The flight of the shots that go straight until they are far out of play.
namespace enemy {

// Moves v by step; true once v lies more than reach from 0 on either side,
// where the shot is spent. It is held there, so no position grows without
// end however long a spent shot is stepped.
inline bool FlyStraight(int32_t& v, int32_t step, int64_t reach) {
    int64_t next = static_cast<int64_t>(v) + step;
    if (next > reach) next = reach + 1;
    if (next < -reach) next = -reach - 1;
    v = static_cast<int32_t>(next);
    return next > reach || next < -reach;
}

}  // namespace enemy

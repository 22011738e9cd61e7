#pragma once

#include <cstdint>

#include "enemies/model/enemy_model.h"

namespace enemy {

// The hero has gone more than offset pixels beyond x to the right, without
// overflow near the ends of the range.
inline bool HeroPassed(int32_t x, int32_t offset) {
    return static_cast<int64_t>(HeroX()) > static_cast<int64_t>(x) + offset;
}

}  // namespace enemy

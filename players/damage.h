#pragma once

#include <cstdint>

// 0: rule A (halved damage and a window in which the hero cannot be hit);
// 1: rule B (full damage, no window).
extern const int32_t g_damageRule;

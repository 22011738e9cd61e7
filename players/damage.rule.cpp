// Compiled once per damage rule; only the hero code depends on it.
#include "damage.h"

#if MORVANE_RULE_B
const int32_t g_damageRule = 1;
#else
const int32_t g_damageRule = 0;
#endif

#pragma once

#include <cstdint>

// Classes not built yet: minimal records with their global arrays, so that
// the registry, the stage lists and the classes that read them compile. They
// never act: dead and dormant from the start.
#define ENEMY(Class, array, size, arity, deadArg)
#define PENDING(Class, array, size, arity, deadArg) \
    struct Class {                                  \
        int32_t x = 0;                              \
        int32_t y = 0;                              \
        int32_t dead = 1;                           \
        int32_t dormant = 1;                        \
    };                                              \
    extern Class array[size];
#include "enemies/model/registry.def"
#undef ENEMY
#undef PENDING

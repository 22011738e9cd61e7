#pragma once

#include <cstdint>
#include <initializer_list>

#include "enemies/registry.h"

// One object of a stage: its class, its slot in the class's array and the
// constructor arguments. The list order is the placement, update and draw order.
struct StageObject {
    ObjectClass cls;
    int32_t slot;
    int32_t argc;  // arguments given, to check against the class's constructor
    int32_t args[kMaxObjectArgs];
};

constexpr StageObject Obj(ObjectClass cls, int32_t slot, std::initializer_list<int32_t> args) {
    StageObject o{cls, slot, static_cast<int32_t>(args.size()), {}};
    int32_t i = 0;
    for (const int32_t a : args)
        if (i < kMaxObjectArgs) o.args[i++] = a;
    return o;
}

struct StageObjectList {
    const StageObject* objects;
    int32_t count;
};

// The object list of stage 1 to 50; empty for a stage whose list is not laid
// out yet and for a number without a stage.
StageObjectList StageObjectsFor(int32_t stage);

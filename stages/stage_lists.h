#pragma once

#include <cstdint>

#include "enemies/registry.h"

// One object of a stage: its class, its slot in the class's array and the
// constructor arguments. The list order is the placement, update and draw order.
struct StageObject {
    ObjectClass cls;
    int32_t slot;
    int32_t args[kMaxObjectArgs];
};

struct StageObjectList {
    const StageObject* objects;
    int32_t count;
};

// The object list of stage 1 to 50; empty for a stage whose list is not laid
// out yet and for a number without a stage.
StageObjectList StageObjectsFor(int32_t stage);

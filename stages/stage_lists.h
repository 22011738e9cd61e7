#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>

#include "enemies/model/registry.h"

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

template <size_t N>
constexpr StageObjectList ListOf(const StageObject (&list)[N]) {
    return StageObjectList{list, static_cast<int32_t>(N)};
}

// Each stage's list, one file per stage under stages/lists/.
#define MORVANE_STAGE_LIST(n) StageObjectList StageList##n();
// clang-format off
MORVANE_STAGE_LIST(1) MORVANE_STAGE_LIST(2) MORVANE_STAGE_LIST(3) MORVANE_STAGE_LIST(4)
MORVANE_STAGE_LIST(5) MORVANE_STAGE_LIST(6) MORVANE_STAGE_LIST(7) MORVANE_STAGE_LIST(8)
MORVANE_STAGE_LIST(9) MORVANE_STAGE_LIST(10) MORVANE_STAGE_LIST(11) MORVANE_STAGE_LIST(12)
MORVANE_STAGE_LIST(13) MORVANE_STAGE_LIST(14) MORVANE_STAGE_LIST(15) MORVANE_STAGE_LIST(16)
MORVANE_STAGE_LIST(17) MORVANE_STAGE_LIST(18) MORVANE_STAGE_LIST(19) MORVANE_STAGE_LIST(20)
MORVANE_STAGE_LIST(21) MORVANE_STAGE_LIST(22) MORVANE_STAGE_LIST(23) MORVANE_STAGE_LIST(24)
MORVANE_STAGE_LIST(25) MORVANE_STAGE_LIST(26) MORVANE_STAGE_LIST(27) MORVANE_STAGE_LIST(28)
MORVANE_STAGE_LIST(29) MORVANE_STAGE_LIST(30) MORVANE_STAGE_LIST(31) MORVANE_STAGE_LIST(32)
MORVANE_STAGE_LIST(33) MORVANE_STAGE_LIST(34) MORVANE_STAGE_LIST(35) MORVANE_STAGE_LIST(36)
MORVANE_STAGE_LIST(37) MORVANE_STAGE_LIST(38) MORVANE_STAGE_LIST(39) MORVANE_STAGE_LIST(40)
MORVANE_STAGE_LIST(41) MORVANE_STAGE_LIST(42) MORVANE_STAGE_LIST(43) MORVANE_STAGE_LIST(44)
MORVANE_STAGE_LIST(45) MORVANE_STAGE_LIST(46) MORVANE_STAGE_LIST(47) MORVANE_STAGE_LIST(48)
MORVANE_STAGE_LIST(49) MORVANE_STAGE_LIST(50)
// clang-format on
#undef MORVANE_STAGE_LIST

    // The object list of stage 1 to 50; empty for a stage whose list is not laid
    // out yet and for a number without a stage.
    StageObjectList StageObjectsFor(int32_t stage);

// The index of the stages' object lists; each list is constant data in its
// own file under stages/lists/.
#include "stages/stage_lists.h"

#include <iterator>

namespace {

using ListFn = StageObjectList (*)();

// clang-format off
constexpr ListFn kLists[] = {
    StageList1,  StageList2,  StageList3,  StageList4,  StageList5,  StageList6,  StageList7,
    StageList8,  StageList9,  StageList10, StageList11, StageList12, StageList13, StageList14,
    StageList15, StageList16, StageList17, StageList18, StageList19, StageList20, StageList21,
    StageList22, StageList23, StageList24, StageList25, StageList26, StageList27, StageList28,
    StageList29, StageList30, StageList31, StageList32, StageList33, StageList34, StageList35,
    StageList36, StageList37, StageList38, StageList39, StageList40, StageList41, StageList42,
    StageList43, StageList44, StageList45, StageList46, StageList47, StageList48, StageList49,
    StageList50,
};
// clang-format on
static_assert(std::size(kLists) == 50);

}  // namespace

StageObjectList StageObjectsFor(int32_t stage) {
    if (stage < 1 || stage > 50) return StageObjectList{nullptr, 0};
    return kLists[stage - 1]();
}

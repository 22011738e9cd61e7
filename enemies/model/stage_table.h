#pragma once

#include <cstddef>

#include "engine/game_state.h"

namespace enemy {

// The row of a per-stage table (rows with a `stage` member) for the stage
// being played, or null on a stage the table does not list.
template <typename Row, size_t N>
const Row* RowForStage(const Row (&rows)[N]) {
    for (const Row& r : rows) {
        if (r.stage == g_stageNumber) return &r;
    }
    return nullptr;
}

}  // namespace enemy

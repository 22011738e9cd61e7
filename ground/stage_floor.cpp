#include "ground/stage_floor.h"

#include "engine/game_state.h"

StageFloor g_stageFloor;

void StageFloor::Load() { LoadStage(g_stageNumber); }

void StageFloor::LoadStage(int32_t stage) {
    const FloorTable table = StageFloorTable(stage);
    // Entries past the new count keep what an earlier stage left: the
    // queries never read them.
    for (int32_t i = 0; i < table.count; ++i) rects_[i] = table.rects[i];
    count_ = table.count;
}

const platform::Rect* StageFloor::Find(int32_t x, int32_t y) const {
    for (int32_t i = 0; i < count_; ++i) {
        const platform::Rect& r = rects_[i];
        if (r.left < x && x < r.right && r.top < y && y < r.bottom) return &r;
    }
    return nullptr;
}

int32_t StageFloor::TopAt(int32_t x, int32_t y) const {
    const platform::Rect* r = Find(x, y);
    return r ? r->top : 0;
}

int32_t StageFloor::RightAt(int32_t x, int32_t y) const {
    const platform::Rect* r = Find(x, y);
    return r ? r->right : 0;
}

int32_t StageFloor::LeftAt(int32_t x, int32_t y) const {
    const platform::Rect* r = Find(x, y);
    return r ? r->left : 0;
}

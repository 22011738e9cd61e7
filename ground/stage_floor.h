#pragma once

#include <cstdint>

#include "platform/platform.h"

// Open rectangle ends: one above the smallest 32-bit value, and the largest.
constexpr int32_t kOpenLeft = -2147483647;
constexpr int32_t kOpenRight = 2147483647;
constexpr int32_t kMaxFloorRects = 41;

// A stage's solid rectangles in table order; count 0 for a number without a stage.
struct FloorTable {
    const platform::Rect* rects;
    int32_t count;
};

// The floor and wall rectangles of stage 1 to 50, read straight from the
// constant tables (no global is touched). The bitmap generator draws the stage
// panels from it.
FloorTable StageFloorTable(int32_t stage);

// The current stage's ground: floors, ledges, steps, platforms and walls. A
// rectangle's walking surface is its top.
class StageFloor {
public:
    // The table of g_stageNumber. Only a stage change calls it.
    void Load();
    // The table of the given stage; a number without a stage leaves no rectangle.
    void LoadStage(int32_t stage);

    // Edges of the first rectangle in table order that strictly contains the
    // point, or 0 when none does.
    int32_t TopAt(int32_t x, int32_t y) const;
    int32_t RightAt(int32_t x, int32_t y) const;
    int32_t LeftAt(int32_t x, int32_t y) const;

    int32_t GetCount() const { return count_; }
    const platform::Rect& GetRect(int32_t i) const { return rects_[i]; }

private:
    const platform::Rect* Find(int32_t x, int32_t y) const;

    platform::Rect rects_[kMaxFloorRects];
    int32_t count_;
};

extern StageFloor g_stageFloor;

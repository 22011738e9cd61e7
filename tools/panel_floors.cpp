// The floor and wall rectangles drawn into the stage panels. The panels show
// them where they lie, so the pictures match what the hero stands on.
#include <algorithm>

#include "engine/stage_panels.h"
#include "gen_bitmaps.h"
#include "gen_panels.h"
#include "ground/stage_floor.h"

std::vector<platform::Rect> PanelFloorRects(int stage) {
    const FloorTable table = StageFloorTable(stage);
    return std::vector<platform::Rect>(table.rects, table.rects + table.count);
}

// A column is inside a rectangle strictly between its left and right edges
// (the floor queries' rule); its rows run from the walking surface, the top,
// down to the bottom. Where several panels load one picture, the picture can
// show only the ground they all have: a pit in any of them stays a pit, and
// an edge is drawn only where every one of them has a surface on that row.
void FindPanelFloors(Scene& s) {
    const std::vector<platform::Rect> rects = PanelFloorRects(s.stage);
    s.ground = 0;
    for (const platform::Rect& r : rects) s.ground = std::max(s.ground, r.top);
    if (rects.empty()) s.ground = kPanelH;
    bool first = true;
    std::vector<uint8_t> mine(s.solid.size());
    for (int panel = 0; panel < StagePanelCount(s.stage); ++panel) {
        if (StagePanelFile(s.stage, panel) != s.file) continue;
        std::fill(mine.begin(), mine.end(), 0);
        const int64_t worldX0 = int64_t{panel} * kPanelW;
        for (const platform::Rect& r : rects) {
            const int64_t l = std::max<int64_t>(int64_t{r.left} + 1 - worldX0, 0);
            const int64_t rr = std::min<int64_t>(int64_t{r.right} - worldX0, kPanelW);
            const int y0 = std::clamp(r.top, 0, kPanelH), y1 = std::clamp(r.bottom, 0, kPanelH);
            for (int y = y0; y < y1; ++y)
                for (int64_t x = l; x < rr; ++x) mine[static_cast<size_t>(y) * kPanelW + x] = 1;
        }
        for (int y = kPanelH - 1; y >= 0; --y)  // walking surfaces: solid rows with none above
            for (int x = 0; x < kPanelW; ++x) {
                uint8_t& p = mine[static_cast<size_t>(y) * kPanelW + x];
                if (p && (y == 0 || !mine[static_cast<size_t>(y - 1) * kPanelW + x])) p = 2;
            }
        if (first) {
            s.solid = mine;
            s.x0 = panel * kPanelW;
            first = false;
        } else {
            for (size_t i = 0; i < mine.size(); ++i) s.solid[i] = std::min(s.solid[i], mine[i]);
        }
    }
    for (int x = 0; x < kPanelW; ++x) {
        s.surface[x] = kPanelH;
        for (int y = 0; y < kPanelH; ++y)
            if (s.Solid(x, y)) {
                s.surface[x] = static_cast<int16_t>(y);
                break;
            }
    }
}

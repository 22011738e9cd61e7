// The floor and wall rectangles drawn into the stage panels. The panels show
// them where they lie, so the pictures match what the hero stands on.
#include "gen_bitmaps.h"
#include "stages/stage_floor.h"

std::vector<platform::Rect> PanelFloorRects(int stage) {
    const FloorTable table = StageFloorTable(stage);
    return std::vector<platform::Rect>(table.rects, table.rects + table.count);
}

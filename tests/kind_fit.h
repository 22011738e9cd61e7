#pragma once

// Holds what one object's update drew against the boxes it tested.
#include <cstdint>
#include <utility>
#include <vector>

#include "engine/draw_probe.h"

namespace kind_fit {

// How far a picture stays off a box: gap pixels at its worst edge (L, T, R,
// B; A when no opaque pixel lies in the box at all), 0 when it reaches every
// edge. box names what was measured: body, touch, feet or floor.
struct Mismatch {
    const char* box = "";
    char edge = '-';
    int32_t gap = 0;
    int32_t frame = 0;
    // Both relative to the frame image's top-left corner where it was drawn:
    // the box (or the floor row as its top and bottom) and the opaque pixels
    // measured against it.
    platform::Rect boxInImage{};
    platform::Rect picInImage{};
};

// The opaque pixels of a draw inside a rectangle (caller space): their
// bounding box, empty (left >= right) when there are none.
platform::Rect OpaqueWithin(const draw_probe::Drawn& d, const platform::Rect& r);
platform::Rect OpaqueBounds(const draw_probe::Drawn& d);

// The worst edge gap between the box and the opaque pixels inside it.
Mismatch BoxGap(const draw_probe::Drawn& d, const platform::Rect& box, const char* name);

// One picture of an update with the worst of its checks; boxes 0 for a
// picture that no box chose.
struct Fit {
    int32_t kind;
    int32_t frame;
    int32_t boxes;
    Mismatch worst;
    std::vector<Mismatch> checks;  // every check made, the worst among them
    // The boxes it was paired with, relative to the image: body (true) or touch.
    std::vector<std::pair<bool, platform::Rect>> boxesInImage;
};

// Pairs each box with the picture drawn for it (the one whose opaque pixels
// overlap it most, else the nearest), then checks each picture that some box
// chose: every edge of its boxes, its feet against the lowest box (neither
// floating above nor sunk below) and, when floorTop is not 0, its lowest row
// against the floor it stands on. Pictures no box chose (a thread, a glow)
// come back unchecked.
//
// A ground kind's feet belong on the row it stands on (standRow, y plus its
// standing height; 0 for other kinds), wherever its boxes end: standing on a
// floor, the floor decides and what of a box lies below the floor top is out
// of the hero's reach; in the air its feet keep to the standing row when its
// boxes end above it (a scarecrow's pole, a wooden figure's roots).
std::vector<Fit> FitUpdate(const std::vector<draw_probe::Drawn>& drawn,
                           const std::vector<std::pair<draw_probe::BoxUse, platform::Rect>>& boxes, int32_t floorTop,
                           int32_t standRow = 0);

}  // namespace kind_fit

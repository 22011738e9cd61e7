#pragma once

#include <string>
#include <vector>

#include "platform/platform.h"

// A box to outline on a frame, relative to the frame image's top-left corner:
// one the hero's weapon is tested against (body) or one tested against the
// hero's body (touch).
struct SheetBox {
    std::string set;
    int frame;
    platform::Rect box;
    bool body;
};

// Writes one PNG per family below dir: every frame of every set of that family
// (the enemies/ folder of the kinds that draw it; heroes; hero shots; life
// bars and the orb), each on a checkerboard that shows the transparent key,
// labelled with its set and frame number. With boxes, a second copy per
// family (<family>-boxes.png) outlines them too. False (after saying why on
// standard error) when a file cannot be written.
bool WriteContactSheets(const std::string& dir, const std::vector<SheetBox>* boxes = nullptr);

#pragma once

#include <cstdint>

#include "platform/platform.h"

// A watch on what the stage objects draw and which boxes they test, for the
// checks that hold pictures against boxes. Unset in play: each watch point
// costs one test of a null pointer and changes nothing.
namespace draw_probe {

// One frame a sprite draw put on the screen (it passed the edge tests and the
// blit took it), placed in its caller's space: world x for the kinds of the
// scrolling stages, screen x for the boss-stage kinds, screen rows; before
// the screen-edge clips.
struct Drawn {
    int32_t kind;  // sprite_draw::SpriteDrawKind
    int32_t frame;
    const platform::Surface* image;
    platform::Rect src;                // the part of the image drawn
    int32_t left, top, width, height;  // where it lands; stretched when not src's size
    bool keyed;                        // the image's colour key is transparent
};

// What a box is tested against: the hero's weapon (the object's body) or the
// hero's body (the object's touch, weapon or reach).
enum class BoxUse : uint8_t { kBody, kTouch };

struct Watch {
    void (*drawn)(const Drawn&) = nullptr;
    void (*box)(BoxUse, const platform::Rect&) = nullptr;
};

inline Watch g_watch;

inline void NoteBox(BoxUse use, const platform::Rect& box) {
    if (g_watch.box) g_watch.box(use, box);
}

}  // namespace draw_probe

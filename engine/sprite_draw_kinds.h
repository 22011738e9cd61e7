#pragma once

#include <cstdint>

#include "platform/platform.h"

class CGraphics;

namespace sprite_draw {

// Edges a draw tests or clips, and whether its x is a world or a screen x.
enum SpriteEdge : uint8_t { kL = 1, kR = 2, kT = 4, kB = 8, kAllEdges = kL | kR | kT | kB };
enum SpriteSpace : uint8_t { kWorld, kScreen };

// One index per enemy, trap, projectile, boss and orb draw (kGhost for
// CGraphics::DrawGhost), in the order of sprite_draws.def.
enum SpriteDrawKind : int {
#define DRAW_KIND(name, ...) k##name,
#define DRAW_XYF DRAW_KIND
#define DRAW_XY DRAW_KIND
#define DRAW_XF DRAW_KIND
#define DRAW_NONE DRAW_KIND
#include "engine/sprite_draws.def"
#undef DRAW_XYF
#undef DRAW_XY
#undef DRAW_XF
#undef DRAW_NONE
#undef DRAW_KIND
    kSpriteDrawCount
};

// One frame placed on the screen, before the edge steps.
struct SpriteBlit {
    int64_t left, top, width, height;
    int64_t lateDx = 0, lateDy = 0;  // added after the visibility test
    platform::Rect src;
    bool keyed = true;
};

// The back buffer has no clipper, so every sprite and hero draw passes here:
// the visibility test on the tested edges, the late shift, the clip on the
// clipped edges and the blit. A placement far off the screen draws nothing.
// True when the blit took the sprite.
bool ClipAndBlit(CGraphics& g, const platform::Surface* image, SpriteBlit b, uint8_t tested, uint8_t clipped);

// The common steps of every such draw: camera, anchor, edge tests, clips and
// a keyed blit. A frame outside the kind's set draws nothing (and asserts).
void DrawSpriteKind(CGraphics& g, int kind, int32_t x, int32_t y, int32_t frame);
const char* SpriteDrawSetName(int kind);
// Draws refused since start-up for a frame outside the kind's set.
int32_t FrameFaultCount();
int SpriteDrawFrames(int kind);
// Whether the kind's x is a world x (converted by the camera) rather than a screen x.
bool SpriteDrawInWorld(int kind);

}  // namespace sprite_draw

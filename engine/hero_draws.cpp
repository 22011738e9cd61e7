// The heroes' and their projectiles' draws, through the sprites' shared
// edge steps.
#include <cstdint>

#include "engine/camera.h"
#include "engine/draw_probe.h"
#include "engine/graphics.h"
#include "engine/sprite_draw_kinds.h"

namespace {

using platform::Rect;

using sprite_draw::kAllEdges;
using sprite_draw::kL;
using sprite_draw::kR;

// Looks a set up once; the draws run every frame.
const SpriteSet* Set(const SpriteSet*& cache, const char* name) {
    if (!cache) cache = FindSpriteSet(name);
    return cache;
}

struct Placement {
    int32_t left, top, width, height;
    int32_t lateDx = 0, lateDy = 0;  // added after the visibility test
};

// A frame outside its set draws nothing; heroes' frames are always keyed.
// toCaller takes a screen x back to the caller's space for the watch.
void DrawFrame(CGraphics& g, const SpriteSet* set, int32_t frame, const Placement& p, uint8_t tested, uint8_t clipped,
               int32_t toCaller = 0) {
    if (!set || frame < 0 || frame >= set->count) return;
    const sprite_draw::SpriteBlit b{p.left, p.top, p.width, p.height, p.lateDx, p.lateDy, Rect{0, 0, p.width, p.height},
                                    true};
    const platform::Surface* image = g.Slot(set->first + frame);
    if (sprite_draw::ClipAndBlit(g, image, b, tested, clipped) && draw_probe::g_watch.drawn)
        draw_probe::g_watch.drawn({-1, frame, image, b.src, p.left + p.lateDx + toCaller, p.top + p.lateDy, p.width,
                                   p.height, true, set->name});
}

// A hero's offsets: horizontal by frame, vertical by pose index.
struct HeroArt {
    const char* setName;
    int32_t poses;
    const int8_t* dx;  // 2 x poses entries
    const int8_t* dy;  // poses entries
};

// clang-format off
constexpr int8_t kSeliyaDx[44] = {16, 18, 8,  0,  2,  2,  8,  10, 16, 16, 16, 16, 12, 14, 6,
                                  12, 18, 6,  16, 10, 22, 0,  14, 14, 16, 18, 18, 14, 18, 16,
                                  14, 16, 14, 14, 18, 14, 6,  14, 12, 8,  14, -2, -30, 16};
constexpr int8_t kSeliyaDy[22] = {2, 28, 6, 4, 2, 4, 6, 4, 2, 0, 2, 4, 16, 2, 2, 4, 26, 26, 30, 26, 48, 14};

constexpr int8_t kVarmDx[70] = {0,  6,  6,   2,   4,  4,  2,   -2,  -2, 0,   2,  2,   2,  10, -2, -6, 8,  -12,
                                2,  6,  0,   -6,  -12, -24, -20, 0, 4,   14, 8,   -32, 0, -2, -34, 0, -20,
                                0,  10, 8,   6,   8,  10, 12,  12,  10, 0,   6,  8,   12, 12, 6,  -4, 8,  -4,
                                2,  2,  -4,  -40, -40, 10, 12, -2,  -4, -26, -32, -50, -4, 0,  -6, -20, -22};
constexpr int8_t kVarmDy[35] = {0, 0, 0, 0, 0,   0,   0, 0, 0, 0,  0,  0,  0,  32, 0,  0, -6, -26,
                                0, 0, 0, 0, 0, -2, -2, 0, 32, 36, 40, -12, 0, 0,  0, 0,  58};

constexpr int8_t kNerysDx[16] = {0, 0, 0, 0, 0, 0, 0, 0, 4, 8, 6, 2, -8, 2, 0, -30};
constexpr int8_t kNerysDy[8] = {2, 0, 2, 16, 2, 2, 22, 38};

constexpr int8_t kTavishDx[28] = {0, 0, 0, -32, -32, 0, 0, 0, 0, -32, -32, 0,   0, 0,
                                  0, 0, 0, 0,   0,   -76, 0, -12, 0, 0, 0,  -76, 0, 0};
constexpr int8_t kTavishDy[14] = {2, 0, 2, 2, 2, 2, 2, 2, 14, 14, 14, 14, 2, 30};
// clang-format on

// The scene copy is made on every call, also when the hero itself is then
// skipped, since it is what clears the frame.
void DrawHero(CGraphics& g, const SpriteSet*& cache, const HeroArt& art, int32_t x, int32_t y, int32_t frame) {
    platform::Surface* back = g.BackBuffer();
    const platform::Surface* scene = g.Slot(kSceneSlot);
    if (back && scene) platform::Blit(*back, nullptr, *scene, nullptr, false);
    const SpriteSet* set = Set(cache, art.setName);
    if (!set || frame < 0 || frame >= 2 * art.poses || frame >= set->count) return;
    const int32_t p = frame % art.poses;
    DrawFrame(g, set, frame, Placement{x + art.dx[frame], y + art.dy[p], set->Width(p), set->Height(p)}, kAllEdges,
              kAllEdges);
}

const SpriteSet* s_seliya = nullptr;
const SpriteSet* s_seliyaVarm = nullptr;
const SpriteSet* s_nerys = nullptr;
const SpriteSet* s_tavish = nullptr;
const SpriteSet* s_himitu = nullptr;
const SpriteSet* s_suzaku = nullptr;
const SpriteSet* s_hato = nullptr;
const SpriteSet* s_kidan = nullptr;
const SpriteSet* s_flame = nullptr;
const SpriteSet* s_cross = nullptr;

// A projectile frame at world x with its offset applied before the test.
void DrawShot(CGraphics& g, const SpriteSet*& cache, const char* name, int32_t x, int32_t y, int32_t frame, int32_t dx,
              int32_t dy, uint8_t edges) {
    const SpriteSet* set = Set(cache, name);
    if (!set || frame < 0 || frame >= set->count) return;
    const int32_t sx = WorldToScreenX(x);
    DrawFrame(g, set, frame, Placement{sx + dx, y + dy, set->Width(frame), set->Height(frame)}, edges, edges, x - sx);
}

}  // namespace

void CGraphics::DrawSeliya(int32_t x, int32_t y, int32_t frame) {
    DrawHero(*this, s_seliya, HeroArt{"Seliya", 22, kSeliyaDx, kSeliyaDy}, x, y, frame);
}

void CGraphics::DrawSeliyaVarm(int32_t x, int32_t y, int32_t frame) {
    DrawHero(*this, s_seliyaVarm, HeroArt{"Seliya_varm", 35, kVarmDx, kVarmDy}, x, y, frame);
}

void CGraphics::DrawNerys(int32_t x, int32_t y, int32_t frame) {
    DrawHero(*this, s_nerys, HeroArt{"Nerys", 8, kNerysDx, kNerysDy}, x, y, frame);
}

void CGraphics::DrawTavish(int32_t x, int32_t y, int32_t frame) {
    DrawHero(*this, s_tavish, HeroArt{"Tavish", 14, kTavishDx, kTavishDy}, x, y, frame);
}

// Tests and clips the left and right edges only; its offsets come after the test.
void CGraphics::DrawHimitu(int32_t x, int32_t y, int32_t frame) {
    const SpriteSet* set = Set(s_himitu, "Himitu");
    if (!set || frame < 0 || frame >= set->count) return;
    const int32_t lateDx = frame == 3 ? 6 : (frame == 5 ? 4 : 0);
    const int32_t lateDy = (frame == 1 || frame == 4) ? 0 : 2;
    const int32_t sx = WorldToScreenX(x);
    Placement p{sx, y, set->Width(frame), set->Height(frame), lateDx, lateDy};
    DrawFrame(*this, set, frame, p, kL | kR, kL | kR, x - sx);
}

void CGraphics::DrawSuzaku(int32_t x, int32_t y, int32_t frame) {
    DrawShot(*this, s_suzaku, "Suzaku", x, y, frame, 0, 0, kAllEdges);
}

void CGraphics::DrawHato(int32_t x, int32_t y, int32_t frame) {
    DrawShot(*this, s_hato, "Hato", x, y, frame, 0, 0, kAllEdges);
}

void CGraphics::DrawKidan(int32_t x, int32_t y) { DrawShot(*this, s_kidan, "Kidan", x, y, 0, 0, 0, kAllEdges); }

void CGraphics::DrawFlame(int32_t x, int32_t y, int32_t frame) {
    static constexpr int8_t kDx[8] = {0, 0, 0, 0, 32, 0, 16, 48};
    static constexpr int8_t kDy[8] = {8, 4, 0, 0, 8, 4, 0, 0};
    if (frame < 0 || frame >= 8) return;
    DrawShot(*this, s_flame, "Flame", x, y, frame, kDx[frame], kDy[frame], kAllEdges);
}

void CGraphics::DrawCross(int32_t x, int32_t y, int32_t frame) {
    DrawShot(*this, s_cross, "Cross", x, y, frame, 0, 0, kAllEdges);
}

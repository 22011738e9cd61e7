// The heroes' and their projectiles' draws. The back buffer has no clipper,
// so each draw tests and clips its own edges before the blit.
#include <cstdint>

#include "engine/camera.h"
#include "engine/graphics.h"

namespace {

using platform::Rect;

enum Edge : uint8_t { kL = 1, kR = 2, kT = 4, kB = 8, kAll = kL | kR | kT | kB };

// Looks a set up once; the draws run every frame.
const SpriteSet* Set(const SpriteSet*& cache, const char* name) {
    if (!cache) cache = FindSpriteSet(name);
    return cache;
}

struct Placement {
    int32_t left, top, width, height;
    int32_t lateDx = 0, lateDy = 0;  // added after the visibility test
};

// The common steps: visibility test on the tested edges, late shift, clip on
// the clipped edges, keyed blit. A frame outside its set draws nothing.
void DrawFrame(CGraphics& g, const SpriteSet* set, int32_t frame, const Placement& p, uint8_t tested,
               uint8_t clipped) {
    if (!set || frame < 0 || frame >= set->count) return;
    Rect d{p.left, p.top, p.left + p.width, p.top + p.height};
    if (((tested & kL) && d.right < 0) || ((tested & kR) && d.left > 640) || ((tested & kT) && d.bottom < 0) ||
        ((tested & kB) && d.top > 480))
        return;
    d.left += p.lateDx;
    d.right += p.lateDx;
    d.top += p.lateDy;
    d.bottom += p.lateDy;
    Rect s{0, 0, p.width, p.height};
    if ((clipped & kL) && d.left < 0) {
        s.left += -d.left;
        d.left = 0;
    } else if ((clipped & kR) && d.right > 640) {
        s.right -= d.right - 640;
        d.right = 640;
    }
    if ((clipped & kT) && d.top < 0) {
        s.top += -d.top;
        d.top = 0;
    } else if ((clipped & kB) && d.bottom > 480) {
        s.bottom -= d.bottom - 480;
        d.bottom = 480;
    }
    platform::Surface* back = g.BackBuffer();
    const platform::Surface* image = g.Slot(set->first + frame);
    if (back && image) platform::Blit(*back, &d, *image, &s, true);
}

// A hero's offsets: horizontal by frame, vertical by pose index.
struct HeroArt {
    const char* setName;
    int32_t poses;
    const int8_t* dx;  // 2 x poses entries
    const int8_t* dy;  // poses entries
};

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

// The scene copy is made on every call, also when the hero itself is then
// skipped, since it is what clears the frame.
void DrawHero(CGraphics& g, const SpriteSet*& cache, const HeroArt& art, int32_t x, int32_t y, int32_t frame) {
    platform::Surface* back = g.BackBuffer();
    const platform::Surface* scene = g.Slot(kSceneSlot);
    if (back && scene) platform::Blit(*back, nullptr, *scene, nullptr, false);
    const SpriteSet* set = Set(cache, art.setName);
    if (!set || frame < 0 || frame >= 2 * art.poses || frame >= set->count) return;
    const int32_t p = frame % art.poses;
    DrawFrame(g, set, frame, Placement{x + art.dx[frame], y + art.dy[p], set->Width(p), set->Height(p)}, kAll,
              kAll);
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
void DrawShot(CGraphics& g, const SpriteSet*& cache, const char* name, int32_t x, int32_t y, int32_t frame,
              int32_t dx, int32_t dy, uint8_t edges) {
    const SpriteSet* set = Set(cache, name);
    if (!set || frame < 0 || frame >= set->count) return;
    DrawFrame(g, set, frame, Placement{WorldToScreenX(x) + dx, y + dy, set->Width(frame), set->Height(frame)},
              edges, edges);
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
    Placement p{WorldToScreenX(x), y, set->Width(frame), set->Height(frame), lateDx, lateDy};
    DrawFrame(*this, set, frame, p, kL | kR, kL | kR);
}

void CGraphics::DrawSuzaku(int32_t x, int32_t y, int32_t frame) {
    DrawShot(*this, s_suzaku, "Suzaku", x, y, frame, 0, 0, kAll);
}

void CGraphics::DrawHato(int32_t x, int32_t y, int32_t frame) {
    DrawShot(*this, s_hato, "Hato", x, y, frame, 0, 0, kAll);
}

void CGraphics::DrawKidan(int32_t x, int32_t y) { DrawShot(*this, s_kidan, "Kidan", x, y, 0, 0, 0, kAll); }

void CGraphics::DrawFlame(int32_t x, int32_t y, int32_t frame) {
    static constexpr int8_t kDx[8] = {0, 0, 0, 0, 32, 0, 16, 48};
    static constexpr int8_t kDy[8] = {8, 4, 0, 0, 8, 4, 0, 0};
    if (frame < 0 || frame >= 8) return;
    DrawShot(*this, s_flame, "Flame", x, y, frame, kDx[frame], kDy[frame], kAll);
}

void CGraphics::DrawCross(int32_t x, int32_t y, int32_t frame) {
    DrawShot(*this, s_cross, "Cross", x, y, frame, 0, 0, kAll);
}


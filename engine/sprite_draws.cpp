// The enemy, trap, projectile, boss and orb draws: one table row per kind and
// one shared routine for the camera, the anchor offsets, the edge tests and
// the clips. The back buffer has no clipper, so whatever the routine leaves
// outside the screen is refused by the blit and draws nothing.
#include <cassert>
#include <cstdint>

#include "engine/camera.h"
#include "engine/draw_probe.h"
#include "engine/graphics.h"
#include "engine/sprite_draw_kinds.h"

using namespace sprite_draw;

namespace {

using platform::Rect;

struct DrawInfo {
    const char* set;
    int16_t frames;
    SpriteSpace space;
    uint8_t tested;
    uint8_t clipped;
};

// clang-format off
constexpr DrawInfo kDrawInfo[kSpriteDrawCount] = {
#define DRAW_ROW(name, set, frames, space, tested, clipped) {set, frames, space, tested, clipped},
#define DRAW_XYF DRAW_ROW
#define DRAW_XY DRAW_ROW
#define DRAW_XF DRAW_ROW
#define DRAW_NONE DRAW_ROW
#include "engine/sprite_draws.def"
#undef DRAW_XYF
#undef DRAW_XY
#undef DRAW_XF
#undef DRAW_NONE
#undef DRAW_ROW
};
// clang-format on

struct AnchorRow {
    SpriteDrawKind kind;
    int16_t frame;
    int16_t ax;
    int16_t ay;
    bool late;  // the horizontal part is added after the visibility test
};

// Frames not listed sit at their caller's position.
// clang-format off
constexpr AnchorRow kAnchors[] = {
    {kRed, 1, 0, 4, false},
    {kRed, 5, 0, 4, false},
    {kRed, 2, 0, 30, false},
    {kRed, 6, 0, 30, false},
    {kRed, 3, 0, 74, false},
    {kRed, 7, 0, 74, false},
    {kDyurahan, 2, 0, 11, false},
    {kDyurahan, 5, -74, 11, false},
    {kCrow, 1, 0, 35, false},
    {kCrow, 3, 0, 35, false},
    {kSkeleton, 0, 0, 10, false},
    {kSkeleton, 4, 0, 10, false},
    {kSkeleton, 1, 0, 14, false},
    {kSkeleton, 5, 0, 14, false},
    {kSkeleton, 3, 0, 12, false},
    {kSkeleton, 7, 0, 12, false},
    {kHana, 0, 0, 8, false},
    {kHana, 2, 14, 8, true},
    {kEipu, 1, 0, 29, false},
    {kEipu, 2, 0, 29, false},
    {kEipu, 3, 0, 29, false},
    {kEipu, 5, 0, 29, false},
    {kEipu, 6, 0, 29, false},
    {kEipu, 7, 0, 29, false},
    {kSpider, 1, 8, 0, false},
    {kAxArmor, 4, 0, 14, false},
    {kAxArmor, 5, 0, 14, false},
    {kAxArmor, 10, 0, 14, false},
    {kAxArmor, 11, 0, 14, false},
    {kFDog, 2, 0, -14, false},
    {kFDog, 6, 0, -14, false},
    {kMadhand, 0, 0, -6, false},
    {kMBat, 1, 0, 63, false},
    {kMBat, 4, 0, 63, false},
    {kMBat, 7, 0, 63, false},
    {kMBat, 10, 0, 63, false},
    {kMBat, 13, 0, 63, false},
    {kMBat, 16, 0, 63, false},
    {kMBat, 2, 0, 101, false},
    {kMBat, 5, 0, 101, false},
    {kMBat, 8, 0, 101, false},
    {kMBat, 11, 0, 101, false},
    {kMBat, 14, 0, 101, false},
    {kMBat, 17, 0, 101, false},
    {kRedWhip, 3, 30, 2, false},
    {kRedWhip, 4, 30, 0, false},
    {kRedWhip, 5, 30, 32, false},
    {kRedWhip, 6, 30, 50, false},
    {kRedWhip, 10, -84, 2, false},
    {kRedWhip, 12, 0, 32, false},
    {kRedWhip, 13, 0, 50, false},
    {kMadman, 0, 0, 68, false},
    {kMadman, 5, 0, 68, false},
    {kMadman, 1, 0, 56, false},
    {kMadman, 6, 0, 56, false},
    {kMadman, 2, 0, 38, false},
    {kMadman, 7, 0, 38, false},
    {kMadman, 3, 0, 4, false},
    {kMadman, 8, 0, 4, false},
    {kRedAxArmor, 0, 0, 32, false},
    {kRedAxArmor, 4, 0, 32, false},
    {kRedAxArmor, 2, 0, 8, false},
    {kRedAxArmor, 6, 0, 8, false},
    {kRedAxArmor, 3, 0, 38, false},
    {kRedAxArmor, 7, 0, 38, false},
    {kFyenriru, 0, 0, 24, false},
    {kFyenriru, 5, 0, 24, false},
    {kFyenriru, 1, 0, 18, false},
    {kFyenriru, 6, 0, 18, false},
    {kFyenriru, 2, 0, 12, false},
    {kFyenriru, 7, 0, 12, false},
    {kFyenriru, 3, 0, 22, false},
    {kFyenriru, 8, 0, 22, false},
    {kArcher, 0, 0, 46, false},
    {kArcher, 4, 0, 46, false},
    {kArcher, 2, 0, 36, false},
    {kArcher, 6, 0, 36, false},
    {kArcher, 3, 0, 32, false},
    {kArcher, 7, 0, 32, false},
    {kBArmor, 2, 6, 0, true},
    {kHunmer, 0, 0, 50, false},
    {kHunmer, 6, 0, 50, false},
    {kHunmer, 8, 0, 50, false},
    {kHunmer, 1, 0, 54, false},
    {kHunmer, 7, 0, 54, false},
    {kHunmer, 2, -40, 50, false},
    {kHunmer, 3, -34, 4, false},
    {kHunmer, 4, 26, 0, false},
    {kHunmer, 5, 20, 74, false},
    {kHunmer, 9, 0, 4, false},
    {kHunmer, 10, -40, 0, false},
    {kHunmer, 11, -80, 74, false},
    {kFireSkeleton, 0, 0, 16, false},
    {kFireSkeleton, 3, 0, 16, false},
    {kFireSkeleton, 4, 0, 16, false},
    {kFireSkeleton, 7, 0, 16, false},
    {kFireSkeleton, 1, 0, 14, false},
    {kFireSkeleton, 5, 0, 14, false},
    {kBGaikotu, 0, 0, 54, false},
    {kBGaikotu, 6, 0, 54, false},
    {kBGaikotu, 1, 0, 40, false},
    {kBGaikotu, 7, 0, 40, false},
    {kBGaikotu, 2, 0, 22, false},
    {kBGaikotu, 8, 0, 22, false},
    {kBGaikotu, 3, 0, 6, false},
    {kBGaikotu, 5, 0, 6, false},
    {kBGaikotu, 9, 0, 6, false},
    {kBGaikotu, 11, 0, 6, false},
    {kOskerinF, 0, 0, -28, false},
    {kOskerinF, 7, 0, -28, false},
    {kDugalF, 0, 0, 12, false},
    {kDugalF, 4, 0, 12, false},
    {kDugalF, 1, 0, 8, false},
    {kDugalF, 5, 0, 8, false},
    {kDugalF, 2, 0, 14, false},
    {kDugalF, 6, -24, 14, false},
    {kNerysF, 1, 0, -2, false},
    {kNerysF, 6, 0, -2, false},
    {kNerysF, 8, -8, 0, true},
    {kNerysF, 9, -4, 0, true},
    {kNoroi, 1, -2, 0, false},
    {kNoroi, 2, -4, 0, false},
    {kDZombie, 1, 0, 18, false},
    {kDZombie, 4, 0, 18, false},
    {kDZombie, 2, 0, 36, false},
    {kDZombie, 5, 0, 36, false},
    {kVicto, 0, 18, 92, false},
    {kVicto, 1, 24, 88, false},
    {kVicto, 2, 0, 92, false},
    {kVicto, 8, 0, 92, false},
    {kVicto, 10, 0, 92, false},
    {kVicto, 3, 116, 0, false},
    {kVicto, 4, 122, 10, false},
    {kVicto, 5, 112, 92, false},
    {kVicto, 6, 114, 72, false},
    {kVicto, 7, 96, 104, false},
    {kVicto, 9, 0, 88, false},
    {kVicto, 12, -22, 10, false},
    {kVicto, 13, -52, 92, false},
    {kVicto, 14, -52, 72, false},
    {kVicto, 15, -56, 104, false},
    {kWWolf, 0, 0, 62, false},
    {kWWolf, 11, 0, 62, false},
    {kWWolf, 1, 0, 34, false},
    {kWWolf, 12, 0, 34, false},
    {kWWolf, 2, 0, 66, false},
    {kWWolf, 13, 0, 66, false},
    {kWWolf, 3, 0, 74, false},
    {kWWolf, 14, 0, 74, false},
    {kWWolf, 5, -60, 22, false},
    {kWWolf, 6, -72, 50, false},
    {kWWolf, 7, -10, 40, false},
    {kWWolf, 16, 0, 22, false},
    {kWWolf, 17, 0, 50, false},
    {kWWolf, 18, 0, 40, false},
    {kWWolf, 22, 0, 2, false},
    {kMino, 0, 0, 30, false},
    {kMino, 6, 0, 30, false},
    {kMino, 13, 0, 30, false},
    {kMino, 1, 0, 4, false},
    {kMino, 2, 0, 4, false},
    {kMino, 5, 0, 4, false},
    {kMino, 4, 0, 6, false},
    {kMino, 7, 0, 22, false},
    {kMino, 8, 0, 10, false},
    {kMino, 9, 0, 38, false},
    {kMino, 10, 0, 28, false},
    {kMino, 11, 0, 34, false},
    {kMino, 12, 0, -32, false},
    {kMino, 25, 0, -32, false},
    {kMino, 14, 24, 4, false},
    {kMino, 15, 38, 4, false},
    {kMino, 18, 38, 4, false},
    {kMino, 16, 56, 0, false},
    {kMino, 17, 38, 6, false},
    {kMino, 19, 6, 30, false},
    {kMino, 20, 62, 22, false},
    {kMino, 21, 14, 10, false},
    {kMino, 22, -56, 38, false},
    {kMino, 23, 4, 28, false},
    {kMino, 24, -38, 34, false},
    {kBeri1, 2, 0, 2, false},
    {kBeri1, 5, -64, 2, false},
    {kBeri2, 0, 0, 50, false},
    {kBeri2, 1, 0, 50, false},
    {kGyai1, 0, 48, 0, false},
    {kGyai1, 1, 16, 28, false},
    {kGyai1, 2, 0, 58, false},
    {kGyai1, 3, 32, 66, false},
    {kGyai1, 4, 32, 74, false},
    {kGyai1, 5, 32, 106, false},
    {kGyai1, 6, 30, 70, false},
    {kGyai2, 0, 48, 0, false},
    {kGyai2, 1, 16, 28, false},
    {kGyai2, 2, 0, 58, false},
    {kGyai2, 3, 32, 66, false},
    {kDeath2, 0, 17, 0, false},
    {kDeath2, 1, 20, 0, false},
    {kDeath2, 2, 66, 0, false},
    {kDeath2, 3, 70, 30, false},
    {kDeath2, 4, 84, 42, false},
    {kDeath2, 5, 0, 84, false},
    {kDeath2, 6, 68, 72, false},
    {kDeath2, 7, 98, 72, false},
    {kKoumori, 0, 16, 1, false},
    {kKoumori, 1, 0, 2, false},
    {kKoumori, 2, 12, 0, false},
    {kGool, 0, 0, 20, false},
    {kGool, 2, 0, 20, false},
    {kMerman, 1, 0, 2, false},
    {kMerman, 3, 0, 2, false},
    {kMerman, 5, 0, 16, false},
    {kJyouhansin, 1, 0, 12, false},
    {kJyouhansin, 2, 0, 6, false},
    {kSNight, 3, 0, -39, false},
    {kSNight, 8, 0, -39, false},
    {kSNight, 9, -51, 0, true},
    {kSBeamer, 0, 6, 6, false},
    {kSBeamer, 2, 0, 6, false},
    {kSBeamer, 3, -437, 0, false},
    {kHuranken, 0, 0, -2, false},
    {kHuranken, 1, -4, 0, true},
    {kHuranken, 2, -14, 0, true},
    {kHuranken, 3, -26, 0, true},
    {kHuranken, 5, -10, 0, true},
    {kHuranken, 6, -28, -2, true},
    {kUpFire, 1, 4, 0, false},
    {kMorvane2, 1, -6, 0, false},
    {kMorvane2, 2, -10, 0, false},
    {kMorvane2, 3, -18, 0, false},
    {kMorvane2, 4, -28, 0, false},
    {kMorvane2, 13, -6, 0, false},
    {kMorvane2, 14, -14, 0, false},
    {kMorvane2, 15, -24, 0, false},
    {kMorvane2, 16, 26, 0, false},
    {kMorvane2, 17, 6, 0, false},
    {kMorvane2, 18, 2, 0, false},
    {kShellok, 0, 6, 0, true},
};
// clang-format on

constexpr int kMaxFrames = 32;

// Resolved once: each kind's set and its offsets by frame.
struct DrawCache {
    const SpriteSet* set[kSpriteDrawCount];
    int16_t ax[kSpriteDrawCount][kMaxFrames];
    int16_t ay[kSpriteDrawCount][kMaxFrames];
    uint32_t late[kSpriteDrawCount];
};

DrawCache BuildCache() {
    DrawCache c{};
    for (int k = 0; k < kSpriteDrawCount; ++k) c.set[k] = FindSpriteSet(kDrawInfo[k].set);
    for (const AnchorRow& a : kAnchors) {
        c.ax[a.kind][a.frame] = a.ax;
        c.ay[a.kind][a.frame] = a.ay;
        if (a.late) c.late[a.kind] |= 1u << a.frame;
    }
    return c;
}

const DrawCache& Cache() {
    static const DrawCache cache = BuildCache();
    return cache;
}

// The row of the kinds whose row is fixed; the caller's y for the others.
int32_t FixedTop(int kind, int32_t frame, int32_t y) {
    switch (kind) {
        case kUpFire: {
            constexpr int16_t kTops[5] = {397, 351, 221, 191, 191};
            return kTops[frame];
        }
        case kMorvane1: return (frame == 2 || frame == 5) ? 287 : 315;
        case kMorvane2: return frame >= 16 ? 0 : 245;
        case kSauji: return 50;
        case kZonbi: return 381;
        case kShellok: return 349;
        default: return y;
    }
}

// Far beyond any screen edge: such a sprite can never be drawn, and keeping
// the arithmetic small keeps it from overflowing.
constexpr int64_t kFar = int64_t{1} << 24;

int32_t s_frameFaults = 0;

}  // namespace

namespace sprite_draw {

const char* SpriteDrawSetName(int kind) { return kind >= 0 && kind < kSpriteDrawCount ? kDrawInfo[kind].set : nullptr; }

int32_t FrameFaultCount() { return s_frameFaults; }

int SpriteDrawFrames(int kind) { return kind >= 0 && kind < kSpriteDrawCount ? kDrawInfo[kind].frames : 0; }

bool SpriteDrawInWorld(int kind) { return kind >= 0 && kind < kSpriteDrawCount && kDrawInfo[kind].space == kWorld; }

void DrawSpriteKind(CGraphics& g, int kind, int32_t x, int32_t y, int32_t frame) {
    if (kind < 0 || kind >= kSpriteDrawCount) return;
    const DrawCache& c = Cache();
    const DrawInfo& d = kDrawInfo[kind];
    const SpriteSet* set = c.set[kind];
    const bool frameOk = set && frame >= 0 && frame < d.frames && frame < set->count && frame < kMaxFrames;
    assert(frameOk && "frame outside its sprite set");
    if (!frameOk) {
        s_frameFaults += 1;
        return;
    }
    const platform::Surface* image = g.Slot(set->first + frame);
    const int64_t sx = d.space == kWorld ? WorldToScreenX(x) : x;
    int64_t w = set->Width(frame), h = set->Height(frame);
    int64_t top = FixedTop(kind, frame, y);
    Rect src{0, 0, static_cast<int32_t>(w), static_cast<int32_t>(h)};
    switch (kind) {
        case kUne: h = 36; break;  // 30 image rows stretched over 36
        case kTobuHonoo:
            w = 14;
            src.right = 14;
            break;
        case kIto:
        case kItoHalf:
            // A hanging thread: y is its bottom row, its length from the top.
            top = 0;
            h = y;
            src.bottom = y;
            w = kind == kIto ? 4 : 2;
            src.left = kind == kIto ? 0 : 2;
            src.right = 4;
            break;
        default: break;
    }
    const int64_t ax = c.ax[kind][frame];
    const bool late = (c.late[kind] >> frame) & 1u;
    SpriteBlit b{sx + (late ? 0 : ax), top + c.ay[kind][frame], w, h, late ? ax : 0, 0, src, set->KeyOf(frame) >= 0};
    if (ClipAndBlit(g, image, b, d.tested, d.clipped) && draw_probe::g_watch.drawn) {
        const int64_t cx = b.left + b.lateDx - (sx - x);  // back in the caller's space
        draw_probe::g_watch.drawn({kind, frame, image, src, static_cast<int32_t>(cx), static_cast<int32_t>(b.top),
                                   static_cast<int32_t>(w), static_cast<int32_t>(h), b.keyed});
    }
}

bool ClipAndBlit(CGraphics& g, const platform::Surface* image, SpriteBlit b, uint8_t tested, uint8_t clipped) {
    platform::Surface* back = g.BackBuffer();
    if (!back || !image) return false;
    int64_t left = b.left, top = b.top;
    if (left < -kFar || left > kFar || top < -kFar || top > kFar) return false;
    int64_t right = left + b.width, bottom = top + b.height;
    if ((tested & kL) && right < 0) return false;
    if ((tested & kR) && left > platform::kScreenW) return false;
    if ((tested & kT) && bottom < 0) return false;
    if ((tested & kB) && top > platform::kScreenH) return false;
    left += b.lateDx;
    right += b.lateDx;
    top += b.lateDy;
    bottom += b.lateDy;
    Rect src = b.src;
    if ((clipped & kL) && left < 0) {
        src.left += static_cast<int32_t>(-left);
        left = 0;
    } else if ((clipped & kR) && right > platform::kScreenW) {
        src.right -= static_cast<int32_t>(right - platform::kScreenW);
        right = platform::kScreenW;
    }
    if ((clipped & kT) && top < 0) {
        src.top += static_cast<int32_t>(-top);
        top = 0;
    } else if ((clipped & kB) && bottom > platform::kScreenH) {
        src.bottom -= static_cast<int32_t>(bottom - platform::kScreenH);
        bottom = platform::kScreenH;
    }
    const Rect dst{static_cast<int32_t>(left), static_cast<int32_t>(top), static_cast<int32_t>(right),
                   static_cast<int32_t>(bottom)};
    return platform::Blit(*back, &dst, *image, &src, b.keyed);
}

}  // namespace sprite_draw

#define DRAW_XYF(name, ...) \
    void CGraphics::Draw##name(int32_t x, int32_t y, int32_t frame) { DrawSpriteKind(*this, k##name, x, y, frame); }
#define DRAW_XY(name, ...) \
    void CGraphics::Draw##name(int32_t x, int32_t y) { DrawSpriteKind(*this, k##name, x, y, 0); }
#define DRAW_XF(name, ...) \
    void CGraphics::Draw##name(int32_t x, int32_t frame) { DrawSpriteKind(*this, k##name, x, 0, frame); }
#define DRAW_NONE(name, ...) \
    void CGraphics::Draw##name() { DrawSpriteKind(*this, k##name, 408, 80, 0); }
#include "engine/sprite_draws.def"
#undef DRAW_XYF
#undef DRAW_XY
#undef DRAW_XF
#undef DRAW_NONE

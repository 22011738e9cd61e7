// Writes every picture the game reads: the sprite frames of every set at the
// sizes of the slot map, the life bars, and the stage background panels, all
// 8-bit in one shared palette. Pure functions of the tables: the same bytes
// on every run.
#include "gen_bitmaps.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <numbers>

#include "engine/sprite_sets.h"
#include "engine/stage_panels.h"
#include "gen_art.h"
#include "gen_canvas.h"
#include "gen_data.h"
#include "gen_heroes.h"

namespace {

using platform::Color;

// --- palette -----------------------------------------------------------------

Color Hsl(double hueDeg, double sat, double light) {
    const double c = (1 - std::fabs(2 * light - 1)) * sat;
    const double hp = hueDeg / 60.0;
    const double x = c * (1 - std::fabs(std::fmod(hp, 2.0) - 1));
    // The six sextants of the hue circle, each an order of (c, x, 0).
    const double sextant[6][3] = {{c, x, 0}, {x, c, 0}, {0, c, x}, {0, x, c}, {x, 0, c}, {c, 0, x}};
    const double* rgb = sextant[std::clamp(static_cast<int>(std::floor(hp)), 0, 5)];
    const double r = rgb[0], g = rgb[1], b = rgb[2];
    const double m = light - c / 2;
    auto v = [m](double t) { return static_cast<uint8_t>(std::lround(std::clamp((t + m) * 255.0, 0.0, 255.0))); };
    return Color{v(r), v(g), v(b), 0};
}

constexpr double kRampHue[kRampCount] = {0, 28, 52, 85, 125, 165, 186, 204, 224, 246, 268, 290, 315, 342};

bool NameHas(const char* name, const char* part) {
    std::string a(name), b(part);
    std::transform(a.begin(), a.end(), a.begin(), ::tolower);
    std::transform(b.begin(), b.end(), b.begin(), ::tolower);
    return a.find(b) != std::string::npos;
}

bool Listed(const char* name, std::initializer_list<const char*> names) {
    for (const char* n : names)
        if (std::strcmp(name, n) == 0) return true;
    return false;
}

// --- sprite pictures ---------------------------------------------------------------

// How a set's frames split by facing. Sets of an even number of frames hold
// the right-facing run first; the kinds below are laid out otherwise.
struct FacingRuns {
    int perFacing;
    bool allLeft;
};

FacingRuns FacingRunsOf(const SpriteSet& set) {
    if (std::strcmp(set.name, "W_Wolf") == 0) return {11, false};          // 0-10 right, 11-21 left, 22 alone
    if (std::strcmp(set.name, "Zonbi") == 0) return {set.count, true};     // two strides, walking left
    if (std::strcmp(set.name, "Shellok") == 0) return {set.count, false};  // two strides, running right
    const bool twoFacings = set.count >= 2 && set.count % 2 == 0;
    return {twoFacings ? set.count / 2 : set.count, false};
}

enum class Shape {
    kHumanoid,
    kSkeleton,
    kArmor,
    kFlier,
    kBeast,
    kBlob,
    kOrb,
    kFlame,
    kJet,
    kBeam,
    kBolt,
    kCross,
    kTrap,
    kGem
};

struct Look {
    Shape shape;
    int ramp;
    bool hero;
    bool boss;
    bool armed = false;  // a frame wider than the set's narrowest: its weapon is out
    bool lying = false;  // a frame far lower than the set's tallest: knocked down
};

Look LookOf(const SpriteSet& set, int w, int h) {
    const char* n = set.name;
    Look look{Shape::kHumanoid, 0, false, false};
    const uint32_t hv = Hash(n);
    // Heroes wear the cool colours; nothing else does.
    static constexpr int kHeroRamps[] = {kBlue, kCyan, kSky, kIndigo, kTeal};
    static constexpr int kFoeRamps[] = {kRed, kOrange, kYellow, kLime, kGreen, kViolet, kPurple, kMagenta, kPink};
    look.ramp = kFoeRamps[hv % 9];
    const bool fire = NameHas(n, "fire") || NameHas(n, "honoo") || NameHas(n, "flame") || NameHas(n, "kokuen");
    const bool bolt = NameHas(n, "lightning") || (NameHas(n, "kaminari") && !NameHas(n, "sama"));
    switch (set.kind) {
        case SpriteKind::kHero:
            look.hero = true;
            look.ramp = Listed(n, {"Tobrin"})        ? kBlue
                        : Listed(n, {"Seliya"})      ? kCyan
                        : Listed(n, {"Seliya_varm"}) ? kSky
                        : Listed(n, {"Nerys"})       ? kIndigo
                                                     : kTeal;
            look.shape = Shape::kHumanoid;
            break;
        case SpriteKind::kHeroShot:
            look.hero = true;
            look.ramp = kHeroRamps[hv % 5];
            look.shape = Listed(n, {"Flame"})                      ? Shape::kFlame
                         : Listed(n, {"Suzaku", "Hato", "Himitu"}) ? Shape::kFlier
                                                                   : Shape::kOrb;
            if (Listed(n, {"Flame"})) look.ramp = kOrange;  // the spell caster's flame
            break;
        case SpriteKind::kItem:
            look.shape = Shape::kGem;
            look.ramp = kMagenta;
            break;
        case SpriteKind::kShot: look.shape = fire ? Shape::kFlame : Shape::kOrb; break;
        case SpriteKind::kTrap: look.shape = Shape::kTrap; break;
        case SpriteKind::kBoss:
            look.boss = true;
            look.shape = Shape::kHumanoid;
            break;
        default: look.shape = Shape::kHumanoid; break;
    }
    if (Listed(n, {"Bat",  "Crow",     "Wasi",    "Fukurou",   "M_Bat",    "G_Bat",    "Koumori",
                   "Tori", "Gargoile", "Medyusa", "B_Medyusa", "Medama",   "Flying_S", "Kaminarisama",
                   "Fish", "Porutaa",  "Sukaru",  "Sukaru2",   "F_Sukaru", "Daibourei"}))
        look.shape = Shape::kFlier;
    if (Listed(n, {"Une",   "ghost", "W_Ghost", "Yuurei", "Suraimu", "Hiru", "S_Large", "Gejigeji",
                   "Hebi",  "Nomi",  "Specter", "Frog",   "Toad",    "Kumo", "Spider",  "M_Spider",
                   "Noroi", "Housi", "Balloon", "Leaf",   "Hana",    "Bara"}))
        look.shape = Shape::kBlob;
    if (Listed(n, {"Uma", "F_Dog", "Hyou", "W_Wolf", "Fyenriru", "Arumajiro", "Saramanda", "Sunegusu", "Haru"}))
        look.shape = Shape::kBeast;
    if (Listed(n,
               {"skeletonsoldier", "Skeleton", "War_Skeleton", "Fire_Skeleton", "B_Gaikotu", "honebasira", "Gureibu"}))
        look.shape = Shape::kSkeleton;
    if (Listed(n, {"Armor", "Ax_Armor", "Red_Ax_Armor", "B_Armor", "Dyurahan", "S_Night", "Douzou", "Gouremu", "Hunmer",
                   "Tyinman"}))
        look.shape = Shape::kArmor;
    if (fire && set.kind != SpriteKind::kHeroShot) look.shape = Shape::kFlame, look.ramp = kOrange;
    if (bolt) look.shape = Shape::kBeam, look.ramp = kYellow;
    // A foe lying flat keeps its body; only shots and traps turn into beams.
    if (set.kind != SpriteKind::kHero && set.kind != SpriteKind::kBoss && set.kind != SpriteKind::kEnemy &&
        (w > 3 * h || h > 3 * w))
        look.shape = Shape::kBeam;
    // Shots that fly sideways: a jet of flame, a crackling ball, a spinning cross.
    if (Listed(n, {"Flame"})) look.shape = Shape::kJet;
    if (Listed(n, {"Lightning"})) look.shape = Shape::kBolt, look.ramp = kYellow;
    if (Listed(n, {"Cross"})) look.shape = Shape::kCross, look.ramp = kYellow;
    return look;
}

// Upright foes stand on row foot (their feet's lowest row) whatever the frame's height.
void DrawHumanoid(Canvas& c, const Look& look, int pose, int foot, uint8_t body, uint8_t dark, uint8_t light) {
    const double W = c.w, H = foot + 1;
    // Wide frames are attacks: the figure stands at the back, its weapon reaches forward.
    const double figW = std::min(W, H * 0.7);
    const double cx = figW / 2;
    const double headR = std::max(1.5, std::min(figW * 0.22, H * 0.12));
    const double headY = headR + H * 0.02;
    if (look.boss) {  // a great cloak spread behind
        c.Triangle(cx, headY + headR, cx - figW * 0.5, H - 1, cx + figW * 0.5, H - 1, dark);
    }
    c.Box(static_cast<int>(cx - figW * 0.22), static_cast<int>(headY + headR * 0.8), static_cast<int>(cx + figW * 0.22),
          static_cast<int>(H * 0.62), body);
    const double swing = (pose % 4 - 1.5) * 0.12;
    c.Line(cx - figW * 0.1, H * 0.6, cx - figW * (0.18 + swing), H - 2, std::max(1.0, figW * 0.14), dark);
    c.Line(cx + figW * 0.1, H * 0.6, cx + figW * (0.18 + swing), H - 2, std::max(1.0, figW * 0.14), dark);
    c.Ellipse(cx, headY, headR, headR, light);
    // The eye looks the way the figure faces (right; mirrored for left frames).
    c.Box(static_cast<int>(cx + headR * 0.3), static_cast<int>(headY - 1), static_cast<int>(cx + headR * 0.3) + 2,
          static_cast<int>(headY) + 1, Grey(1));
    const double shoulderY = headY + headR + H * 0.04;
    if (look.armed) {
        // Weapon: a whip, spear or hammer reaching across the frame.
        c.Line(cx, shoulderY, W - 2, shoulderY + H * 0.08, std::max(1.0, H * 0.05), Shade(kYellow, 9));
        c.Ellipse(W - 3, shoulderY + H * 0.08, std::max(1.5, H * 0.06), std::max(1.5, H * 0.06), Shade(kYellow, 12));
    } else {
        c.Line(cx, shoulderY, cx + figW * (0.35 - swing), shoulderY + H * (0.12 + 0.05 * (pose % 3)),
               std::max(1.0, figW * 0.1), body);
    }
    if (look.boss) {
        c.Triangle(cx - headR, headY - headR * 0.2, cx - headR * 0.5, headY - headR * 0.6, cx - headR * 1.2,
                   std::max(0.0, headY - headR * 1.4), Shade(kRed, 10));
        c.Triangle(cx + headR, headY - headR * 0.2, cx + headR * 0.5, headY - headR * 0.6, cx + headR * 1.2,
                   std::max(0.0, headY - headR * 1.4), Shade(kRed, 10));
    }
}

// Knocked down flat on the floor, head ahead.
void DrawLying(Canvas& c, int foot, uint8_t body, uint8_t dark, uint8_t light) {
    const double W = c.w, t = std::max(3.0, std::min(8.0, foot * 0.4));
    c.Line(W * 0.1, foot - t / 2, W * 0.7, foot - t / 2, t, body);
    c.Line(W * 0.05, foot - t * 0.3, W * 0.3, foot - t * 0.3, t * 0.6, dark);
    c.Ellipse(W * 0.8, foot - t * 0.6, t * 0.8, t * 0.6, light);
}

// Bones: a skull with dark sockets, a ribcage on a spine, thin limbs.
void DrawSkeleton(Canvas& c, const Look& look, int pose, int foot) {
    const double W = c.w, H = foot + 1;
    const uint8_t bone = Grey(26), shade = Grey(17), hole = Grey(1);
    const double figW = std::min(W, H * 0.6), cx = figW / 2;
    const double r = std::max(2.0, std::min(figW * 0.2, H * 0.11));
    const double headY = r + 1, ribTop = headY + r + 2, hip = H * 0.58;
    const double swing = (pose % 4 - 1.5) * 0.14 * figW;
    c.Line(cx, ribTop - 2, cx, hip, 2, shade);
    for (double y = ribTop; y < hip - 3; y += 3) c.Line(cx - figW * 0.22, y, cx + figW * 0.22, y, 1, bone);
    c.Line(cx - figW * 0.15, hip, cx + figW * 0.15, hip, 2, bone);
    c.Line(cx - 2, hip, cx - figW * 0.12 - swing, H - 2, 2, bone);
    c.Line(cx + 2, hip, cx + figW * 0.12 + swing, H - 2, 2, bone);
    c.Line(cx, ribTop, cx + figW * 0.3 - swing * 0.5, hip - 2, 2, bone);
    c.Ellipse(cx, headY, r, r * 1.05, bone);
    c.Box(static_cast<int>(cx), static_cast<int>(headY - 1), static_cast<int>(cx + r * 0.7) + 1,
          static_cast<int>(headY + 1), hole);
    c.Box(static_cast<int>(cx - r * 0.4), static_cast<int>(headY + r * 0.5), static_cast<int>(cx + r * 0.6),
          static_cast<int>(headY + r * 0.5) + 1, hole);
    if (look.armed)  // a bone club swung forward
        c.Line(cx, ribTop + 2, W - 2, ribTop + H * 0.06, std::max(2.0, H * 0.05), shade);
}

// Armour: a broad plated body under a visored helm, heavy legs, a weapon.
void DrawArmor(Canvas& c, const Look& look, int pose, int foot, uint8_t body, uint8_t dark, uint8_t light) {
    const double W = c.w, H = foot + 1;
    const double figW = std::min(W, H * 0.85), cx = figW / 2;
    const double helm = std::max(3.0, H * 0.13);
    const double chest = helm * 2 + 1, hip = H * 0.62;
    const double step = (pose % 2 ? 1 : -1) * figW * 0.06;
    c.Box(static_cast<int>(cx - figW * 0.26 + step), static_cast<int>(hip), static_cast<int>(cx - figW * 0.06 + step),
          static_cast<int>(H - 1), dark);
    c.Box(static_cast<int>(cx + figW * 0.06 - step), static_cast<int>(hip), static_cast<int>(cx + figW * 0.26 - step),
          static_cast<int>(H - 1), dark);
    c.Box(static_cast<int>(cx - figW * 0.34), static_cast<int>(chest), static_cast<int>(cx + figW * 0.34),
          static_cast<int>(hip + 2), body);
    c.Ellipse(cx - figW * 0.34, chest + 2, figW * 0.14, helm * 0.6, light);
    c.Ellipse(cx + figW * 0.34, chest + 2, figW * 0.14, helm * 0.6, light);
    for (double y = chest + helm; y < hip; y += helm * 0.8)
        c.Box(static_cast<int>(cx - figW * 0.3), static_cast<int>(y), static_cast<int>(cx + figW * 0.3),
              static_cast<int>(y) + 1, dark);
    c.Box(static_cast<int>(cx - helm), 1, static_cast<int>(cx + helm), static_cast<int>(chest), light);
    c.Box(static_cast<int>(cx), static_cast<int>(helm * 0.9), static_cast<int>(cx + helm),
          static_cast<int>(helm * 0.9) + 2, Grey(1));
    c.Triangle(cx - helm * 0.4, 1, cx + helm * 0.4, 1, cx - helm * 0.2, -helm * 0.2, Shade(kRed, 8));
    // A shield before the chest, or an axe reaching out in wide frames.
    if (look.armed) {
        c.Line(cx + figW * 0.3, chest + 4, W - 4, chest + 2, std::max(2.0, H * 0.04), Grey(12));
        c.Triangle(W - 10, chest - 6, W - 1, chest + 2, W - 10, chest + 12, Grey(22));
    } else {
        c.Box(static_cast<int>(cx + figW * 0.2), static_cast<int>(chest + 2), static_cast<int>(cx + figW * 0.46),
              static_cast<int>(hip - 2), Grey(16));
        c.Box(static_cast<int>(cx + figW * 0.3), static_cast<int>(chest + 5), static_cast<int>(cx + figW * 0.36),
              static_cast<int>(hip - 5), Shade(kYellow, 9));
    }
}

// A winged body; one that walks (foot not negative) stands on two legs.
void DrawFlier(Canvas& c, int pose, int foot, uint8_t body, uint8_t dark, uint8_t light) {
    const double W = c.w, H = foot >= 0 ? foot * 0.8 : c.h;
    if (foot >= 0) {
        const double step = pose % 2 ? W * 0.05 : -W * 0.05;
        c.Line(W * 0.44, H * 0.6, W * 0.4 + step, foot - 1, std::max(2.0, W * 0.06), dark);
        c.Line(W * 0.56, H * 0.6, W * 0.6 - step, foot - 1, std::max(2.0, W * 0.06), dark);
    }
    const double flap = pose % 2 ? 0.15 : 0.75;
    c.Triangle(W * 0.5, H * 0.45, W * 0.02, H * flap, W * 0.3, H * 0.7, dark);
    c.Triangle(W * 0.5, H * 0.45, W * 0.98, H * flap, W * 0.7, H * 0.7, dark);
    c.Ellipse(W * 0.5, H * 0.5, W * 0.2, H * 0.28, body);
    c.Ellipse(W * 0.62, H * 0.38, std::max(1.0, W * 0.06), std::max(1.0, H * 0.07), light);
}

void DrawBeast(Canvas& c, int pose, int foot, uint8_t body, uint8_t dark, uint8_t light) {
    const double W = c.w, H = foot + 1;
    const double step = (pose % 2) ? 0.06 : -0.06;
    for (int i = 0; i < 4; ++i) {
        const double lx = W * (0.25 + 0.15 * i);
        c.Line(lx, H * 0.55, lx + W * (i % 2 ? step : -step), H - 2, std::max(1.0, W * 0.05), dark);
    }
    c.Ellipse(W * 0.45, H * 0.5, W * 0.32, H * 0.22, body);
    c.Line(W * 0.15, H * 0.45, W * 0.02, H * 0.25, std::max(1.0, H * 0.06), dark);
    c.Ellipse(W * 0.82, H * 0.35, W * 0.14, H * 0.2, body);
    c.Box(static_cast<int>(W * 0.86), static_cast<int>(H * 0.3), static_cast<int>(W * 0.86) + 2,
          static_cast<int>(H * 0.3) + 2, light);
}

void DrawBlob(Canvas& c, int pose, uint8_t body, uint8_t dark, uint8_t light) {
    const double W = c.w, H = c.h;
    c.Ellipse(W * 0.5, H * 0.45, W * 0.45, H * 0.4, body);
    const int waves = 4;
    for (int i = 0; i < waves; ++i) {
        const double x0 = W * (0.08 + 0.84 * i / waves), x1 = W * (0.08 + 0.84 * (i + 1) / waves);
        c.Triangle(x0, H * 0.6, x1, H * 0.6, (x0 + x1) / 2 + (pose % 2 ? 2 : -2), H - 1, body);
    }
    c.Ellipse(W * 0.62, H * 0.35, std::max(1.0, W * 0.08), std::max(1.0, H * 0.09), light);
    c.Ellipse(W * 0.8, H * 0.35, std::max(1.0, W * 0.06), std::max(1.0, H * 0.08), light);
    c.Box(static_cast<int>(W * 0.45), static_cast<int>(H * 0.55), static_cast<int>(W * 0.85),
          static_cast<int>(H * 0.55) + 1, dark);
}

void DrawOrb(Canvas& c, int pose, uint8_t body, uint8_t dark, uint8_t light) {
    const double W = c.w, H = c.h;
    const double r = std::min(W, H) * 0.4;
    c.Ellipse(W * 0.35, H * 0.5, W * 0.3, H * 0.2, dark);  // trail behind
    c.Ellipse(W - r - 1, H * 0.5, r, r, body);
    c.Ellipse(W - r - 1 + r * 0.25, H * 0.5 - r * 0.25, r * (pose % 2 ? 0.45 : 0.35), r * 0.4, light);
}

void DrawFlame(Canvas& c, int pose, uint8_t body, uint8_t dark, uint8_t light) {
    const double W = c.w, H = c.h;
    const double tip = pose % 2 ? 0.0 : 0.12;
    c.Triangle(W * 0.1, H - 1, W * 0.9, H - 1, W * 0.55, H * tip, dark);
    c.Ellipse(W * 0.5, H * 0.7, W * 0.38, H * 0.3, body);
    c.Ellipse(W * 0.52, H * 0.75, W * 0.18, H * 0.18, light);
}

void DrawBeam(Canvas& c, int ramp, bool horizontal) {
    const int n = horizontal ? c.h : c.w;
    for (int i = 0; i < n; ++i) {
        const double d = std::fabs((i + 0.5) / n - 0.5) * 2;  // 0 centre, 1 edge
        const uint8_t col = d < 0.3 ? Shade(ramp, 14) : d < 0.7 ? Shade(ramp, 10) : Shade(ramp, 6);
        if (horizontal)
            c.Box(0, i, c.w, i + 1, col);
        else
            c.Box(i, 0, i + 1, c.h, col);
    }
}

// Traps are machines: a riveted steel base with a toothed gear and spikes.
void DrawTrap(Canvas& c, int pose, uint8_t body, uint8_t dark, uint8_t light) {
    const double W = c.w, H = c.h;
    const int spikes = std::max(1, c.w / 12);
    const double top = H * 0.3;
    for (int i = 0; i < spikes; ++i) {
        const double x0 = W * i / spikes, x1 = W * (i + 1) / spikes;
        c.Triangle(x0 + 1, top, x1 - 1, top, (x0 + x1) / 2, 0, Grey(24));
    }
    c.Box(0, static_cast<int>(top), c.w, c.h, Grey(11));
    c.Box(1, static_cast<int>(top) + 1, c.w - 1, c.h - 1, body);
    for (int y = static_cast<int>(top) + 4 + pose % 2; y < c.h; y += 8) c.Box(0, y, c.w, y + 1, dark);
    for (int x = 3; x < c.w - 2; x += 8) {
        c.Box(x, static_cast<int>(top) + 2, x + 2, static_cast<int>(top) + 4, light);
        c.Box(x, c.h - 4, x + 2, c.h - 2, light);
    }
    const double r = std::min(W, H - top) * 0.28;
    if (r >= 3) {
        const double gx = W / 2, gy = (top + H) / 2;
        for (int k = 0; k < 8; ++k) {
            const double a = (k + 0.5 * (pose % 2)) * std::numbers::pi / 4;
            c.Line(gx, gy, gx + std::cos(a) * r * 1.3, gy + std::sin(a) * r * 1.3, 2, Grey(20));
        }
        c.Ellipse(gx, gy, r, r, Grey(18));
        c.Ellipse(gx, gy, r * 0.35, r * 0.35, Grey(6));
    }
}

// A fire jet flying right, its flames trailing behind.
void DrawJet(Canvas& c, int pose, uint8_t body, uint8_t dark, uint8_t light) {
    const double W = c.w, H = c.h;
    for (int k = 0; k < 4; ++k) {
        const double x = W * (0.15 + 0.2 * k), r = H * (0.18 + 0.08 * k);
        c.Ellipse(x, H * 0.5 + ((k + pose) % 2 ? 1.5 : -1.5), r * 1.3, r, k < 2 ? dark : body);
    }
    c.Ellipse(W * 0.82, H * 0.5, W * 0.16, H * 0.4, body);
    c.Ellipse(W * 0.86, H * 0.5, W * 0.08, H * 0.22, light);
}

// A crackling ball of lightning in the frame's top left corner, where it hits.
void DrawBolt(Canvas& c, int pose, uint8_t body, uint8_t light) {
    const double r = 12 + 2 * pose;
    const double cx = r, cy = r + 2;
    c.Ellipse(cx, cy, r, r, body);
    c.Ellipse(cx, cy, r * 0.55, r * 0.55, light);
    for (int k = 0; k < 6; ++k) {
        const double a = (k * 2 + pose) * std::numbers::pi / 6;
        c.Line(cx, cy, cx + std::cos(a) * (r + 3), cy + std::sin(a) * (r + 3), 1, Grey(29));
    }
}

// A cross turning as it flies.
void DrawCross(Canvas& c, int pose, uint8_t body, uint8_t light) {
    const double W = c.w, H = c.h, cx = W / 2, cy = H / 2;
    const double a = pose * std::numbers::pi / 6, r = std::min(W, H) * 0.46;
    for (int k = 0; k < 2; ++k) {
        const double b = a + k * std::numbers::pi / 2;
        c.Line(cx - std::cos(b) * r, cy - std::sin(b) * r, cx + std::cos(b) * r, cy + std::sin(b) * r, 4, body);
    }
    c.Ellipse(cx, cy, 2.5, 2.5, light);
}

void DrawGem(Canvas& c, int pose, uint8_t body, uint8_t, uint8_t light) {
    const double W = c.w, H = c.h;
    c.Triangle(W * 0.5, 0, W - 1, H * 0.5, 0, H * 0.5, body);
    c.Triangle(0, H * 0.5, W - 1, H * 0.5, W * 0.5, H - 1, body);
    c.Ellipse(W * 0.5, H * 0.45, W * (pose ? 0.2 : 0.12), H * 0.12, light);
}

// Kinds whose frames do not end where they stand: the standing height (the
// floor's row below the object's y) and each frame's draw offset down. The
// others stand on their frames' bottom rows.
struct Footing {
    const char* set;
    int16_t height;
    int8_t down[8];
};
constexpr Footing kFootings[] = {
    {"Gool", 48, {20, 0, 20, 0}},
    {"Merman", 63, {0, 2, 0, 2, 0, 16}},
    {"F_Dog", 48, {0, 0, -14, 0, 0, 0, -14, 0}},
    {"Leaf", 107, {}},
    {"Gargoile", 61, {}},
};

bool Footed(const SpriteSet& set) {
    for (const Footing& f : kFootings)
        if (std::strcmp(f.set, set.name) == 0) return true;
    return false;
}

// The feet's lowest row in a frame's picture.
int FootRow(const SpriteSet& set, int frame) {
    const int h = set.Height(frame);
    for (const Footing& f : kFootings)
        if (std::strcmp(f.set, set.name) == 0 && frame < 8) return std::min(f.height - f.down[frame], h) - 1;
    return h - 1;
}

std::vector<uint8_t> SpritePicture(const SpriteSet& set, int frame) {
    const int w = set.Width(frame), h = set.Height(frame);
    const int key = set.KeyOf(frame);
    const uint8_t bg = key == 255 ? 255 : 0;
    Canvas c(w, h, bg);
    if (set.kind == SpriteKind::kHero) return HeroPicture(set, frame);
    // The caster's lightning is a hero shot kept among the foes' sets.
    if (set.kind == SpriteKind::kHeroShot || std::strcmp(set.name, "Lightning") == 0)
        if (std::vector<uint8_t> shot = HeroShotPicture(set, frame); !shot.empty()) return shot;
    if (PaintEarlyFoe(set, frame, c) || PaintLateFoe(set, frame, c) || PaintBossOrFinale(set, frame, c)) return c.px;
    if (key < 0 && set.kind == SpriteKind::kBoss) {
        // The opaque pillars of the last boss.
        DrawBeam(c, kViolet, false);
        return c.px;
    }
    Look look = LookOf(set, w, h);
    int narrowest = w, tallest = 0;
    for (int f = 0; f < set.count; ++f) {
        narrowest = std::min(narrowest, set.Width(f));
        tallest = std::max(tallest, set.Height(f));
    }
    look.armed = w * 10 > narrowest * 13;
    const uint32_t hv = Hash(set.name);
    const int tone = static_cast<int>(hv >> 8) % 3;
    const uint8_t body = Shade(look.ramp, 7 + tone), dark = Shade(look.ramp, 3 + tone),
                  light = Shade(look.ramp, 12 + tone);
    const FacingRuns runs = FacingRunsOf(set);
    const int perFacing = runs.perFacing;
    const bool left = runs.allLeft || (runs.perFacing < set.count && frame >= perFacing && frame < 2 * perFacing);
    const int pose = frame % perFacing;
    const int foot = FootRow(set, frame);
    look.lying = (look.shape == Shape::kHumanoid || look.shape == Shape::kSkeleton || look.shape == Shape::kArmor) &&
                 (foot + 1) * 10 < tallest * 4;
    if (look.lying) {
        DrawLying(c, foot, look.shape == Shape::kSkeleton ? Grey(26) : body, dark, light);
        look.shape = Shape::kBlob;  // only for the outline below
    }
    if (!look.lying) switch (look.shape) {
            case Shape::kHumanoid: DrawHumanoid(c, look, pose, foot, body, dark, light); break;
            case Shape::kSkeleton: DrawSkeleton(c, look, pose, foot); break;
            case Shape::kArmor: DrawArmor(c, look, pose, foot, body, dark, light); break;
            case Shape::kFlier: DrawFlier(c, pose, Footed(set) ? foot : -1, body, dark, light); break;
            case Shape::kBeast: DrawBeast(c, pose, foot, body, dark, light); break;
            case Shape::kBlob: DrawBlob(c, pose, body, dark, light); break;
            case Shape::kOrb: DrawOrb(c, pose, body, dark, light); break;
            case Shape::kFlame: DrawFlame(c, pose, body, dark, light); break;
            case Shape::kBeam: DrawBeam(c, look.ramp, w >= h); break;
            case Shape::kJet: DrawJet(c, pose, body, dark, light); break;
            case Shape::kBolt: DrawBolt(c, frame, body, light); break;
            case Shape::kCross: DrawCross(c, frame, body, light); break;
            case Shape::kTrap: DrawTrap(c, pose, body, dark, light); break;
            case Shape::kGem: DrawGem(c, pose, body, dark, light); break;
        }
    if (look.shape != Shape::kBeam && w >= 6 && h >= 6) c.Outline(bg, look.hero ? Grey(26) : Shade(look.ramp, 1));
    // The ball of lightning keeps to the corner it hits from.
    if (left && look.shape != Shape::kBolt) c.MirrorX();
    return c.px;
}

// --- life bars ---------------------------------------------------------------------

std::vector<uint8_t> BarPicture(uint8_t full, uint8_t shine) {
    Canvas c(126, 12, 0);
    for (int n = 1; n <= 16; ++n) {
        c.Box(8 * n - 8, 0, 8 * n - 2, 12, full);
        c.Box(8 * n - 7, 1, 8 * n - 3, 4, shine);
    }
    return c.px;
}

std::vector<uint8_t> EmptyCellPicture() {
    Canvas c(6, 12, Grey(4));
    c.Box(1, 1, 5, 11, Grey(1));
    return c.px;
}

// --- files -------------------------------------------------------------------------

bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) {
        std::fprintf(stderr, "gen_data: cannot write %s\n", path.c_str());
        return false;
    }
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    if (std::fclose(f) != 0 || !ok) {
        std::fprintf(stderr, "gen_data: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}

std::map<std::string, std::string>& FolderSpelling() {
    static std::map<std::string, std::string> spelling = [] {
        // Count how each folder is spelt across the game's paths; the commonest wins.
        std::map<std::string, std::map<std::string, int>> counts;
        char path[128];
        for (const SpriteSet& set : kSpriteSets)
            for (int f = 0; f < set.count; ++f) {
                FormatFramePath(set, f, path, sizeof path);
                std::string p(path);
                for (size_t cut = p.find('\\'); cut != std::string::npos; cut = p.find('\\', cut + 1)) {
                    std::string folder = p.substr(0, cut);
                    std::string lower = folder;
                    std::transform(lower.begin(), lower.end(), lower.begin(), ::tolower);
                    counts[lower][folder] += 1;
                }
            }
        std::map<std::string, std::string> out;
        for (const auto& [lower, spellings] : counts) {
            int best = -1;
            for (const auto& [folder, n] : spellings)
                if (n > best) best = n, out[lower] = folder;
        }
        return out;
    }();
    return spelling;
}

}  // namespace

void BuildPalette(Color (&entries)[256]) {
    entries[0] = Color{0, 0, 0, 0};
    entries[255] = Color{255, 255, 255, 0};
    for (int i = 0; i < 30; ++i) {
        const uint8_t v = static_cast<uint8_t>(8 + i * 8);
        entries[Grey(i)] = Color{v, v, v, 0};
    }
    for (int r = 0; r < kRampCount; ++r)
        for (int s = 0; s < 16; ++s) entries[Shade(r, s)] = Hsl(kRampHue[r], 0.72, 0.1 + s * 0.053);
}

std::vector<uint8_t> EncodeBmp(int width, int height, const uint8_t* pixels, const Color (&palette)[256], bool rle) {
    const uint32_t stride = (static_cast<uint32_t>(width) + 3) & ~3u;
    const uint32_t offset = 14 + 40 + 256 * 4;
    std::vector<uint8_t> image;
    if (rle) {
        // Runs only: the panels are large flat areas. Rows bottom-up, each
        // closed by an end-of-line mark, the last by the end-of-picture mark.
        for (int y = height - 1; y >= 0; --y) {
            const uint8_t* row = pixels + static_cast<size_t>(y) * width;
            for (int x = 0; x < width;) {
                int n = 1;
                while (x + n < width && n < 255 && row[x + n] == row[x]) ++n;
                image.push_back(static_cast<uint8_t>(n));
                image.push_back(row[x]);
                x += n;
            }
            image.push_back(0);
            image.push_back(y == 0 ? 1 : 0);
        }
    } else {
        image.assign(static_cast<size_t>(stride) * height, 0);
        for (int y = 0; y < height; ++y)
            std::memcpy(&image[static_cast<size_t>(height - 1 - y) * stride], pixels + static_cast<size_t>(y) * width,
                        static_cast<size_t>(width));
    }
    std::vector<uint8_t> b(offset, 0);
    auto put16 = [&b](size_t at, uint32_t v) { b[at] = v & 0xFF, b[at + 1] = (v >> 8) & 0xFF; };
    auto put32 = [&](size_t at, uint32_t v) { put16(at, v & 0xFFFF), put16(at + 2, v >> 16); };
    b[0] = 'B', b[1] = 'M';
    put32(2, static_cast<uint32_t>(offset + image.size()));
    put32(10, offset);
    put32(14, 40);
    put32(18, static_cast<uint32_t>(width));
    put32(22, static_cast<uint32_t>(height));
    put16(26, 1);
    put16(28, 8);
    put32(30, rle ? 1 : 0);
    put32(34, static_cast<uint32_t>(image.size()));
    put32(38, 2835);
    put32(42, 2835);
    put32(46, 256);
    for (int i = 0; i < 256; ++i) {
        b[54 + i * 4] = palette[i].b;
        b[54 + i * 4 + 1] = palette[i].g;
        b[54 + i * 4 + 2] = palette[i].r;
    }
    b.insert(b.end(), image.begin(), image.end());
    return b;
}

std::string DiskPathFor(const std::string& root, const char* gamePath) {
    std::string p(gamePath);
    std::string out;
    const auto& spelling = FolderSpelling();
    const size_t lastCut = p.rfind('\\');
    if (lastCut != std::string::npos) {
        std::string lower = p.substr(0, lastCut);
        std::transform(lower.begin(), lower.end(), lower.begin(), ::tolower);
        const auto it = spelling.find(lower);
        out = (it != spelling.end() ? it->second : p.substr(0, lastCut)) + p.substr(lastCut);
    } else {
        out = p;
    }
    std::replace(out.begin(), out.end(), '\\', '/');
    return root + "/" + out;
}

std::vector<uint8_t> FramePicture(const SpriteSet& set, int frame) {
    if (set.kind != SpriteKind::kLifeBar) return SpritePicture(set, frame);
    if (std::strcmp(set.name, "Hp\\Life") == 0) return BarPicture(Shade(kRed, 8), Shade(kRed, 12));
    if (std::strcmp(set.name, "Hp\\boss") == 0) return BarPicture(Shade(kPurple, 8), Shade(kPurple, 12));
    return EmptyCellPicture();
}

bool GenerateBitmaps(const std::string& root) {
    Color palette[256];
    BuildPalette(palette);
    char path[128];
    // Sprite sets; the life bars' two copies share one file.
    for (const SpriteSet& set : kSpriteSets) {
        if (set.kind == SpriteKind::kLifeBar) continue;
        for (int f = 0; f < set.count; ++f) {
            FormatFramePath(set, f, path, sizeof path);
            const std::vector<uint8_t> px = SpritePicture(set, f);
            if (!WriteFile(DiskPathFor(root, path), EncodeBmp(set.Width(f), set.Height(f), px.data(), palette)))
                return false;
        }
    }
    const std::vector<uint8_t> life = FramePicture(*FindSpriteSet("Hp\\Life"), 0);
    const std::vector<uint8_t> boss = FramePicture(*FindSpriteSet("Hp\\boss"), 0);
    const std::vector<uint8_t> empty = FramePicture(*FindSpriteSet("Hp\\Damage"), 0);
    if (!WriteFile(DiskPathFor(root, "bmp\\Hp\\Life.bmp"), EncodeBmp(126, 12, life.data(), palette)) ||
        !WriteFile(DiskPathFor(root, "bmp\\Hp\\boss.bmp"), EncodeBmp(126, 12, boss.data(), palette)) ||
        !WriteFile(DiskPathFor(root, "bmp\\Hp\\Damage.bmp"), EncodeBmp(6, 12, empty.data(), palette)))
        return false;
    // Stage panels, run-length coded (they are mostly flat colour);
    // "bmp\stage1\0.bmp" also carries the palette the game reads.
    for (int stage = 1; stage <= 50; ++stage)
        for (int file = 0; file < StagePanelFileCount(stage); ++file) {
            std::snprintf(path, sizeof path, "bmp\\stage%d\\%d.bmp", stage, file);
            const std::vector<uint8_t> px = PanelPicture(stage, file);
            if (!WriteFile(DiskPathFor(root, path), EncodeBmp(640, 480, px.data(), palette, true))) return false;
        }
    return true;
}

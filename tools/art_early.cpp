// The early foes: walkers, self-reviving foes, the early shooters with their
// shots, traps, fliers, swarms and jumpers. Each kind has one painter that
// draws its right-facing poses; the table at the end says how a set's frames
// split into poses and facings, and the left-facing frames are their poses
// turned round. Every figure is laid out on its frame so that it fills the
// kind's body and reach boxes drawn at the frame's anchor, and ground kinds
// end on the row above the floor they stand on.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

#include "gen_art.h"

namespace {

using Pt = std::pair<double, double>;
constexpr double kPi = std::numbers::pi;

// Four shades of one material: the outline, the shadow, the body and the light.
struct Tone {
    uint8_t ink, dark, mid, light;
};
constexpr Tone RampTone(int ramp, int mid) {
    return {Shade(ramp, std::max(0, mid - 7)), Shade(ramp, std::max(0, mid - 3)), Shade(ramp, mid),
            Shade(ramp, std::min(15, mid + 3))};
}
constexpr Tone GreyTone(int mid) {
    return {Grey(std::max(0, mid - 16)), Grey(std::max(0, mid - 6)), Grey(mid), Grey(std::min(29, mid + 5))};
}
constexpr Tone kBone{Shade(kOrange, 2), Shade(kOrange, 12), Shade(kYellow, 14), Shade(kYellow, 15)};
constexpr Tone kSteel = GreyTone(19);
constexpr Tone kWood = RampTone(kOrange, 5);
constexpr Tone kFlame = RampTone(kOrange, 9);

// Light from the upper left: a body pixel whose upper or left neighbour is
// not of its colour turns light, else one whose lower or right neighbour is
// not turns dark.
void Bevel(Canvas& c, const Tone& t) {
    const std::vector<uint8_t> was = c.px;
    auto at = [&](int x, int y) { return x < 0 || y < 0 || x >= c.w || y >= c.h ? -1 : was[y * c.w + x]; };
    for (int y = 0; y < c.h; ++y)
        for (int x = 0; x < c.w; ++x) {
            if (was[y * c.w + x] != t.mid) continue;
            if (at(x - 1, y) != t.mid || at(x, y - 1) != t.mid)
                c.px[y * c.w + x] = t.light;
            else if (at(x + 1, y) != t.mid || at(x, y + 1) != t.mid)
                c.px[y * c.w + x] = t.dark;
        }
}

// The one key-coloured background of a frame: what the caller filled it with.
uint8_t KeyOf(const Canvas& c) { return c.px.empty() ? 0 : c.px[0]; }

// The last touches of every figure: each material lit, then the outline.
void Finish(Canvas& c, uint8_t ink, std::initializer_list<Tone> tones) {
    for (const Tone& t : tones) Bevel(c, t);
    c.Outline(KeyOf(c), ink);
}

void Limb(Canvas& c, Pt a, Pt b, double w, uint8_t col) { c.Stroke(a.first, a.second, b.first, b.second, w, col); }
void Limb(Canvas& c, Pt a, Pt knee, Pt b, double w, uint8_t col) {
    Limb(c, a, knee, w, col);
    Limb(c, knee, b, w, col);
}
Pt Mid(Pt a, Pt b, double t = 0.5) { return {a.first + (b.first - a.first) * t, a.second + (b.second - a.second) * t}; }

// Paints in the object's own coordinates, for a frame drawn at anchor
// (ax, ay) right and below the object's x and y: the frame keeps what falls
// on it.
template <typename F>
void InObject(Canvas& c, int ax, int ay, F paint) {
    Canvas o(c.w + ax, c.h + ay, KeyOf(c));
    paint(o);
    for (int y = 0; y < c.h; ++y)
        for (int x = 0; x < c.w; ++x) c.px[y * c.w + x] = o.At(x + ax, y + ay);
}

// Copies the figure of src (its key left out) onto c with its corner at x, y.
void Stamp(Canvas& c, const Canvas& src, int x, int y) {
    const uint8_t key = KeyOf(src);
    for (int sy = 0; sy < src.h; ++sy)
        for (int sx = 0; sx < src.w; ++sx)
            if (src.At(sx, sy) != key) c.Put(x + sx, y + sy, src.At(sx, sy));
}

// --- skeletons ----------------------------------------------------------------

// A skeleton seen from the side, facing right: joints in frame pixels.
struct Skeleton {
    Pt skull;
    double skullR;
    Pt neck, pelvis;
    Pt elbowF, handF, elbowB, handB;
    Pt kneeF, footF, kneeB, footB;
    double bone;  // limb thickness
};

// A skull in profile, facing right: the round cranium, one deep socket, the
// nose hole and a row of teeth in the jaw.
void DrawSkull(Canvas& c, Pt at, double r, const Tone& t, bool jaw = true) {
    const auto [x, y] = at;
    c.Ellipse(x - r * 0.08, y - r * 0.05, r, r * 0.97, t.mid);
    c.Ellipse(x + r * 0.42, y + r * 0.45, r * 0.58, r * 0.5, t.mid);  // the face
    if (jaw)
        c.Polygon({{x - r * 0.2, y + r * 0.6},
                   {x + r * 0.95, y + r * 0.75},
                   {x + r * 0.8, y + r * 1.2},
                   {x + r * 0.05, y + r * 1.15}},
                  t.mid);
    c.Ellipse(x + r * 0.42, y + r * 0.02, r * 0.3, r * 0.32, t.ink);  // the socket
    c.Put(static_cast<int>(x + r * 0.88), static_cast<int>(y + r * 0.42), t.ink);
    if (jaw) {
        c.Line(x + r * 0.05, y + r * 0.82, x + r * 0.9, y + r * 0.82, 1, t.ink);
        for (double tx = x + r * 0.3; tx < x + r * 0.9; tx += 2.5)
            c.Put(static_cast<int>(tx), static_cast<int>(y + r * 0.95), t.dark);
    }
}

// A skull seen from the front, turned a little towards turn (-1 to 1): the
// sockets, the nose hole and the teeth; glow lights the sockets.
void DrawSkullFront(Canvas& c, Pt at, double r, const Tone& t, double turn, uint8_t glow) {
    const auto [x, y] = at;
    const double fx = x + turn * r * 0.18;  // the face's middle
    c.Ellipse(x, y, r, r * 0.92, t.mid);
    c.Polygon({{x - r * 0.78, y + r * 0.3},
               {x + r * 0.78, y + r * 0.3},
               {fx + r * 0.55, y + r * 1.25},
               {fx - r * 0.55, y + r * 1.25}},
              t.mid);
    for (int side = -1; side <= 1; side += 2) {
        const double ex = fx + side * r * 0.4;
        c.Ellipse(ex, y + r * 0.12, r * 0.28, r * 0.3, t.ink);
        c.Triangle(ex - r * 0.34, y - r * 0.22, ex + r * 0.34, y - r * 0.22, ex - side * r * 0.34, y + r * 0.02, t.mid);
        c.Ellipse(ex + turn * r * 0.05, y + r * 0.16, r * 0.09, r * 0.09, glow);
    }
    c.Triangle(fx - r * 0.12, y + r * 0.46, fx + r * 0.12, y + r * 0.46, fx, y + r * 0.66, t.ink);
    c.Line(fx - r * 0.5, y + r * 0.86, fx + r * 0.5, y + r * 0.86, 1, t.ink);
    for (double tx = fx - r * 0.42; tx < fx + r * 0.5; tx += std::max(2.0, r * 0.2))
        c.Line(tx, y + r * 0.86, tx, y + r * 1.1, 1, t.dark);
}

void DrawSkeleton(Canvas& c, const Skeleton& s, const Tone& t) {
    const double b = s.bone;
    Pt hip = s.pelvis, shoulder = Mid(s.neck, s.pelvis, 0.12);
    // The far limbs in shadow, then the body, then the near limbs.
    Limb(c, hip, s.kneeB, s.footB, b, t.dark);
    Limb(c, s.footB, {s.footB.first + b * 1.6, s.footB.second}, b * 0.9, t.dark);
    Limb(c, shoulder, s.elbowB, s.handB, b * 0.9, t.dark);
    Limb(c, s.neck, s.pelvis, b, t.mid);
    const double len = s.pelvis.second - s.neck.second;
    const double cx = Mid(s.neck, s.pelvis, 0.4).first + b * 0.8, cy = s.neck.second + len * 0.42;
    c.Ellipse(cx, cy, b * 2.6, len * 0.3, t.mid);
    for (int k = 1; k <= 3; ++k) {
        const double ry = cy - len * 0.3 + len * 0.6 * k / 4;
        c.Line(cx - b * 2.1, ry, cx + b * 2.1, ry + 0.6, 1, t.ink);
    }
    c.Ellipse(hip.first, hip.second, b * 2.0, b * 1.2, t.mid);
    DrawSkull(c, s.skull, s.skullR, t);
    Limb(c, hip, s.kneeF, s.footF, b, t.mid);
    Limb(c, s.footF, {s.footF.first + b * 1.6, s.footF.second}, b * 0.9, t.mid);
    c.Ellipse(s.kneeF.first, s.kneeF.second, b * 0.8, b * 0.8, t.light);
    Limb(c, shoulder, s.elbowF, s.handF, b * 0.9, t.mid);
}

// --- the walkers --------------------------------------------------------------

// A sword in the near hand, a round shield on the far arm; 32 x 62.
void PaintSkeletonSoldier(Canvas& c, int pose) {
    const double s = pose == 0 ? 1 : 0.35;  // stride
    const Skeleton k{{17, 6.5}, 6.4,     {16, 14},         {15, 35},         {21, 24},         {25, 29},
                     {11, 23},  {7, 28}, {16 + 4 * s, 47}, {17 + 6 * s, 60}, {14 - 3 * s, 47}, {13 - 5 * s, 60},
                     2.4};
    DrawSkeleton(c, k, kBone);
    c.Line(25, 30, 31, 13, 2, kSteel.light);  // blade
    c.Line(22, 28, 28, 32, 2, kWood.mid);     // guard
    c.Ellipse(5.5, 30, 5.5, 6.5, kWood.mid);
    c.Ellipse(5.5, 30, 2, 2.2, kSteel.mid);
    Finish(c, kBone.ink, {kBone, kWood});
}

// Red bones, tall: walking, falling apart, and lying in a heap; 34 wide.
constexpr Tone kRedBone = RampTone(kRed, 9);
void PaintRed(Canvas& c, int pose) {
    static constexpr int kTop[4] = {0, 4, 30, 74};
    InObject(c, 0, kTop[pose], [pose](Canvas& o) {
        if (pose == 3) {  // a heap of bones on the floor, the skull on top
            for (int i = 0; i < 6; ++i) {
                const double x = 3 + i * 5, y = 93 - (i % 2) * 3;
                o.Stroke(x, y, x + 9, y - 3 + (i % 3), 2.6, i % 2 ? kRedBone.dark : kRedBone.mid);
            }
            o.Ellipse(17, 91, 14, 4, kRedBone.dark);
            DrawSkull(o, {20, 83}, 6.5, kRedBone, false);
        } else if (pose == 2) {  // falling apart: the skull drops, the limbs scatter
            DrawSkull(o, {13, 38}, 7.5, kRedBone);
            o.Stroke(20, 50, 32, 58, 3, kRedBone.mid);
            o.Stroke(2, 60, 14, 54, 3, kRedBone.dark);
            o.Ellipse(18, 64, 7, 7, kRedBone.mid);
            for (int k = 0; k < 3; ++k) o.Line(12, 61 + 2.5 * k, 24, 62 + 2.5 * k, 1, kRedBone.ink);
            o.Stroke(5, 93, 16, 76, 3, kRedBone.mid);
            o.Stroke(20, 76, 32, 93, 3, kRedBone.mid);
        } else {
            const double s = pose == 0 ? 1 : 0.3, top = pose == 0 ? 0 : 4;
            const Skeleton k{{20, top + 8},
                             7.8,
                             {18, top + 18},
                             {17, 54},
                             {25, 35},
                             {32, 42},
                             {12, 33},
                             {5, 44},
                             {19 + 6 * s, 75},
                             {19 + 8 * s, 94},
                             {15 - 5 * s, 75},
                             {10 - 6 * s, 94},
                             3.2};
            DrawSkeleton(o, k, kRedBone);
            o.Stroke(31, 42, 32.5, 47, 2, kRedBone.light);  // claws
        }
        Finish(o, kRedBone.ink, {kRedBone});
    });
}

// A sheet ghost drifting right, its tail streaming behind; 32 x 32.
constexpr Tone kGhost{Shade(kViolet, 2), Shade(kViolet, 11), Grey(27), Grey(29)};
void PaintGhost(Canvas& c, int pose) {
    const double wave = pose == 0 ? 0 : 1.5;
    c.Ellipse(19, 11.5, 11.5, 11.5, kGhost.mid);
    c.Polygon(
        {{8, 12}, {30, 12}, {28, 24}, {22, 31.5 - wave}, {16, 27}, {10, 31.5}, {5, 27 + wave}, {0.5, 30}, {3, 20}},
        kGhost.mid);
    c.Stroke(27, 17, 31, 20 + wave, 3, kGhost.mid);  // a grasping arm
    c.Ellipse(21, 9, 2, 3, kGhost.ink);
    c.Ellipse(27, 9, 1.6, 2.6, kGhost.ink);
    c.Ellipse(25, 16, 1.8, 2.2, kGhost.ink);
    Finish(c, kGhost.ink, {kGhost});
}

// A rotting corpse shuffling with its arms out; 30 x 60, the reach 36 wide.
constexpr Tone kRotten{Shade(kGreen, 1), Shade(kLime, 6), Shade(kLime, 10), Shade(kLime, 12)};
constexpr Tone kRags = RampTone(kPurple, 4);
constexpr Tone kBreeches = RampTone(kOrange, 3);
void PaintZombie(Canvas& c, int pose) {
    // A shuffle, then a long lurching stride back to the frame's left edge.
    const double reach = c.w - 1.5;
    const Pt farKnee = pose == 0 ? Pt{9, 47} : Pt{7, 47}, farFoot = pose == 0 ? Pt{6, 58.5} : Pt{1.5, 58.5};
    const Pt nearKnee = pose == 0 ? Pt{19, 47} : Pt{20, 47}, nearFoot = pose == 0 ? Pt{22, 58.5} : Pt{25, 58.5};
    Limb(c, {13, 36}, farKnee, farFoot, 4, kBreeches.dark);  // far leg
    Limb(c, {18, 19}, {reach - 6, 22}, 3.5, kRotten.dark);   // far arm
    c.Polygon({{9, 16}, {22, 15}, {21, 37}, {10, 38}}, kRags.mid);
    c.Polygon({{10, 35}, {21, 35}, {20, 41}, {15, 38}, {11, 42}}, kRags.mid);  // torn hem
    Limb(c, {16, 36}, nearKnee, nearFoot, 4.5, kBreeches.mid);
    c.Box(static_cast<int>(nearFoot.first) - 2, 57, static_cast<int>(nearFoot.first) + 4, 60,
          kRotten.mid);  // bare foot
    c.Ellipse(17, 8.5, 6.5, 7.5, kRotten.mid);
    c.Ellipse(20, 7.5, 1.6, 1.8, Shade(kRed, 9));  // a dead red eye
    c.Line(18, 13, 22, 12.5, 1, kRotten.ink);
    c.Stroke(11, 2, 15, 1, 2, kBreeches.ink);  // a few hairs left
    Limb(c, {17, 18}, {reach - 2, 20}, 3.5, kRotten.mid);
    c.Line(reach - 3, 20, reach, 24, 1.5, kRotten.mid);  // drooping fingers
    Finish(c, kRotten.ink, {kRotten, kRags, kBreeches});
}

// A gaunt priest in a black cassock under a wide hat, a red book held out; 36 x 96.
constexpr Tone kCassock = GreyTone(6);
constexpr Tone kPale{Shade(kOrange, 2), Shade(kOrange, 11), Shade(kOrange, 14), Shade(kOrange, 15)};
void PaintBokusi(Canvas& c, int) {
    c.Polygon({{11, 20}, {25, 20}, {29, 60}, {35.5, 95.5}, {14, 96}, {0.5, 95.5}, {6, 58}}, kCassock.mid);
    c.Box(14, 20, 24, 23, Grey(28));  // collar
    c.Ellipse(20, 14, 5.5, 6.5, kPale.mid);
    c.Put(23, 13, Grey(2));
    c.Box(10, 0, 26, 9, kCassock.mid);  // the hat
    c.Ellipse(18, 9, 17.6, 2.4, kCassock.mid);
    Limb(c, {22, 26}, {26, 37}, {29, 42}, 4, kCassock.dark);
    c.Box(25, 36, 34, 47, RampTone(kRed, 5).mid);  // the book
    c.Box(26, 37, 34, 38, Shade(kYellow, 11));
    c.Ellipse(28, 42, 2.2, 2, kPale.mid);
    c.Box(12, 92, 22, 96, Grey(2));  // shoes under the hem
    Finish(c, Grey(0), {kCassock, kPale});
}

// A knight charging with a levelled lance, his red cloak flying; 54 x 60,
// the thrust 62.
constexpr Tone kCloak = RampTone(kRed, 6);
void PaintArmor(Canvas& c, int pose) {
    const double s = pose == 0 ? 1 : -1, tip = c.w - 0.5;
    c.Polygon({{14, 14}, {20, 16}, {12, 40}, {0.5, 46}, {4, 30}}, kCloak.mid);
    Limb(c, {17, 36}, {13 - 3 * s, 47}, {11 - 3 * s, 58}, 6, kSteel.dark);
    c.Box(static_cast<int>(8 - 3 * s), 55, static_cast<int>(16 - 3 * s), 60, kSteel.dark);
    c.Polygon({{11, 15}, {27, 15}, {28, 34}, {24, 40}, {12, 40}, {10, 30}}, kSteel.mid);  // breastplate
    Limb(c, {20, 36}, {23 + 3 * s, 47}, {25 + 3 * s, 58}, 6, kSteel.mid);
    c.Box(static_cast<int>(22 + 3 * s), 55, static_cast<int>(31 + 3 * s), 60, kSteel.mid);
    c.Box(13, 3, 26, 15, kSteel.mid);  // great helm
    c.Ellipse(19.5, 4, 6.5, 3.5, kSteel.mid);
    c.Box(19, 8, 26, 9, Grey(1));                                                           // visor slit
    c.Stroke(16, 3, 10, 0.5, 3, kCloak.light);                                              // plume
    c.Ellipse(13, 17, 5, 4, kSteel.light);                                                  // pauldron
    c.Polygon({{24, 24}, {tip - 6, 23}, {tip, 25}, {tip - 6, 27}, {24, 28}}, kWood.light);  // lance
    c.Polygon({{28, 19}, {34, 24}, {34, 28}, {28, 33}}, kSteel.mid);                        // vamplate
    Finish(c, kSteel.ink, {kSteel, kCloak});
}

// A headless knight in dark plate, a ghostly flame at his neck and his helmed
// head under his arm. Walking he fills 54 x 96; swinging, his long blade
// sweeps out level ahead of him at the top of a 128-wide frame whose rows
// begin 11 below his y.
constexpr Tone kDarkPlate = RampTone(kViolet, 4);
constexpr Tone kWisp = RampTone(kLime, 10);
void DyurahanBody(Canvas& c, double top, int pose, double armTo) {
    const double s = pose == 0 ? 1 : -1;
    c.Polygon({{4, top + 14}, {10, top + 12}, {7, top + 50}, {1, top + 62}}, kCloak.dark);  // cape behind
    Limb(c, {15, top + 52}, {12 - 3 * s, top + 70}, {10 - 4 * s, top + 92}, 8, kDarkPlate.dark);
    c.Box(static_cast<int>(4 - 4 * s), static_cast<int>(top + 90), static_cast<int>(16 - 4 * s),
          static_cast<int>(top + 96), kDarkPlate.dark);
    c.Polygon({{7, top + 14}, {29, top + 14}, {31, top + 44}, {27, top + 56}, {9, top + 56}, {6, top + 40}},
              kDarkPlate.mid);
    for (int k = 0; k < 3; ++k) c.Line(9, top + 44 + 4 * k, 28, top + 44 + 4 * k, 1, kDarkPlate.ink);
    Limb(c, {21, top + 52}, {24 + 3 * s, top + 70}, {26 + 4 * s, top + 92}, 8, kDarkPlate.mid);
    c.Box(static_cast<int>(21 + 4 * s), static_cast<int>(top + 90), static_cast<int>(35.5 + 3 * s),
          static_cast<int>(top + 96), kDarkPlate.mid);
    c.Ellipse(9, top + 17, 7, 6, kDarkPlate.light);  // pauldrons
    c.Ellipse(27, top + 17, 7, 6, kDarkPlate.mid);
    c.Box(14, static_cast<int>(top + 8), 23, static_cast<int>(top + 13), kDarkPlate.dark);  // the empty collar
    Limb(c, {26, top + 20}, {33, top + 32}, {armTo, top + 34}, 6, kDarkPlate.mid);
}
// His helmed head, carried: a visored helm with a red crest, an eye aglow.
void DyurahanHead(Canvas& c, double x, double y) {
    c.Polygon({{x - 4, y - 8}, {x + 2, y - 12}, {x - 7, y - 14}, {x - 9, y - 6}}, kCloak.mid);  // crest
    c.Ellipse(x, y - 2, 7.5, 6.5, kDarkPlate.mid);
    c.Box(static_cast<int>(x - 7.5), static_cast<int>(y - 2), static_cast<int>(x + 8), static_cast<int>(y + 7),
          kDarkPlate.mid);
    c.Box(static_cast<int>(x - 1), static_cast<int>(y - 1), static_cast<int>(x + 8), static_cast<int>(y + 1), Grey(1));
    c.Put(static_cast<int>(x + 4), static_cast<int>(y), Shade(kLime, 13));  // an eye still glows in the slit
    c.Line(x + 2, y + 3, x + 2, y + 6, 1, kDarkPlate.ink);
}
void PaintDyurahan(Canvas& c, int frame) {
    const int pose = frame % 3;
    const bool left = frame >= 3;
    if (pose < 2) {
        c.Polygon({{13, 12}, {17, 0.5}, {19, 6}, {22, 0.5}, {25, 12}}, kWisp.mid);
        DyurahanBody(c, 0, pose, 40);
        DyurahanHead(c, 45.5, 38);
    } else {
        // The swing: the frame's rows start 11 below the knight's y. Facing
        // left the blow is still tested 71 columns right of his x, so his cape
        // flies out behind him that far: laid out here 17 columns in.
        const double top = -11, in = left ? 17 : 0;
        Canvas o(c.w, c.h, KeyOf(c));
        if (left) o.Polygon({{24, 8}, {0.5, 14}, {4, 40}, {0.5, 62}, {26, 50}}, kCloak.dark);
        Canvas body(128, c.h, KeyOf(c));
        DyurahanBody(body, top, 0, 60);
        body.Polygon({{13, 1}, {17, 0}, {22, 0}, {25, 1}}, kWisp.mid);
        body.Stroke(58, 23, 65, 12, 6, kDarkPlate.mid);                                  // both arms up at the hilt
        body.Box(61, 0, 68, 11, kWood.mid);                                              // the hilt
        body.Polygon({{66, 0}, {124, 0}, {127.5, 2}, {124, 5}, {66, 6}}, kSteel.light);  // the blade
        DyurahanHead(body, 8, 46);
        Stamp(o, body, static_cast<int>(in), 0);
        c.px = o.px;
    }
    Finish(c, kDarkPlate.ink, {kDarkPlate, kWisp, kCloak});
    if (left) c.MirrorX();
}

// A golem of stacked stone, long arms to its knuckles and ember eyes; 75 x 94.
constexpr Tone kStone = GreyTone(15);
constexpr Tone kMoss = RampTone(kGreen, 3);
void PaintGouremu(Canvas& c, int pose) {
    const double swing = pose == 0 ? 0 : 3;  // the narrower stride swings the arms in
    Limb(c, {26, 66}, {24, 80}, {22, 90}, 13, kStone.dark);
    c.Box(12, 86, 30, 94, kStone.dark);
    c.Polygon({{14, 12}, {60, 12}, {64, 40}, {56, 70}, {18, 70}, {10, 40}}, kStone.mid);  // torso
    Limb(c, {48, 66}, {50, 80}, {52, 90}, 14, kStone.mid);
    c.Box(44, 86, 64, 94, kStone.mid);
    c.Ellipse(37, 8.5, 12, 8.5, kStone.mid);  // the head sunk between the shoulders
    c.Box(31, 6, 36, 9, Shade(kOrange, 12));
    c.Box(40, 6, 45, 9, Shade(kOrange, 12));
    Limb(c, {12, 18}, {5 + swing, 44}, {6 + swing, 66}, 11, kStone.dark);  // far arm
    c.Ellipse(7 + swing, 70, 6.5, 7, kStone.dark);
    Limb(c, {61, 18}, {68 - swing, 44}, {67 - swing, 66}, 12, kStone.mid);
    c.Ellipse(c.w - 7.5, 70, 7, 7.5, kStone.mid);  // fist
    c.Line(24, 28, 34, 38, 1, kStone.ink);         // cracks and moss
    c.Line(45, 48, 52, 58, 1, kStone.ink);
    c.Ellipse(22, 60, 5, 3, kMoss.mid);
    c.Ellipse(54, 15, 6, 2.5, kMoss.mid);
    Finish(c, kStone.ink, {kStone, kMoss});
}

// A spotted leopard at full run: gathered, mid-stride and stretched out.
constexpr Tone kLeopard = RampTone(kOrange, 10);
void PaintHyou(Canvas& c, int pose) {
    const double w = c.w, foot = c.h - 1;
    // Legs: far pair first, by pose (gathered, passing, stretched).
    static constexpr double kFore[3][2] = {{0.62, 0.55}, {0.78, 0.70}, {0.99, 0.88}};
    static constexpr double kHind[3][2] = {{0.38, 0.46}, {0.22, 0.30}, {0.06, 0.14}};
    const double back = pose == 2 ? 8 : 10, belly = pose == 2 ? foot - 8 : foot - 10;
    Limb(c, {w * 0.68, belly}, {w * kFore[pose][1], foot}, 4, kLeopard.dark);
    Limb(c, {w * 0.3, belly}, {w * kHind[pose][1], foot}, 4.5, kLeopard.dark);
    c.Ellipse(w * 0.47, (back + belly) / 2, w * 0.3, (belly - back) / 2 + 1, kLeopard.mid);
    c.Stroke(w * 0.2, back + 2, 4, back - 5 + pose, 3, kLeopard.mid);  // tail
    c.Stroke(4, back - 5 + pose, 1.5, back - 9 + pose, 3, kLeopard.mid);
    Limb(c, {w * 0.7, belly}, {w * kFore[pose][0], foot}, 4.5, kLeopard.mid);
    Limb(c, {w * 0.3, belly}, {w * kHind[pose][0], foot}, 5, kLeopard.mid);
    c.Ellipse(w - 9, back, 8, 6.5, kLeopard.mid);  // head
    c.Ellipse(w - 3.5, back + 2.5, 3, 3, kLeopard.light);
    c.Triangle(w - 14, back - 4, w - 10, back - 4, w - 13, std::max(0.0, back - 10), kLeopard.mid);  // ear
    c.Put(static_cast<int>(w - 6), static_cast<int>(back - 1), Grey(1));
    for (int k = 0; k < 7; ++k)  // spots
        c.Ellipse(w * (0.25 + 0.07 * k), back + 4 + (k % 3) * 3, 1.3, 1.1, kLeopard.ink);
    Finish(c, kLeopard.ink, {kLeopard});
}

// A great green slime, wide and flat or gathered up tall.
constexpr Tone kSlimeGreen = RampTone(kGreen, 8);
void PaintSLarge(Canvas& c, int pose) {
    const double w = c.w, h = c.h;
    c.Ellipse(w / 2, h * 0.55, w / 2 - 0.5, h * 0.45, kSlimeGreen.mid);
    c.Box(1, static_cast<int>(h * 0.6), c.w - 1, c.h, kSlimeGreen.mid);
    for (int k = 0; k < 4; ++k) c.Ellipse(w * (0.15 + 0.24 * k), h - 2, 3, 2, kSlimeGreen.dark);
    c.Ellipse(w * 0.7, h * 0.38, 3, 3.5, Grey(29));
    c.Ellipse(w * 0.86, h * 0.38, 2.5, 3, Grey(29));
    c.Ellipse(w * 0.72, h * 0.4, 1.2, 1.8, Grey(1));
    c.Ellipse(w * 0.87, h * 0.4, 1, 1.6, Grey(1));
    c.Ellipse(w * 0.3, h * 0.3, w * 0.1, 2 + pose, kSlimeGreen.light);
    Finish(c, kSlimeGreen.ink, {kSlimeGreen});
}

// A mound of thorny brambles with two yellow eyes; the draw stretches its 30
// rows over 36 screen rows, so the mound stops short of the image's foot.
constexpr Tone kThorn = RampTone(kPurple, 4);
void PaintUne(Canvas& c, int) {
    c.Ellipse(28, 21, 27.5, 6.5, kThorn.mid);
    c.Box(0, 20, 56, 27, kThorn.mid);
    for (int k = 0; k < 9; ++k) {  // thorns all over the top
        const double x = 4 + k * 6, a = (k - 4) * 0.22;
        c.Triangle(x - 2.5, 14, x + 2.5, 14, x + std::sin(a) * 10, 14 - std::cos(a) * 14 + (k % 2) * 2, kThorn.light);
    }
    c.Ellipse(36, 18, 3, 2.2, Shade(kYellow, 12));
    c.Ellipse(45, 18, 3, 2.2, Shade(kYellow, 12));
    c.Box(36, 17, 38, 19, Grey(1));
    c.Box(45, 17, 47, 19, Grey(1));
    Finish(c, kThorn.ink, {kThorn});
}

// A grey corpse rising waist-deep out of a pool of dark earth: the floor is
// 42 rows below its y. Rising, lunging with its arms wide, and sinking back.
constexpr Tone kCorpse = RampTone(kViolet, 9);
constexpr Tone kEarth = RampTone(kOrange, 2);
void PaintJyouhansin(Canvas& c, int pose) {
    static constexpr int kTop[3] = {0, 12, 6};
    InObject(c, 0, kTop[pose], [pose](Canvas& o) {
        const double w = pose == 1 ? 80 : pose == 0 ? 42 : 34, cx = w / 2, floor = 42;
        const double top = kTop[pose];
        const double arm = pose == 1 ? w / 2 - 1 : w / 2 - 2;
        o.Ellipse(cx, floor - 1, w / 2 - 0.5, 4, kEarth.mid);
        o.Polygon({{cx - 8, top + 12}, {cx + 8, top + 12}, {cx + 6, floor - 1}, {cx - 6, floor - 1}}, kCorpse.mid);
        o.Ellipse(cx + 1, top + 6.5, 6.5, 6.5, kCorpse.mid);
        o.Box(static_cast<int>(cx + 1), static_cast<int>(top + 5), static_cast<int>(cx + 3), static_cast<int>(top + 7),
              Shade(kYellow, 13));
        o.Box(static_cast<int>(cx + 4), static_cast<int>(top + 5), static_cast<int>(cx + 6), static_cast<int>(top + 7),
              Shade(kYellow, 13));
        const double hy = pose == 1 ? top + 14 : top + 2;  // hands raised, or flung out wide
        Limb(o, {cx - 6, top + 15}, {cx - arm * 0.6, top + 16}, {cx - arm, hy}, 4, kCorpse.mid);
        Limb(o, {cx + 6, top + 15}, {cx + arm * 0.6, top + 16}, {cx + arm, hy}, 4, kCorpse.mid);
        o.Stroke(cx - 5, top + 1, cx - 7, top + 10, 2, Grey(4));  // lank hair
        Finish(o, kCorpse.ink, {kCorpse});
    });
}

// An ogre that springs out of hiding with its club: crouched with the club
// swung low, then up with it raised overhead.
constexpr Tone kOgre = RampTone(kRed, 11);
void PaintKonbou(Canvas& c, int pose) {
    const double foot = 55;  // where the legs' round ends stop short of row 59
    if (pose == 0) {
        c.Polygon({{14, 26}, {2, 4}, {6, 0.5}, {12, 2}, {18, 24}}, kWood.mid);        // the club, cocked back
        c.Polygon({{36, 20}, {54, 34}, {55.5, 44}, {49, 46}, {33, 30}}, kOgre.dark);  // the far arm, fist out
        c.Ellipse(24, 34, 15, 14, kOgre.mid);
        c.Ellipse(30, 18, 8, 8, kOgre.mid);
        c.Box(31, 16, 37, 18, Grey(1));
        Limb(c, {16, 42}, {10, 50}, {8, foot}, 7, kOgre.dark);
        Limb(c, {30, 42}, {36, 50}, {34, foot}, 7, kOgre.mid);
        c.Stroke(30, 28, 38, 26, 5, kOgre.mid);
        c.Box(26, 9, 33, 12, kOgre.ink);         // a tuft of hair
        c.Stroke(16, 28, 12, 22, 5, kOgre.mid);  // the near arm, gripping the club
    } else {
        c.Polygon({{44, 0.5}, {55.5, 4}, {50, 14}, {32, 20}, {30, 16}}, kWood.mid);  // raised overhead
        c.Ellipse(24, 32, 14, 14, kOgre.mid);
        c.Ellipse(24, 12, 8, 8, kOgre.mid);
        c.Box(26, 10, 32, 12, Grey(1));
        Limb(c, {18, 42}, {12, 50}, {9, foot}, 7, kOgre.dark);
        Limb(c, {30, 42}, {36, 50}, {38, foot}, 7, kOgre.mid);
        Limb(c, {32, 24}, {38, 18}, {33, 14}, 5, kOgre.mid);
        Limb(c, {14, 24}, {4, 22}, {1, 14}, 5, kOgre.dark);
    }
    c.Box(10, 34, 38, 40, kWood.dark);  // a hide loincloth
    Finish(c, kOgre.ink, {kOgre, kWood});
}

// A rotting hand thrust up out of a mound of earth at the floor: open and
// reaching (drawn 6 rows higher), clutching, clenched.
void PaintMadhand(Canvas& c, int pose) {
    const double base = c.h - 1;              // the floor row
    const double top = pose == 0 ? 0.5 : -5;  // clutching, the knuckles are uppermost
    c.Ellipse(30, base - 3, 29.5, 4, kEarth.mid);
    c.Polygon({{20, base - 4}, {40, base - 4}, {38, top + 24}, {22, top + 24}}, kRotten.mid);  // wrist and palm
    if (pose == 0) {
        for (int k = 0; k < 4; ++k)
            c.Stroke(23 + k * 4.7, top + 24, 19 + k * 7, top + 1 + (k == 0 || k == 3) * 4, 4, kRotten.mid);
        c.Stroke(38, top + 30, 52, top + 20, 4, kRotten.mid);  // thumb
    } else {
        const double bend = pose == 1 ? 6 : 12;
        for (int k = 0; k < 4; ++k) {
            c.Stroke(23 + k * 4.5, top + 22, 22 + k * 5, top + 8, 4.5, kRotten.mid);
            c.Stroke(22 + k * 5, top + 8, 26 + k * 5 + bend * 0.3, top + 8 + bend, 4, kRotten.dark);
        }
        c.Stroke(38, top + 28, 48 - bend * 0.5, top + 20, 4, kRotten.mid);
    }
    c.Ellipse(10, base - 5, 6, 3, kEarth.light);  // clods thrown up
    c.Ellipse(52, base - 6, 5, 3, kEarth.light);
    Finish(c, kRotten.ink, {kRotten, kEarth});
}

// --- the self-reviving foes -----------------------------------------------------

// A green fish-man with a red fin crest, walking on the floor 63 rows below
// his y: two strides, the leap out of the water, and the crouch on landing.
constexpr Tone kScales = RampTone(kGreen, 6);
constexpr Tone kBelly = RampTone(kLime, 11);
constexpr Tone kFin = RampTone(kRed, 8);
void MermanFigure(Canvas& o, double cx, double top, double foot, double s, double reach, bool armsUp) {
    const double hip = foot - 22;
    Limb(o, {cx - 2, hip}, {cx - 4 - 4 * s, hip + 11}, {cx - 5 - 6 * s, foot - 1}, 5, kScales.dark);
    o.Ellipse(cx, (top + 12 + hip) / 2, 8, (hip - top - 12) / 2 + 2, kScales.mid);
    o.Ellipse(cx + 3, (top + 14 + hip) / 2, 4, (hip - top - 14) / 2, kBelly.mid);
    Limb(o, {cx + 2, hip}, {cx + 4 + 4 * s, hip + 11}, {cx + 5 + 6 * s, foot - 1}, 5, kScales.mid);
    o.Box(static_cast<int>(cx + 3 + 6 * s), static_cast<int>(foot - 3), static_cast<int>(cx + 10 + 6 * s),
          static_cast<int>(foot), kScales.mid);
    o.Ellipse(cx + 2, top + 8, 7, 6.5, kScales.mid);  // head
    o.Ellipse(cx + 5, top + 11, 4, 2.5, kBelly.mid);
    o.Ellipse(cx + 5, top + 6, 1.8, 1.8, Shade(kYellow, 13));
    o.Put(static_cast<int>(cx + 6), static_cast<int>(top + 6), Grey(1));
    o.Polygon({{cx - 6, top + 6}, {cx - 2, top + 0.5}, {cx + 1, top + 3}, {cx - 3, top + 14}}, kFin.mid);
    if (armsUp) {
        Limb(o, {cx - 5, top + 16}, {cx - 12, top + 8}, {cx - reach, top + 1}, 4, kScales.mid);
        Limb(o, {cx + 5, top + 16}, {cx + 12, top + 8}, {cx + reach, top + 1}, 4, kScales.mid);
    } else {
        Limb(o, {cx - 4, top + 17}, {cx - 9, top + 25}, {cx - 11, top + 31}, 4, kScales.dark);
        Limb(o, {cx + 4, top + 17}, {cx + reach * 0.6, top + 22}, {cx + reach, top + 20}, 4, kScales.mid);
        o.Line(cx + reach - 2, top + 19, cx + reach, top + 23, 1, kFin.light);  // claws
    }
}
void PaintMerman(Canvas& c, int pose) {
    static constexpr int kTop[4] = {0, 2, 0, 16};
    InObject(c, 0, kTop[pose], [pose](Canvas& o) {
        switch (pose) {
            case 0: MermanFigure(o, 15, 0, 63, 1, 18.5, false); break;
            case 1: MermanFigure(o, 16, 2, 63, -0.6, 20.5, false); break;
            case 2: MermanFigure(o, 22, 0, 64, 0.2, 21.5, true); break;  // leaping, arms flung up
            default:                                                     // crouched on landing
                MermanFigure(o, 17, 16, 63, 1.2, 16.5, false);
                break;
        }
        Finish(o, kScales.ink, {kScales, kBelly, kFin});
    });
}

// A warty olive toad, sitting or stretched out in a long leap.
constexpr Tone kToad = RampTone(kLime, 4);
constexpr Tone kWarts = RampTone(kYellow, 8);
void PaintToad(Canvas& c, int pose) {
    if (pose == 1) {  // the leap: legs trailing, forelegs reaching ahead
        Limb(c, {22, 30}, {10, 40}, {1, 55}, 6, kToad.dark);
        Limb(c, {20, 26}, {8, 36}, {2, 48}, 6, kToad.mid);
        c.Ellipse(33, 24, 17, 11, kToad.mid);
        c.Ellipse(47, 13, 10, 8, kToad.mid);
        c.Ellipse(50, 7, 3, 3, Shade(kYellow, 12));
        c.Put(51, 7, Grey(1));
        Limb(c, {42, 22}, {54, 12}, {61.5, 1.5}, 4, kToad.mid);  // forelegs flung ahead
        c.Line(46, 18, 56, 18, 1, kToad.ink);
        for (int k = 0; k < 5; ++k) c.Ellipse(24 + k * 5, 18 + (k % 2) * 4, 1.5, 1.5, kWarts.mid);
    } else {  // sitting, the floor at its foot
        c.Ellipse(21, 19, 18, 11.5, kToad.mid);
        c.Ellipse(36, 15, 9.5, 8, kToad.mid);
        c.Ellipse(38, 8, 3.2, 3.2, Shade(kYellow, 12));
        c.Put(39, 8, Grey(1));
        c.Line(33, 18, 45, 18, 1, kToad.ink);
        Limb(c, {10, 24}, {2, 27}, {7, 30}, 6, kToad.dark);  // the folded hind leg
        c.Box(0, 28, 14, 31, kToad.mid);
        Limb(c, {34, 24}, {40, 30}, 4, kToad.mid);
        c.Box(38, 28, 46, 31, kToad.mid);
        for (int k = 0; k < 5; ++k) c.Ellipse(12 + k * 5, 13 + (k % 2) * 4, 1.5, 1.5, kWarts.mid);
    }
    Finish(c, kToad.ink, {kToad});
}

// A red biter leaping in an arc: nose up rising, nose down falling.
constexpr Tone kFishRed = RampTone(kRed, 7);
void PaintFish(Canvas& c, int pose) {
    // Laid out rising to the right; the falling pose is the same fish turned nose down.
    c.Polygon({{2, 29}, {6, 20}, {1, 15}, {10, 20}}, kFishRed.dark);  // tail
    c.Ellipse(17, 15, 11, 8, kFishRed.mid);
    c.Polygon({{14, 9}, {20, 0.5}, {22, 9}}, kFishRed.dark);  // dorsal fin
    c.Ellipse(26, 9, 5.5, 5.5, kFishRed.mid);
    c.Polygon({{27, 12}, {31.5, 11}, {30, 15}, {25, 16}}, Grey(28));  // bared teeth
    c.Ellipse(26, 7, 1.6, 1.6, Shade(kYellow, 13));
    c.Line(10, 17, 24, 13, 1, kFishRed.light);
    Finish(c, kFishRed.ink, {kFishRed});
    if (pose == 1) {  // turned nose down: flip the rows
        for (int y = 0; y < c.h / 2; ++y)
            for (int x = 0; x < c.w; ++x) std::swap(c.px[y * c.w + x], c.px[(c.h - 1 - y) * c.w + x]);
    }
}

// A white wraith with a skull face and a trailing tail, hands held out.
constexpr Tone kWraith{Shade(kLime, 2), Shade(kLime, 11), Grey(26), Grey(29)};
void PaintWGhost(Canvas& c, int pose) {
    const double w = c.w, tail = pose == 0 ? 55 : 59, sway = pose == 0 ? 2 : -2;
    c.Polygon({{w / 2 - 9, 14}, {w / 2 + 9, 14}, {w / 2 + 6 + sway, 38}, {w / 2 + sway, tail}, {w / 2 - 6 + sway, 38}},
              kWraith.mid);
    c.Ellipse(w / 2, 9, 8, 9, kWraith.mid);
    c.Ellipse(w / 2 - 3, 9, 2.2, 2.8, kWraith.ink);
    c.Ellipse(w / 2 + 3, 9, 2.2, 2.8, kWraith.ink);
    c.Line(w / 2 - 2, 15, w / 2 + 2, 15, 1, kWraith.ink);
    Limb(c, {w / 2 - 7, 18}, {2, 24 + sway}, {1, 30}, 3, kWraith.mid);
    Limb(c, {w / 2 + 7, 18}, {w - 2, 24 - sway}, {w - 1.5, 30}, 3, kWraith.mid);
    Finish(c, kWraith.ink, {kWraith});
}

// A pink balloon with a face, swollen with spores, drifting on its string;
// it squeezes narrower as it bobs.
constexpr Tone kPuff = RampTone(kMagenta, 9);
constexpr Tone kStalk = RampTone(kYellow, 12);
void PaintBalloon(Canvas& c, int pose) {
    const double w = c.w - (pose == 1 ? 4 : 0), cx = c.w / 2.0;
    c.Ellipse(cx, 17, w / 2 - 0.5, 17, kPuff.mid);
    c.Triangle(cx - 3, 35, cx + 3, 35, cx, 31, kPuff.dark);  // the knot
    for (int k = 0; k < 4; ++k) c.Ellipse(cx - w * 0.28 + (k % 2) * w * 0.5, k < 2 ? 9 : 23, 1.6, 1.6, kPuff.light);
    c.Ellipse(cx - 4, 16, 2, 2.6, Grey(1));  // a face grinning through the skin
    c.Ellipse(cx + 4, 16, 2, 2.6, Grey(1));
    c.Line(cx - 5, 23, cx + 5, 23, 1, Grey(1));
    c.Ellipse(cx - w * 0.22, 7, 2.5, 3.5, Grey(28));  // the shine
    for (int k = 0; k < 4; ++k)                       // the string, waving
        c.Line(cx + (k % 2 ? 2 : -2) * (pose ? -1 : 1), 35 + k * 4, cx + (k % 2 ? -2 : 2) * (pose ? -1 : 1), 39 + k * 4,
               1, kStalk.dark);
    c.Line(cx, 51, cx, 51.5, 1, kStalk.dark);
    Finish(c, kPuff.ink, {kPuff});
}

// A spore: a seed under a tuft of down.
void PaintHousi(Canvas& c, int pose) {
    const double h = pose == 0 ? 27 : 23;
    c.Ellipse(6, h - 4, 4, 4, kPuff.mid);
    c.Line(6, h - 8, 6, 7, 1, kStalk.dark);
    for (int k = -2; k <= 2; ++k) c.Line(6, 7, 6 + k * 2.5, 0.5 + std::abs(k), 1, Grey(27));
    Finish(c, kPuff.ink, {kPuff});
}

// --- the jumpers -------------------------------------------------------------

// A green frog: sitting, springing up and coming down legs first.
constexpr Tone kFrog = RampTone(kGreen, 8);
void PaintFrog(Canvas& c, int pose) {
    if (pose == 0) {
        c.Ellipse(13, 10, 11, 5.5, kFrog.mid);
        c.Ellipse(21, 7, 6, 5, kFrog.mid);
        c.Ellipse(22, 3.5, 2.6, 2.6, Shade(kYellow, 13));
        c.Put(23, 3, Grey(1));
        Limb(c, {7, 12}, {1, 14}, {8, 15}, 4, kFrog.dark);
        c.Box(19, 13, 27, 16, kFrog.mid);
    } else if (pose == 1) {  // rising: stretched up and ahead, legs trailing
        Limb(c, {12, 18}, {6, 23}, {1, 27}, 4, kFrog.dark);
        Limb(c, {13, 15}, {3, 11}, {2, 22}, 4, kFrog.mid);  // the near leg kicks up behind
        c.Ellipse(19, 13, 9, 6, kFrog.mid);
        c.Ellipse(27, 7, 6, 5, kFrog.mid);
        c.Ellipse(27, 3, 2.5, 2.5, Shade(kYellow, 13));
        Limb(c, {24, 14}, {31, 12}, {33.5, 10}, 3, kFrog.mid);
    } else {  // coming down: legs spread below, ready to land
        c.Ellipse(17, 12, 10, 8, kFrog.mid);
        c.Ellipse(24, 6, 6, 5.5, kFrog.mid);
        c.Ellipse(25, 2.5, 2.5, 2.2, Shade(kYellow, 13));
        Limb(c, {11, 17}, {4, 26}, {2, 35}, 4, kFrog.mid);
        Limb(c, {22, 18}, {28, 26}, {31, 35}, 4, kFrog.mid);
    }
    c.Ellipse(pose == 0 ? 13 : 17, pose == 0 ? 12 : 14, 5, 2, Shade(kLime, 13));  // pale belly
    Finish(c, kFrog.ink, {kFrog});
}

// A man of leaves: a stalk body under a leafy crown, leaf blades for arms.
constexpr Tone kLeafGreen = RampTone(kGreen, 5);
constexpr Tone kStem = RampTone(kOrange, 4);
void PaintLeaf(Canvas& c, int pose) {
    const double w = c.w, s = pose == 0 ? 1 : -1, foot = 106;
    Limb(c, {26, 70}, {22 - 4 * s, 88}, {20 - 7 * s, foot}, 5, kStem.dark);
    Limb(c, {30, 70}, {34 + 4 * s, 88}, {36 + 7 * s, foot}, 5, kStem.mid);
    c.Box(static_cast<int>(33 + 7 * s), 103, static_cast<int>(42 + 7 * s), 107, kStem.mid);
    c.Polygon({{20, 24}, {36, 24}, {38, 56}, {28, 74}, {18, 56}}, kLeafGreen.mid);  // the body leaf
    c.Line(28, 26, 28, 70, 1, kLeafGreen.light);
    for (int k = 0; k < 5; ++k) {  // the crown
        const double a = -kPi / 2 + (k - 2) * 0.5;
        c.Polygon({{28, 22},
                   {28 + std::cos(a - 0.25) * 14, 22 + std::sin(a - 0.25) * 14},
                   {28 + std::cos(a) * 23, std::max(0.5, 22 + std::sin(a) * 23)},
                   {28 + std::cos(a + 0.25) * 14, 22 + std::sin(a + 0.25) * 14}},
                  k % 2 ? kLeafGreen.dark : kLeafGreen.mid);
    }
    c.Ellipse(32, 18, 2, 2.4, Shade(kYellow, 13));
    // Arms: broad leaf blades, out to the frame's sides (wider in the second stride).
    c.Polygon({{22, 32}, {8, 40}, {0.5, 56}, {12, 48}}, kLeafGreen.mid);
    c.Polygon({{34, 32}, {w - 12, 40}, {w - 0.5, 54}, {w - 16, 50}}, kLeafGreen.mid);
    Finish(c, kLeafGreen.ink, {kLeafGreen, kStem});
}

// A wild warrior with a shock of red hair, a fur kilt and a bone knife,
// running; the floor is 59 rows below his y.
constexpr Tone kTan = RampTone(kOrange, 9);
constexpr Tone kFur = RampTone(kYellow, 5);
void PaintWar(Canvas& c, int pose) {
    const double s = pose == 0 ? 1 : -1, foot = 58;
    Limb(c, {13, 36}, {9 - 3 * s, 46}, {5 - 4 * s, foot}, 4, kTan.dark);
    Limb(c, {12, 18}, {6, 26}, {2, 22 + 4 * s}, 3.5, kTan.dark);
    c.Polygon({{9, 14}, {19, 14}, {18, 34}, {10, 34}}, kTan.mid);
    c.Polygon({{8, 31}, {20, 31}, {21, 40}, {14, 38}, {7, 41}}, kFur.mid);
    Limb(c, {16, 36}, {19 + 3 * s, 46}, {21 + 4 * s, foot}, 4, kTan.mid);
    c.Box(static_cast<int>(19 + 4 * s), 56, static_cast<int>(26 + 3 * s), 59, kTan.mid);
    c.Ellipse(15, 8, 6, 6.5, kTan.mid);
    c.Polygon({{7, 6}, {12, 0.5}, {18, 1}, {21, 4}, {15, 5}, {10, 12}}, RampTone(kRed, 7).mid);  // hair
    c.Put(18, 7, Grey(1));
    Limb(c, {16, 18}, {21, 24}, {24, 20}, 3.5, kTan.mid);
    c.Polygon({{23, 21}, {27.5, 11}, {25, 21}}, kBone.mid);  // a bone knife held up
    Finish(c, kTan.ink, {kTan, kFur});
}

// A lean black hound with red eyes: three running strides and the leap; the
// third stride rears its head up 14 rows above its y.
constexpr Tone kHound = GreyTone(6);
// A hound's head facing right: a long snarling muzzle, laid-back ears.
void HoundHead(Canvas& c, double x, double y) {
    c.Ellipse(x, y, 6.5, 5.5, kHound.mid);
    c.Polygon({{x + 2, y - 3.5}, {x + 13, y + 0.5}, {x + 13, y + 3}, {x + 2, y + 5}}, kHound.mid);
    c.Box(static_cast<int>(x + 11), static_cast<int>(y), static_cast<int>(x + 13), static_cast<int>(y + 2),
          Grey(0) + 1);
    c.Line(x + 4, y + 3, x + 12, y + 3, 1, Shade(kRed, 5));  // the snarl
    c.Put(static_cast<int>(x + 7), static_cast<int>(y + 4), Grey(28));
    c.Put(static_cast<int>(x + 10), static_cast<int>(y + 4), Grey(28));
    c.Triangle(x - 4, y - 3, x + 1, y - 4, x - 8, std::max(0.5, y - 10), kHound.mid);  // the ear, laid back
    c.Put(static_cast<int>(x + 3), static_cast<int>(y - 2), Shade(kRed, 11));
}
void PaintFDog(Canvas& c, int pose) {
    // The rearing frame starts 14 rows higher; its feet stay on the floor.
    const double foot = pose == 2 ? 61 : c.h - 1, top = 4;
    const double w = c.w;
    if (pose == 3) {  // the leap, stretched fore and aft
        Limb(c, {58, 26}, {68, 36}, {74, 45}, 4, kHound.dark);
        Limb(c, {22, 28}, {14, 38}, {8, 45}, 4.5, kHound.dark);
        c.Ellipse(50, 22, 13, 9.5, kHound.mid);  // the deep chest
        c.Ellipse(30, 21, 15, 6.5, kHound.mid);
        Limb(c, {60, 24}, {70, 30}, {80, 34}, 4.5, kHound.mid);
        Limb(c, {24, 26}, {12, 32}, {1, 36}, 5, kHound.mid);
        c.Stroke(17, 19, 2, 16, 3, kHound.mid);  // tail
        c.Stroke(60, 20, 66, 14, 8, kHound.mid);
        HoundHead(c, 70, 12);
    } else if (pose == 2) {  // rearing: hind legs planted, the forequarters up
        Limb(c, {w * 0.3, 40}, {w * 0.22, 50}, {w * 0.26, foot}, 4.5, kHound.dark);
        Limb(c, {w * 0.66, 26}, {w * 0.82, 30}, {w * 0.86, 40}, 4, kHound.dark);
        c.Stroke(w * 0.32, 38, w * 0.62, 24, 17, kHound.mid);  // the body, tilted up
        Limb(c, {w * 0.34, 42}, {w * 0.42, 52}, {w * 0.36, foot}, 5, kHound.mid);
        Limb(c, {w * 0.68, 28}, {w * 0.86, 28}, {w * 0.92, 36}, 4.5, kHound.mid);
        c.Stroke(w * 0.18, 36, 1.5, 42, 3, kHound.mid);  // tail
        c.Stroke(w * 0.64, 20, w - 16, 11, 9, kHound.mid);
        HoundHead(c, w - 14, 9);
    } else {
        const double lift = pose == 1 ? 2 : 0, sw = pose == 0 ? 1 : -1;
        const double body = top + 20 + lift, belly = body + 8;
        Limb(c, {w * 0.66, belly}, {w * (0.76 - 0.08 * sw), foot}, 4, kHound.dark);
        Limb(c, {w * 0.28, belly}, {w * (0.2 + 0.1 * sw), foot}, 4.5, kHound.dark);
        c.Ellipse(w * 0.6, body + 3, 11, 9.5, kHound.mid);  // the deep chest
        c.Ellipse(w * 0.36, body + 1, w * 0.2, 6.5, kHound.mid);
        Limb(c, {w * 0.68, belly}, {w * (0.78 + 0.1 * sw), foot}, 4.5, kHound.mid);
        Limb(c, {w * 0.3, belly}, {w * (0.16 - 0.08 * sw), foot}, 5, kHound.mid);
        c.Stroke(w * 0.18, body - 1, 1.5, body + 3 - lift, 3, kHound.mid);  // tail
        const double hx = w - 14, hy = top + 9;
        c.Stroke(w * 0.66, body, hx - 2, hy + 2, 9, kHound.mid);  // neck
        HoundHead(c, hx, hy);
    }
    Finish(c, kHound.ink, {kHound});
}

// A purple slime: a puddle on the floor, a ball in its hop, stretched tall
// climbing, clinging flat to the ceiling with drips below, and a falling drop.
constexpr Tone kGoo = RampTone(kMagenta, 7);
void PaintSuraimu(Canvas& c, int pose) {
    const double w = c.w, h = c.h;
    switch (pose) {
        case 0:
            c.Ellipse(w / 2, h - 6, w / 2 - 0.5, 6, kGoo.mid);
            c.Ellipse(w / 2, h - 9, w / 3, 7, kGoo.mid);
            break;
        case 1: c.Ellipse(w / 2, h / 2, w / 2 - 0.5, h / 2 - 0.5, kGoo.mid); break;
        case 2:
            c.Ellipse(w / 2, h * 0.3, w / 2 - 0.5, h * 0.3, kGoo.mid);
            c.Polygon({{1, h * 0.3}, {w - 1, h * 0.3}, {w / 2 + 3, h - 0.5}, {w / 2 - 3, h - 0.5}}, kGoo.mid);
            break;
        case 3:
            c.Ellipse(w / 2, 4, w / 2 - 0.5, 4.5, kGoo.mid);
            c.Ellipse(9, 8, 3, 3.5, kGoo.mid);  // goo sagging off the ceiling
            c.Ellipse(22, 9.5, 2.2, 4, kGoo.mid);
            break;
        default:
            c.Ellipse(w / 2, h * 0.62, w / 2 - 0.5, h * 0.38, kGoo.mid);
            c.Triangle(w / 2 - 7, h * 0.4, w / 2 + 7, h * 0.4, w / 2, 0, kGoo.mid);
            break;
    }
    const double ey = pose == 3 ? 4 : pose == 2 ? h * 0.28 : pose == 0 ? h - 10 : h * 0.5;
    c.Box(static_cast<int>(w / 2 - 5), static_cast<int>(ey), static_cast<int>(w / 2 - 3), static_cast<int>(ey + 2),
          Grey(28));
    c.Box(static_cast<int>(w / 2 + 3), static_cast<int>(ey), static_cast<int>(w / 2 + 5), static_cast<int>(ey + 2),
          Grey(28));
    Finish(c, kGoo.ink, {kGoo});
}

// A leech: a ringed worm with a round sucker mouth at its top, writhing.
constexpr Tone kLeech = RampTone(kRed, 3);
void PaintHiru(Canvas& c, int pose) {
    for (int k = 0; k < 8; ++k) {
        const double y = 5 + k * 5.6, x = 8 + std::sin(k * 0.9 + pose * kPi) * 2.5;
        c.Ellipse(x, y, 6.5 - k * 0.35, 3.6, k % 2 ? kLeech.dark : kLeech.mid);
    }
    c.Ellipse(8, 3, 5, 3, kLeech.light);
    c.Ellipse(8, 2.5, 2.5, 1.5, Grey(1));
    Finish(c, kLeech.ink, {kLeech});
}

// A little hunchback in a purple smock, a great hump, a long nose, hopping.
constexpr Tone kSmock = RampTone(kPurple, 4);
void PaintSemusi(Canvas& c, int) {
    Limb(c, {11, 20}, {7, 24}, {5, 29}, 3.5, kTan.dark);
    c.Ellipse(9, 11, 8.5, 9, kSmock.mid);  // the hump
    c.Polygon({{6, 12}, {20, 12}, {21, 24}, {8, 24}}, kSmock.mid);
    Limb(c, {16, 22}, {20, 25}, {22, 29}, 3.5, kTan.mid);
    c.Box(19, 27, 26, 30, kTan.mid);
    c.Ellipse(20, 9, 5, 5, kTan.mid);
    c.Polygon({{23, 9}, {27.5, 12}, {23, 13}}, kTan.mid);  // nose
    c.Put(21, 7, Grey(1));
    Limb(c, {17, 15}, {23, 18}, {26, 22}, 3, kTan.mid);
    Finish(c, kSmock.ink, {kSmock, kTan});
}

// A giant flea: a glossy plated body, its great hind leg folded to spring or
// flung down to land.
constexpr Tone kFlea = RampTone(kRed, 4);
void PaintNomi(Canvas& c, int pose) {
    const bool falling = pose == 1;
    const double foot = c.h - 1;
    // The great hind leg: folded up high to spring, or flung down to land.
    if (falling)
        Limb(c, {9, 22}, {4, 30}, {5, foot}, 4, kFlea.dark);
    else
        Limb(c, {9, 22}, {2, 8}, {4, foot}, 4, kFlea.dark);
    c.Ellipse(14, 15, 12, 13.5, kFlea.mid);  // the armoured body, humped
    c.Ellipse(26, 22, 5.5, 5, kFlea.mid);
    c.Line(29, 25, 31.5, 32, 1.5, kFlea.dark);  // the piercing mouth
    c.Put(27, 20, Shade(kYellow, 12));
    for (int k = 0; k < 2; ++k) {  // the short middle and front legs
        const double hx = 16 + k * 7, hy = 26;
        Limb(c, {hx, hy}, {hx + 3 + k, hy + (falling ? 9 : 6)}, {hx + 2 + 2 * k, foot}, 2.2, kFlea.mid);
    }
    Limb(c, {11, 24}, {12, 34}, {10, foot}, 3, kFlea.mid);                           // the near hind leg
    for (int k = 0; k < 3; ++k) c.Line(8 + k * 5, 5, 9 + k * 5, 26, 1, kFlea.dark);  // the plates of its back
    c.Ellipse(11, 7, 4, 2.5, kFlea.light);
    Finish(c, kFlea.ink, {kFlea});
}

// A giant brown bat flying with its passenger, a flea or a hunchback, hanging
// from its feet. However the frames start (0, 63 or 101 rows below its y),
// the bat keeps one place: its body about rows 100 to 124, the passenger from
// row 128, where it is let go.
constexpr Tone kBatFur = RampTone(kOrange, 3);
constexpr Tone kBatWing = RampTone(kPurple, 3);
void PaintMBat(Canvas& c, int pose) {
    static constexpr int kTop[3] = {0, 63, 101};
    const int flap = pose % 3, load = pose / 3;  // load: 0 none, 1 a flea, 2 a hunchback
    InObject(c, 0, kTop[flap], [flap, load](Canvas& o) {
        const double tipY = flap == 0 ? 92 : flap == 1 ? 106 : 124;  // wing tips up, level, down
        for (int side = -1; side <= 1; side += 2) {
            const double tx = 24 + side * 23.5;
            o.Polygon({{24, 108}, {tx, tipY}, {24 + side * 17, tipY + 10}, {24 + side * 12, 116}, {24 + side * 4, 114}},
                      kBatWing.mid);
        }
        o.Ellipse(24, 112, 6, 9, kBatFur.mid);
        o.Triangle(19, 104, 22, 104, 19, 98, kBatFur.mid);
        o.Triangle(26, 104, 29, 104, 29, 98, kBatFur.mid);
        o.Put(22, 107, Shade(kRed, 10));
        o.Put(26, 107, Shade(kRed, 10));
        o.Line(22, 120, 28, 127, 1, kBatFur.ink);  // the feet holding on
        Finish(o, kBatFur.ink, {kBatWing, kBatFur});
        if (load == 0) return;
        const SpriteSet& rider = *FindSpriteSet(load == 1 ? "Nomi" : "Semusi");
        Canvas r(rider.Width(0), rider.Height(0), static_cast<uint8_t>(rider.KeyOf(0)));
        if (load == 1)
            PaintNomi(r, 0);
        else
            PaintSemusi(r, 0);
        Stamp(o, r, 16, 128);
    });
}

// --- the shooters and their shots --------------------------------------------------

// A thrown bone, turning end over end: level, upright, upright the other way
// round, level again.
void PaintHone(Canvas& c, int pose) {
    const bool upright = pose == 1 || pose == 2;
    const double tilt = pose == 0 || pose == 2 ? 0.18 : -0.18;
    const double cx = c.w / 2.0, cy = c.h / 2.0, half = (upright ? c.h : c.w) / 2.0 - 4.2;
    const double dx = upright ? std::sin(tilt) * half : std::cos(tilt) * half;
    const double dy = upright ? std::cos(tilt) * half : std::sin(tilt) * half;
    c.Stroke(cx - dx, cy - dy, cx + dx, cy + dy, 4, kBone.mid);
    for (int end = -1; end <= 1; end += 2) {  // the two knobbed ends
        const double ex = cx + end * dx, ey = cy + end * dy;
        const double nx = upright ? 2.6 : 0, ny = upright ? 0 : 2.6;
        c.Ellipse(ex - nx, ey - ny, 3.4, 3.4, kBone.mid);
        c.Ellipse(ex + nx, ey + ny, 3.4, 3.4, kBone.mid);
    }
    Finish(c, kBone.ink, {kBone});
}

// A throwing axe spinning: a steel bit on a short haft, a quarter turn a frame.
void PaintAx(Canvas& c, int pose) {
    const double a = pose * kPi / 2 - kPi / 4, cx = 15, cy = 15;
    const double hx = std::cos(a), hy = std::sin(a);  // along the haft, from the butt to the head
    c.Stroke(cx - hx * 13, cy - hy * 13, cx + hx * 9, cy + hy * 9, 3.5, kWood.mid);
    const double bx = cx + hx * 8, by = cy + hy * 8, px = -hy, py = hx;  // px, py: across the haft
    c.Polygon({{bx - px * 2 - hx * 2, by - py * 2 - hy * 2},
               {bx + px * 12 - hx * 6, by + py * 12 - hy * 6},
               {bx + px * 13 + hx * 5, by + py * 13 + hy * 5},
               {bx - px * 2 + hx * 5, by - py * 2 + hy * 5}},
              kSteel.mid);
    c.Stroke(bx + px * 12 - hx * 5, by + py * 12 - hy * 5, bx + px * 12.5 + hx * 4, by + py * 12.5 + hy * 4, 1.5,
             kSteel.light);  // the keen edge
    Finish(c, kSteel.ink, {kSteel, kWood});
}

// A barrel rolling at the hero, seen end on: the boards of its head inside
// an iron hoop with rivets, turning a little each frame.
void PaintTaru(Canvas& c, int pose) {
    const double cx = 28, cy = 28, a = pose * kPi / 8 + 0.3;
    c.Ellipse(cx, cy, 27.5, 27.5, kSteel.mid);
    c.Ellipse(cx, cy, 23, 23, kWood.mid);
    const double ux = std::cos(a), uy = std::sin(a);  // along the boards
    for (int k = -2; k <= 2; ++k) {                   // the joints between the boards
        const double off = k * 8.5 + 4.25, half = std::sqrt(std::max(0.0, 23.0 * 23 - off * off));
        const double mx = cx - uy * off, my = cy + ux * off;
        c.Line(mx - ux * half, my - uy * half, mx + ux * half, my + uy * half, 1, kWood.ink);
    }
    for (int k = 0; k < 8; ++k) {  // rivets round the hoop
        const double b = a + k * kPi / 4;
        c.Ellipse(cx + std::cos(b) * 25.2, cy + std::sin(b) * 25.2, 1.2, 1.2, kSteel.light);
    }
    c.Ellipse(cx + std::cos(a + kPi / 2) * 8, cy + std::sin(a + kPi / 2) * 8, 2.6, 2.6, kWood.ink);  // the bung
    Finish(c, kWood.ink, {kWood});
}

// A fireball flying right, white-hot at its head, its flames streaming back.
void DrawFireball(Canvas& c, double x0, double y0, double w, double h) {
    const double cy = y0 + h / 2;
    c.Polygon({{x0, cy - h * 0.4},
               {x0 + w * 0.3, cy - h * 0.12},
               {x0 + w * 0.08, cy},
               {x0 + w * 0.3, cy + h * 0.12},
               {x0, cy + h * 0.4},
               {x0 + w * 0.5, y0 + h},
               {x0 + w, cy + h * 0.2},
               {x0 + w, cy - h * 0.2},
               {x0 + w * 0.5, y0}},
              kFlame.dark);  // tongues of flame streaming back
    c.Ellipse(x0 + w * 0.68, cy, w * 0.32, h * 0.42, kFlame.mid);
    c.Ellipse(x0 + w * 0.76, cy, w * 0.18, h * 0.24, Shade(kYellow, 14));
}

// The flying flame: only its left 14 columns are ever drawn, heading right
// (frame 0) or left (frame 1).
void PaintTobuHonoo(Canvas& c, int pose) {
    Canvas f(14, 12, KeyOf(c));
    DrawFireball(f, 0, 0.5, 14, 11);
    if (pose == 1) f.MirrorX();
    Stamp(c, f, 0, 0);
}

// A ground flame, flickering: two licks of fire on a glowing base.
void PaintMoeruhonoo(Canvas& c, int pose) {
    const double sway = pose == 0 ? 1.5 : -1.5;
    c.Polygon({{0.5, 31.5},
               {1, 20},
               {4 + sway, 10},
               {6, 16},
               {8 + sway, 0.5},
               {11, 12},
               {13, 8 - sway},
               {14.5, 20},
               {14.5, 31.5}},
              kFlame.dark);
    c.Polygon({{3, 31}, {4, 22}, {7 + sway, 11}, {10, 22}, {12, 31}}, kFlame.mid);
    c.Ellipse(7.5, 26, 3, 5, Shade(kYellow, 14));
}

// A pillar of skulls stacked on a spine, the topmost spitting fire; 32 x 62.
void PaintHonebasira(Canvas& c, int) {
    c.Box(13, 4, 19, 62, kBone.dark);  // the spine through them all
    for (int k = 0; k < 5; ++k) {
        const double y = 6.5 + k * 12.2;
        const bool right = k % 2 == 1;
        Canvas skull(16, 14, KeyOf(c));
        DrawSkull(skull, {8, 6}, 6.2, kBone);
        if (!right) skull.MirrorX();
        Stamp(c, skull, k % 2 ? 14 : 2, static_cast<int>(y - 6));
    }
    c.Box(0, 58, 32, 62, kBone.dark);  // its foot
    Finish(c, kBone.ink, {kBone});
}

// Tongues of flame rising from a base line: x0 to x1 at row y, up to row top.
void Flames(Canvas& c, double x0, double x1, double y, double top, int tongues, double phase, uint8_t col) {
    const double step = (x1 - x0) / tongues;
    for (int k = 0; k < tongues; ++k) {
        const double a = x0 + k * step, lean = std::sin(phase + k * 1.7) * step * 0.5;
        const double h = (y - top) * (0.65 + 0.35 * std::abs(std::sin(phase * 0.7 + k * 2.3)));
        c.Triangle(a - step * 0.1, y, a + step * 1.1, y, a + step / 2 + lean, y - h, col);
    }
}

// A man burning from head to foot, striding: a charred body wreathed in
// flames that flare out from his arms and above his head.
constexpr Tone kCinder = RampTone(kRed, 3);
void PaintIhuriito(Canvas& c, int pose) {
    const double w = c.w, s = pose == 0 ? 1 : -1, phase = pose * 1.3;
    Limb(c, {15, 40}, {11 - 3 * s, 50}, {9 - 4 * s, 61}, 5, kCinder.dark);
    Limb(c, {19, 40}, {22 + 3 * s, 50}, {24 + 4 * s, 61}, 5, kCinder.mid);
    c.Polygon({{10, 16}, {24, 16}, {23, 42}, {11, 42}}, kCinder.mid);
    Limb(c, {12, 18}, {6, 28}, {1, 34}, 4, kCinder.dark);
    Limb(c, {22, 18}, {w - 10, 26}, {w - 3, 22}, 4, kCinder.mid);
    Flames(c, 6, 28, 22, 0.5, 5, phase, kFlame.mid);  // a blaze over the head and shoulders
    Flames(c, 0.5, 10, 36, 16, 3, phase + 2, kFlame.mid);
    Flames(c, w - 12, w - 0.5, 24, 8, 3, phase + 4, kFlame.mid);
    Flames(c, 10, 24, 44, 30, 4, phase + 1, kFlame.dark);
    c.Ellipse(18, 12, 5.5, 6, kCinder.mid);  // the head in the heart of the fire
    c.Box(19, 10, 23, 12, Shade(kYellow, 15));
    c.Ellipse(17, 27, 3, 6, Shade(kYellow, 13));  // the heart glowing through
    Finish(c, kCinder.ink, {kCinder});
}

// A giant skeleton lobbing bones: two strides, the wind-up with a bone raised
// behind its head, and the throw. Its frames start 10 to 14 rows below its y;
// it stands on the floor 90 rows below.
void PaintSkeleton(Canvas& c, int pose) {
    static constexpr int kTop[4] = {10, 14, 0, 12};
    static constexpr double kHead[4] = {10, 14, 12, 12};
    InObject(c, 0, kTop[pose], [pose](Canvas& o) {
        const double t = kHead[pose], w = o.w;
        const double s = pose == 0 ? 1 : pose == 1 ? -0.5 : 0.6;
        Skeleton k{{24, t + 10}, 9.6,         {22, t + 22},     {20, 61},         {29, t + 38},     {w - 6, t + 44},
                   {13, t + 36}, {4, t + 46}, {22 + 6 * s, 75}, {24 + 9 * s, 88}, {17 - 5 * s, 75}, {13 - 9 * s, 88},
                   4.4};
        if (pose == 2) {  // the wind-up: the near arm back over the shoulder
            k.skull = {30, t + 11};
            k.neck = {27, t + 23};
            k.elbowF = {14, t + 14};
            k.handF = {7, t + 4};
            k.elbowB = {42, t + 32};
            k.handB = {w - 3, t + 36};  // the far arm out ahead for balance
        } else if (pose == 3) {         // the throw: the near arm flung out ahead
            k.elbowF = {38, t + 30};
            k.handF = {w - 5, t + 26};
        }
        DrawSkeleton(o, k, kBone);
        const Pt h = k.handF;  // the bone in its hand
        const double bx = pose == 2 ? -5 : 0, by = pose == 2 ? 3 : -7;
        o.Stroke(h.first - bx, h.second - by, h.first + bx, h.second + by, 3.5, kBone.light);
        if (pose == 2) o.Ellipse(1.8, t + 7, 2.3, 2.3, kBone.light);
        Finish(o, kBone.ink, {kBone});
    });
}

// A brown ape: standing with a barrel held overhead, lunging as it throws,
// and knuckle-walking after (those frames start 29 rows below its y).
constexpr Tone kApe = RampTone(kOrange, 3);
constexpr Tone kApeFace = RampTone(kOrange, 10);
void ApeHead(Canvas& o, double x, double y) {
    o.Ellipse(x, y, 10, 9, kApe.mid);
    o.Ellipse(x + 4, y + 2, 7, 6, kApeFace.mid);
    o.Box(static_cast<int>(x + 2), static_cast<int>(y - 2), static_cast<int>(x + 9), static_cast<int>(y), Grey(1));
    o.Line(x + 3, y + 5, x + 9, y + 5, 1, kApe.ink);
}
void PaintEipu(Canvas& c, int pose) {
    const int top = pose == 0 ? 0 : 29;
    InObject(c, 0, top, [pose](Canvas& o) {
        const double w = o.w, foot = pose == 3 ? 120 : 119;
        if (pose == 0) {
            Limb(o, {34, 92}, {28, 104}, {26, foot}, 12, kApe.dark);
            Limb(o, {58, 92}, {64, 104}, {66, foot}, 12, kApe.mid);
            o.Ellipse(46, 78, 26, 24, kApe.mid);
            o.Ellipse(48, 82, 14, 14, kApeFace.dark);
            ApeHead(o, 48, 54);
            Limb(o, {24, 64}, {8, 50}, {18, 30}, 10, kApe.mid);  // both arms up, holding the barrel
            Limb(o, {70, 64}, {86, 50}, {76, 30}, 10, kApe.mid);
            o.Ellipse(47, 22, 30, 21.5, kSteel.mid);  // the barrel, on its side
            o.Ellipse(47, 22, 30, 17, kWood.mid);
            for (int k = -1; k <= 1; ++k) o.Line(20, 22 + k * 7, 74, 22 + k * 7, 1, kWood.ink);
            o.Box(30, 0, 34, 44, kSteel.dark);  // hoops
            o.Box(60, 0, 64, 44, kSteel.dark);
            o.Box(0, 50, 8, 58, kApe.dark);  // knuckles out at the sides
            o.Box(static_cast<int>(w - 8), 50, static_cast<int>(w), 58, kApe.dark);
        } else if (pose == 1) {  // the throw: reared up, both arms flung out ahead
            Limb(o, {26, 96}, {20, 108}, {14, foot}, 11, kApe.dark);
            o.Stroke(22, 82, 40, 52, 34, kApe.mid);
            Limb(o, {34, 96}, {44, 108}, {48, foot}, 11, kApe.mid);
            Limb(o, {34, 50}, {56, 48}, {w - 4, 36}, 9, kApe.dark);
            ApeHead(o, 46, 40);
            Limb(o, {40, 54}, {60, 56}, {w - 5, 46}, 9, kApe.mid);
            o.Ellipse(28, 70, 9, 10, kApeFace.dark);
        } else {  // knuckle-walking: a high hunched back, long arms to the floor
            const double s = pose == 2 ? 1 : -1;
            Limb(o, {w * 0.3, 86}, {w * 0.24 - 3 * s, 102}, {w * 0.2 - 5 * s, foot}, 10, kApe.dark);
            Limb(o, {w * 0.62, 56}, {w * 0.7 - 3 * s, 88}, {w * 0.72 - 5 * s, foot}, 9, kApe.dark);
            o.Stroke(w * 0.28, 78, w * 0.56, 54, 36, kApe.mid);
            Limb(o, {w * 0.34, 88}, {w * 0.4 + 3 * s, 104}, {w * 0.42 + 5 * s, foot}, 10, kApe.mid);
            ApeHead(o, w - 12, 42);
            Limb(o, {w * 0.66, 58}, {w * 0.8 + 3 * s, 88}, {w * 0.82 + 5 * s, foot}, 9, kApe.mid);
        }
        Finish(o, kApe.ink, {kApe, kApeFace, kWood});
    });
}

// A great black spider with a red mark, hanging from its thread (which meets
// its back 24 columns right of its x): legs spread, then drawn in and hanging.
constexpr Tone kSpider = RampTone(kPurple, 2);
void SpiderBody(Canvas& c, double cx, double cy, double r) {
    c.Ellipse(cx, cy - r * 0.55, r * 0.9, r, kSpider.mid);  // the abdomen, uppermost as it hangs
    c.Ellipse(cx, cy + r * 0.75, r * 0.6, r * 0.55, kSpider.mid);
    c.Polygon(
        {{cx, cy - r * 1.05}, {cx + r * 0.35, cy - r * 0.55}, {cx, cy - r * 0.15}, {cx - r * 0.35, cy - r * 0.55}},
        Shade(kRed, 8));
    c.Box(static_cast<int>(cx - r * 0.35), static_cast<int>(cy + r * 0.9), static_cast<int>(cx - r * 0.35 + 2),
          static_cast<int>(cy + r * 0.9 + 2), Shade(kRed, 11));
    c.Box(static_cast<int>(cx + r * 0.2), static_cast<int>(cy + r * 0.9), static_cast<int>(cx + r * 0.2 + 2),
          static_cast<int>(cy + r * 0.9 + 2), Shade(kRed, 11));
}
// Four legs a side, bent at the knee: the front pair's feet at row high, the
// last pair's at row low, the feet spread out to reach columns from the body.
void SpiderLegs(Canvas& c, double cx, double cy, double reach, double high, double low, uint8_t col) {
    for (int side = -1; side <= 1; side += 2)
        for (int k = 0; k < 4; ++k) {
            const double fy = high + (low - high) * k / 3, fx = cx + side * reach * (1 - 0.1 * std::abs(k - 1.5));
            const double kx = cx + side * reach * 0.75, ky = std::min(cy, fy) - 6;
            Limb(c, {cx + side * 3, cy + k * 1.5}, {kx, ky}, {fx, fy}, 2.2, col);
        }
}
void PaintSpider(Canvas& c, int pose) {
    if (pose == 0) {
        SpiderLegs(c, 26, 22, 25, 10, 57, kSpider.dark);
        SpiderBody(c, 26, 18, 12);
    } else {  // drawn 8 right of its x: the thread still meets it at column 16
        SpiderLegs(c, 16, 26, 15, 40, 69, kSpider.dark);
        SpiderBody(c, 16, 16, 11);
    }
    Finish(c, Grey(0) + 1, {kSpider});
}

// A spiderling flung at the hero, scrabbling.
constexpr Tone kSpiderling = RampTone(kPurple, 5);
void PaintMSpider(Canvas& c, int pose) {
    const double w = c.w, cx = w / 2;
    for (int side = -1; side <= 1; side += 2)
        for (int k = 0; k < 4; ++k) {
            const double wag = (k + pose) % 2 ? 2 : -2;
            Limb(c, {cx, 14 + k * 2}, {cx + side * (6 + k * 1.5), 9 + k * 3 + wag},
                 {side < 0 ? 1 + k * 0.5 : w - 1 - k * 0.5, 14 + k * 4 + wag * 0.5 + 4}, 1.8, kSpiderling.dark);
        }
    c.Ellipse(cx, 9, 7, 7.5, kSpiderling.mid);
    c.Ellipse(cx, 19, 5, 4, kSpiderling.mid);
    c.Box(static_cast<int>(cx - 3), 20, static_cast<int>(cx - 1), 22, Shade(kRed, 11));
    c.Box(static_cast<int>(cx + 1), 20, static_cast<int>(cx + 3), 22, Shade(kRed, 11));
    Finish(c, kSpiderling.ink, {kSpiderling});
}

// A knight in black iron trimmed with gold under a horned helm, axe in hand:
// two strides, a high throw (wind-up and release) and a low one, crouched 14
// rows lower; he stands on the floor 92 rows below his y.
constexpr Tone kIron = GreyTone(7);
constexpr Tone kGold = RampTone(kYellow, 10);
void AxeHead(Canvas& o, Pt at, double dir, double size) {
    const auto [x, y] = at;
    o.Polygon({{x, y - size * 0.3},
               {x + dir * size, y - size * 0.7},
               {x + dir * size * 1.1, y + size * 0.3},
               {x, y + size * 0.3}},
              kSteel.mid);
}
void PaintAxArmor(Canvas& c, int pose) {
    const int top = pose >= 4 ? 14 : 0;
    InObject(c, 0, top, [pose](Canvas& o) {
        const double w = o.w, low = pose >= 4 ? 14 : 0;  // crouched lower for the low throw
        const double s = pose == 0 ? 1 : pose == 1 ? -1 : 0.8;
        const double hip = 58 + low * 0.4, cx = 22;
        o.Polygon({{cx - 8, low + 22}, {cx - 2, low + 24}, {cx - 10, hip + 10}, {0.5, hip + 16}, {4, hip - 8}},
                  kCloak.dark);  // a short cape flying behind
        Limb(o, {cx - 3, hip}, {cx - 7 - 3 * s, hip + (91 - hip) / 2}, {cx - 9 - 4 * s, 89}, 8, kIron.dark);
        o.Box(static_cast<int>(cx - 15 - 4 * s), 86, static_cast<int>(cx - 4 - 4 * s), 92, kIron.dark);
        o.Polygon({{cx - 12, low + 20}, {cx + 12, low + 20}, {cx + 13, hip}, {cx - 12, hip}}, kIron.mid);
        o.Box(static_cast<int>(cx - 12), static_cast<int>(hip - 6), static_cast<int>(cx + 13),
              static_cast<int>(hip - 3), kGold.mid);
        Limb(o, {cx + 4, hip}, {cx + 8 + 3 * s, hip + (91 - hip) / 2}, {cx + 10 + 4 * s, 89}, 8, kIron.mid);
        o.Box(static_cast<int>(cx + 5 + 4 * s), 86, static_cast<int>(cx + 17 + 4 * s), 92, kIron.mid);
        o.Ellipse(cx, low + 11, 8, 9, kIron.mid);  // horned helm
        o.Box(static_cast<int>(cx + 1), static_cast<int>(low + 10), static_cast<int>(cx + 8),
              static_cast<int>(low + 12), Grey(0) + 1);
        o.Polygon({{cx - 6, low + 6}, {cx - 12, low + 0.5 + (pose == 2 ? 0 : 2)}, {cx - 8, low + 9}}, kGold.light);
        o.Polygon({{cx + 5, low + 5}, {cx + 9, low + 0.5}, {cx + 8, low + 8}}, kGold.light);
        o.Ellipse(cx - 10, low + 23, 6, 5, kGold.mid);  // pauldrons
        o.Ellipse(cx + 10, low + 23, 6, 5, kGold.mid);
        if (pose == 2 || pose == 4)  // winding up, the free arm reaches out ahead
            Limb(o, {cx + 10, low + 24}, {cx + 24, low + 30}, {w - 2.5, low + 28}, 5, kIron.dark);
        Pt hand;
        switch (pose) {
            case 2: hand = {6, 6}; break;              // raised high behind his head
            case 3: hand = {w - 10, 14}; break;        // thrown high ahead
            case 4: hand = {4, low + 48}; break;       // drawn back low
            case 5: hand = {w - 10, low + 46}; break;  // swung out low
            default: hand = {w - 12, 44}; break;       // carried at his side
        }
        Limb(o, {cx + 8, low + 25}, Mid({cx + 8, low + 25}, hand, 0.5), hand, 5.5, kIron.mid);
        o.Line(hand.first, hand.second + 7, hand.first, hand.second - 7, 3, kWood.mid);  // the haft
        AxeHead(o, {hand.first, hand.second - 6}, pose == 2 || pose == 4 ? -1 : 1, 9.5);
        Finish(o, kIron.ink, {kIron, kGold, kSteel, kCloak});
    });
}

// A crouching gargoyle of green bronze: horns, folded bat wings, a barbed
// tail; the floor is 61 rows below its y.
constexpr Tone kVerdigris = RampTone(kLime, 5);
void PaintGargoile(Canvas& c, int pose) {
    const double w = c.w, s = pose == 0 ? 1 : -1, foot = 60;
    c.Polygon({{12, 18}, {2, 0.5}, {10, 4}, {16, 1}, {20, 8}, {18, 24}}, kVerdigris.dark);  // wing
    c.Stroke(10, 44, 2, 50, 3, kVerdigris.dark);                                            // tail
    c.Triangle(0.5, 46, 5, 47, 1, 53, kVerdigris.dark);
    Limb(c, {16, 42}, {10 - 2 * s, 50}, {12 - 3 * s, foot}, 6, kVerdigris.dark);
    c.Ellipse(22, 34, 11, 12, kVerdigris.mid);
    Limb(c, {26, 42}, {32 + 2 * s, 50}, {30 + 3 * s, foot}, 6, kVerdigris.mid);
    c.Box(static_cast<int>(27 + 3 * s), 57, static_cast<int>(36 + 3 * s), 61, kVerdigris.mid);
    c.Ellipse(31, 18, 8, 7.5, kVerdigris.mid);  // head, thrust forward
    c.Polygon({{35, 18}, {w - 0.5, 22}, {36, 25}}, kVerdigris.mid);
    c.Triangle(26, 13, 30, 12, 24, 4, kVerdigris.light);  // horn
    c.Put(34, 16, Shade(kRed, 11));
    c.Put(35, 16, Shade(kRed, 11));
    Limb(c, {28, 28}, {36, 34}, {w - 3, 38}, 4, kVerdigris.mid);
    c.Line(w - 4, 38, w - 1, 42, 1, kVerdigris.light);  // claws
    Finish(c, kVerdigris.ink, {kVerdigris});
}

// A great red flower on a green stalk that turns to the hero and spits fire:
// at rest its head sits 8 rows down; firing it rears up, jaws wide.
constexpr Tone kPetal = RampTone(kRed, 8);
constexpr Tone kLeafy = RampTone(kGreen, 6);
void PaintHana(Canvas& c, int pose) {
    const int top = pose == 0 ? 8 : 0;
    InObject(c, 0, top, [pose](Canvas& o) {
        const double w = o.w;
        o.Polygon({{18, 59.5}, {26, 59.5}, {22, 40}}, kLeafy.dark);
        o.Polygon({{21, 56}, {1, 44}, {0.5, 52}, {14, 59.5}}, kLeafy.mid);  // leaves at the foot
        o.Polygon({{23, 56}, {43, 46}, {43.5, 54}, {30, 59.5}}, kLeafy.mid);
        const double hx = pose == 0 ? 26 : w - 17, hy = pose == 0 ? 23 : 17;
        o.Stroke(22, 58, 22, 42, 4, kLeafy.mid);
        o.Stroke(22, 42, hx - 6, hy + 6, 4, kLeafy.mid);
        const double r = pose == 0 ? 15 : 16.5;
        for (int k = 0; k < 7; ++k) {  // petals about the head
            const double a = k * 2 * kPi / 7 + 0.3;
            o.Ellipse(hx + std::cos(a) * r * 0.62, hy + std::sin(a) * r * 0.62, r * 0.42, r * 0.42, kPetal.mid);
        }
        o.Ellipse(hx, hy, r * 0.5, r * 0.5, Shade(kYellow, 11));
        if (pose == 0) {
            o.Polygon({{hx - 1, hy + 1}, {hx + 7, hy}, {hx + 6, hy + 4}, {hx, hy + 4}}, kPetal.ink);  // shut jaws
            o.Triangle(hx + 1, hy + 1, hx + 3, hy + 1, hx + 2, hy + 3, Grey(28));
            o.Triangle(hx + 4, hy + 1, hx + 6, hy + 1, hx + 5, hy + 3, Grey(28));
        } else {  // the jaws open on the flame
            o.Polygon({{hx - 2, hy}, {hx + r + 0.5, hy - 6}, {hx + r + 0.5, hy + 6}}, kPetal.ink);
            o.Triangle(hx + 3, hy - 2, hx + 6, hy - 2, hx + 4.5, hy + 1, Grey(28));
        }
        Finish(o, kLeafy.ink, {kPetal, kLeafy});
    });
}

// The spider's silk, drawn opaque: a pale strand between darker edges.
void PaintIto(Canvas& c, int) {
    c.Box(0, 0, c.w, c.h, Grey(19));
    c.Box(1, 0, c.w - 1, c.h, Grey(28));
    c.Box(2, 0, c.w - 1, c.h, Grey(24));
}

// --- the traps -------------------------------------------------------------------

// A lift of riveted iron with a row of spikes under it, hung from chains.
void PaintHariLift(Canvas& c, int) {
    const double w = c.w;
    for (int side = 0; side < 2; ++side) {
        const int x = side ? 48 : 12;
        for (int y = 0; y < 14; y += 4) c.Box(x, y, x + 4, y + 3, kSteel.dark);  // chain links
    }
    c.Box(0, 14, c.w, 34, kIron.mid);
    c.Box(0, 14, c.w, 17, kIron.light);
    for (int x = 4; x < c.w; x += 10) c.Box(x, 24, x + 2, 26, kSteel.light);  // rivets
    for (int k = 0; k < 8; ++k) {
        const double x0 = k * w / 8;
        c.Triangle(x0 + 0.5, 34, x0 + w / 8 - 0.5, 34, x0 + w / 16, 57.5, kSteel.mid);
    }
    Finish(c, kIron.ink, {kSteel, kIron});
}

// A chandelier of gilt arms and candles; broken, it lies crumpled on the
// floor with its candles out.
void PaintSyanderia(Canvas& c, int pose) {
    const double w = c.w;
    if (pose == 0) {
        c.Box(58, 0, 62, 12, kGold.dark);  // the chain it hangs from
        c.Ellipse(60, 18, 7, 7, kGold.mid);
        c.Ellipse(60, 44, 58, 9, kGold.mid);
        c.Ellipse(60, 42, 50, 5, KeyOf(c));  // an open ring of arms
        for (int k = 0; k < 5; ++k) {
            const double x = 6 + k * 27;
            c.Stroke(60, 24, x, 40, 3, kGold.mid);
            c.Box(static_cast<int>(x - 3), 30, static_cast<int>(x + 3), 40, Grey(28));  // candle
            c.Polygon({{x - 2.5, 30}, {x, 20 + (k % 2) * 2}, {x + 2.5, 30}}, kFlame.mid);
        }
        c.Polygon({{44, 52}, {76, 52}, {60, 63.5}}, kGold.mid);  // the pendant below
    } else {
        c.Polygon({{2, 63.5}, {10, 46}, {40, 52}, {60, 42}, {86, 50}, {112, 44}, {w - 0.5, 63.5}}, kGold.mid);
        for (int k = 0; k < 4; ++k) {  // candles tumbled about
            const double x = 14 + k * 28;
            c.Stroke(x, 60, x + 8, 55 - (k % 2) * 3, 4, Grey(26));
        }
        c.Polygon({{50, 63.5}, {56, 54}, {70, 56}, {74, 63.5}}, kGold.dark);
    }
    Finish(c, kGold.ink, {kGold});
}

// A great spiked iron weight on a chain.
void PaintFuriko(Canvas& c, int) {
    for (int y = 0; y < 84; y += 6) {
        c.Box(27, y, 33, y + 4, kSteel.dark);  // chain links
        c.Box(29, y + 3, 31, y + 7, kSteel.mid);
    }
    c.Ellipse(30, 113, 26, 26, kIron.mid);
    for (int k = 0; k < 8; ++k) {  // spikes
        const double a = k * kPi / 4 + kPi / 8;
        const double ux = std::cos(a), uy = std::sin(a);
        c.Triangle(30 + ux * 22 - uy * 5, 113 + uy * 22 + ux * 5, 30 + ux * 22 + uy * 5, 113 + uy * 22 - ux * 5,
                   std::clamp(30 + ux * 31, 0.5, 59.5), std::clamp(113 + uy * 31, 80.0, 142.5), kSteel.mid);
    }
    c.Ellipse(22, 105, 6, 5, kIron.light);
    Finish(c, kIron.ink, {kIron, kSteel});
}

// A stone knight on his plinth that comes down on the hero: whole, tilting
// and cracking, breaking up, and a heap of rubble. Each stage stands on the
// same floor, at the bottom of its frame.
void DouzouKnight(Canvas& o, double top) {
    const double h = 149 - top;  // from its head to the floor
    auto Y = [&](double f) { return top + h * f; };
    o.Box(2, static_cast<int>(Y(0.86)), 62, 149, kStone.dark);  // plinth
    o.Box(0, static_cast<int>(Y(0.84)), 64, static_cast<int>(Y(0.88)), kStone.mid);
    Limb(o, {26, Y(0.56)}, {24, Y(0.84)}, 8, kStone.mid);
    Limb(o, {38, Y(0.56)}, {40, Y(0.84)}, 8, kStone.mid);
    o.Polygon({{18, Y(0.16)}, {46, Y(0.16)}, {44, Y(0.58)}, {20, Y(0.58)}}, kStone.mid);
    o.Ellipse(32, Y(0.08), 8, h * 0.08, kStone.mid);
    o.Box(33, static_cast<int>(Y(0.075)), 40, static_cast<int>(Y(0.085)) + 1, kStone.ink);
    o.Stroke(48, Y(0.2), 52, Y(0.02), 4, kStone.light);  // a stone sword held up
    o.Box(46, static_cast<int>(Y(0.2)), 57, static_cast<int>(Y(0.22)) + 1, kStone.mid);
    o.Ellipse(14, Y(0.34), 9, h * 0.12, kStone.dark);  // shield
}
void PaintDouzou(Canvas& c, int pose) {
    InObject(c, 0, 0, [pose](Canvas& o) {
        const double floor = o.h;  // the frame stands on the floor with its foot
        if (pose == 0) {
            DouzouKnight(o, 0.5);
        } else {
            Canvas whole(64, 149, KeyOf(o));
            DouzouKnight(whole, 0.5);
            Bevel(whole, kStone);
            // The statue broken into chunks that slump onto each other, the
            // lower ones in front, the whole heap one frame high.
            const int pieces = 2 + pose, ph = 149 / pieces;
            for (int k = 0; k < pieces; ++k) {
                const int sy = k * ph, dy = static_cast<int>(k * (floor - ph) / (pieces - 1)) - sy;
                const int dx = (k % 2 ? 3 : -2) * pose / 2 + 2;
                for (int y = sy; y < sy + ph; ++y)
                    for (int x = 0; x < 64; ++x)
                        if (whole.At(x, y) != KeyOf(o)) o.Put(x + dx, y + dy, whole.At(x, y));
                for (int x = 0; x < o.w; ++x) {  // the crack along each chunk's top, only on the stone
                    const int y = sy + dy + 1 + x * 3 / o.w;
                    if (y >= 0 && y < o.h && o.At(x, y) != KeyOf(o)) o.Put(x, y, kStone.ink);
                }
            }
            for (int k = 0; k < 4 + 2 * pose; ++k)  // rubble at the foot
                o.Ellipse(4 + (k * 11) % 60, floor - 3 - (k % 3) * 3, 4, 3, k % 2 ? kStone.dark : kStone.mid);
            o.Box(0, static_cast<int>(floor - 3), o.w, static_cast<int>(floor), kStone.dark);
        }
        Finish(o, kStone.ink, {kStone});
    });
}

// A drop of green acid gathering on the ceiling, then falling.
constexpr Tone kAcid = RampTone(kLime, 9);
void PaintSan(Canvas& c, int pose) {
    if (pose < 3) {
        const double r = 3 + pose * 1.8;
        c.Ellipse(8, 1.5, 7.5, 1.6, kAcid.dark);
        c.Ellipse(8, r, r, r, kAcid.mid);
    } else {
        c.Ellipse(8, 10, 6, 5.5, kAcid.mid);
        c.Triangle(3, 9, 13, 9, 8, 0.5, kAcid.mid);
    }
    c.Ellipse(pose < 3 ? 6.5 : 6, pose < 3 ? 2.5 + pose : 9, 1.5, 1.5, kAcid.light);
    Finish(c, kAcid.ink, {kAcid});
}

// A drip of water, and its splash on the floor.
constexpr Tone kWater{Shade(kSky, 2), Shade(kSky, 8), Shade(kSky, 11), Shade(kSky, 14)};
void PaintTi(Canvas& c, int pose) {
    if (pose == 0) {
        c.Ellipse(5, 9.5, 4.5, 4.5, kWater.mid);
        c.Triangle(1, 9, 9, 9, 5, 0.5, kWater.mid);
    } else {
        c.Ellipse(19, 27, 18.5, 3, kWater.mid);
        for (int k = 0; k < 5; ++k) {  // droplets thrown up
            const double x = 4 + k * 7.5, y = 20 - (k == 2 ? 18 : (k % 2 ? 10 : 4));
            c.Stroke(19, 25, x, y + 3, 2, kWater.dark);
            c.Ellipse(x, y + 1, 2, 2, kWater.mid);
        }
    }
    Finish(c, kWater.ink, {kWater});
}

// --- the fliers --------------------------------------------------------------------

// A wing from its root, swept to its tip: a feathered fan.
void Wing(Canvas& c, Pt root, Pt tip, double width, int feathers, uint8_t col, uint8_t edge) {
    const double dx = tip.first - root.first, dy = tip.second - root.second;
    const double len = std::hypot(dx, dy), nx = -dy / len, ny = dx / len;
    c.Polygon({{root.first + nx * width * 0.5, root.second + ny * width * 0.5},
               {tip.first, tip.second},
               {root.first - nx * width * 0.5, root.second - ny * width * 0.5}},
              col);
    for (int k = 1; k <= feathers; ++k) {  // the fingered trailing edge
        const double t = static_cast<double>(k) / (feathers + 1);
        const double bx = root.first + dx * t, by = root.second + dy * t;
        c.Stroke(bx, by, bx + nx * width * 0.55 * (1 - t * 0.5) + dx * 0.08,
                 by + ny * width * 0.55 * (1 - t * 0.5) + dy * 0.08, 2.5, edge);
    }
}

// A brown eagle with a white head: diving with wings folded, and flapping
// (wings raised, then swept down).
constexpr Tone kEagle = RampTone(kOrange, 4);
void PaintWasi(Canvas& c, int pose) {
    const double w = c.w;
    if (pose == 0) {  // the dive: head down and ahead, talons out
        c.Polygon({{2, 2}, {12, 6}, {24, 20}, {18, 24}, {6, 12}}, kEagle.mid);
        c.Polygon({{1, 0.5}, {9, 2}, {14, 12}}, kEagle.dark);
        c.Ellipse(25, 24, 5.5, 5.5, Grey(28));
        c.Triangle(27, 26, 31.5, 30, 25, 30, Shade(kYellow, 12));
        c.Put(26, 23, Grey(1));
        c.Line(16, 24, 20, 31, 1.5, Shade(kYellow, 11));
    } else {
        const bool up = pose == 1;
        const double body = 18;
        if (up) {
            Wing(c, {14, body}, {3, 0.5}, 10, 3, kEagle.dark, kEagle.ink);
            Wing(c, {16, body}, {28, 0.5}, 10, 3, kEagle.mid, kEagle.dark);
        } else {
            c.Polygon({{10, body - 4}, {16, 0.5}, {20, body - 4}}, kEagle.mid);  // the wing roots arched over the back
            Wing(c, {12, body}, {1, c.h - 1.5}, 12, 3, kEagle.dark, kEagle.ink);
            Wing(c, {18, body}, {30, c.h - 1.5}, 12, 3, kEagle.mid, kEagle.dark);
        }
        c.Ellipse(15, body + 4, 9, 5.5, kEagle.mid);
        c.Polygon({{7, body + 5}, {0.5, body + 10}, {6, body + 11}}, Grey(26));  // tail
        c.Ellipse(w - 7, body + 1, 5, 4.5, Grey(28));
        c.Triangle(w - 3, body, w - 0.5, body + 3, w - 4, body + 4, Shade(kYellow, 12));
        c.Put(static_cast<int>(w - 6), static_cast<int>(body), Grey(1));
        c.Line(13, body + 9, 12, up ? c.h - 1.5 : body + 14, 1.5, Shade(kYellow, 11));  // talons hanging
    }
    Finish(c, kEagle.ink, {kEagle});
}

// A black crow with a red eye: wings raised to flap or fly, and hunched at
// rest (that frame is drawn 35 rows lower).
constexpr Tone kCrow{Grey(0) + 1, Grey(3), Shade(kViolet, 2), Grey(10)};
void PaintCrow(Canvas& c, int pose) {
    const double w = c.w;
    if (pose == 0) {
        Wing(c, {18, 34}, {2, 0.5}, 14, 4, kCrow.dark, kCrow.ink);
        Wing(c, {22, 34}, {32, 0.5}, 14, 4, kCrow.mid, kCrow.dark);
        c.Ellipse(22, 40, 12, 8, kCrow.mid);
        c.Polygon({{12, 42}, {0.5, 50}, {10, 50}}, kCrow.mid);  // tail
        c.Ellipse(35, 34, 7, 6, kCrow.mid);
        c.Triangle(40, 32, w - 0.5, 36, 40, 38, Shade(kYellow, 10));
        c.Put(37, 32, Shade(kRed, 11));
        c.Line(22, 47, 20, 59, 1.5, Shade(kYellow, 9));
        c.Line(26, 47, 27, 59, 1.5, Shade(kYellow, 9));
    } else {
        c.Ellipse(18, 11, 13, 7.5, kCrow.mid);
        c.Polygon({{7, 10}, {0.5, 16}, {9, 15}}, kCrow.mid);
        c.Ellipse(30, 6, 6, 5.5, kCrow.mid);
        c.Triangle(34, 4, w - 0.5, 8, 34, 9, Shade(kYellow, 10));
        c.Put(31, 4, Shade(kRed, 11));
        c.Line(16, 17, 16, 18.5, 1.5, Shade(kYellow, 9));
        c.Line(22, 17, 22, 18.5, 1.5, Shade(kYellow, 9));
    }
    Finish(c, kCrow.ink, {kCrow});
}

// A tawny owl: sitting, ruffled with its wings half open, and swooping with
// them spread wide.
constexpr Tone kOwl = RampTone(kYellow, 5);
void OwlFace(Canvas& c, double x, double y, double r) {
    c.Ellipse(x, y, r, r * 0.85, RampTone(kOrange, 11).mid);
    c.Ellipse(x - r * 0.45, y, r * 0.38, r * 0.38, Shade(kYellow, 12));
    c.Ellipse(x + r * 0.45, y, r * 0.38, r * 0.38, Shade(kYellow, 12));
    c.Ellipse(x - r * 0.35, y, r * 0.16, r * 0.2, Grey(1));
    c.Ellipse(x + r * 0.55, y, r * 0.16, r * 0.2, Grey(1));
    c.Triangle(x - r * 0.15, y + r * 0.3, x + r * 0.2, y + r * 0.3, x + r * 0.05, y + r * 0.7, Shade(kYellow, 9));
}
void PaintFukurou(Canvas& c, int pose) {
    const double w = c.w, h = c.h;
    if (pose == 2) {  // swooping, wings spread
        Wing(c, {32, 20}, {0.5, 6}, 16, 4, kOwl.dark, kOwl.ink);
        Wing(c, {44, 20}, {w - 0.5, 4}, 16, 4, kOwl.mid, kOwl.dark);
        c.Ellipse(38, 28, 11, 14, kOwl.mid);
        c.Triangle(30, 18, 33, 18, 30, 11, kOwl.mid);
        c.Triangle(43, 18, 46, 18, 46, 11, kOwl.mid);
        OwlFace(c, 38, 24, 8);
        c.Line(34, 41, 32, h - 1.5, 2, Shade(kYellow, 11));
        c.Line(42, 41, 44, h - 1.5, 2, Shade(kYellow, 11));
    } else {
        const double open = pose == 1 ? 1 : 0, cx = w / 2;
        c.Ellipse(cx, h * 0.58, w / 2 - 5, h * 0.4, kOwl.mid);
        if (open > 0) {  // ruffled: wings lifted off its sides
            c.Polygon({{cx - 10, h * 0.3}, {0.5, h * 0.55}, {6, h * 0.85}}, kOwl.dark);
            c.Polygon({{cx + 10, h * 0.3}, {w - 0.5, h * 0.55}, {w - 6, h * 0.85}}, kOwl.dark);
        } else {
            c.Ellipse(4.5, h * 0.6, 4, h * 0.3, kOwl.dark);
            c.Ellipse(w - 4.5, h * 0.6, 4, h * 0.3, kOwl.dark);
        }
        c.Triangle(cx - 12, h * 0.25, cx - 7, h * 0.2, cx - 11, 0.5, kOwl.mid);  // ear tufts
        c.Triangle(cx + 12, h * 0.25, cx + 7, h * 0.2, cx + 11, 0.5, kOwl.mid);
        OwlFace(c, cx + 1, h * 0.33, 10);
        for (int k = 0; k < 4; ++k)
            c.Line(cx - 6 + k * 4, h * 0.6 + (k % 2) * 3, cx - 4 + k * 4, h * 0.66 + (k % 2) * 3, 1, kOwl.dark);
        c.Line(cx - 4, h - 4, cx - 4, h - 0.5, 2, Shade(kYellow, 11));
        c.Line(cx + 4, h - 4, cx + 4, h - 0.5, 2, Shade(kYellow, 11));
    }
    Finish(c, kOwl.ink, {kOwl});
}

// A giant moth seen from the front, its eyed wings raised, spread and lowered.
constexpr Tone kMoth = RampTone(kOrange, 3);
void PaintOgideran(Canvas& c, int pose) {
    const double w = c.w, h = c.h, cx = w / 2;
    for (int side = -1; side <= 1; side += 2) {
        const double ex = side < 0 ? 0.5 : w - 0.5;
        if (pose == 0) {  // raised: tall wings over the body
            c.Polygon({{cx, h * 0.45}, {cx + side * 8, 0.5}, {ex, h * 0.1}, {cx + side * 6, h * 0.55}}, kMoth.mid);
            c.Polygon({{cx, h * 0.5}, {cx + side * w * 0.36, h * 0.75}, {cx + side * 4, h - 0.5}}, kMoth.dark);
        } else if (pose == 1) {  // spread level
            c.Polygon({{cx, h * 0.25}, {ex, 0.5}, {ex, h * 0.45}, {cx, h * 0.5}}, kMoth.mid);
            c.Polygon({{cx, h * 0.45}, {cx + side * w * 0.45, h * 0.62}, {cx + side * w * 0.2, h - 0.5}, {cx, h * 0.7}},
                      kMoth.dark);
        } else {  // swept down
            c.Polygon({{cx, h * 0.2},
                       {cx + side * w * 0.3, 0.5},
                       {ex, h * 0.35},
                       {cx + side * w * 0.4, h * 0.85},
                       {cx, h * 0.55}},
                      kMoth.mid);
            c.Polygon({{cx, h * 0.5}, {cx + side * w * 0.3, h - 0.5}, {cx, h * 0.85}}, kMoth.dark);
        }
        // The eye on each forewing.
        const double spotX = cx + side * (pose == 1 ? w * 0.3 : w * 0.22), spotY = pose == 0 ? h * 0.2 : h * 0.3;
        c.Ellipse(spotX, spotY, 5, 5, Shade(kYellow, 11));
        c.Ellipse(spotX, spotY, 2.5, 2.5, Grey(1));
    }
    c.Ellipse(cx, h * 0.5, 5, h * 0.2, RampTone(kYellow, 8).mid);  // the furry body
    c.Ellipse(cx + 1, h * 0.28, 5, 4.5, RampTone(kYellow, 8).mid);
    c.Stroke(cx - 2, h * 0.25, cx - 8, h * 0.12, 1.5, kMoth.ink);  // feelers
    c.Stroke(cx + 3, h * 0.25, cx + 10, h * 0.12, 1.5, kMoth.ink);
    c.Put(static_cast<int>(cx + 3), static_cast<int>(h * 0.28), Shade(kRed, 10));
    Finish(c, kMoth.ink, {kMoth, RampTone(kYellow, 8)});
}

// A poltergeist: a grinning pink spirit trailing a wisp, turning as it flies.
constexpr Tone kSpirit = RampTone(kPink, 10);
void PaintPorutaa(Canvas& c, int pose) {
    const double a = pose * kPi / 2;
    c.Polygon({{9, 20}, {0.5, 31.5 - 4 * std::sin(a)}, {6, 24}, {2, 18 + 3 * std::cos(a)}}, kSpirit.dark);
    c.Ellipse(18, 14, 13.5, 13.5, kSpirit.mid);
    const double look = std::cos(a) * 3;  // the face swings about as it turns
    c.Ellipse(13 + look, 11, 3, 3.5, Grey(1));
    c.Ellipse(22 + look, 11, 3, 3.5, Grey(1));
    c.Polygon({{10 + look, 18}, {26 + look, 18}, {18 + look, 24}}, Grey(1));
    c.Triangle(13 + look, 18, 16 + look, 18, 14.5 + look, 21, Grey(28));
    c.Triangle(20 + look, 18, 23 + look, 18, 21.5 + look, 21, Grey(28));
    c.Stroke(29, 16, 31.5, 12 + 3 * std::sin(a), 2.5, kSpirit.mid);  // little grasping hands
    c.Ellipse(18, 0.5 + 2, 3, 2, kSpirit.light);
    Finish(c, kSpirit.ink, {kSpirit});
}

// A pale ghostly hand flying fingers first, its wrist trailing off in a wisp.
constexpr Tone kSpectral{Shade(kViolet, 3), Shade(kViolet, 10), Shade(kViolet, 13), Shade(kViolet, 15)};
void PaintGHand(Canvas& c, int pose) {
    const double w = c.w, h = c.h, wag = (pose - 1) * 2.5;
    c.Polygon({{0.5, h / 2 + wag}, {14, h / 2 - 6}, {30, h / 2 - 8}, {30, h / 2 + 8}, {14, h / 2 + 6}}, kSpectral.dark);
    c.Ellipse(34, h / 2, 10, 9.5, kSpectral.mid);  // the palm
    for (int k = 0; k < 4; ++k) {                  // fingers, reaching ahead
        const double y = h / 2 - 7.5 + k * 5, len = (k == 1 || k == 2 ? 20 : 15) + (k % 2 ? wag : -wag);
        c.Stroke(38, y, std::min(w - 2.5, 40 + len), y + (k - 1.5) * 0.8, 4, kSpectral.mid);
    }
    c.Stroke(30, h / 2 - 8, 38, 1.5, 4, kSpectral.mid);  // thumb
    Finish(c, kSpectral.ink, {kSpectral});
}

// A ghost in a white burial robe with long black hair, hands hanging limp
// before her, her robe fading to nothing below.
void PaintYuurei(Canvas& c, int) {
    const double w = c.w;
    c.Polygon({{10, 18}, {28, 18}, {34, 60}, {26, 101.5}, {20, 84}, {14, 101}, {6, 62}}, Grey(27));
    c.Polygon({{10, 6}, {26, 4}, {28, 24}, {22, 44}, {8, 40}, {4, 20}}, Grey(2));  // hair down her back
    c.Ellipse(22, 11, 6.5, 7.5, Grey(29));
    c.Polygon({{15, 2}, {28, 3}, {29, 10}, {22, 6}, {16, 12}}, Grey(2));  // the fringe over her face
    c.Box(24, 11, 27, 12, Grey(4));
    Limb(c, {24, 22}, {30, 32}, {w - 2, 34}, 4, Grey(27));
    c.Stroke(w - 3, 34, w - 1.5, 40, 2, Grey(29));  // limp fingers
    c.Polygon({{14, 30}, {22, 30}, {24, 46}, {16, 46}}, Grey(23));
    Finish(c, Grey(6), {Tone{Grey(4), Grey(21), Grey(27), Grey(29)}});
}

// A dancer in a red dress, spinning: face on with arms spread, turning, side
// on, turning; then the same facing the other way.
constexpr Tone kDress = RampTone(kRed, 7);
void PaintDancer(Canvas& c, int frame) {
    const double w = c.w, cx = w / 2;
    const int phase = frame % 4;  // 0 face on, 1 and 3 turning, 2 side on
    const double arm = w / 2 - 0.5, skirt = phase == 2 ? w / 2 - 1 : w / 2 - 3;
    c.Polygon({{cx - 5, 34}, {cx + 5, 34}, {cx + skirt, 70}, {cx - skirt, 70}}, kDress.mid);
    Limb(c, {cx - 2, 68}, {cx - 4 - (phase == 2 ? 4 : 0), 95}, 3, kPale.mid);
    Limb(c, {cx + 2, 68}, {cx + 4, 88}, {cx + (phase == 2 ? 10 : 5), 95}, 3, kPale.mid);
    c.Polygon({{cx - 6, 16}, {cx + 6, 16}, {cx + 4, 36}, {cx - 4, 36}}, kDress.mid);
    c.Ellipse(cx + (phase == 2 ? 2 : 0), 9, 5.5, 6.5, kPale.mid);
    c.Ellipse(cx - (phase == 2 ? 2 : 0), 5, 6, 5, Grey(3));  // her hair in a bun
    c.Ellipse(cx - 4, 1.5 + 2, 2.5, 2.5, Grey(3));
    if (phase == 2) {
        Limb(c, {cx, 18}, {cx + 6, 10}, {cx + 3, 0.5}, 2.5, kPale.mid);  // arms swept up over her head
        Limb(c, {cx - 1, 18}, {cx - 6, 24}, {cx - arm + 2, 20}, 2.5, kPale.mid);
    } else {
        const double lift = phase == 0 ? 6 : 10;
        Limb(c, {cx - 5, 18}, {cx - arm * 0.6, 18 - lift * 0.4}, {cx - arm, 18 - lift}, 2.5, kPale.mid);
        Limb(c, {cx + 5, 18}, {cx + arm * 0.6, 18 - lift * 0.4}, {cx + arm, 18 - lift}, 2.5, kPale.mid);
    }
    c.Put(static_cast<int>(cx + 2), 9, Grey(1));
    Finish(c, kDress.ink, {kDress, kPale});
    if (frame >= 4) c.MirrorX();
}

// A black horse with a mane of fire, galloping through the air.
constexpr Tone kNightmare = GreyTone(5);
void PaintUma(Canvas& c, int pose) {
    const double s = pose == 0 ? 1 : -1;  // the gallop: legs gathered, then flung out
    Limb(c, {36, 22}, {41 + 4 * s, 29}, {44 + 3 * s, 38.5}, 3.2, kNightmare.dark);
    Limb(c, {13, 22}, {8 - 3 * s, 30}, {5 - 3 * s, 38.5}, 3.5, kNightmare.dark);
    c.Ellipse(24, 18, 15, 7.5, kNightmare.mid);
    c.Stroke(34, 15, 41, 6, 8, kNightmare.mid);                                      // the arched neck
    c.Polygon({{38, 2}, {43, 0.5}, {51.5, 10}, {49, 13}, {40, 9}}, kNightmare.mid);  // the long head
    c.Triangle(38, 3, 41, 2, 38, 0, kNightmare.mid);
    c.Put(43, 4, Shade(kRed, 11));
    c.Put(49, 10, Grey(1));
    Flames(c, 30, 41, 15, 0.5, 3, pose * 2.0, kFlame.mid);                             // the burning mane
    c.Polygon({{10, 14}, {0.5, 9 + 5 * s}, {3, 18}, {0.5, 24}, {9, 20}}, kFlame.mid);  // the burning tail
    Limb(c, {34, 23}, {40 - 4 * s, 31}, {37 - 6 * s, 38.5}, 3.2, kNightmare.mid);
    Limb(c, {16, 23}, {16 + 3 * s, 31}, {13 + 6 * s, 38.5}, 3.5, kNightmare.mid);
    Finish(c, kNightmare.ink, {kNightmare});
}

// A floating skull trailing a ghostly flame, its eyes burning; it swells
// and shrinks as it flies.
constexpr Tone kGhostFire = RampTone(kLime, 11);
void PaintSukaru(Canvas& c, int pose) {
    const double w = c.w, h = c.h, r = w * 0.4;
    c.Polygon({{w * 0.2, h * 0.5}, {w * 0.8, h * 0.5}, {w * 0.6, h - 0.5}, {w * 0.45, h * 0.8}, {w * 0.3, h - 0.5}},
              kGhostFire.mid);
    DrawSkullFront(c, {w * 0.45, r * 0.95}, r, kBone, 0.6, Shade(kLime, 14));
    c.Polygon({{w * 0.45 + r * 0.9, r}, {w - 0.5, r * 0.8 + pose}, {w * 0.45 + r * 0.8, r * 1.3}}, kGhostFire.light);
    Finish(c, kBone.ink, {kBone, kGhostFire});
}

// A long double blade on a hub: at rest level, and spinning (a blur of its
// sweep), one way or the other.
void PaintTurn(Canvas& c, int pose) {
    const double w = c.w, h = c.h, cx = w / 2, cy = h / 2;
    if (pose != 0) {  // spinning: the blade and the blur of where it just was
        const double turn = pose == 1 ? 1 : -1;
        for (int k = 0; k < 2; ++k) {
            // Corner to corner and a little past, so the two sweeps fill the frame.
            const double ux = cx + 3, uy = (k == 0 ? -1 : 1) * turn * (cy + 1), len = std::hypot(ux, uy);
            const double nx = -uy / len * 4, ny = ux / len * 4;
            c.Polygon({{cx - ux, cy - uy}, {cx + nx, cy + ny}, {cx + ux, cy + uy}, {cx - nx, cy - ny}},
                      k == 0 ? kSteel.dark : kSteel.light);
        }
    } else {
        c.Polygon({{0.5, cy}, {cx - 6, cy - 5}, {cx, cy}, {cx - 6, cy + 5}}, kSteel.light);
        c.Polygon({{w - 0.5, cy}, {cx + 6, cy + 5}, {cx, cy}, {cx + 6, cy - 5}}, kSteel.light);
    }
    c.Ellipse(cx, cy, 7, 7, kGold.mid);
    c.Ellipse(cx, cy, 2.5, 2.5, kGold.ink);
    Finish(c, kSteel.ink, {kSteel, kGold});
}

// A small black bat: wings up, then down.
constexpr Tone kBlackWing = GreyTone(5);
constexpr Tone kBatBody = GreyTone(11);
void PaintBat(Canvas& c, int pose) {
    const double w = c.w, cx = w / 2;
    for (int side = -1; side <= 1; side += 2) {
        const double tx = side < 0 ? 0.5 : w - 0.5;
        if (pose == 0)
            c.Polygon({{cx, 12}, {tx, 0.5}, {cx + side * w * 0.36, 14}, {cx + side * w * 0.2, 13}, {cx + side * 4, 17}},
                      kBlackWing.mid);
        else
            c.Polygon({{cx, 10}, {cx + side * w * 0.3, 6}, {tx, 24}, {cx + side * w * 0.28, 20}, {cx + side * 4, 18}},
                      kBlackWing.mid);
    }
    c.Ellipse(cx, 15, 5, 7, kBatBody.mid);
    c.Triangle(cx - 5, 10, cx - 2, 9, cx - 4, 3, kBatBody.mid);
    c.Triangle(cx + 5, 10, cx + 2, 9, cx + 4, 3, kBatBody.mid);
    c.Put(static_cast<int>(cx - 2), 12, Shade(kRed, 11));
    c.Put(static_cast<int>(cx + 1), 12, Shade(kRed, 11));
    c.Line(cx - 1, 20, cx, c.h - 1.5, 1.5, kBlackWing.dark);  // the feet tucked under
    Finish(c, kBlackWing.ink, {kBlackWing, kBatBody});
}

// --- the swarms ------------------------------------------------------------------

// A round little red bird, beating its stubby wings.
constexpr Tone kChick = RampTone(kRed, 8);
void PaintPping(Canvas& c, int) {
    c.Ellipse(15, 17, 14.5, 14.5, kChick.mid);
    c.Polygon({{6, 14}, {0.5, 4}, {12, 9}}, kChick.dark);  // the wing beating up
    c.Ellipse(21, 12, 2.5, 3, Grey(1));
    c.Put(21, 11, Grey(29));
    c.Triangle(27, 14, 31.5, 17, 27, 20, Shade(kOrange, 9));
    c.Triangle(12, 2.5, 16, 2.5, 14, 0.5, kChick.light);  // a tuft
    Finish(c, kChick.ink, {kChick});
}

// A great skull flying at speed in a sheet of fire; the flames stream out
// longer behind it frame by frame.
void PaintWarSukaru(Canvas& c, int pose) {
    const double w = c.w, h = c.h, r = h * 0.42;
    const double sx = w - r - 2;   // the skull leads, at the right
    for (int k = 0; k < 5; ++k) {  // the trail of flame, back to the frame's left edge
        const double y = h / 2 + (k - 2) * h * 0.16, len = (sx - 0.5) * (0.75 + 0.25 * ((k + pose) % 3) / 2.0);
        c.Polygon({{sx - len, y}, {sx, y - h * 0.16}, {sx, y + h * 0.16}}, k % 2 ? kFlame.mid : kFlame.dark);
    }
    c.Polygon({{0.5, h / 2 - 1.5}, {0.5, h / 2 + 1.5}, {sx, h / 2 + 5}, {sx, h / 2 - 5}}, kFlame.mid);
    c.Ellipse(sx, h / 2, r * 1.1, h / 2 - 0.5, kFlame.mid);
    DrawSkullFront(c, {sx, h / 2 - r * 0.3}, r, kBone, 0.8, Shade(kYellow, 14));
    Finish(c, RampTone(kRed, 4).ink, {kBone});
}

// A harpy: a woman's head and body on great feathered wings and a bird's
// talons; wings up, level and down as she swings, folded as she dives.
constexpr Tone kHarpyWing = RampTone(kOrange, 6);
constexpr Tone kHarpySkin = RampTone(kOrange, 12);
void PaintHaru(Canvas& c, int pose) {
    const double w = c.w, h = c.h, cx = w * 0.5;
    if (pose == 3) {  // the dive: wings swept back over her, talons reaching
        Wing(c, {cx, 40}, {cx - 24, 0.5}, 24, 4, kHarpyWing.dark, kHarpyWing.ink);
        Wing(c, {cx + 4, 40}, {cx + 22, 0.5}, 24, 4, kHarpyWing.mid, kHarpyWing.dark);
        c.Polygon({{cx - 9, 48}, {cx + 9, 48}, {cx + 7, 100}, {cx - 7, 100}}, kHarpySkin.mid);
        c.Ellipse(cx + 2, 40, 9, 10, kHarpySkin.mid);
        c.Polygon({{cx - 10, 32}, {cx + 9, 28}, {cx + 8, 38}, {cx - 12, 62}}, RampTone(kRed, 5).mid);  // hair
        c.Put(static_cast<int>(cx + 5), 40, Grey(1));
        Limb(c, {cx - 3, 98}, {cx - 10, 124}, {0.5, h - 2}, 5, Shade(kYellow, 9));
        Limb(c, {cx + 3, 98}, {cx + 12, 124}, {w - 0.5, h - 2}, 5, Shade(kYellow, 9));
    } else {
        const double tipY = pose == 0 ? 0.5 : pose == 1 ? h * 0.3 : h - 0.5, body = pose == 0 ? h * 0.52 : h * 0.3;
        Wing(c, {cx - 4, body}, {0.5, tipY}, h * (pose == 0 ? 0.35 : 0.45), 4, kHarpyWing.dark, kHarpyWing.ink);
        Wing(c, {cx + 4, body}, {w - 0.5, tipY}, h * (pose == 0 ? 0.35 : 0.45), 4, kHarpyWing.mid, kHarpyWing.dark);
        const double top = pose == 0 ? h * 0.3 : std::max(0.5, body - 22);
        c.Ellipse(cx + 2, top + 9, 8, 9, kHarpySkin.mid);
        c.Polygon({{cx - 9, top + 2}, {cx + 9, top}, {cx + 10, top + 6}, {cx - 12, top + 26}}, RampTone(kRed, 5).mid);
        c.Put(static_cast<int>(cx + 5), static_cast<int>(top + 9), Grey(1));
        c.Polygon({{cx - 7, top + 18}, {cx + 8, top + 18}, {cx + 6, top + 44}, {cx - 6, top + 44}}, kHarpySkin.mid);
        const double feet = h - 1.5;
        Limb(c, {cx - 3, top + 42}, {cx - 5, feet}, 4, Shade(kYellow, 9));
        Limb(c, {cx + 3, top + 42}, {cx + 6, feet}, 4, Shade(kYellow, 9));
    }
    Finish(c, kHarpyWing.ink, {kHarpyWing, kHarpySkin});
}

// A little horned imp opening its bat wings: folded, half open, spread.
constexpr Tone kImp = RampTone(kRed, 6);
void PaintJyuhouten(Canvas& c, int pose) {
    const double w = c.w, h = c.h, cx = w / 2;
    if (pose > 0)
        for (int side = -1; side <= 1; side += 2) {
            const double tx = side < 0 ? 0.5 : w - 0.5;
            c.Polygon({{cx, 10}, {tx, pose == 2 ? 2 : 4}, {cx + side * w * 0.38, h * 0.5}, {cx + side * 4, h * 0.55}},
                      kBatWing.mid);
        }
    c.Ellipse(cx, h * 0.58, 6.5, h * 0.28, kImp.mid);
    c.Ellipse(cx, 8, 6, 6, kImp.mid);
    c.Triangle(cx - 5, 5, cx - 2, 3, cx - 5, 0.5, kImp.light);  // horns
    c.Triangle(cx + 5, 5, cx + 2, 3, cx + 5, 0.5, kImp.light);
    c.Put(static_cast<int>(cx - 2), 8, Shade(kYellow, 13));
    c.Put(static_cast<int>(cx + 2), 8, Shade(kYellow, 13));
    if (pose == 0) {  // wings folded down its sides
        c.Polygon({{cx - 6, 12}, {0.5, h * 0.5}, {cx - 5, h - 4}}, kBatWing.mid);
        c.Polygon({{cx + 6, 12}, {w - 0.5, h * 0.5}, {cx + 5, h - 4}}, kBatWing.mid);
    }
    c.Stroke(cx, h * 0.8, cx + 2, h - 1.5, 2, kImp.dark);  // the tail
    Finish(c, kImp.ink, {kImp, kBatWing});
}

// A will-o'-the-wisp: a ball of pale green fire with a flickering tail behind it.
constexpr Tone kWisp2 = RampTone(kLime, 12);
void PaintWil(Canvas& c, int pose) {
    const double flick = pose == 0 ? 2 : -2;
    c.Polygon({{0.5, 15 + flick}, {12, 7}, {16, 15}, {12, 23}}, RampTone(kLime, 8).mid);
    c.Polygon({{3, 6 - flick}, {14, 9}, {10, 14}}, RampTone(kLime, 6).mid);
    c.Ellipse(18, 15, 11.5, 11.5, kWisp2.mid);
    c.Ellipse(20, 13, 6, 6, Shade(kLime, 15));
    c.Triangle(16, 4, 22, 4, 20 + flick, 0.5, kWisp2.mid);
    c.Triangle(16, 26, 22, 26, 19 - flick, 29.5, kWisp2.mid);
    Finish(c, kWisp2.ink, {kWisp2});
}

// A small skull wreathed in ghost fire, drifting at the hero.
void PaintSukaru2(Canvas& c, int pose) {
    c.Polygon({{0.5, 13}, {8, 6 + pose * 2}, {8, 20 - pose * 2}}, kGhostFire.mid);
    c.Triangle(6, 3, 14, 3, 8 + pose * 2, 0.5, kGhostFire.mid);
    DrawSkullFront(c, {14, 10.5}, 9.5, kBone, 0.6, Shade(kLime, 14));
    Finish(c, kBone.ink, {kBone});
}

// A skeleton borne on great bat wings, flying in a wave: wings up, wings down.
void PaintFlyingS(Canvas& c, int pose) {
    const double w = c.w, h = c.h;
    const bool up = pose == 0;
    const double tip = up ? 0.5 : h * 0.75;
    c.Polygon({{30, 30}, {0.5, tip}, {6, tip + 18}, {14, tip + 10}, {20, tip + 22}, {28, 44}}, kBatWing.dark);
    c.Polygon({{38, 30}, {w - 0.5, tip}, {w - 6, tip + 18}, {w - 14, tip + 10}, {w - 20, tip + 22}, {40, 44}},
              kBatWing.mid);
    const Skeleton k{{38, 9},  7.5,      {35, 19},    {34, 58}, {44, 34},    {52, 42}, {28, 34},
                     {22, 44}, {38, 78}, {40, h - 2}, {31, 78}, {28, h - 4}, 3.2};
    DrawSkeleton(c, k, kBone);
    Finish(c, kBone.ink, {kBone, kBatWing});
}

// A dragon long dead: a bare skull on a bony neck, ribs and tattered wings,
// flying. Wings raised high, level, swept wide; the lower frames start 18
// and 36 rows below its y.
constexpr Tone kOldBone{Shade(kOrange, 2), Shade(kOrange, 9), Shade(kYellow, 12), Shade(kYellow, 14)};
constexpr Tone kRottenWing = RampTone(kViolet, 3);
void PaintDZombie(Canvas& c, int pose) {
    const double w = c.w, h = c.h;
    // The body: neck from the shoulders to the skull at the right, tail to the left.
    const double by = h * (pose == 0 ? 0.58 : 0.45), bx = w * 0.48;
    if (pose == 0) {  // wings up, tall and narrow
        Wing(c, {bx - 6, by}, {w * 0.15, 0.5}, 40, 5, kRottenWing.dark, kRottenWing.ink);
        Wing(c, {bx + 6, by}, {w * 0.8, 0.5}, 40, 5, kRottenWing.mid, kRottenWing.dark);
    } else if (pose == 1) {
        Wing(c, {bx - 6, by}, {0.5, h * 0.1}, 44, 6, kRottenWing.dark, kRottenWing.ink);
        Wing(c, {bx + 6, by}, {w - 20, 0.5}, 44, 6, kRottenWing.mid, kRottenWing.dark);
    } else {
        Wing(c, {bx - 6, by}, {0.5, h * 0.5}, 50, 6, kRottenWing.dark, kRottenWing.ink);
        Wing(c, {bx + 6, by}, {w - 30, 0.5}, 50, 6, kRottenWing.mid, kRottenWing.dark);
    }
    c.Stroke(bx - 10, by + 8, w * 0.08, h - 3, 6, kOldBone.mid);  // the tail
    c.Stroke(w * 0.08, h - 3, 0.5 + 3, h - 10, 4, kOldBone.mid);
    c.Ellipse(bx, by + 6, 20, 14, kOldBone.mid);  // the ribcage
    for (int k = 0; k < 5; ++k) c.Line(bx - 16 + k * 7, by - 5, bx - 14 + k * 7, by + 18, 2, kOldBone.ink);
    Limb(c, {bx - 8, by + 16}, {bx - 14, h - 14}, {bx - 8, h - 1.5}, 5, kOldBone.dark);
    Limb(c, {bx + 10, by + 16}, {bx + 16, h - 14}, {bx + 22, h - 1.5}, 5, kOldBone.mid);
    const double hx = w - 18, hy = by - 30;
    c.Stroke(bx + 16, by - 2, hx - 8, hy + 6, 7, kOldBone.mid);  // the neck
    c.Ellipse(hx, hy, 13, 10, kOldBone.mid);
    c.Polygon({{hx + 4, hy - 4}, {w - 0.5, hy + 2}, {w - 2, hy + 8}, {hx + 2, hy + 10}}, kOldBone.mid);  // jaws
    c.Line(hx + 4, hy + 5, w - 3, hy + 5, 1, kOldBone.ink);
    c.Ellipse(hx + 1, hy - 2, 3.5, 3.5, kOldBone.ink);
    c.Put(static_cast<int>(hx + 1), static_cast<int>(hy - 2), Shade(kRed, 11));
    c.Triangle(hx - 10, hy - 6, hx - 4, hy - 8, hx - 16, hy - 18, kOldBone.light);  // horn
    Finish(c, kOldBone.ink, {kOldBone, kRottenWing});
}

// A long-legged brown spider climbing its thread (which meets it 14 columns
// in), legs gathered, then one pair reaching out.
constexpr Tone kCellar = RampTone(kOrange, 4);
void PaintKumo(Canvas& c, int pose) {
    const double cx = 14;
    for (int side = -1; side <= 1; side += 2)
        for (int k = 0; k < 4; ++k) {
            const double reach = pose == 1 && side > 0 && k == 1 ? 21.5 : 13 - (k == 3 ? 1 : 0);
            const double fy = k == 3 ? c.h - 1.5 : 2.0 + k * 16;
            Limb(c, {cx + side * 2, 22 + k * 2}, {cx + side * (reach * 0.7), 14 + k * 10}, {cx + side * reach, fy}, 2,
                 kCellar.dark);
        }
    c.Ellipse(cx, 14, 7.5, 12, kCellar.mid);
    c.Ellipse(cx, 30, 5, 5.5, kCellar.mid);
    c.Box(static_cast<int>(cx - 3), 32, static_cast<int>(cx - 1), 34, Shade(kYellow, 12));
    c.Box(static_cast<int>(cx + 1), 32, static_cast<int>(cx + 3), 34, Shade(kYellow, 12));
    for (int k = 0; k < 3; ++k) c.Line(cx - 5, 8 + k * 5, cx + 5, 8 + k * 5, 1, kCellar.dark);
    Finish(c, kCellar.ink, {kCellar});
}

// Ectoplasm: a great green blob of ghost-stuff with a hollow face, dripping.
constexpr Tone kEcto = RampTone(kLime, 9);
void PaintEkuto(Canvas& c, int) {
    const double w = c.w, h = c.h;
    c.Ellipse(w / 2, h * 0.4, w / 2 - 0.5, h * 0.4, kEcto.mid);
    c.Polygon({{2, h * 0.45},
               {w - 2, h * 0.45},
               {w - 6, h * 0.8},
               {w * 0.7, h - 0.5},
               {w * 0.55, h * 0.8},
               {w * 0.35, h - 6},
               {w * 0.2, h * 0.82},
               {6, h * 0.9}},
              kEcto.mid);
    c.Ellipse(w * 0.38, h * 0.35, 5, 7, Grey(1));
    c.Ellipse(w * 0.65, h * 0.35, 5, 7, Grey(1));
    c.Ellipse(w * 0.52, h * 0.6, 7, 4, Grey(1));
    c.Ellipse(w * 0.3, h * 0.15, 8, 4, kEcto.light);
    Finish(c, kEcto.ink, {kEcto});
}
}  // namespace

namespace {

struct Painter {
    const char* set;
    void (*paint)(Canvas&, int pose);
    int perFacing;  // frames facing right, then as many facing left; 0: frames do not face
};

constexpr Painter kPainters[] = {
    {"ghost", PaintGhost, 2},
    {"skeletonsoldier", PaintSkeletonSoldier, 2},
    {"zombie", PaintZombie, 2},
    {"Bokusi", PaintBokusi, 1},
    {"Armor", PaintArmor, 2},
    {"Dyurahan", PaintDyurahan, 0},
    {"Gouremu", PaintGouremu, 2},
    {"Hyou", PaintHyou, 3},
    {"S_Large", PaintSLarge, 2},
    {"Une", PaintUne, 0},
    {"Jyouhansin", PaintJyouhansin, 0},
    {"Konbou", PaintKonbou, 0},
    {"Madhand", PaintMadhand, 0},
    {"Merman", PaintMerman, 2},
    {"Toad", PaintToad, 4},
    {"Fish", PaintFish, 2},
    {"W_Ghost", PaintWGhost, 0},
    {"Balloon", PaintBalloon, 0},
    {"Housi", PaintHousi, 0},
    {"M_Bat", PaintMBat, 9},
    {"Frog", PaintFrog, 3},
    {"Leaf", PaintLeaf, 2},
    {"War", PaintWar, 2},
    {"F_Dog", PaintFDog, 4},
    {"Suraimu", PaintSuraimu, 0},
    {"Hiru", PaintHiru, 0},
    {"Semusi", PaintSemusi, 1},
    {"Nomi", PaintNomi, 2},
    {"Hone", PaintHone, 0},
    {"Ax", PaintAx, 0},
    {"Taru", PaintTaru, 0},
    {"tobu_honoo", PaintTobuHonoo, 0},
    {"Moeruhonoo", PaintMoeruhonoo, 0},
    {"honebasira", PaintHonebasira, 0},
    {"Ihuriito", PaintIhuriito, 2},
    {"Skeleton", PaintSkeleton, 4},
    {"Eipu", PaintEipu, 4},
    {"Spider", PaintSpider, 0},
    {"M_Spider", PaintMSpider, 0},
    {"Ax_Armor", PaintAxArmor, 6},
    {"Gargoile", PaintGargoile, 2},
    {"Hana", PaintHana, 2},
    {"Ito", PaintIto, 0},
    {"Hari_Lift", PaintHariLift, 0},
    {"Syanderia", PaintSyanderia, 0},
    {"Furiko", PaintFuriko, 0},
    {"Douzou", PaintDouzou, 0},
    {"San", PaintSan, 0},
    {"Ti", PaintTi, 0},
    {"Wasi", PaintWasi, 3},
    {"Crow", PaintCrow, 2},
    {"Fukurou", PaintFukurou, 3},
    {"Ogideran", PaintOgideran, 3},
    {"Porutaa", PaintPorutaa, 0},
    {"G_Hand", PaintGHand, 3},
    {"Yuurei", PaintYuurei, 1},
    {"Dancer", PaintDancer, 0},
    {"Uma", PaintUma, 2},
    {"Sukaru", PaintSukaru, 2},
    {"Turn", PaintTurn, 0},
    {"Bat", PaintBat, 0},
    {"Pping", PaintPping, 0},
    {"War_Sukaru", PaintWarSukaru, 4},
    {"Haru", PaintHaru, 4},
    {"Jyuhouten", PaintJyuhouten, 0},
    {"Wil", PaintWil, 2},
    {"Sukaru2", PaintSukaru2, 2},
    {"Flying_S", PaintFlyingS, 2},
    {"D_Zombie", PaintDZombie, 3},
    {"Kumo", PaintKumo, 0},
    {"Ekuto", PaintEkuto, 0},
    {"Red", PaintRed, 4},
};

}  // namespace

bool PaintEarlyFoe(const SpriteSet& set, int frame, Canvas& c) {
    for (const Painter& p : kPainters) {
        if (std::strcmp(p.set, set.name) != 0) continue;
        // Frames past the two facings are poses of their own, not turned round.
        const int pf = p.perFacing, twin = 2 * pf;
        const bool left = pf > 0 && frame >= pf && frame < twin;
        p.paint(c, pf == 0 ? frame : frame < twin ? frame % pf : frame - pf);
        if (left) c.MirrorX();
        return true;
    }
    return false;
}

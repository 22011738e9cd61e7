// The bosses of the four arenas with their shots and minions, the clear orb
// and the cast of the last stage. Each kind is painted as what it is, its
// figure filling the boxes the game tests it with: a pose is a handful of
// joints in fractions of the frame, drawn as limbs and shapes in flat
// colours, then rimmed, lit from the upper left and given its details.
#include <cmath>
#include <cstring>
#include <initializer_list>
#include <numbers>

#include "gen_art.h"

namespace {

constexpr double kPi = std::numbers::pi;

// --- colours -----------------------------------------------------------------------

constexpr int kRampFirst = 31;
constexpr int kRampEnd = kRampFirst + kRampCount * 16;

// The colour d shades lighter (or darker, d < 0) on its own ramp or on the greys.
uint8_t Lit(uint8_t i, int d) {
    if (i >= kRampFirst && i < kRampEnd) {
        const int ramp = (i - kRampFirst) / 16, shade = (i - kRampFirst) % 16;
        return Shade(ramp, std::clamp(shade + d, 0, 15));
    }
    if (i >= 1 && i <= 30) return Grey(std::clamp(i - 1 + d, 0, 29));
    return i;
}

int Family(uint8_t i) { return i >= kRampFirst && i < kRampEnd ? (i - kRampFirst) / 16 : -1; }

// Every figure is rimmed in the darkest shade of its own colour, lit from the
// upper left and shadowed to the lower right; a seam marks where two colours
// meet, so overlapping parts stay apart.
void Finish(Canvas& c, uint8_t bg) {
    const std::vector<uint8_t> src = c.px;
    auto at = [&](int x, int y) -> int {
        if (x < 0 || y < 0 || x >= c.w || y >= c.h) return bg;
        return src[static_cast<size_t>(y) * c.w + x];
    };
    for (int y = 0; y < c.h; ++y)
        for (int x = 0; x < c.w; ++x) {
            const int i = at(x, y);
            if (i == bg) continue;
            const uint8_t ink = static_cast<uint8_t>(i);
            uint8_t out = ink;
            if (at(x - 1, y) == bg || at(x + 1, y) == bg || at(x, y - 1) == bg || at(x, y + 1) == bg)
                out = Lit(ink, -10);
            else if (at(x - 1, y - 2) == bg || at(x - 2, y - 1) == bg)
                out = Lit(ink, 3);
            else if (at(x + 1, y + 2) == bg || at(x + 2, y + 1) == bg)
                out = Lit(ink, -3);
            else if ((at(x + 1, y) != i && Family(static_cast<uint8_t>(at(x + 1, y))) != Family(ink)) ||
                     (at(x, y + 1) != i && Family(static_cast<uint8_t>(at(x, y + 1))) != Family(ink)))
                out = Lit(ink, -3);
            c.px[static_cast<size_t>(y) * c.w + x] = out;
        }
}

// --- drawing in fractions of a rectangle -------------------------------------------

struct Pt {
    double u, v;
};

Pt Mid(Pt a, Pt b, double t = 0.5) { return Pt{a.u + (b.u - a.u) * t, a.v + (b.v - a.v) * t}; }

// Draws with positions given as fractions of a rectangle of the frame (so a
// figure reaches the edges of the box it fills) and sizes in pixels.
struct Pen {
    Canvas& c;
    double ox, oy, sw, sh;
    Pen(Canvas& canvas) : c(canvas), ox(0), oy(0), sw(canvas.w), sh(canvas.h) {}
    Pen(Canvas& canvas, double x, double y, double w, double h) : c(canvas), ox(x), oy(y), sw(w), sh(h) {}
    double X(double u) const { return ox + u * sw; }
    double Y(double v) const { return oy + v * sh; }
    void Cap(Pt a, double ra, Pt b, double rb, uint8_t ink) const {
        FillCapsule(c, X(a.u), Y(a.v), ra, X(b.u), Y(b.v), rb, ink);
    }
    // A two-part limb: root to joint to end.
    void Limb(Pt a, Pt j, Pt e, double ra, double rj, double re, uint8_t ink) const {
        Cap(a, ra, j, rj, ink);
        Cap(j, rj, e, re, ink);
    }
    // A limb in front of the body, ringed in the darkest shade of its colour
    // so it stands off what lies behind it.
    void Near(Pt a, Pt j, Pt e, double ra, double rj, double re, uint8_t ink) const {
        Limb(a, j, e, ra + 1, rj + 1, re + 1, Lit(ink, -10));
        Limb(a, j, e, ra, rj, re, ink);
    }
    void Ell(Pt p, double rx, double ry, uint8_t ink) const { c.Ellipse(X(p.u), Y(p.v), rx, ry, ink); }
    void Poly(std::initializer_list<Pt> pts, uint8_t ink) const {
        double xy[64];
        int n = 0;
        for (const Pt& p : pts) {
            if (n >= 32) break;
            xy[2 * n] = X(p.u), xy[2 * n + 1] = Y(p.v);
            ++n;
        }
        FillPolygon(c, xy, n, ink);
    }
    void Dot(Pt p, int w, int h, uint8_t ink) const {
        const int x = static_cast<int>(std::floor(X(p.u))), y = static_cast<int>(std::floor(Y(p.v)));
        c.Box(x, y, x + w, y + h, ink);
    }
};

// A point at a distance in pixels and an angle in degrees (0 right, 90 down) from p.
Pt Toward(const Pen& pen, Pt p, double len, double deg) {
    const double a = deg * kPi / 180;
    return Pt{p.u + len * std::cos(a) / pen.sw, p.v + len * std::sin(a) / pen.sh};
}

// --- the werewolf of stage 42 ------------------------------------------------------

struct WolfPose {
    Pt hip, chest, head;
    double snout;  // degrees: 0 ahead, negative up
    Pt elbowF, handF, elbowN, handN;
    Pt kneeF, footF, kneeN, footN;
    Pt tail;
    bool open;
};

// Poses 0 to 10 (the right-facing run) and the drop-in (22), fractions of
// the frame above its floor line.
// clang-format off
constexpr WolfPose kWolfPoses[12] = {
    // 0 crouched, ready
    {{0.36, 0.60}, {0.55, 0.34}, {0.74, 0.15}, 10, {0.70, 0.52}, {0.84, 0.70}, {0.76, 0.48}, {0.97, 0.60},
     {0.56, 0.76}, {0.34, 0.99}, {0.64, 0.78}, {0.50, 0.99}, {0.02, 0.52}, false},
    // 1 upright
    {{0.40, 0.55}, {0.50, 0.30}, {0.62, 0.11}, 15, {0.64, 0.42}, {0.80, 0.55}, {0.72, 0.40}, {0.97, 0.46},
     {0.50, 0.74}, {0.36, 0.99}, {0.58, 0.76}, {0.55, 0.99}, {0.03, 0.66}, false},
    // 2 running on all fours
    {{0.30, 0.40}, {0.62, 0.38}, {0.84, 0.22}, 10, {0.70, 0.66}, {0.80, 0.99}, {0.82, 0.60}, {0.97, 0.82},
     {0.30, 0.70}, {0.14, 0.99}, {0.22, 0.66}, {0.04, 0.86}, {0.01, 0.16}, false},
    // 3 the dash: stretched out low
    {{0.26, 0.42}, {0.64, 0.40}, {0.86, 0.32}, 5, {0.80, 0.62}, {0.96, 0.86}, {0.84, 0.52}, {0.99, 0.62},
     {0.16, 0.66}, {0.06, 0.98}, {0.12, 0.58}, {0.01, 0.78}, {0.01, 0.14}, true},
    // 4 rearing up to draw breath
    {{0.44, 0.60}, {0.50, 0.34}, {0.60, 0.10}, -40, {0.30, 0.26}, {0.20, 0.08}, {0.74, 0.28}, {0.90, 0.10},
     {0.54, 0.78}, {0.40, 0.99}, {0.62, 0.80}, {0.60, 0.99}, {0.04, 0.82}, true},
    // 5 spitting: leaning far forward
    {{0.30, 0.54}, {0.58, 0.36}, {0.86, 0.30}, 0, {0.66, 0.58}, {0.72, 0.78}, {0.74, 0.54}, {0.86, 0.66},
     {0.36, 0.78}, {0.22, 0.99}, {0.42, 0.80}, {0.36, 0.99}, {0.02, 0.02}, true},
    // 6 spitting low, neck stretched
    {{0.22, 0.46}, {0.56, 0.44}, {0.86, 0.18}, -15, {0.62, 0.72}, {0.70, 0.99}, {0.70, 0.70}, {0.84, 0.96},
     {0.24, 0.74}, {0.12, 0.99}, {0.32, 0.76}, {0.26, 0.99}, {0.01, 0.16}, true},
    // 7 coming up again
    {{0.36, 0.58}, {0.52, 0.34}, {0.72, 0.16}, 10, {0.60, 0.52}, {0.70, 0.70}, {0.72, 0.46}, {0.97, 0.52},
     {0.46, 0.76}, {0.30, 0.99}, {0.56, 0.78}, {0.50, 0.99}, {0.02, 0.62}, false},
    // 8 clinging to the wall ahead, climbing
    {{0.48, 0.66}, {0.56, 0.36}, {0.70, 0.13}, -60, {0.80, 0.22}, {0.98, 0.06}, {0.82, 0.48}, {0.99, 0.36},
     {0.74, 0.76}, {0.97, 0.72}, {0.70, 0.92}, {0.96, 0.99}, {0.02, 0.96}, false},
    // 9 curled in the leap, limbs tucked
    {{0.36, 0.58}, {0.58, 0.40}, {0.76, 0.22}, 30, {0.74, 0.64}, {0.90, 0.60}, {0.80, 0.56}, {0.98, 0.46},
     {0.56, 0.82}, {0.70, 0.98}, {0.48, 0.86}, {0.62, 0.99}, {0.02, 0.30}, false},
    // 10 the leap opening out, claws forward
    {{0.30, 0.56}, {0.56, 0.42}, {0.78, 0.24}, 10, {0.80, 0.54}, {0.99, 0.64}, {0.80, 0.38}, {0.99, 0.26},
     {0.20, 0.78}, {0.02, 0.96}, {0.30, 0.84}, {0.14, 0.99}, {0.01, 0.22}, true},
    // 22 dropping in upright, claws raised
    {{0.50, 0.56}, {0.50, 0.34}, {0.54, 0.15}, -30, {0.20, 0.18}, {0.06, 0.02}, {0.80, 0.18}, {0.94, 0.01},
     {0.40, 0.76}, {0.30, 0.99}, {0.62, 0.76}, {0.70, 0.98}, {0.06, 0.70}, true},
};
// clang-format on

// Fur tufts: n spikes of length len along a to b, pointing at deg.
void Tufts(const Pen& pen, Pt a, Pt b, int n, double len, double deg, uint8_t ink) {
    for (int k = 0; k < n; ++k) {
        const Pt p = Mid(a, b, (k + 0.5) / n);
        pen.Poly({Toward(pen, p, 2.5, deg - 90), Toward(pen, p, len, deg), Toward(pen, p, 2.5, deg + 90)}, ink);
    }
}

void PaintWolf(Canvas& c, int frame) {
    const int pose = frame == 22 ? 11 : frame % 11;
    const bool left = frame >= 11 && frame < 22;
    const WolfPose& p = kWolfPoses[pose];
    // Standing frames end two rows above their boxes, on the arena floor.
    const bool grounded = pose <= 7;
    const Pen pen(c, 0, 0, c.w, c.h - (grounded ? 2 : 0));
    const uint8_t fur = Grey(17), far = Grey(11), mane = Grey(9), belly = Grey(23), claw = Grey(29);
    // The bigger poses show a bigger beast: it fills the box it is struck in.
    const double k = std::clamp(std::sqrt(c.w * c.h / (56.0 * 92.0)), 1.0, 1.45);
    const double back = std::atan2((p.chest.v - p.hip.v) * pen.sh, (p.chest.u - p.hip.u) * pen.sw) * 180 / kPi;
    // Tail, the far limbs, then the body, the head and the near limbs.
    const Pt tailMid = Mid(p.hip, p.tail, 0.45);
    pen.Cap(p.hip, k * 4, tailMid, k * 5.5, mane);
    pen.Cap(tailMid, k * 5.5, p.tail, k * 2, mane);
    pen.Limb(p.chest, p.elbowF, p.handF, k * 4.5, k * 3.5, k * 3, far);
    pen.Ell(p.handF, k * 3.5, k * 3, far);
    pen.Limb(p.hip, p.kneeF, p.footF, k * 6, k * 4, k * 2.5, far);
    pen.Cap(p.footF, k * 2.5, Toward(pen, p.footF, k * 4, 0), k * 2, far);
    Tufts(pen, p.hip, p.chest, 4, k * 8, back - 90, mane);
    pen.Cap(p.hip, k * 8.5, p.chest, k * 11, fur);
    pen.Ell(Mid(p.hip, p.chest, 0.7), k * 6, k * 6, belly);
    pen.Cap(p.chest, k * 8, p.head, k * 5.5, mane);
    pen.Ell(Mid(p.chest, p.head, 0.3), k * 8.5, k * 8, mane);
    const Pt nose = Toward(pen, p.head, k * 10, p.snout);
    pen.Cap(p.head, k * 5.5, nose, k * 3, fur);
    if (p.open) {
        pen.Cap(Toward(pen, p.head, k * 3, p.snout + 50), k * 3, Toward(pen, nose, k * 3, p.snout + 80), k * 2,
                Shade(kRed, 4));
        pen.Cap(Toward(pen, p.head, k * 4, p.snout + 70), k * 2.5, Toward(pen, nose, k * 5, p.snout + 95), k * 1.5,
                fur);
    }
    pen.Ell(p.head, k * 6.5, k * 6, fur);
    // Ears stand back from the brow.
    const Pt ear = Toward(pen, p.head, k * 4, p.snout - 120);
    pen.Poly({Toward(pen, ear, k * 3.5, p.snout - 30), Toward(pen, ear, k * 8, p.snout - 105),
              Toward(pen, ear, k * 3.5, p.snout + 150)},
             mane);
    pen.Limb(p.hip, p.kneeN, p.footN, k * 7, k * 4.5, k * 3, fur);
    pen.Cap(p.footN, k * 3, Toward(pen, p.footN, k * 5, 0), k * 2.5, fur);
    pen.Near(Toward(pen, p.chest, k * 3, back), p.elbowN, p.handN, k * 5.5, k * 4, k * 3, fur);
    pen.Ell(p.handN, k * 4, k * 3.5, fur);
    if (grounded) c.Box(0, c.h - 2, c.w, c.h, 255);
    Finish(c, 255);
    // Claws, fangs and the red eye go on last, unshaded.
    const double reach = std::atan2((p.handN.v - p.elbowN.v) * pen.sh, (p.handN.u - p.elbowN.u) * pen.sw) * 180 / kPi;
    for (int k = -1; k <= 1; ++k) {
        const Pt from = Toward(pen, p.handN, 3, reach + k * 40);
        pen.Cap(from, 0.6, Toward(pen, from, 3, reach + k * 30), 0.5, claw);
    }
    const Pt eye = Toward(pen, p.head, 3.5, p.snout - 45);
    pen.Dot(eye, 2, 2, Shade(kRed, 11));
    pen.Dot(eye, 1, 1, Shade(kYellow, 14));
    if (p.open) {
        pen.Dot(Toward(pen, nose, 2.5, p.snout + 110), 1, 2, claw);
        pen.Dot(Toward(pen, p.head, 5, p.snout + 40), 1, 2, claw);
    }
    if (grounded) c.Box(0, c.h - 2, c.w, c.h, 255);
    if (left) c.MirrorX();
}

// --- the minotaur of stage 42 and its clods -----------------------------------------

struct Rc {
    int l, t, r, b;
    int W() const { return r - l; }
    int H() const { return b - t; }
    double X(double f) const { return l + f * (r - l); }
    double Y(double f) const { return t + f * (b - t); }
    bool Empty() const { return r <= l; }
};

Rc MirrorRc(Rc r, int width) { return r.Empty() ? r : Rc{width - r.r, r.t, width - r.l, r.b}; }

// By frame, in the picture's pixels: the body (its weapon box), the reach of
// its arm or axe (none when empty) and the row its hooves stand on (0 in the
// air). The left-facing run has its own boxes, not a mirror of the right.
struct MinoFrame {
    Rc body, reach;
    int feet;
};
// clang-format off
constexpr MinoFrame kMinoFrames[26] = {
    {{0, 0, 96, 150}, {120, 8, 168, 64}, 154},   {{0, 0, 96, 150}, {0, 0, 130, 176}, 180},
    {{0, 0, 96, 150}, {0, 0, 112, 180}, 184},    {{0, 0, 96, 150}, {0, 0, 130, 190}, 188},
    {{0, 0, 96, 150}, {0, 0, 130, 176}, 180},    {{0, 0, 96, 150}, {0, 0, 162, 150}, 154},
    {{0, 0, 96, 150}, {}, 154},                  {{0, 0, 96, 150}, {0, 0, 154, 170}, 168},
    {{0, 0, 96, 150}, {108, 28, 154, 90}, 154},  {{0, 0, 96, 150}, {120, 20, 224, 104}, 150},
    {{0, 0, 96, 150}, {106, 104, 164, 160}, 160}, {{0, 0, 96, 150}, {146, 56, 206, 114}, 154},
    {{70, 54, 148, 212}, {0, 0, 150, 30}, 0},
    {{72, 0, 168, 150}, {0, 8, 48, 64}, 154},    {{72, 0, 168, 150}, {0, 0, 130, 176}, 180},
    {{72, 0, 168, 150}, {0, 0, 112, 180}, 184},  {{72, 0, 168, 150}, {0, 0, 130, 190}, 188},
    {{72, 0, 168, 150}, {0, 0, 130, 176}, 180},  {{72, 0, 168, 150}, {0, 0, 162, 150}, 154},
    {{72, 0, 168, 150}, {}, 154},                {{72, 0, 168, 150}, {0, 0, 154, 170}, 168},
    {{72, 0, 168, 150}, {0, 28, 46, 90}, 154},   {{72, 0, 168, 150}, {0, 20, 104, 104}, 150},
    {{72, 0, 168, 150}, {0, 104, 58, 160}, 160}, {{72, 0, 168, 150}, {0, 56, 60, 114}, 154},
    {{0, 54, 88, 212}, {0, 0, 150, 30}, 0},
};
// clang-format on

// A clod of earth: a lumpy brown ball with a few stones in it.
void Clod(const Pen& pen, Pt at, double r) {
    pen.Ell(at, r, r * 0.85, Shade(kOrange, 4));
    pen.Ell(Pt{at.u + r * 0.4, at.v - r * 0.3}, r * 0.6, r * 0.5, Shade(kOrange, 5));
    pen.Ell(Pt{at.u - r * 0.5, at.v + r * 0.2}, r * 0.45, r * 0.4, Shade(kOrange, 3));
}

// The great axe: its haft from the grip to the blade, the blade a half moon
// filling the box it strikes with.
void Axe(const Pen& pen, Pt grip, Pt butt, const Rc& blade, bool upright) {
    const uint8_t wood = Shade(kOrange, 3), steel = Grey(21);
    const Pt head = upright ? Pt{blade.X(0.1), blade.Y(0.5)} : Pt{blade.X(0.12), blade.Y(0.5)};
    pen.Cap(butt, 2.5, head, 2.5, wood);
    (void)grip;
    pen.Poly({{blade.X(0), blade.Y(0.22)},
              {blade.X(0.55), blade.Y(0)},
              {blade.X(1), blade.Y(0.02)},
              {blade.X(0.82), blade.Y(0.5)},
              {blade.X(1), blade.Y(0.98)},
              {blade.X(0.55), blade.Y(1)},
              {blade.X(0), blade.Y(0.78)}},
             steel);
    pen.Cap(head, 3.5, Pt{head.u, head.v}, 3.5, Grey(12));
}

void PaintMino(Canvas& c, int frame) {
    const bool left = frame >= 13;
    const int pose = frame % 13;
    const MinoFrame& m = kMinoFrames[frame];
    const Rc B = left ? MirrorRc(m.body, c.w) : m.body;
    const Rc R = left ? MirrorRc(m.reach, c.w) : m.reach;
    const Pen pen(c, 0, 0, 1, 1);
    const uint8_t hide = Shade(kOrange, 5), far = Shade(kOrange, 3), horn = Grey(25), cloth = Shade(kRed, 5);
    const double bw = B.W(), bh = B.H();
    const bool air = m.feet == 0;
    const double feet = air ? B.b - 2 : m.feet - 1;
    // The body's joints, facing right.
    const Pt head{B.X(0.6), B.Y(0.15)}, chest{B.X(0.5), B.Y(0.34)}, hip{B.X(0.46), B.Y(0.6)};
    const Pt shoulderN{B.X(0.64), B.Y(0.28)}, shoulderF{B.X(0.34), B.Y(0.28)};
    Pt kneeN{B.X(0.62), B.Y(0.8)}, hoofN{B.X(0.64), feet - 3}, kneeF{B.X(0.3), B.Y(0.8)}, hoofF{B.X(0.22), feet - 3};
    if (air) {
        kneeN = Pt{B.X(0.8), B.Y(0.74)}, hoofN = Pt{B.X(0.62), feet - 3};
        kneeF = Pt{B.X(0.62), B.Y(0.78)}, hoofF = Pt{B.X(0.34), feet - 3};
    } else if (pose == 5 || pose == 8) {  // a hop as it throws or heaves the axe up
        kneeN = Pt{B.X(0.72), B.Y(0.78)}, kneeF = Pt{B.X(0.28), B.Y(0.82)};
    }
    // Hands and what they hold, by pose.
    Pt handN{B.X(0.8), B.Y(0.55)}, handF{B.X(0.2), B.Y(0.58)};
    bool axe = false, upright = false;
    int clods = 0;
    Pt throwTo{};
    Rc blade{};
    Pt butt{};
    switch (pose) {
        case 0:
            axe = upright = true;
            blade = R;
            handN = Pt{R.X(0.1), B.Y(0.42)}, handF = Pt{R.X(0.1), B.Y(0.58)};
            butt = Pt{R.X(0.1), B.Y(0.9)};
            break;
        case 1:
        case 2:
        case 3:
        case 4: {
            // Scooping earth up from the floor ahead and lifting it.
            const double lift[5] = {0, 0.9, 0.72, 0.52, 0.32};
            clods = 3;
            handN = Pt{B.r + 12.0, B.Y(lift[pose])};
            throwTo = Pt{R.r - 7.0, pose == 1 ? R.b - 8.0 : handN.v - 4};
            break;
        }
        case 5: clods = 3, handN = Pt{B.r + 14.0, B.Y(0.16)}, throwTo = Pt{R.r - 7.0, R.Y(0.12)}; break;
        case 6: clods = 1, handN = Pt{B.X(0.18), B.Y(0.06)}, handF = Pt{B.X(0.9), B.Y(0.5)}, throwTo = handN; break;
        case 7: clods = 3, handN = Pt{B.r + 16.0, B.Y(0.42)}, throwTo = Pt{R.r - 7.0, R.Y(0.36)}; break;
        case 12:
            axe = true;
            blade = Rc{R.r - 36, R.t, R.r, R.b};
            handN = Pt{B.X(0.85), R.Y(0.5)}, handF = Pt{B.X(0.15), R.Y(0.5)};
            butt = Pt{R.X(0.0) + 2, R.Y(0.5)};
            break;
        default:  // the axe strokes: high, forward, low, across
            axe = true;
            blade = pose == 9 ? Rc{R.r - 44, R.t, R.r, R.b} : R;
            handN = Pt{B.X(0.86), B.Y(pose == 10 ? 0.55 : 0.4)}, handF = Pt{B.X(0.7), B.Y(pose == 10 ? 0.6 : 0.46)};
            butt = Toward(pen, handF, 10, std::atan2(handF.v - blade.Y(0.5), handF.u - blade.X(0)) * 180 / kPi);
            break;
    }
    auto elbow = [&](Pt s, Pt h, double bend) {
        const Pt mid = Mid(s, h);
        return Pt{mid.u - (h.v - s.v) * bend * 0.25, mid.v + std::fabs(h.u - s.u) * bend * 0.25 + 6};
    };
    // Far side first: arm, leg; then tail, body, loincloth, head; near leg, arm.
    pen.Limb(shoulderF, elbow(shoulderF, handF, 1), handF, 10, 8, 7, far);
    pen.Limb(hip, kneeF, hoofF, 14, 9, 7, far);
    pen.Ell(hoofF, 7, 4, Grey(5));
    pen.Cap(hip, 3, Pt{B.X(0.02), B.Y(0.52)}, 2, far);
    pen.Ell(Pt{B.X(0.04), B.Y(0.55)}, 3.5, 5, Grey(6));
    pen.Cap(hip, bw * 0.24, chest, bw * 0.33, hide);
    pen.Ell(chest, bw * 0.4, bh * 0.15, hide);
    // Horns sweep out and up to the top corners of the body.
    pen.Cap(Pt{head.u - 8, head.v - 6}, 4.5, Pt{B.X(0.12), B.Y(0.07)}, 3, horn);
    pen.Cap(Pt{B.X(0.12), B.Y(0.07)}, 3, Pt{B.X(0.04), B.t + 1.0}, 1.5, horn);
    pen.Cap(Pt{head.u + 8, head.v - 6}, 4.5, Pt{B.X(0.9), B.Y(0.06)}, 3, horn);
    pen.Cap(Pt{B.X(0.9), B.Y(0.06)}, 3, Pt{B.X(0.97), B.t + 1.0}, 1.5, horn);
    pen.Cap(chest, 12, head, 11, hide);
    pen.Ell(head, 13, 12, hide);
    pen.Ell(Pt{head.u - 3, head.v - 9}, 8, 5, Shade(kOrange, 2));
    pen.Ell(Pt{head.u + 11, head.v + 7}, 9, 7, Shade(kOrange, 7));
    pen.Near(hip, kneeN, hoofN, 15, 10, 7.5, hide);
    pen.Ell(hoofN, 7.5, 4, Grey(5));
    // A kilt over the thighs, belted.
    pen.Poly({{B.X(0.2), B.Y(0.55)},
              {B.X(0.76), B.Y(0.55)},
              {B.X(0.82), B.Y(0.72)},
              {B.X(0.5), B.Y(0.76)},
              {B.X(0.16), B.Y(0.72)}},
             cloth);
    pen.Cap(Pt{B.X(0.2), B.Y(0.56)}, 3, Pt{B.X(0.76), B.Y(0.56)}, 3, Grey(8));
    pen.Ell(Pt{chest.u + 6, chest.v + 4}, bw * 0.18, bh * 0.07, Shade(kOrange, 7));
    if (axe) {
        const Pt bladeAt = upright ? Pt{blade.X(0.1), blade.Y(0.5)} : Pt{blade.X(0.12), blade.Y(0.5)};
        pen.Cap(butt, 2.5, bladeAt, 2.5, Shade(kOrange, 3));
        Axe(pen, handN, butt, blade, upright);
    }
    pen.Near(shoulderN, elbow(shoulderN, handN, 1), handN, 11, 9, 7.5, hide);
    pen.Ell(handN, 7.5, 7, hide);
    // The earth it throws runs from its hand to the far end of its reach.
    for (int k = 0; k < clods; ++k) {
        const double t = clods == 1 ? 0 : static_cast<double>(k) / (clods - 1);
        Clod(pen, Mid(Pt{handN.u + 3, handN.v - 3}, throwTo, t), 7.5 - k);
    }
    if (!air) c.Box(0, m.feet, c.w, c.h, 255);
    Finish(c, 255);
    // Eye, nostril ring.
    pen.Dot(Pt{head.u + 4, head.v - 4}, 3, 2, Shade(kRed, 12));
    pen.Dot(Pt{head.u + 5, head.v - 4}, 1, 1, Shade(kYellow, 14));
    pen.Dot(Pt{head.u + 17, head.v + 9}, 2, 3, Shade(kYellow, 11));
    if (left) c.MirrorX();
}

void PaintClod(Canvas& c, int frame) {
    const Pen pen(c, 0, 0, 1, 1);
    Clod(pen, Pt{c.w * 0.5, c.h * 0.5}, c.h * 0.62);
    pen.Ell(Pt{c.w * 0.32, c.h * 0.6}, c.w * 0.3, c.h * 0.42, Shade(kOrange, 4));
    pen.Ell(Pt{c.w * 0.7, c.h * 0.45}, c.w * 0.3, c.h * 0.45, Shade(kOrange, 5));
    // Crumbs trail behind the way it flies.
    pen.Ell(Pt{c.w * 0.12, c.h * 0.3}, 3, 3, Shade(kOrange, 3));
    Finish(c, 255);
    pen.Dot(Pt{c.w * 0.55, c.h * 0.35}, 2, 2, Grey(18));
    pen.Dot(Pt{c.w * 0.3, c.h * 0.6}, 2, 1, Grey(14));
    if (frame == 0) c.MirrorX();
}

// --- stage 43: the giant bat, the gorgon, the mummy, the giant, the sorcerer -----

// A bat's wing from the shoulder: the leading edge to the wrist and the tip,
// then the membrane scalloped between the finger tips back to the flank.
void BatWing(const Pen& pen, Pt shoulder, Pt wrist, Pt tip, Pt f1, Pt f2, Pt flank, uint8_t skin, uint8_t bone) {
    const Pt s1 = Mid(Mid(tip, f1), Mid(wrist, Mid(tip, f1)), 0.5), s2 = Mid(Mid(f1, f2), wrist, 0.35),
             s3 = Mid(Mid(f2, flank), wrist, 0.35);
    pen.Poly({shoulder, wrist, tip, s1, f1, s2, f2, s3, flank}, skin);
    pen.Cap(shoulder, 2, wrist, 1.5, bone);
    pen.Cap(wrist, 1.5, tip, 0.8, bone);
    pen.Cap(wrist, 1.2, f1, 0.8, bone);
    pen.Cap(wrist, 1.2, f2, 0.8, bone);
}

// The giant bat: wings spread wide (0) or beating up (1, drawn in the
// narrower box its body then has).
void PaintGiantBat(Canvas& c, int frame) {
    const uint8_t fur = Shade(kPurple, 3), skin = Shade(kViolet, 4), bone = Shade(kPurple, 2);
    const double w = frame == 0 ? 96 : 64, h = frame == 0 ? 44 : 46;
    const Pen pen(c, 0, 0, w, h);
    const Pt body{0.5, frame == 0 ? 0.42 : 0.55};
    for (int side = 0; side < 2; ++side) {
        const double m = side == 0 ? 1 : -1;
        auto X = [&](double u) { return 0.5 + m * (u - 0.5); };
        if (frame == 0)
            BatWing(pen, Pt{X(0.56), 0.32}, Pt{X(0.78), 0.06}, Pt{X(1.0), 0.2}, Pt{X(0.9), 0.86}, Pt{X(0.74), 1.0},
                    Pt{X(0.56), 0.62}, skin, bone);
        else
            BatWing(pen, Pt{X(0.58), 0.46}, Pt{X(0.8), 0.1}, Pt{X(0.98), 0.0}, Pt{X(1.0), 0.5}, Pt{X(0.86), 0.84},
                    Pt{X(0.58), 0.74}, skin, bone);
    }
    pen.Ell(body, 9, 12, fur);
    pen.Ell(Pt{body.u, body.v - 0.28}, 7, 6.5, fur);
    // Ears and the hind feet.
    pen.Poly({{body.u - 0.07, body.v - 0.36}, {body.u - 0.06, body.v - 0.42 - 8 / h}, {body.u - 0.01, body.v - 0.36}},
             fur);
    pen.Poly({{body.u + 0.07, body.v - 0.36}, {body.u + 0.06, body.v - 0.42 - 8 / h}, {body.u + 0.01, body.v - 0.36}},
             fur);
    pen.Cap(Pt{body.u - 0.04, body.v + 0.2}, 2, Pt{body.u - 0.05, 1.0}, 1.5, bone);
    pen.Cap(Pt{body.u + 0.04, body.v + 0.2}, 2, Pt{body.u + 0.05, 1.0}, 1.5, bone);
    Finish(c, 255);
    const Pt eye{body.u - 4 / w, body.v - 0.28};
    pen.Dot(eye, 2, 2, Shade(kRed, 12));
    pen.Dot(Pt{eye.u + 6 / w, eye.v}, 2, 2, Shade(kRed, 12));
    pen.Dot(Pt{body.u - 2 / w, body.v - 0.16}, 1, 2, Grey(29));
    pen.Dot(Pt{body.u + 2 / w, body.v - 0.16}, 1, 2, Grey(29));
}

// Snake locks: short wriggling snakes fanned round a head, each with an eye.
void SnakeLocks(const Pen& pen, Pt head, double r, int n, double from, double to, int phase, uint8_t ink) {
    for (int k = 0; k < n; ++k) {
        const double a = from + (to - from) * k / (n - 1);
        const Pt root = Toward(pen, head, r * 0.7, a);
        const Pt mid = Toward(pen, Toward(pen, head, r * 1.35, a), 2.5, a + ((k + phase) % 2 ? 70 : -70));
        const Pt tip = Toward(pen, head, r * 1.9, a + ((k + phase) % 2 ? -12 : 12));
        pen.Cap(root, 2.6, mid, 2.2, ink);
        pen.Cap(mid, 2.2, tip, 2.8, ink);
    }
}

// The gorgon: a woman's body above a serpent's coils, facing left across the
// arena; the four pictures are the sway of its slither.
void PaintGorgon(Canvas& c, int frame) {
    const uint8_t skin = Shade(kLime, 9), scales = Shade(kGreen, 5), belly = Shade(kYellow, 9), hair = Shade(kGreen, 3),
                  gold = Shade(kYellow, 10);
    const Pen pen(c);
    const double sway = (frame == 1 || frame == 3 ? 0.04 : 0) * (frame == 3 ? -1 : 1) + (frame == 2 ? 0.06 : 0);
    const Pt head{0.52 + sway * 0.5, 0.11}, chest{0.5 + sway * 0.4, 0.3}, hip{0.48 + sway * 0.2, 0.5};
    // The tail: from the hips down into a coil on the floor, its tip flicking.
    const Pt c1{0.32 - sway, 0.66}, c2{0.64 + sway, 0.8}, c3{0.2, 0.93}, tip{0.0 + (frame % 2) * 0.04, 0.82};
    pen.Cap(hip, 11, c1, 10, scales);
    pen.Cap(c1, 10, c2, 10, scales);
    pen.Cap(c2, 10, Pt{0.98, 0.92}, 9, scales);
    pen.Cap(Pt{0.98, 0.92}, 9, c3, 8, scales);
    pen.Cap(c3, 8, tip, 2.5, scales);
    pen.Cap(Pt{0.62, 0.99}, 3, Pt{0.12, 0.99}, 3, belly);
    // Far arm raised, body, near arm reaching ahead (to the right: mirrored).
    pen.Limb(Pt{chest.u - 0.12, chest.v - 0.02}, Pt{0.12, 0.28}, Pt{0.04, 0.18}, 3.5, 3, 2.5, Lit(skin, -3));
    pen.Cap(hip, 8, chest, 9, skin);
    pen.Cap(Pt{chest.u - 0.16, chest.v + 0.01}, 3.5, Pt{chest.u + 0.16, chest.v + 0.01}, 3.5, gold);
    pen.Cap(Pt{hip.u - 0.16, hip.v}, 3, Pt{hip.u + 0.16, hip.v}, 3, gold);
    pen.Cap(chest, 4, head, 4, skin);
    SnakeLocks(pen, head, 7, 7, -200, 20, frame, hair);
    pen.Ell(head, 7, 8, skin);
    pen.Limb(Pt{chest.u + 0.12, chest.v - 0.02}, Pt{0.86, 0.36}, Pt{0.98, 0.3}, 3.5, 3, 2.5, skin);
    pen.Poly({{0.9, 0.26}, {1.0, 0.24}, {0.99, 0.33}}, skin);
    Finish(c, 255);
    pen.Dot(Toward(pen, head, 3.5, -20), 2, 2, Shade(kRed, 8));
    pen.Dot(Toward(pen, head, 5, 40), 2, 1, Shade(kRed, 6));
    c.MirrorX();
}

// A gorgon's head in flight, its snake locks streaming behind: frame 0
// flies right, frame 1 left.
void PaintGorgonHead(Canvas& c, int frame) {
    const uint8_t skin = Shade(kLime, 9), hair = Shade(kGreen, 3);
    const Pen pen(c);
    const Pt head{0.64, 0.52};
    SnakeLocks(pen, head, 12, 7, 110, 250, 0, hair);
    pen.Ell(head, 11, 13, skin);
    pen.Ell(Pt{0.84, 0.6}, 5, 6, skin);
    Finish(c, 255);
    pen.Dot(Toward(pen, head, 6, -25), 3, 3, Shade(kRed, 8));
    pen.Dot(Toward(pen, head, 6, -25), 1, 1, Shade(kYellow, 14));
    pen.Cap(Toward(pen, head, 9, 35), 1.5, Toward(pen, head, 12, 50), 1.5, Shade(kRed, 4));
    pen.Dot(Toward(pen, head, 10, 38), 1, 2, Grey(29));
    if (frame == 1) c.MirrorX();
}

// Bandage windings: darker bands across a pale wrapping.
void Bands(Canvas& c, uint8_t cloth, int step, int phase) {
    for (int y = 0; y < c.h; ++y)
        for (int x = 0; x < c.w; ++x) {
            uint8_t& p = c.px[static_cast<size_t>(y) * c.w + x];
            if (p != cloth) continue;
            if ((y * 2 + x + phase) % step == 0) p = Lit(cloth, -4);
        }
}

// The mummy, arms out ahead (to the left), shuffling in: frame 0 a long
// stride with the arms reaching, frame 1 feet together, arms raised to cast.
void PaintMummy(Canvas& c, int frame) {
    const uint8_t cloth = Grey(21), dark = Grey(13);
    const Pen pen(c);
    const bool stride = frame == 0;
    const Pt head{0.44, 0.1}, chest{0.42, 0.3}, hip{0.4, 0.56};
    pen.Limb(hip, Pt{stride ? 0.22 : 0.36, 0.78}, Pt{stride ? 0.1 : 0.3, 0.97}, 5, 4, 3.5, dark);
    pen.Ell(Pt{stride ? 0.1 : 0.3, 0.97}, 5, 2.5, dark);
    pen.Limb(chest, Pt{0.7, stride ? 0.3 : 0.2}, Pt{0.96, stride ? 0.3 : 0.08}, 4, 3.5, 3, dark);
    pen.Cap(hip, 7, chest, 8, cloth);
    pen.Cap(chest, 4, head, 4, cloth);
    pen.Ell(head, 6.5, 7.5, cloth);
    pen.Limb(hip, Pt{stride ? 0.6 : 0.5, 0.78}, Pt{stride ? 0.72 : 0.56, 0.97}, 5.5, 4.5, 3.5, cloth);
    pen.Ell(Pt{stride ? 0.76 : 0.6, 0.97}, 5, 2.5, cloth);
    pen.Limb(Pt{chest.u + 0.06, chest.v - 0.02}, Pt{0.72, stride ? 0.34 : 0.24}, Pt{1.0, stride ? 0.36 : 0.12}, 4, 3.5,
             3, cloth);
    // A loose end of bandage trails from the back.
    pen.Cap(Pt{0.3, 0.36}, 1.5, Pt{0.02, stride ? 0.5 : 0.44}, 1.5, cloth);
    Bands(c, cloth, 5, frame);
    Finish(c, 255);
    pen.Cap(Pt{0.4, 0.1}, 1, Pt{0.62, 0.09}, 1, Grey(3));
    pen.Dot(Pt{0.54, 0.085}, 2, 1, Shade(kYellow, 13));
    c.MirrorX();
}

// A boulder: a rough grey rock with cracks and a patch of moss.
void PaintBoulder(Canvas& c) {
    const Pen pen(c);
    pen.Poly({{0.18, 0.04},
              {0.62, 0.0},
              {0.9, 0.14},
              {1.0, 0.5},
              {0.92, 0.86},
              {0.6, 1.0},
              {0.2, 0.96},
              {0.0, 0.62},
              {0.04, 0.24}},
             Grey(14));
    pen.Ell(Pt{0.4, 0.34}, 12, 8, Grey(17));
    pen.Ell(Pt{0.72, 0.7}, 9, 7, Grey(11));
    pen.Ell(Pt{0.22, 0.2}, 6, 3, Shade(kGreen, 5));
    Finish(c, 255);
    pen.Cap(Pt{0.5, 0.46}, 0.6, Pt{0.62, 0.62}, 0.6, Grey(5));
    pen.Cap(Pt{0.62, 0.62}, 0.6, Pt{0.58, 0.84}, 0.6, Grey(5));
    pen.Cap(Pt{0.62, 0.62}, 0.6, Pt{0.8, 0.6}, 0.6, Grey(5));
}

// A bandage flung through the air, its strip rippling (the second picture
// is a wider ripple).
void PaintBandage(Canvas& c, int frame) {
    const Pen pen(c);
    const double h = frame == 0 ? 14 : 16;
    for (int x = 0; x < c.w; ++x) {
        const double mid = h / 2 + (h / 2 - 3) * std::sin((x + frame * 4) * kPi / 8);
        c.Box(x, static_cast<int>(std::lround(mid - 2.5)), x + 1, static_cast<int>(std::lround(mid + 2.5)), Grey(21));
    }
    Bands(c, Grey(21), 4, 0);
    Finish(c, 255);
    (void)pen;
}

// The giant stitched together from the dead, facing left; by picture: two
// steps of its walk, the stamp (raise, lift high, stamp down) and the call
// (arms rising, arms spread).
struct GiantPose {
    double w;  // the picture's width
    Pt kneeN, footN, kneeF, footF;
    Pt elbowN, handN, elbowF, handF;
    double lean;
};
// clang-format off
constexpr GiantPose kGiantPoses[7] = {
    {40, {0.6, 0.76}, {0.7, 0.99}, {0.42, 0.76}, {0.34, 0.99}, {0.7, 0.42}, {0.92, 0.42}, {0.52, 0.42}, {0.8, 0.44}, 0},
    {50, {0.66, 0.76}, {0.9, 0.99}, {0.36, 0.76}, {0.2, 0.99}, {0.72, 0.42}, {0.98, 0.44}, {0.5, 0.44}, {0.84, 0.46}, 0.02},
    {60, {0.74, 0.68}, {0.78, 0.84}, {0.36, 0.78}, {0.28, 0.99}, {0.7, 0.28}, {0.96, 0.2}, {0.3, 0.3}, {0.16, 0.18}, 0},
    {72, {0.82, 0.6}, {0.98, 0.72}, {0.3, 0.78}, {0.22, 0.99}, {0.56, 0.14}, {0.76, 0.02}, {0.24, 0.22}, {0.12, 0.06}, -0.02},
    {58, {0.7, 0.76}, {0.84, 0.99}, {0.34, 0.76}, {0.24, 0.99}, {0.7, 0.44}, {0.9, 0.56}, {0.4, 0.44}, {0.5, 0.58}, 0.04},
    {54, {0.62, 0.76}, {0.72, 0.99}, {0.38, 0.76}, {0.3, 0.99}, {0.78, 0.3}, {0.98, 0.16}, {0.28, 0.3}, {0.14, 0.16}, 0},
    {88, {0.56, 0.76}, {0.64, 0.99}, {0.4, 0.76}, {0.34, 0.99}, {0.7, 0.24}, {0.99, 0.14}, {0.24, 0.24}, {0.01, 0.14}, 0},
};
// clang-format on

void PaintGiant(Canvas& c, int frame) {
    const GiantPose& g = kGiantPoses[frame];
    const uint8_t skin = Shade(kLime, 6), coat = Grey(7), coatFar = Grey(4), trousers = Shade(kOrange, 2),
                  boot = Grey(3);
    // Its back is 40 pixels from the left of every picture, its front
    // reaches out as far as the pose needs.
    const double back = 0, bodyW = 40;
    const Pen pen(c, 0, 0, c.w, c.h);
    const double w = c.w;
    auto U = [&](double f) { return (back + f * bodyW) / w; };
    const Pt hip{U(0.42), 0.56}, chest{U(0.47) + g.lean, 0.3}, head{U(0.56) + g.lean, 0.09};
    auto L = [&](Pt p) { return Pt{p.u * g.w / w, p.v}; };
    pen.Limb(Pt{chest.u - 0.05, chest.v}, L(g.elbowF), L(g.handF), 5, 4.5, 4, coatFar);
    pen.Ell(L(g.handF), 4.5, 4.5, Lit(skin, -2));
    pen.Limb(hip, L(g.kneeF), L(g.footF), 7, 6, 5, Lit(trousers, -1));
    pen.Ell(Pt{L(g.footF).u + 0.04, L(g.footF).v - 0.01}, 7, 4, boot);
    pen.Cap(chest, 6, head, 6, skin);
    pen.Cap(hip, 13, chest, 15, coat);
    pen.Ell(head, 10, 12, skin);
    // Flat black hair on a square skull, a heavy brow, bolts in the neck.
    pen.Poly({{head.u - 10.5 / w, head.v - 0.075},
              {head.u + 10.5 / w, head.v - 0.075},
              {head.u + 10.5 / w, head.v - 0.03},
              {head.u - 10.5 / w, head.v - 0.01}},
             Grey(2));
    pen.Cap(Pt{head.u - 13 / w, 0.17}, 2, Pt{head.u - 8 / w, 0.17}, 2, Grey(20));
    pen.Cap(Pt{head.u + 8 / w, 0.17}, 2, Pt{head.u + 13 / w, 0.17}, 2, Grey(20));
    pen.Limb(hip, L(g.kneeN), L(g.footN), 7.5, 6.5, 5.5, trousers);
    pen.Ell(Pt{L(g.footN).u + 0.04, L(g.footN).v - 0.01}, 7.5, 4, boot);
    // The coat's skirts hang over the thighs.
    pen.Poly(
        {{hip.u - 12 / w, hip.v - 0.02}, {hip.u + 12 / w, hip.v - 0.02}, {hip.u + 15 / w, 0.7}, {hip.u - 14 / w, 0.7}},
        coat);
    pen.Near(Pt{chest.u + 0.05, chest.v}, L(g.elbowN), L(g.handN), 5.5, 5, 4.5, coat);
    pen.Ell(L(g.handN), 5, 5, skin);
    Finish(c, 255);
    // Brow, a dull eye, the mouth and a stitched scar.
    pen.Cap(Pt{head.u, head.v - 0.012}, 1, Pt{head.u + 9 / w, head.v - 0.012}, 1, Grey(2));
    pen.Dot(Pt{head.u + 4 / w, head.v - 0.004}, 3, 2, Shade(kYellow, 13));
    pen.Cap(Pt{head.u + 1 / w, head.v + 0.05}, 0.6, Pt{head.u + 8 / w, head.v + 0.05}, 0.6, Grey(2));
    pen.Cap(Pt{head.u - 7 / w, head.v - 0.03}, 0.5, Pt{head.u - 3 / w, head.v + 0.03}, 0.5, Grey(3));
    for (int k = 0; k < 3; ++k) pen.Dot(Pt{head.u + (-7 + k * 2 - 1) / w, head.v - 0.02 + k * 0.02}, 3, 1, Grey(3));
    c.MirrorX();
}

// The sorcerer of the last duel: a horned, hooded figure in a great robe,
// seen from the front, a ball of its magic in each hand.
void PaintSorcerer(Canvas& c) {
    const uint8_t robe = Shade(kPurple, 5), inner = Shade(kPurple, 2), trim = Shade(kYellow, 10),
                  ball = Shade(kMagenta, 10);
    const Pen pen(c);
    pen.Poly({{0.36, 0.14}, {0.64, 0.14}, {0.94, 1.0}, {0.06, 1.0}}, robe);
    pen.Poly({{0.44, 0.3}, {0.56, 0.3}, {0.66, 1.0}, {0.34, 1.0}}, inner);
    // Sleeves out to the orbs at the sides.
    pen.Cap(Pt{0.38, 0.3}, 7, Pt{0.12, 0.5}, 8, robe);
    pen.Cap(Pt{0.62, 0.3}, 7, Pt{0.88, 0.5}, 8, robe);
    pen.Ell(Pt{0.5, 0.16}, 15, 14, robe);
    pen.Ell(Pt{0.5, 0.19}, 9, 8, Grey(2));
    // Horns through the hood.
    pen.Cap(Pt{0.36, 0.1}, 3.5, Pt{0.26, 0.02}, 2.5, Grey(25));
    pen.Cap(Pt{0.26, 0.02}, 2.5, Pt{0.3, 0.0}, 1, Grey(25));
    pen.Cap(Pt{0.64, 0.1}, 3.5, Pt{0.74, 0.02}, 2.5, Grey(25));
    pen.Cap(Pt{0.74, 0.02}, 2.5, Pt{0.7, 0.0}, 1, Grey(25));
    pen.Ell(Pt{0.09, 0.58}, 8, 8, ball);
    pen.Ell(Pt{0.91, 0.58}, 8, 8, ball);
    Finish(c, 255);
    pen.Cap(Pt{0.24, 0.98}, 1, Pt{0.76, 0.98}, 1, trim);
    pen.Cap(Pt{0.5, 0.3}, 1, Pt{0.5, 0.96}, 1, trim);
    pen.Dot(Pt{0.43, 0.18}, 3, 2, Shade(kYellow, 14));
    pen.Dot(Pt{0.54, 0.18}, 3, 2, Shade(kYellow, 14));
    pen.Ell(Pt{0.07, 0.55}, 3, 3, Shade(kMagenta, 14));
    pen.Ell(Pt{0.89, 0.55}, 3, 3, Shade(kMagenta, 14));
}

// A ball of the sorcerer's magic: a glowing sphere with a swirl.
void PaintMagicBall(Canvas& c) {
    const Pen pen(c);
    pen.Ell(Pt{0.5, 0.5}, 16, 16, Shade(kMagenta, 8));
    pen.Ell(Pt{0.44, 0.42}, 10, 10, Shade(kMagenta, 11));
    Finish(c, 255);
    pen.Ell(Pt{0.38, 0.34}, 4, 4, Shade(kPink, 14));
    for (int k = 0; k < 3; ++k) {
        const double a = k * 120.0;
        pen.Cap(Toward(pen, Pt{0.5, 0.5}, 6, a), 1, Toward(pen, Pt{0.5, 0.5}, 12, a + 50), 0.7, Shade(kPink, 13));
    }
}

// The clear orb: a golden sphere of light, its pulse a wider glow.
void PaintOrb(Canvas& c, int frame) {
    const Pen pen(c);
    const double rx = frame == 0 ? 10 : 11, ry = frame == 0 ? 12 : 13;
    const Pt at{0.5, 0.5};
    if (frame == 1)
        for (int k = 0; k < 8; ++k) {
            const double a = k * 45.0 + 22.5;
            pen.Cap(Toward(pen, at, 10, a), 1.5, Toward(pen, at, k % 2 ? 14 : 17, a), 0.6, Shade(kYellow, 13));
        }
    pen.Ell(at, rx, ry, Shade(kYellow, 9));
    pen.Ell(Pt{0.44, 0.42}, rx * 0.6, ry * 0.6, Shade(kYellow, 12));
    Finish(c, 255);
    pen.Ell(Pt{0.4, 0.36}, 2, 2.5, Grey(29));
}

// --- stage 44: the fire beast, its charging form, the winged giant, the reaper ------

// A flame licking toward deg from base: a tongue of fire len long, width wide,
// in three heats from the rim to the core.
void Flame(const Pen& pen, Pt base, double len, double width, double deg, int flicker) {
    const uint8_t heat[3] = {Shade(kRed, 8), Shade(kOrange, 10), Shade(kYellow, 13)};
    for (int k = 0; k < 3; ++k) {
        const double l = len * (1 - 0.25 * k), w = width * (1 - 0.3 * k);
        const Pt tip = Toward(pen, base, l, deg + ((flicker + k) % 3 - 1) * 8);
        const Pt s1 = Toward(pen, Toward(pen, base, l * 0.35, deg), w / 2, deg - 90);
        const Pt s2 = Toward(pen, Toward(pen, base, l * 0.35, deg), w / 2, deg + 90);
        pen.Poly({Toward(pen, base, w * 0.3, deg + 180), s1, tip, s2}, heat[k]);
    }
}

// The fire beast: a maned, winged lion of flame. Poses in the pixels of its
// body, facing right: standing, flying up, breathing fire.
void PaintFireBeast(Canvas& c, int frame) {
    const int pose = frame % 3;
    const bool left = frame >= 3;
    const Pen pen(c, 0, 0, 1, 1);
    const uint8_t hide = Shade(kRed, 6), far = Shade(kRed, 4), belly = Shade(kOrange, 7), wing = Shade(kRed, 3),
                  bone = Shade(kRed, 2), mane = Shade(kOrange, 9), horn = Grey(24);
    const bool fly = pose == 1, breathe = pose == 2;
    const double lift = fly ? -10 : 0;
    const Pt hip{32, 80 + lift}, chest{72, 70 + lift}, head{breathe ? 100.0 : 92.0, 40 + lift};
    // Wings: folded up over the back standing, spread high in flight.
    if (fly) {
        BatWing(pen, Pt{56, 54}, Pt{30, 10}, Pt{0, 0}, Pt{2, 40}, Pt{18, 62}, Pt{44, 66}, far, bone);
        // Struck while breathing fire, it rises in the breath pose's box.
        BatWing(pen, Pt{66, 52}, Pt{90, 8}, Pt{115, 0}, Pt{116, 30}, Pt{100, 52}, Pt{74, 62}, wing, bone);
    } else {
        BatWing(pen, Pt{60, 58}, Pt{44, 12}, Pt{66, 0}, Pt{34, 30}, Pt{24, 52}, Pt{38, 68}, wing, bone);
    }
    // Tail with a tuft of fire, the far legs, body, mane and head, near legs.
    pen.Cap(hip, 6, Pt{8, 70 + lift}, 4, hide);
    pen.Cap(Pt{8, 70 + lift}, 4, Pt{2, 46 + lift}, 3, hide);
    Flame(pen, Pt{3, 48 + lift}, 16, 10, -80, pose);
    const double paw = fly ? 118 : 119;
    pen.Limb(Pt{40, 82 + lift}, Pt{38, 100 + lift * 0.5}, Pt{fly ? 40.0 : 32.0, paw}, 9, 7, 5, far);
    pen.Limb(Pt{66, 74 + lift}, Pt{70, 96 + lift * 0.5}, Pt{fly ? 78.0 : 74.0, paw - (fly ? 8 : 0)}, 8, 6, 5, far);
    pen.Cap(hip, 18, chest, 22, hide);
    pen.Ell(Pt{58, 88 + lift}, 18, 9, belly);
    Tufts(pen, Pt{chest.u - 10, chest.v - 18}, Pt{head.u - 2, head.v + 18}, 5, 14, -150, mane);
    pen.Cap(chest, 14, head, 11, mane);
    pen.Ell(Pt{head.u - 6, head.v + 4}, 16, 16, mane);
    pen.Ell(head, 12, 11, hide);
    const Pt snout{head.u + 12, head.v + 6};
    pen.Cap(head, 9, snout, 6, hide);
    if (breathe) pen.Cap(Pt{head.u + 2, head.v + 12}, 4, Pt{head.u + 14, head.v + 16}, 3, far);
    pen.Cap(Pt{head.u - 4, head.v - 8}, 3, Pt{head.u - 14, head.v - 20}, 1.5, horn);
    pen.Limb(Pt{30, 84 + lift}, Pt{20, 100 + lift * 0.5}, Pt{fly ? 22.0 : 12.0, paw}, 11, 8, 5.5, hide);
    pen.Limb(Pt{76, 76 + lift}, Pt{82, 98 + lift * 0.5}, Pt{fly ? 90.0 : 86.0, paw - (fly ? 8 : 0)}, 9, 7, 5.5, hide);
    pen.Ell(Pt{fly ? 22.0 : 14.0, paw - 2}, 7, 3.5, hide);
    pen.Ell(Pt{fly ? 92.0 : 90.0, paw - 2 - (fly ? 8 : 0)}, 7, 3.5, hide);
    if (fly) pen.Ell(Pt{22, 118}, 7, 3.5, hide);
    if (!fly) c.Box(0, 122, c.w, c.h, 255);
    Finish(c, 255);
    // Its breath pours from the open jaws to the far end of the picture.
    if (breathe) {
        for (int k = 0; k < 5; ++k) Flame(pen, Pt{snout.u + 8 + k * 14.0, k % 2 ? 47.0 : 41.0}, 34, 12, 0, k + pose);
        for (int k = 0; k < 3; ++k) {
            const uint8_t heat[3] = {Shade(kOrange, 9), Shade(kYellow, 12), Shade(kYellow, 15)};
            const double half = 8 - 2.5 * k;
            pen.Poly({{snout.u - 2, snout.v + 2 - half * 0.4},
                      {191, 44 - half},
                      {191, 44 + half},
                      {snout.u - 2, snout.v + 2 + half * 0.4}},
                     heat[k]);
        }
    }
    pen.Dot(Pt{head.u + 2, head.v - 4}, 3, 2, Shade(kYellow, 14));
    pen.Dot(Pt{snout.u + 1, snout.v + 4}, 1, 2, Grey(29));
    if (left) c.MirrorX();
}

// The beast's fire: a fireball running along (0 right, 1 left) that bursts
// into a great blaze (2). Its colour key is black.
void PaintBeastFire(Canvas& c, int frame) {
    const Pen pen(c, 0, 0, 1, 1);
    if (frame == 2) {
        for (int k = 0; k < 7; ++k) {
            const double a = -90 + (k - 3) * 26.0;
            Flame(pen, Pt{47, 80}, k % 2 ? 62 : 80, 30, a, k);
        }
        pen.Ell(Pt{47, 80}, 30, 14, Shade(kOrange, 10));
        pen.Ell(Pt{47, 80}, 18, 9, Shade(kYellow, 13));
        Finish(c, 0);
        return;
    }
    Flame(pen, Pt{24, 7}, 26, 14, 180, 0);
    pen.Ell(Pt{24, 7}, 7, 6.5, Shade(kOrange, 11));
    pen.Ell(Pt{25, 6}, 4, 3.5, Shade(kYellow, 14));
    Finish(c, 0);
    if (frame == 1) c.MirrorX();
}

// The beast's second form: horned and armoured, charging low from wall to
// wall (0 right, 1 left), and rearing as it comes in (2).
void PaintChargingBeast(Canvas& c, int frame) {
    const Pen pen(c, 0, 0, 1, 1);
    const uint8_t hide = Shade(kRed, 3), far = Shade(kRed, 2), plate = Grey(10), horn = Grey(26),
                  mane = Shade(kOrange, 6);
    if (frame == 2) {
        // Up on its hind legs, forelegs pawing, roaring at the arena.
        pen.Cap(Pt{40, 96}, 5, Pt{4, 112}, 3, hide);
        pen.Limb(Pt{52, 92}, Pt{44, 110}, Pt{36, 125}, 12, 9, 7, far);
        pen.Limb(Pt{84, 50}, Pt{108, 58}, Pt{118, 78}, 9, 7, 6, far);
        pen.Cap(Pt{56, 90}, 22, Pt{78, 48}, 25, hide);
        pen.Poly({{50, 36}, {96, 30}, {104, 60}, {60, 74}}, plate);
        pen.Cap(Pt{80, 40}, 16, Pt{104, 24}, 14, mane);
        pen.Ell(Pt{110, 22}, 14, 13, hide);
        pen.Cap(Pt{110, 24}, 10, Pt{128, 30}, 7, hide);
        pen.Cap(Pt{112, 12}, 4, Pt{132, 2}, 2, horn);
        pen.Cap(Pt{120, 26}, 4, Pt{139, 12}, 1.5, horn);
        pen.Limb(Pt{66, 92}, Pt{78, 110}, Pt{70, 125}, 13, 10, 8, hide);
        pen.Limb(Pt{90, 54}, Pt{118, 64}, Pt{132, 86}, 10, 8, 7, hide);
        Finish(c, 255);
        pen.Dot(Pt{114, 18}, 3, 2, Shade(kYellow, 14));
        pen.Cap(Pt{124, 34}, 1.5, Pt{134, 38}, 1.5, Shade(kRed, 9));
        return;
    }
    // At a gallop: tail streaming, legs stretched fore and aft, horns ahead.
    pen.Cap(Pt{36, 30}, 5, Pt{2, 14}, 2.5, hide);
    pen.Limb(Pt{40, 40}, Pt{24, 54}, Pt{8, 74}, 10, 8, 6, far);
    pen.Limb(Pt{118, 40}, Pt{138, 54}, Pt{154, 74}, 9, 7, 6, far);
    pen.Cap(Pt{44, 34}, 20, Pt{116, 32}, 24, hide);
    for (int k = 0; k < 4; ++k)
        pen.Poly(
            {{50.0 + k * 18, 10}, {60.0 + k * 18, 0}, {68.0 + k * 18, 8}, {66.0 + k * 18, 22}, {52.0 + k * 18, 24}},
            plate);
    pen.Ell(Pt{124, 26}, 16, 18, mane);
    pen.Ell(Pt{148, 42}, 14, 13, hide);
    pen.Cap(Pt{148, 44}, 10, Pt{166, 54}, 7, hide);
    pen.Cap(Pt{150, 32}, 4, Pt{174, 20}, 2, horn);
    pen.Cap(Pt{158, 40}, 4, Pt{175, 34}, 1.5, horn);
    pen.Limb(Pt{54, 42}, Pt{40, 58}, Pt{30, 75}, 12, 9, 7, hide);
    pen.Limb(Pt{112, 44}, Pt{128, 60}, Pt{140, 75}, 10, 8, 7, hide);
    Finish(c, 255);
    pen.Dot(Pt{152, 38}, 3, 2, Shade(kYellow, 14));
    pen.Cap(Pt{160, 58}, 1, Pt{168, 60}, 1, Grey(28));
    if (frame == 1) c.MirrorX();
}

// The winged giant in its two forms. By picture: the figure's rectangle and
// its wings (wrist and tip on the far side of the picture, mirrored for the
// near), facing right before the turn to face the arena's left.
enum class Arms { kClaws, kRaised, kKnuckles, kSpread };
struct DemonPose {
    Rc figure;
    Pt wrist, tip, finger;  // the near wing, in picture pixels
    Arms arms;
    bool crouch, breathe;
};
// clang-format off
constexpr DemonPose kDemonPoses[7] = {
    {{14, 64, 82, 186},  {70, 20},  {94, 0},   {90, 40},  Arms::kClaws,    false, false},
    {{50, 32, 104, 158}, {120, 12}, {158, 2},  {150, 70}, Arms::kClaws,    false, false},
    {{68, 12, 120, 128}, {150, 20}, {192, 26}, {180, 90}, Arms::kClaws,    false, false},
    {{32, 0, 96, 120},   {110, 50}, {128, 116},{100, 100},Arms::kClaws,    false, false},
    {{24, 4, 100, 112},  {100, 14}, {122, 0},  {116, 40}, Arms::kRaised,   false, false},
    {{0, 8, 124, 80},    {90, 6},   {112, 0},  {116, 24}, Arms::kKnuckles, true,  false},
    {{20, 0, 104, 116},  {104, 20}, {124, 4},  {122, 60}, Arms::kSpread,   false, true},
};
// clang-format on

void PaintDemon(Canvas& c, int frame, bool second) {
    const DemonPose& d = kDemonPoses[frame];
    const Rc F = MirrorRc(d.figure, c.w);
    const Pen pen(c, 0, 0, 1, 1);
    const int ramp = second ? kViolet : kGreen;
    const uint8_t skin = Shade(ramp, 5), far = Shade(ramp, 3), bone = Shade(ramp, 1), horn = Grey(25), claw = Grey(28);
    const double fw = F.W();
    const bool crouch = d.crouch;
    const Pt head{F.X(crouch ? 0.66 : 0.56), F.Y(crouch ? 0.22 : 0.1)};
    const Pt chest{F.X(crouch ? 0.56 : 0.5), F.Y(crouch ? 0.34 : 0.3)},
        hip{F.X(crouch ? 0.4 : 0.47), F.Y(crouch ? 0.5 : 0.56)};
    const double torso = std::min(fw * 0.3, 20.0);
    // Wings from the shoulders: mirrored about the figure's middle.
    const double axis = F.X(0.5);
    auto Flip = [&](Pt p) { return Pt{2 * axis - p.u, p.v}; };
    const Pt shoulder{F.X(0.58), F.Y(crouch ? 0.3 : 0.24)};
    const Pt flank{F.X(0.52), F.Y(crouch ? 0.5 : 0.5)};
    const Pt wristR = d.wrist, tipR = d.tip, fingerR = d.finger;
    BatWing(pen, Flip(shoulder), Flip(wristR), Flip(tipR), Flip(fingerR), Flip(Mid(fingerR, flank, 0.5)), Flip(flank),
            Lit(far, -1), bone);
    BatWing(pen, shoulder, wristR, tipR, fingerR, Mid(fingerR, flank, 0.5), flank, far, bone);
    // Tail, far limbs, body, head; near legs and arm.
    pen.Cap(hip, 6, Pt{F.X(0.1), F.Y(0.8)}, 3, far);
    pen.Cap(Pt{F.X(0.1), F.Y(0.8)}, 3, Pt{F.X(0.0) + 2, F.Y(0.64)}, 1.5, far);
    if (second) pen.Poly({{F.X(0.0), F.Y(0.58)}, {F.X(0.06), F.Y(0.62)}, {F.X(0.0), F.Y(0.7)}}, far);
    const Pt kneeF{F.X(crouch ? 0.2 : 0.36), F.Y(crouch ? 0.7 : 0.78)}, footF{F.X(crouch ? 0.08 : 0.3), F.b - 3.0};
    const Pt kneeN{F.X(crouch ? 0.86 : 0.62), F.Y(crouch ? 0.66 : 0.78)}, footN{F.X(crouch ? 0.94 : 0.66), F.b - 3.0};
    pen.Limb(hip, kneeF, footF, torso * 0.55, torso * 0.4, torso * 0.3, far);
    Pt handN{F.X(0.86), F.Y(0.5)}, handF{F.X(0.16), F.Y(0.5)};
    switch (d.arms) {
        case Arms::kRaised: handN = Pt{F.X(0.8), F.t + 4.0}, handF = Pt{F.X(0.22), F.t + 4.0}; break;
        case Arms::kKnuckles: handN = Pt{F.X(0.74), F.b - 4.0}, handF = Pt{F.X(0.52), F.b - 4.0}; break;
        case Arms::kSpread: handN = Pt{F.r - 5.0, F.Y(0.5)}, handF = Pt{F.l + 5.0, F.Y(0.44)}; break;
        default: break;
    }
    const Pt shoulderF{F.X(0.36), F.Y(crouch ? 0.3 : 0.24)};
    pen.Limb(shoulderF, Mid(shoulderF, handF, 0.5), handF, torso * 0.45, torso * 0.38, torso * 0.32, far);
    pen.Cap(hip, torso * 0.8, chest, torso, skin);
    pen.Ell(Pt{chest.u + 2, chest.v + 2}, torso * 0.7, torso * 0.5, Lit(skin, 2));
    pen.Cap(chest, torso * 0.5, head, torso * 0.4, skin);
    pen.Ell(head, torso * 0.62, torso * 0.56, skin);
    const double hr = torso * 0.56;
    pen.Cap(Pt{head.u - hr * 0.5, head.v - hr * 0.6}, 3, Pt{head.u - hr * 1.2, head.v - hr * (second ? 2.0 : 1.6)}, 1,
            horn);
    pen.Cap(Pt{head.u + hr * 0.3, head.v - hr * 0.7}, 3, Pt{head.u + hr * 0.6, head.v - hr * (second ? 2.0 : 1.6)}, 1,
            horn);
    pen.Cap(head, hr * 0.7, Pt{head.u + hr * 1.1, head.v + hr * 0.35}, hr * 0.45, skin);
    pen.Near(hip, kneeN, footN, torso * 0.6, torso * 0.45, torso * 0.32, skin);
    pen.Ell(footN, torso * 0.42, torso * 0.22, skin);
    const Pt elbowN{Mid(shoulder, handN, 0.5).u - 2, Mid(shoulder, handN, 0.5).v + 4};
    pen.Near(shoulder, elbowN, handN, torso * 0.5, torso * 0.42, torso * 0.36, skin);
    pen.Ell(handN, torso * 0.36, torso * 0.32, skin);
    Finish(c, 255);
    pen.Dot(Pt{head.u + hr * 0.2, head.v - hr * 0.2}, 3, 2, second ? Shade(kYellow, 14) : Shade(kRed, 10));
    pen.Dot(Pt{head.u + hr * 0.9, head.v + hr * 0.55}, 1, 2, claw);
    for (int k = -1; k <= 1; ++k) pen.Dot(Pt{handN.u + 3, handN.v + k * 3.0}, 2, 1, claw);
    if (d.breathe) Flame(pen, Pt{head.u + hr * 1.3, head.v + hr * 0.6}, fw - (head.u + hr * 1.3 - F.l) - 1, 10, 20, 0);
    c.MirrorX();
}

// A rock shaken loose from the roof: a jagged spike of stone falling point
// first.
void PaintFallingRock(Canvas& c) {
    const Pen pen(c, 0, 0, 1, 1);
    pen.Poly({{2, 0}, {12, 3}, {23, 0}, {21, 14}, {17, 26}, {15, 40}, {12, 55}, {9, 40}, {5, 24}, {1, 12}}, Grey(12));
    pen.Poly({{6, 3}, {12, 5}, {11, 30}, {8, 16}}, Grey(16));
    Finish(c, 255);
    pen.Cap(Pt{16, 8}, 0.5, Pt{14, 20}, 0.5, Grey(5));
    pen.Cap(Pt{14, 20}, 0.5, Pt{13, 30}, 0.5, Grey(5));
}

// The giant's low flame, licking along toward the left.
void PaintLowFlame(Canvas& c) {
    const Pen pen(c, 0, 0, 1, 1);
    Flame(pen, Pt{17, 5}, 19, 10, 180, 0);
    pen.Ell(Pt{18, 5}, 4, 4.5, Shade(kOrange, 10));
    Finish(c, 255);
}

// The flying form's spat fireball, trailing fire up behind it as it drops
// down and to the left. Its colour key is black.
void PaintSpitFire(Canvas& c) {
    const Pen pen(c, 0, 0, 1, 1);
    Flame(pen, Pt{6, 10}, 14, 9, -40, 1);
    pen.Ell(Pt{6, 10}, 5.5, 5.5, Shade(kLime, 9));
    pen.Ell(Pt{5, 9}, 3, 3, Shade(kYellow, 14));
    Finish(c, 0);
}

// A crescent: the outer curve from a through the bulge o to b, the inner
// back through i, in one colour.
void Crescent(const Pen& pen, Pt a, Pt o, Pt i, Pt b, uint8_t ink) {
    double xy[64];
    int n = 0;
    auto bez = [](Pt p, Pt q, Pt r, double t) {
        const double s = 1 - t;
        return Pt{s * s * p.u + 2 * s * t * q.u + t * t * r.u, s * s * p.v + 2 * s * t * q.v + t * t * r.v};
    };
    for (int k = 0; k <= 15; ++k) {
        const Pt p = bez(a, o, b, k / 15.0);
        xy[2 * n] = pen.X(p.u), xy[2 * n + 1] = pen.Y(p.v), ++n;
    }
    for (int k = 14; k >= 1; --k) {
        const Pt p = bez(a, i, b, k / 15.0);
        xy[2 * n] = pen.X(p.u), xy[2 * n + 1] = pen.Y(p.v), ++n;
    }
    FillPolygon(pen.c, xy, n, ink);
}

// A robed, hooded skull; the robe flares from the shoulders to a ragged hem.
void Reaper(const Pen& pen, const Rc& b, uint8_t robe, int phase) {
    const double hem = b.b - 1.0;
    pen.Poly({{b.X(0.3), b.Y(0.16)},
              {b.X(0.72), b.Y(0.16)},
              {b.X(0.98), hem - 6},
              {b.X(0.86), hem},
              {b.X(0.7), hem - 8 + phase % 2 * 3},
              {b.X(0.52), hem},
              {b.X(0.34), hem - 8},
              {b.X(0.16), hem},
              {b.X(0.02), hem - 6}},
             robe);
    pen.Ell(Pt{b.X(0.54), b.Y(0.14)}, b.W() * 0.26, b.H() * 0.13, robe);
    pen.Ell(Pt{b.X(0.6), b.Y(0.15)}, b.W() * 0.15, b.H() * 0.085, Grey(2));
    pen.Ell(Pt{b.X(0.63), b.Y(0.155)}, b.W() * 0.1, b.H() * 0.065, Grey(26));
}

// The skull's eye holes and teeth, after the finish.
void SkullFace(const Pen& pen, const Rc& b) {
    const Pt f{b.X(0.63), b.Y(0.155)};
    const double w = b.W() * 0.1, h = b.H() * 0.065;
    pen.Dot(Pt{f.u - w * 0.3, f.v - h * 0.4}, 2, 2, Grey(1));
    pen.Dot(Pt{f.u + w * 0.35, f.v - h * 0.4}, 2, 2, Grey(1));
    pen.Dot(Pt{f.u - w * 0.3 + 0.5, f.v - h * 0.4 + 0.5}, 1, 1, Shade(kRed, 11));
    pen.Dot(Pt{f.u + w * 0.35 + 0.5, f.v - h * 0.4 + 0.5}, 1, 1, Shade(kRed, 11));
    pen.Cap(Pt{f.u - w * 0.4, f.v + h * 0.55}, 0.5, Pt{f.u + w * 0.5, f.v + h * 0.55}, 0.5, Grey(4));
}

// The reaper of the first form, at the left wall facing right (0) or the
// right wall facing left (1): robed, its scythe raised ahead of it.
void PaintReaper(Canvas& c, int frame) {
    const Pen pen(c, 0, 0, 1, 1);
    const Rc body{0, 0, 70, 128};
    const uint8_t robe = Grey(5), wood = Shade(kOrange, 2), steel = Grey(24);
    pen.Cap(Pt{22, 124}, 2.5, Pt{92, 8}, 2.5, wood);
    Reaper(pen, body, robe, 0);
    Crescent(pen, Pt{88, 4}, Pt{124, -8}, Pt{112, 8}, Pt{123, 46}, steel);
    // Bony hands on the haft.
    pen.Ell(Pt{54, 62}, 4, 3.5, Grey(24));
    pen.Ell(Pt{40, 86}, 4, 3.5, Grey(24));
    pen.Cap(Pt{30, 40}, 6, Pt{52, 62}, 4, robe);
    Finish(c, 255);
    SkullFace(pen, body);
    if (frame == 1) c.MirrorX();
}

// The reapers' sickle, turning: a steel crescent on a short dark handle,
// turned an eighth more in each picture and spread over its box.
void PaintSickle(Canvas& c, int frame) {
    const double a = frame * kPi / 4;
    // The shape around its middle, before the turn: handle down, blade up and right.
    const Pt outer[5] = {{-6, 4}, {-8, -8}, {2, -14}, {12, -10}, {14, -2}};
    const Pt inner[4] = {{10, -5}, {4, -9}, {-3, -6}, {-3, 2}};
    auto turn = [&](Pt p) { return Pt{p.u * std::cos(a) - p.v * std::sin(a), p.u * std::sin(a) + p.v * std::cos(a)}; };
    Pt pts[13];
    int n = 0;
    for (const Pt& p : outer) pts[n++] = turn(p);
    for (const Pt& p : inner) pts[n++] = turn(p);
    const Pt h0 = turn(Pt{-4, 3}), h1 = turn(Pt{-6, 14});
    double x0 = 1e9, y0 = 1e9, x1 = -1e9, y1 = -1e9;
    for (int k = 0; k < n; ++k)
        x0 = std::min(x0, pts[k].u), x1 = std::max(x1, pts[k].u), y0 = std::min(y0, pts[k].v),
        y1 = std::max(y1, pts[k].v);
    for (const Pt& p : {h0, h1})
        x0 = std::min(x0, p.u), x1 = std::max(x1, p.u), y0 = std::min(y0, p.v), y1 = std::max(y1, p.v);
    const Pen pen(c, -x0 * (c.w - 1) / (x1 - x0), -y0 * (c.h - 1) / (y1 - y0), (c.w - 1) / (x1 - x0),
                  (c.h - 1) / (y1 - y0));
    pen.Cap(h0, 2.5, h1, 2.5, Shade(kOrange, 2));
    double xy[26];
    for (int k = 0; k < n; ++k) xy[2 * k] = pen.X(pts[k].u), xy[2 * k + 1] = pen.Y(pts[k].v);
    FillPolygon(c, xy, n, Grey(23));
    Finish(c, 255);
}

// The winged reaper: falling or rising on spread bat wings (0, 1), then
// the round of its great scythe, raised, wound back, swept right across,
// followed through and brought back (2 to 7). It faces the arena's left.
void PaintWingedReaper(Canvas& c, int frame) {
    const Pen pen(c, 0, 0, 1, 1);
    const uint8_t robe = Shade(kPurple, 2), wing = Grey(7), bone = Grey(18), wood = Shade(kOrange, 2), steel = Grey(24);
    // Body and reach boxes in the picture.
    static constexpr Rc kBody[8] = {{67, 40, 127, 150}, {64, 36, 124, 146}, {12, 80, 102, 178}, {26, 50, 96, 148},
                                    {24, 46, 96, 136},  {110, 0, 204, 94},  {47, 10, 150, 106}, {14, 12, 116, 106}};
    const Rc b = kBody[frame];
    if (frame < 2) {
        const double W = c.w, H = c.h, up = frame == 0 ? 0 : 0.16;
        for (int side = 0; side < 2; ++side) {
            auto X = [&](double u) { return side == 0 ? u * W : W - u * W; };
            BatWing(pen, Pt{X(0.42), H * 0.3}, Pt{X(0.2), H * (0.06 + up)}, Pt{X(0.0), 0}, Pt{X(0.02), H * (0.62 - up)},
                    Pt{X(0.22), H * (1.0 - up)}, Pt{X(0.4), H * 0.6}, wing, bone);
        }
        pen.Cap(Pt{b.X(0.1), b.Y(0.9)}, 2.5, Pt{b.X(0.8), b.Y(0.05)}, 2.5, wood);
        Reaper(pen, b, robe, 0);
        Crescent(pen, Pt{b.X(0.78), b.Y(0.02)}, Pt{b.X(0.2), b.Y(-0.2)}, Pt{b.X(0.4), b.Y(0.05)},
                 Pt{b.X(-0.1), b.Y(0.3)}, steel);
        // The wing tips reach the picture's foot too.
        pen.Cap(Pt{W * 0.24, H * 0.8}, 2, Pt{W * 0.3, H - 1}, 1, bone);
        pen.Cap(Pt{W * 0.76, H * 0.8}, 2, Pt{W * 0.7, H - 1}, 1, bone);
        Finish(c, 255);
        SkullFace(pen, b);
        c.MirrorX();
        return;
    }
    // The scythe by picture: the haft's two ends and the blade's crescent
    // (base, bulge, inner bulge, tip), in the left-facing picture.
    struct Stroke {
        Pt butt, head, a, o, i, t;
    };
    // clang-format off
    static constexpr Stroke kStrokes[6] = {
        {{100, 24}, {58, 8},   {58, 8},   {30, -16}, {34, 8},   {0, 44}},
        {{60, 120}, {120, 4},  {120, 4},  {90, -8},  {92, 8},   {52, 17}},
        {{40, 110}, {118, 8},  {118, 8},  {150, -10}, {146, 6}, {174, 18}},
        {{286, 30}, {40, 28},  {40, 28},  {10, 8},   {22, 28},  {0, 44}},
        {{120, 44}, {42, 8},   {42, 8},   {-6, 10},  {18, 30},  {4, 71}},
        {{40, 100}, {70, 10},  {70, 10},  {60, -2},  {58, 10},  {40, 20}},
    };
    // clang-format on
    const Stroke& s = kStrokes[frame - 2];
    // The reaper itself faces right before the turn: draw its body mirrored.
    const Rc mb = MirrorRc(b, c.w);
    Reaper(pen, mb, robe, 0);
    c.MirrorX();
    pen.Cap(s.butt, 2.5, s.head, 2.5, wood);
    Crescent(pen, s.a, s.o, s.i, s.t, steel);
    // A sleeve from the shoulder to the haft, a bony hand gripping it.
    const Pt shoulder{b.X(0.42), b.Y(0.32)};
    const double dx = s.head.u - s.butt.u, dy = s.head.v - s.butt.v;
    const double t =
        std::clamp(((shoulder.u - s.butt.u) * dx + (shoulder.v - s.butt.v) * dy) / (dx * dx + dy * dy), 0.15, 0.85);
    const Pt grip{s.butt.u + t * dx, s.butt.v + t * dy};
    pen.Cap(shoulder, 6, grip, 4, robe);
    pen.Ell(grip, 3.5, 3.5, bone);
    Finish(c, 255);
    c.MirrorX();
    SkullFace(pen, mb);
    c.MirrorX();
}

// --- stage 49: the three forms of the dark lord and their fire --------------------

// A caped lord, facing right: the cape flares from the shoulders to the hem,
// a horned crown on the pale head. b is the figure's box, head the head's box
// inside it; its arms reach to the hands given.
void Lord(const Pen& pen, const Rc& b, const Rc& head, Pt handN, Pt handF, int ramp, double flare) {
    const uint8_t cape = Shade(ramp, 3), lining = Shade(ramp, 6), robe = Grey(4), skin = Grey(23),
                  gold = Shade(kYellow, 10);
    const double neckY = head.b - 1.0, cx = head.X(0.5);
    // The cape behind: from the shoulders out to both bottom corners.
    pen.Poly({{cx - b.W() * 0.22, neckY + 2},
              {cx + b.W() * 0.2, neckY + 2},
              {b.r - 1.0, b.b - 1.0},
              {b.X(0.5), b.b - 6.0},
              {b.l + 1.0 - flare, b.b - 1.0}},
             cape);
    pen.Poly(
        {{cx - b.W() * 0.1, neckY + 6}, {cx + b.W() * 0.1, neckY + 6}, {b.X(0.7), b.b - 4.0}, {b.X(0.3), b.b - 4.0}},
        lining);
    // The far arm, the robed body, the near arm.
    const Pt shoulderF{cx - b.W() * 0.16, neckY + 6}, shoulderN{cx + b.W() * 0.16, neckY + 6};
    pen.Limb(shoulderF, Mid(shoulderF, handF, 0.5), handF, 4, 3.5, 3, Lit(robe, -1));
    pen.Poly({{cx - b.W() * 0.18, neckY + 2},
              {cx + b.W() * 0.18, neckY + 2},
              {cx + b.W() * 0.26, b.b - 1.0},
              {cx - b.W() * 0.26, b.b - 1.0}},
             robe);
    pen.Cap(Pt{cx - b.W() * 0.2, b.Y(0.55)}, 1.5, Pt{cx + b.W() * 0.2, b.Y(0.55)}, 1.5, gold);
    pen.Ell(Pt{cx, head.Y(0.62)}, head.W() * 0.36, head.H() * 0.36, skin);
    // The crown's horns reach the top of the head's box.
    pen.Poly({{cx - head.W() * 0.4, head.Y(0.45)},
              {cx - head.W() * 0.5, head.t + 0.0},
              {cx - head.W() * 0.1, head.Y(0.32)},
              {cx + head.W() * 0.1, head.Y(0.32)},
              {cx + head.W() * 0.5, head.t + 0.0},
              {cx + head.W() * 0.4, head.Y(0.45)}},
             gold);
    pen.Near(shoulderN, Mid(shoulderN, handN, 0.5), handN, 4, 3.5, 3, robe);
    pen.Ell(handN, 3, 3, skin);
}

void LordFace(const Pen& pen, const Rc& head) {
    const double cx = head.X(0.5), y = head.Y(0.6);
    pen.Dot(Pt{cx - 3, y - 1}, 2, 1, Shade(kRed, 10));
    pen.Dot(Pt{cx + 2, y - 1}, 2, 1, Shade(kRed, 10));
    pen.Cap(Pt{cx - 2, y + 3}, 0.5, Pt{cx + 3, y + 3}, 0.5, Grey(8));
}

// The first form, at the left edge facing right (0 to 2) or the right edge
// facing left (3 to 5): standing, pointing, and both arms up calling a
// pillar of fire.
void PaintLordFirst(Canvas& c, int frame) {
    const Pen pen(c, 0, 0, 1, 1);
    const int pose = frame % 3;
    const int top = c.h - 98;  // the tall pose's raised arms reach above the body
    const Rc b{0, top, 48, c.h}, head{16, top, 32, top + 20};
    Pt handN{38, top + 46.0}, handF{12, top + 48.0};
    if (pose == 1) handN = Pt{46, top + 30.0};
    if (pose == 2) handN = Pt{38, 2}, handF = Pt{10, 2};
    Lord(pen, b, head, handN, handF, kRed, 0);
    Finish(c, 255);
    LordFace(pen, head);
    if (pose == 2)
        for (const Pt h : {handN, handF}) Flame(pen, Pt{h.u, h.v + 3}, 8, 6, -90, pose);
    if (frame >= 3) c.MirrorX();
}

// The second form: taller, caped in violet, at the left edge facing right
// (0 to 7) or the right edge facing left (8 to 15). Firing: the arms rise and
// thrust the fire out, the cape billowing behind; smoking: the arms sweep the
// smoke out ahead. Its last four pictures are the light it vanishes and comes
// back in, drawn without a key.
void PaintLordSecond(Canvas& c, int frame) {
    if (frame >= 16) {
        // A column of light: bright at its core, deep violet at its rims.
        for (int x = 0; x < c.w; ++x) {
            const double d = std::fabs((x + 0.5) / c.w * 2 - 1);
            const uint8_t ink = d < 0.25   ? Grey(29)
                                : d < 0.55 ? Shade(kViolet, 13)
                                : d < 0.8  ? Shade(kViolet, 9)
                                           : Shade(kViolet, 5);
            c.Box(x, 0, x + 1, c.h, ink);
        }
        for (int k = 0; k < 24; ++k) {
            const uint32_t r = Mix(static_cast<uint32_t>(frame), static_cast<uint32_t>(k));
            const int x = static_cast<int>(r % static_cast<uint32_t>(c.w)), y = static_cast<int>((r >> 8) % 413u);
            c.Box(x, y, x + 1, y + 3, Grey(29));
        }
        return;
    }
    const int k = frame % 8;
    static constexpr int kBack[8] = {0, 6, 10, 18, 28, 0, 0, 0};  // cape flaring behind
    const Pen pen(c, 0, 0, 1, 1);
    const int back = kBack[k];
    const Rc b{back, 0, back + 88, c.h}, head{back + 34, 0, back + 56, 26};
    Pt handN{back + 66.0, 70}, handF{back + 24.0, 74};
    switch (k) {
        case 1: handN = Pt{back + 70.0, 40}; break;
        case 2: handN = Pt{back + 72.0, 24}, handF = Pt{back + 18.0, 30}; break;
        case 3: handN = Pt{back + 80.0, 34}, handF = Pt{back + 14.0, 40}; break;
        case 4: handN = Pt{c.w - 4.0, 60}, handF = Pt{back + 20.0, 56}; break;
        case 5: handN = Pt{c.w - 4.0, 80}; break;
        case 6: handN = Pt{c.w - 4.0, 64}, handF = Pt{back + 70.0, 84}; break;
        case 7: handN = Pt{c.w - 4.0, 50}, handF = Pt{c.w - 10.0, 90}; break;
        default: break;
    }
    Lord(pen, b, head, handN, handF, kViolet, back);
    Finish(c, 255);
    LordFace(pen, head);
    if (k >= 1 && k <= 4) Flame(pen, Pt{handN.u, handN.v - 2}, 10 + k * 2, 8, -60, k);
    if (frame >= 8) c.MirrorX();
}

// The fireballs it sends along the floor: rolling right (0) or left (1),
// flames streaming back. Their colour key is black.
void PaintHellFire(Canvas& c, int frame) {
    const Pen pen(c, 0, 0, 1, 1);
    Flame(pen, Pt{40, 11}, 40, 20, 180, 0);
    pen.Ell(Pt{42, 11}, 11, 10.5, Shade(kRed, 9));
    pen.Ell(Pt{43, 10}, 7, 6.5, Shade(kOrange, 12));
    pen.Ell(Pt{44, 9}, 3.5, 3, Shade(kYellow, 15));
    Finish(c, 0);
    if (frame == 1) c.MirrorX();
}

// A cloud of black smoke rolling along, its puffs turning over.
void PaintSmoke(Canvas& c, int frame) {
    const Pen pen(c, 0, 0, 1, 1);
    for (int k = 0; k < 7; ++k) {
        const double a = (k * 360.0 / 7) + frame * 22.0;
        const Pt p = Toward(pen, Pt{31, 35}, 17, a);
        pen.Ell(p, 13, 12, k % 2 ? Grey(4) : Shade(kPurple, 1));
    }
    pen.Ell(Pt{31, 35}, 20, 18, Grey(3));
    Finish(c, 255);
    pen.Dot(Pt{24, 30}, 3, 2, Shade(kRed, 9));
    pen.Dot(Pt{35, 30}, 3, 2, Shade(kRed, 9));
}

// The third form: a colossus bound into the arena's right wall, its spine a
// pillar from its horned head to its roots, its hands held out to rain fire.
void PaintColossus(Canvas& c) {
    const Pen pen(c, 0, 0, 1, 1);
    const uint8_t flesh = Shade(kRed, 3), dark = Shade(kPurple, 2), bone = Grey(22), gold = Shade(kYellow, 10);
    // Wings folded behind, spread to both sides.
    BatWing(pen, Pt{120, 60}, Pt{60, 10}, Pt{0, 30}, Pt{10, 150}, Pt{60, 200}, Pt{110, 170}, dark, Grey(6));
    BatWing(pen, Pt{150, 60}, Pt{190, 8}, Pt{231, 20}, Pt{228, 140}, Pt{200, 190}, Pt{160, 170}, dark, Grey(6));
    // The pillar of its body, ribbed, and its roots at the foot.
    pen.Poly({{110, 40}, {158, 40}, {158, 249}, {110, 249}}, flesh);
    for (int y = 84; y < 200; y += 22) pen.Cap(Pt{114, y + 0.0}, 1.5, Pt{154, y + 4.0}, 1.5, Shade(kRed, 6));
    pen.Poly({{96, 249}, {110, 210}, {158, 210}, {172, 249}}, dark);
    // Arms out to the hands the fire falls from.
    pen.Cap(Pt{116, 70}, 9, Pt{70, 96}, 7, flesh);
    pen.Cap(Pt{152, 70}, 9, Pt{140, 104}, 7, flesh);
    pen.Ell(Pt{64, 100}, 10, 9, flesh);
    pen.Ell(Pt{130, 104}, 10, 9, flesh);
    // The head: horns up to the top of the picture.
    pen.Cap(Pt{120, 20}, 6, Pt{96, 2}, 2, bone);
    pen.Cap(Pt{148, 20}, 6, Pt{172, 2}, 2, bone);
    pen.Ell(Pt{134, 30}, 24, 28, flesh);
    pen.Cap(Pt{111, 4}, 3, Pt{157, 4}, 3, gold);
    Finish(c, 255);
    pen.Poly({{120, 28}, {130, 32}, {122, 36}}, Shade(kYellow, 14));
    pen.Poly({{148, 28}, {138, 32}, {146, 36}}, Shade(kYellow, 14));
    pen.Cap(Pt{124, 46}, 1, Pt{144, 46}, 1, Grey(2));
    for (int k = 0; k < 4; ++k) pen.Poly({{127.0 + k * 4, 46}, {129.0 + k * 4, 46}, {128.0 + k * 4, 50}}, bone);
    pen.Ell(Pt{64, 100}, 5, 4, Shade(kOrange, 12));
    pen.Ell(Pt{130, 104}, 5, 4, Shade(kOrange, 12));
    pen.Ell(Pt{134, 140}, 8, 10, Shade(kMagenta, 10));
    pen.Ell(Pt{132, 137}, 3, 4, Shade(kPink, 14));
}

// The fire the colossus rains: a blazing stone falling toward the hero's
// side, down and to the right (0) or to the left (1). Key black.
void PaintFallingFire(Canvas& c, int frame) {
    const Pen pen(c, 0, 0, 1, 1);
    Flame(pen, Pt{38, 42}, 60, 36, -130, 0);
    Flame(pen, Pt{40, 40}, 46, 20, -105, 1);
    Flame(pen, Pt{36, 44}, 46, 20, -155, 2);
    pen.Ell(Pt{41, 45}, 17, 17, Shade(kRed, 8));
    pen.Ell(Pt{43, 46}, 10, 10, Shade(kOrange, 12));
    pen.Ell(Pt{44, 47}, 5, 5, Shade(kYellow, 15));
    Finish(c, 0);
    if (frame == 1) c.MirrorX();
}

// --- the last stage's cast, and the hopping frog -------------------------------------

// The apple witch on her broom, a sack of apples at her side: flying right
// (0, 1: her cloak streaming), hovering to drop one (2); mirrored for the left.
void PaintWitch(Canvas& c, int frame) {
    const Pen pen(c, 0, 0, 1, 1);
    const int pose = frame % 3;
    const bool hover = pose == 2;
    const uint8_t dress = Shade(kPurple, 5), hat = Grey(3), skin = Shade(kLime, 8), wood = Shade(kOrange, 3),
                  straw = Shade(kYellow, 8), sack = Shade(kOrange, 6);
    const double tilt = hover ? 8 : 0;
    // The broom: its straw behind, its stick ahead.
    pen.Cap(Pt{6, 44 - tilt * 0.3}, 2, Pt{62, 40 + tilt * 0.3}, 2, wood);
    pen.Poly({{14, 40 - tilt * 0.3}, {0, 34}, {0, 52}, {14, 48 - tilt * 0.3}}, straw);
    // Cloak streaming back, body, sack, head and hat.
    pen.Poly({{26, 24}, {36, 26}, {40, 42}, {10 - (pose == 1 ? 4.0 : 0.0), 36 + (pose == 1 ? 4.0 : 0.0)}},
             Shade(kPurple, 3));
    pen.Cap(Pt{30, 38}, 7, Pt{34, 22}, 6, dress);
    pen.Ell(Pt{26, 50}, 8, 7, sack);
    pen.Ell(Pt{30, 56}, 3, 3, Shade(kRed, 9));
    pen.Cap(Pt{34, 38}, 3, Pt{42, 48}, 2.5, dress);
    pen.Ell(Pt{38, 14}, 6, 6, skin);
    pen.Cap(Pt{42, 15}, 2, Pt{47, 17}, 1, skin);
    pen.Poly({{28, 10}, {50, 10}, {42, 7}, {36, 0}, {33, 7}}, hat);
    pen.Near(Pt{36, 24}, Pt{44, 30}, Pt{52, 38 + tilt * 0.2}, 2.5, 2, 2, dress);
    Finish(c, 255);
    pen.Dot(Pt{40, 13}, 1, 1, Shade(kRed, 10));
    if (frame >= 3) c.MirrorX();
}

// An apple: red, a highlight, its stalk and a leaf.
void PaintApple(Canvas& c) {
    const Pen pen(c, 0, 0, 1, 1);
    pen.Ell(Pt{8.5, 14}, 8, 9.5, Shade(kRed, 8));
    pen.Ell(Pt{15.5, 14}, 8, 9.5, Shade(kRed, 8));
    pen.Cap(Pt{12, 5}, 1, Pt{13, 0}, 1, Shade(kOrange, 2));
    pen.Poly({{13, 3}, {20, 0}, {23, 3}, {17, 5}}, Shade(kGreen, 8));
    Finish(c, 255);
    pen.Ell(Pt{7, 10}, 2, 3, Shade(kPink, 14));
}

// A walking corpse shambling left, arms out ahead: two steps.
void PaintCorpse(Canvas& c, int frame) {
    const Pen pen(c, 0, 0, 1, 1);
    const uint8_t skin = Shade(kLime, 5), rags = Shade(kOrange, 3), trousers = Grey(8);
    const bool a = frame == 0;
    // Drawn facing right, then turned: hunched, its back to the left edge.
    pen.Limb(Pt{16, 36}, Pt{a ? 8.0 : 14.0, 48}, Pt{a ? 3.0 : 10.0, 60}, 4, 3.5, 3, Lit(trousers, -2));
    pen.Limb(Pt{24, 20}, Pt{34, 20}, Pt{46, 22}, 3, 3, 2.5, Lit(skin, -2));
    pen.Cap(Pt{14, 36}, 8, Pt{18, 18}, 10, rags);
    pen.Poly({{2, 24}, {26, 30}, {28, 40}, {22, 38}, {16, 42}, {4, 38}}, rags);
    pen.Ell(Pt{28, 10}, 7, 8, skin);
    pen.Limb(Pt{20, 36}, Pt{a ? 30.0 : 22.0, 48}, Pt{a ? 34.0 : 26.0, 60}, 4.5, 4, 3.5, trousers);
    pen.Ell(Pt{a ? 36.0 : 28.0, 60}, 4, 2, Grey(4));
    pen.Ell(Pt{a ? 5.0 : 12.0, 60}, 4, 2, Grey(4));
    pen.Near(Pt{24, 22}, Pt{36, 26}, Pt{47, 26}, 3, 3, 2.5, skin);
    c.Box(0, 62, c.w, c.h, 255);
    Finish(c, 255);
    pen.Dot(Pt{30, 7}, 2, 2, Shade(kYellow, 13));
    pen.Cap(Pt{29, 13}, 0.5, Pt{34, 13}, 0.5, Grey(3));
    c.MirrorX();
}

// A horned beetle charging right, its shell open and its wings a blur:
// gathered (0) and stretched (1).
void PaintBeetle(Canvas& c, int frame) {
    const Pen pen(c, 0, 0, 1, 1);
    const uint8_t shell = Shade(kLime, 3), belly = Grey(4), horn = Shade(kYellow, 9), wing = Grey(24);
    const double w = c.w;
    pen.Ell(Pt{w * 0.3, 6}, w * 0.3, 6, wing);
    pen.Ell(Pt{w * 0.46, 5}, w * 0.22, 5, Grey(27));
    for (int k = 0; k < 3; ++k)
        pen.Cap(Pt{w * (0.3 + 0.15 * k), 28}, 2, Pt{w * (0.22 + 0.15 * k) + frame * 4, 37}, 1.5, belly);
    pen.Ell(Pt{w * 0.44, 22}, w * 0.36, 12, shell);
    pen.Ell(Pt{w * 0.78, 24}, 8, 8, belly);
    pen.Cap(Pt{w * 0.82, 22}, 4, Pt{w - 6, 8}, 2, horn);
    pen.Cap(Pt{w - 6, 8}, 2, Pt{w - 1.0, 4}, 1, horn);
    pen.Cap(Pt{w * 0.86, 26}, 2.5, Pt{w - 1.0, 28}, 1.5, horn);
    Finish(c, 255);
    pen.Cap(Pt{w * 0.44, 11}, 0.5, Pt{w * 0.44, 33}, 0.5, Grey(2));
    pen.Dot(Pt{w * 0.8, 20}, 2, 2, Shade(kRed, 11));
    pen.Ell(Pt{w * 0.3, 17}, 5, 3, Shade(kLime, 8));
}

// A bird flying left in the waves of its flight: wings up (0), wings down (1,
// within the lower box it then has).
void PaintBird(Canvas& c, int frame) {
    const Pen pen(c, 0, 0, 1, 1);
    const uint8_t body = Shade(kOrange, 7), wingInk = Shade(kOrange, 4), beak = Shade(kYellow, 11),
                  breast = Shade(kYellow, 9);
    const double h = frame == 0 ? 54 : 46;
    const double bodyY = frame == 0 ? 40 : 16;
    // Far wing, tail, body, head, near wing (drawn facing right, then turned).
    if (frame == 0) {
        pen.Poly({{30, bodyY - 4}, {40, 4}, {50, 0}, {44, bodyY - 2}}, Lit(wingInk, -2));
    } else {
        pen.Poly({{30, bodyY + 2}, {40, h - 4}, {48, h - 1}, {44, bodyY + 2}}, Lit(wingInk, -2));
    }
    pen.Poly({{14, bodyY - 4}, {0, bodyY - 8}, {0, bodyY + 6}, {14, bodyY + 4}}, wingInk);
    pen.Ell(Pt{30, bodyY}, 16, 8, body);
    pen.Ell(Pt{34, bodyY + 3}, 10, 4.5, breast);
    pen.Ell(Pt{50, bodyY - 4}, 7, 6.5, body);
    pen.Poly({{55, bodyY - 6}, {64, bodyY - 3}, {55, bodyY}}, beak);
    // A crest of three feathers, and the feet tucked under.
    for (int k = 0; k < 3; ++k)
        pen.Cap(Pt{48.0 - k * 2, bodyY - 8}, 1.5, Pt{42.0 - k * 4, bodyY - 16 + k}, 1, Shade(kRed, 7));
    pen.Cap(Pt{30, bodyY + 6}, 1, Pt{24, h - 1.0}, 1, beak);
    if (frame == 0) {
        pen.Poly({{22, bodyY - 2}, {18, 10}, {26, 0}, {40, bodyY - 4}}, wingInk);
    } else {
        pen.Poly({{22, bodyY + 2}, {16, h - 8}, {24, h - 1}, {40, bodyY + 4}}, wingInk);
    }
    Finish(c, 255);
    pen.Dot(Pt{51, bodyY - 6}, 2, 2, Grey(1));
    c.MirrorX();
}

// The bats of the last stage: hanging folded from the roof (0), wings spread
// (1) and beating down (2) as they swoop.
void PaintSwoopingBat(Canvas& c, int frame) {
    const Pen pen(c, 0, 0, 1, 1);
    const uint8_t fur = Shade(kOrange, 2), skin = Shade(kRed, 3), bone = Shade(kRed, 1);
    const double cx = c.w * 0.5;
    if (frame == 0) {
        // Head down, wrapped in its wings, feet gripping the roof.
        pen.Cap(Pt{cx - 2, 0}, 1, Pt{cx - 1, 4}, 1, bone);
        pen.Cap(Pt{cx + 2, 0}, 1, Pt{cx + 1, 4}, 1, bone);
        pen.Poly({{cx - 7, 4}, {cx + 7, 4}, {cx + 8, 20}, {cx, 24}, {cx - 8, 20}}, skin);
        pen.Ell(Pt{cx, 12}, 4, 8, fur);
        pen.Ell(Pt{cx, 24}, 4.5, 4, fur);
        pen.Poly({{cx - 4, 27}, {cx - 5, 29}, {cx - 1, 27}}, fur);
        pen.Poly({{cx + 4, 27}, {cx + 5, 29}, {cx + 1, 27}}, fur);
        Finish(c, 255);
        pen.Dot(Pt{cx - 2, 24}, 1, 1, Shade(kRed, 11));
        pen.Dot(Pt{cx + 1, 24}, 1, 1, Shade(kRed, 11));
        return;
    }
    const double w = c.w, h = c.h;
    for (int side = 0; side < 2; ++side) {
        auto X = [&](double f) { return side == 0 ? cx - f * cx : cx + f * cx; };
        if (frame == 1)
            BatWing(pen, Pt{X(0.12), 10}, Pt{X(0.55), 2}, Pt{X(1.0), 6}, Pt{X(0.85), 22}, Pt{X(0.55), h - 1},
                    Pt{X(0.12), 18}, skin, bone);
        else
            BatWing(pen, Pt{X(0.2), 10}, Pt{X(0.6), 16}, Pt{X(1.0), 28}, Pt{X(0.8), h - 1}, Pt{X(0.5), h - 4},
                    Pt{X(0.2), 20}, skin, bone);
    }
    pen.Ell(Pt{cx, frame == 1 ? 14.0 : 12.0}, 5, 8, fur);
    pen.Ell(Pt{cx, frame == 1 ? 6.0 : 5.0}, 4.5, 4.5, fur);
    pen.Poly({{cx - 4, 4}, {cx - 4, 0}, {cx - 1, 3}}, fur);
    pen.Poly({{cx + 4, 4}, {cx + 4, 0}, {cx + 1, 3}}, fur);
    Finish(c, 255);
    pen.Dot(Pt{cx - 3, frame == 1 ? 5.0 : 4.0}, 2, 1, Shade(kRed, 11));
    pen.Dot(Pt{cx + 1, frame == 1 ? 5.0 : 4.0}, 2, 1, Shade(kRed, 11));
    (void)w;
}

// The hopping corpse: an official's robe and hat, a paper charm on its brow,
// arms held stiffly ahead. Standing (0), rising (1) and dropping (2) in its
// hop, facing right; mirrored for the left.
void PaintHoppingCorpse(Canvas& c, int frame) {
    const Pen pen(c, 0, 0, 1, 1);
    const int pose = frame % 3;
    const uint8_t robe = Shade(kRed, 2), trim = Shade(kYellow, 9), skin = Grey(20), hat = Grey(2);
    const double w = c.w, h = c.h;
    const double lift = pose == 1 ? -1 : 0;
    const double hem = pose == 0 ? h - 6 : pose == 1 ? h - 10 : h - 8;
    // Feet together under the robe; in the hop the robe flares.
    pen.Cap(Pt{w * 0.36, hem}, 3, Pt{w * 0.36, h - 3.0}, 3, Grey(3));
    pen.Cap(Pt{w * 0.5, hem}, 3, Pt{w * 0.5, h - 3.0}, 3, Grey(3));
    pen.Ell(Pt{w * 0.4, h - 2.5}, 6, 2.5, Grey(3));
    pen.Ell(Pt{w * 0.54, h - 2.5}, 6, 2.5, Grey(3));
    const double flare = pose == 0 ? 0 : 5;
    pen.Poly({{w * 0.28, 16}, {w * 0.58, 16}, {w * 0.66 + flare, hem}, {1.0, hem}}, robe);
    pen.Cap(Pt{2.0, hem - 1}, 1.5, Pt{w * 0.64 + flare, hem - 1}, 1.5, trim);
    pen.Ell(Pt{w * 0.44, 12 + lift}, 7, 7.5, skin);
    // The hat: a flat crown with a rim.
    pen.Poly({{w * 0.3, 6}, {w * 0.58, 6}, {w * 0.56, 0}, {w * 0.32, 0}}, hat);
    pen.Cap(Pt{w * 0.24, 6.5}, 1.5, Pt{w * 0.64, 6.5}, 1.5, hat);
    // Arms out ahead, to the far edge of the body box.
    const double armY = pose == 2 ? 24 : 22;
    pen.Cap(Pt{w * 0.5, armY}, 3.5, Pt{w - 6, armY}, 3, robe);
    pen.Cap(Pt{w - 6, armY}, 2.5, Pt{w - 1.5, armY}, 2, skin);
    if (pose != 0) pen.Cap(Pt{0.0 + flare, hem - 8}, 2, Pt{w * 0.2, hem - 14}, 2, robe);
    pen.Cap(Pt{w * 0.02, 16}, 0.5, Pt{w * 0.02, 16}, 0.5, robe);
    Finish(c, 255);
    // The charm: a yellow strip with a red band, no writing.
    pen.Dot(Pt{w * 0.46, 6}, 3, 9, Shade(kYellow, 13));
    pen.Dot(Pt{w * 0.46, 10}, 3, 1, Shade(kRed, 9));
    pen.Dot(Pt{w * 0.52, 12}, 1, 1, Grey(2));
    if (frame >= 3) c.MirrorX();
}

// The thunder spirit: a horned red imp riding a storm cloud under its ring
// of drums, a drumstick raised (1) or struck down (0), facing right; mirrored
// for the left.
void PaintThunderSpirit(Canvas& c, int frame) {
    const Pen pen(c, 0, 0, 1, 1);
    const bool raised = frame % 2 == 1;
    const uint8_t skin = Shade(kRed, 7), cloud = Grey(14), drum = Shade(kOrange, 5), rim = Shade(kYellow, 9);
    // The ring of drums arching over it, from one side of the cloud to the other.
    for (int k = 0; k < 24; ++k) {
        const double a0 = kPi * k / 24, a1 = kPi * (k + 1) / 24;
        pen.Cap(Pt{32 + 27 * std::cos(a0), 36 - 30 * std::sin(a0)}, 1.4,
                Pt{32 + 27 * std::cos(a1), 36 - 30 * std::sin(a1)}, 1.4, rim);
    }
    for (int k = 0; k < 5; ++k) {
        const double a = kPi * (0.1 + 0.2 * k);
        const Pt p{32 + 27 * std::cos(a), 36 - 30 * std::sin(a)};
        pen.Cap(Toward(pen, p, 3, -a * 180 / kPi + 90), 4, Toward(pen, p, 3, -a * 180 / kPi - 90), 4, drum);
    }
    pen.Cap(Pt{32, 28}, 7, Pt{32, 42}, 8, skin);
    pen.Ell(Pt{34, 20}, 8, 7.5, skin);
    pen.Cap(Pt{29, 14}, 2, Pt{26, 7}, 1, Grey(26));
    pen.Cap(Pt{39, 14}, 2, Pt{42, 7}, 1, Grey(26));
    const Pt hand = raised ? Pt{48, 14} : Pt{52, 32};
    pen.Near(Pt{38, 30}, Mid(Pt{38, 30}, hand, 0.5), hand, 3, 2.8, 2.5, skin);
    pen.Cap(hand, 1.5, raised ? Pt{56, 6} : Pt{59, 26}, 1.5, Shade(kOrange, 2));
    // The cloud it rides: puffs from edge to edge.
    for (int k = 0; k < 5; ++k) pen.Ell(Pt{6.5 + k * 12.75, 54 - (k % 2) * 3.0}, 7.5, 8.5, cloud);
    pen.Ell(Pt{32, 56}, 22, 7, cloud);
    Finish(c, 255);
    pen.Dot(Pt{36, 17}, 3, 2, Shade(kYellow, 14));
    pen.Dot(Pt{37, 17}, 1, 2, Grey(1));
    pen.Poly({{34, 24}, {36, 24}, {35, 27}}, Grey(29));
    pen.Poly({{39, 24}, {41, 24}, {40, 27}}, Grey(29));
    if (frame >= 2) c.MirrorX();
}

// The spirit's bolt: a jagged stroke of lightning, white at its heart.
void PaintBolt(Canvas& c, int frame) {
    const Pen pen(c, 0, 0, 1, 1);
    pen.Poly({{12, 0}, {20, 0}, {13, 11}, {18, 11}, {5, 30}, {8, 16}, {3, 16}}, Shade(kYellow, 11));
    Finish(c, 255);
    pen.Cap(Pt{15, 2}, 0.6, Pt{10, 13}, 0.6, Grey(29));
    pen.Cap(Pt{14, 13}, 0.6, Pt{8, 24}, 0.6, Grey(29));
    if (frame >= 2) c.MirrorX();
}

// The hopping frog: sitting (0) and leaping (1), facing right; mirrored.
void PaintFrog(Canvas& c, int frame) {
    const Pen pen(c, 0, 0, 1, 1);
    const uint8_t skin = Shade(kGreen, 7), belly = Shade(kYellow, 10), dark = Shade(kGreen, 4);
    if (frame % 2 == 0) {
        pen.Ell(Pt{6, 22}, 6, 5, dark);
        pen.Ell(Pt{16, 18}, 15.5, 10, skin);
        pen.Ell(Pt{19, 21}, 9, 5, belly);
        // Big eyes bulging at the top of its head.
        pen.Ell(Pt{26.5, 6}, 5.5, 5.5, skin);
        pen.Ell(Pt{5.5, 7}, 5.5, 5, skin);
        pen.Cap(Pt{24, 22}, 2.5, Pt{30, 26}, 2, skin);
        pen.Cap(Pt{6, 24}, 3, Pt{14, 26}, 2, dark);
        pen.Cap(Pt{27, 26}, 2, Pt{31, 27}, 1, skin);
        Finish(c, 255);
        pen.Dot(Pt{27, 4}, 2, 3, Grey(1));
        pen.Dot(Pt{6, 5}, 2, 3, Grey(1));
        pen.Cap(Pt{18, 16}, 0.5, Pt{27, 15}, 0.5, Shade(kRed, 6));
    } else {
        // Stretched out in the air, hind legs trailing.
        pen.Limb(Pt{12, 30}, Pt{6, 40}, Pt{0, 47}, 4, 3, 2.5, dark);
        pen.Limb(Pt{14, 28}, Pt{20, 40}, Pt{12, 47}, 4.5, 3.5, 2.5, skin);
        pen.Cap(Pt{14, 28}, 10, Pt{28, 12}, 9, skin);
        pen.Ell(Pt{24, 18}, 6, 7, belly);
        pen.Ell(Pt{30, 6}, 5, 5, skin);
        pen.Cap(Pt{30, 16}, 2.5, Pt{39, 10}, 2, skin);
        Finish(c, 255);
        pen.Dot(Pt{31, 4}, 2, 2, Grey(1));
    }
    if (frame >= 2) c.MirrorX();
}

}  // namespace

bool PaintBossOrFinale(const SpriteSet& set, int frame, Canvas& c) {
    if (std::strcmp(set.name, "W_Wolf") == 0) return PaintWolf(c, frame), true;
    if (std::strcmp(set.name, "Mino") == 0) return PaintMino(c, frame), true;
    if (std::strcmp(set.name, "Tuti") == 0) return PaintClod(c, frame), true;
    if (std::strcmp(set.name, "G_Bat") == 0) return PaintGiantBat(c, frame), true;
    if (std::strcmp(set.name, "B_Medyusa") == 0) return PaintGorgon(c, frame), true;
    if (std::strcmp(set.name, "Medyusa") == 0) return PaintGorgonHead(c, frame), true;
    if (std::strcmp(set.name, "Miira") == 0) return PaintMummy(c, frame), true;
    if (std::strcmp(set.name, "Ganseki") == 0) return PaintBoulder(c), true;
    if (std::strcmp(set.name, "Houtai") == 0) return PaintBandage(c, frame), true;
    if (std::strcmp(set.name, "Huranken") == 0) return PaintGiant(c, frame), true;
    if (std::strcmp(set.name, "Quorth") == 0) return PaintSorcerer(c), true;
    if (std::strcmp(set.name, "Tama") == 0) return PaintMagicBall(c), true;
    if (std::strcmp(set.name, "Maryoku") == 0) return PaintOrb(c, frame), true;
    if (std::strcmp(set.name, "Beri_1") == 0) return PaintFireBeast(c, frame), true;
    if (std::strcmp(set.name, "Beri_Fire") == 0) return PaintBeastFire(c, frame), true;
    if (std::strcmp(set.name, "Beri_2") == 0) return PaintChargingBeast(c, frame), true;
    if (std::strcmp(set.name, "Gyai_1") == 0) return PaintDemon(c, frame, false), true;
    if (std::strcmp(set.name, "Gyai_2") == 0) return PaintDemon(c, frame, true), true;
    if (std::strcmp(set.name, "Gyai_Ganseki") == 0) return PaintFallingRock(c), true;
    if (std::strcmp(set.name, "Gyai_Fire1") == 0) return PaintLowFlame(c), true;
    if (std::strcmp(set.name, "Gyai_Fire2") == 0) return PaintSpitFire(c), true;
    if (std::strcmp(set.name, "Death_1") == 0) return PaintReaper(c, frame), true;
    if (std::strcmp(set.name, "Kama") == 0) return PaintSickle(c, frame), true;
    if (std::strcmp(set.name, "Death_2") == 0) return PaintWingedReaper(c, frame), true;
    if (std::strcmp(set.name, "Morvane1") == 0) return PaintLordFirst(c, frame), true;
    if (std::strcmp(set.name, "Morvane2") == 0) return PaintLordSecond(c, frame), true;
    if (std::strcmp(set.name, "HellFire") == 0) return PaintHellFire(c, frame), true;
    if (std::strcmp(set.name, "Kokuen") == 0) return PaintSmoke(c, frame), true;
    if (std::strcmp(set.name, "Morvane3") == 0) return PaintColossus(c), true;
    if (std::strcmp(set.name, "Stn_fire") == 0) return PaintFallingFire(c, frame), true;
    if (std::strcmp(set.name, "Sauji") == 0) return PaintWitch(c, frame), true;
    if (std::strcmp(set.name, "Ringo") == 0) return PaintApple(c), true;
    if (std::strcmp(set.name, "Zonbi") == 0) return PaintCorpse(c, frame), true;
    if (std::strcmp(set.name, "Shellok") == 0) return PaintBeetle(c, frame), true;
    if (std::strcmp(set.name, "Tori") == 0) return PaintBird(c, frame), true;
    if (std::strcmp(set.name, "Koumori") == 0) return PaintSwoopingBat(c, frame), true;
    if (std::strcmp(set.name, "Kyonsi") == 0) return PaintHoppingCorpse(c, frame), true;
    if (std::strcmp(set.name, "Kaminarisama") == 0) return PaintThunderSpirit(c, frame), true;
    if (std::strcmp(set.name, "Kaminari") == 0) return PaintBolt(c, frame), true;
    if (std::strcmp(set.name, "Gool") == 0) return PaintFrog(c, frame), true;
    return false;
}

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
        pen.Cap(Toward(pen, p.head, k * 4, p.snout + 70), k * 2.5, Toward(pen, nose, k * 5, p.snout + 95), k * 1.5, fur);
    }
    pen.Ell(p.head, k * 6.5, k * 6, fur);
    // Ears stand back from the brow.
    const Pt ear = Toward(pen, p.head, k * 4, p.snout - 120);
    pen.Poly({Toward(pen, ear, k * 3.5, p.snout - 30), Toward(pen, ear, k * 8, p.snout - 105),
              Toward(pen, ear, k * 3.5, p.snout + 150)},
             mane);
    pen.Limb(p.hip, p.kneeN, p.footN, k * 7, k * 4.5, k * 3, fur);
    pen.Cap(p.footN, k * 3, Toward(pen, p.footN, k * 5, 0), k * 2.5, fur);
    pen.Limb(Toward(pen, p.chest, k * 3, back), p.elbowN, p.handN, k * 5.5, k * 4, k * 3, fur);
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
        case 1: case 2: case 3: case 4: {
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
    pen.Limb(hip, kneeN, hoofN, 15, 10, 7.5, hide);
    pen.Ell(hoofN, 7.5, 4, Grey(5));
    // A kilt over the thighs, belted.
    pen.Poly({{B.X(0.2), B.Y(0.55)}, {B.X(0.76), B.Y(0.55)}, {B.X(0.82), B.Y(0.72)}, {B.X(0.5), B.Y(0.76)},
              {B.X(0.16), B.Y(0.72)}},
             cloth);
    pen.Cap(Pt{B.X(0.2), B.Y(0.56)}, 3, Pt{B.X(0.76), B.Y(0.56)}, 3, Grey(8));
    pen.Ell(Pt{chest.u + 6, chest.v + 4}, bw * 0.18, bh * 0.07, Shade(kOrange, 7));
    if (axe) {
        const Pt bladeAt = upright ? Pt{blade.X(0.1), blade.Y(0.5)} : Pt{blade.X(0.12), blade.Y(0.5)};
        pen.Cap(butt, 2.5, bladeAt, 2.5, Shade(kOrange, 3));
        Axe(pen, handN, butt, blade, upright);
    }
    pen.Limb(shoulderN, elbow(shoulderN, handN, 1), handN, 11, 9, 7.5, hide);
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
    pen.Limb(Pt{chest.u + 0.06, chest.v - 0.02}, Pt{0.72, stride ? 0.34 : 0.24}, Pt{1.0, stride ? 0.36 : 0.12}, 4, 3.5, 3,
             cloth);
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
    pen.Poly({{0.18, 0.04}, {0.62, 0.0}, {0.9, 0.14}, {1.0, 0.5}, {0.92, 0.86}, {0.6, 1.0}, {0.2, 0.96}, {0.0, 0.62},
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
    auto U = [&](double f) { return (back + f * bodyW) / c.w; };
    const Pt hip{U(0.42), 0.56}, chest{U(0.47) + g.lean, 0.3}, head{U(0.56) + g.lean, 0.09};
    auto L = [&](Pt p) { return Pt{p.u * g.w / c.w, p.v}; };
    pen.Limb(Pt{chest.u - 0.05, chest.v}, L(g.elbowF), L(g.handF), 5, 4.5, 4, coatFar);
    pen.Ell(L(g.handF), 4.5, 4.5, Lit(skin, -2));
    pen.Limb(hip, L(g.kneeF), L(g.footF), 7, 6, 5, Lit(trousers, -1));
    pen.Ell(Pt{L(g.footF).u + 0.04, L(g.footF).v - 0.01}, 7, 4, boot);
    pen.Cap(chest, 6, head, 6, skin);
    pen.Cap(hip, 13, chest, 15, coat);
    pen.Ell(head, 10, 12, skin);
    // Flat black hair on a square skull, a heavy brow, bolts in the neck.
    pen.Poly({{head.u - 10.5 / c.w, head.v - 0.075}, {head.u + 10.5 / c.w, head.v - 0.075},
              {head.u + 10.5 / c.w, head.v - 0.03}, {head.u - 10.5 / c.w, head.v - 0.01}},
             Grey(2));
    pen.Cap(Pt{head.u - 13 / c.w, 0.17}, 2, Pt{head.u - 8 / c.w, 0.17}, 2, Grey(20));
    pen.Cap(Pt{head.u + 8 / c.w, 0.17}, 2, Pt{head.u + 13 / c.w, 0.17}, 2, Grey(20));
    pen.Limb(hip, L(g.kneeN), L(g.footN), 7.5, 6.5, 5.5, trousers);
    pen.Ell(Pt{L(g.footN).u + 0.04, L(g.footN).v - 0.01}, 7.5, 4, boot);
    // The coat's skirts hang over the thighs.
    pen.Poly({{hip.u - 12 / c.w, hip.v - 0.02}, {hip.u + 12 / c.w, hip.v - 0.02}, {hip.u + 15 / c.w, 0.7},
              {hip.u - 14 / c.w, 0.7}},
             coat);
    pen.Limb(Pt{chest.u + 0.05, chest.v}, L(g.elbowN), L(g.handN), 5.5, 5, 4.5, coat);
    pen.Ell(L(g.handN), 5, 5, skin);
    Finish(c, 255);
    // Brow, a dull eye, the mouth and a stitched scar.
    pen.Cap(Pt{head.u + 0 / c.w, head.v - 0.012}, 1, Pt{head.u + 9 / c.w, head.v - 0.012}, 1, Grey(2));
    pen.Dot(Pt{head.u + 4 / c.w, head.v - 0.004}, 3, 2, Shade(kYellow, 13));
    pen.Cap(Pt{head.u + 1 / c.w, head.v + 0.05}, 0.6, Pt{head.u + 8 / c.w, head.v + 0.05}, 0.6, Grey(2));
    pen.Cap(Pt{head.u - 7 / c.w, head.v - 0.03}, 0.5, Pt{head.u - 3 / c.w, head.v + 0.03}, 0.5, Grey(3));
    for (int k = 0; k < 3; ++k)
        pen.Dot(Pt{head.u + (-7 + k * 2 - 1) / c.w, head.v - 0.02 + k * 0.02}, 3, 1, Grey(3));
    c.MirrorX();
}

// The sorcerer of the last duel: a horned, hooded figure in a great robe,
// seen from the front, a ball of its magic in each hand.
void PaintSorcerer(Canvas& c) {
    const uint8_t robe = Shade(kPurple, 5), inner = Shade(kPurple, 2), trim = Shade(kYellow, 10), ball = Shade(kMagenta, 10);
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
    return false;
}

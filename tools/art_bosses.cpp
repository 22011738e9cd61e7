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

}  // namespace

bool PaintBossOrFinale(const SpriteSet& set, int frame, Canvas& c) {
    if (std::strcmp(set.name, "W_Wolf") == 0) return PaintWolf(c, frame), true;
    if (std::strcmp(set.name, "Mino") == 0) return PaintMino(c, frame), true;
    if (std::strcmp(set.name, "Tuti") == 0) return PaintClod(c, frame), true;
    return false;
}

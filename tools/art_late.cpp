// The late foes: armoured warriors, champions, droppers, ranged foes with
// their shots, hazards, ground foes and the foes of the last stages. Each set
// has one painter; every frame is laid out from the boxes its kind is tested
// with (rows and columns of the frame, after the draw's anchor), so what the
// player sees is where the foe hurts and can be hit.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <initializer_list>
#include <numbers>

#include "gen_art.h"

namespace {

constexpr double kPi = std::numbers::pi;

// --- colours -------------------------------------------------------------------

// The same colour lighter (d > 0) or darker along its own ramp.
uint8_t Toned(uint8_t c, int d) {
    if (c >= 1 && c <= 30) return Grey(std::clamp(c - 1 + 2 * d, 0, 29));
    if (c >= 31 && c < 31 + 16 * kRampCount) {
        const int ramp = (c - 31) / 16, shade = (c - 31) % 16;
        return Shade(ramp, std::clamp(shade + d, 0, 15));
    }
    return c;
}

// Five steps of one ramp, dark to light, and the ink its figure is outlined in.
struct Tone {
    uint8_t ink, dark, mid, light, shine;
};
constexpr Tone RampTone(int ramp, int base = 7) {
    return {Shade(ramp, std::max(0, base - 6)), Shade(ramp, base - 3), Shade(ramp, base), Shade(ramp, base + 3),
            Shade(ramp, std::min(15, base + 6))};
}
constexpr Tone GreyTone(int base) {
    return {Grey(std::max(0, base - 12)), Grey(base - 6), Grey(base), Grey(std::min(29, base + 5)),
            Grey(std::min(29, base + 9))};
}
constexpr uint8_t kInk = Grey(1);

// --- the pen ---------------------------------------------------------------------

struct P {
    double u, v;
};
P operator+(P a, P b) { return {a.u + b.u, a.v + b.v}; }
P operator-(P a, P b) { return {a.u - b.u, a.v - b.v}; }
P operator*(P a, double k) { return {a.u * k, a.v * k}; }
P Mid(P a, P b, double t = 0.5) { return {a.u + (b.u - a.u) * t, a.v + (b.v - a.v) * t}; }
double Len(P a) { return std::hypot(a.u, a.v); }

// Draws a figure facing right in its own coordinates: u grows forward (to
// the right, or to the left in a frame that faces left), v grows down, both
// from an origin in the frame.
class Pen {
public:
    Pen(Canvas& c, double ou, double ov, bool left) : c_(c), ou_(ou), ov_(ov), left_(left) {}
    double X(double u) const { return left_ ? ou_ - u : ou_ + u; }
    double Y(double v) const { return ov_ + v; }
    Canvas& canvas() { return c_; }

    void Oval(P p, double ru, double rv, uint8_t col) { c_.Ellipse(X(p.u), Y(p.v), ru, rv, col); }
    void Disc(P p, double r, uint8_t col) { Oval(p, r, r, col); }
    // A stroke with round ends whose width runs from w0 to w1.
    void Stroke(P a, P b, double w0, uint8_t col, double w1 = -1) {
        if (w1 < 0) w1 = w0;
        const int steps = std::max(1, static_cast<int>(Len(b - a) * 2));
        for (int i = 0; i <= steps; ++i) {
            const double t = static_cast<double>(i) / steps, w = w0 + (w1 - w0) * t;
            const P p = Mid(a, b, t);
            if (w < 1.5)
                c_.Put(static_cast<int>(std::floor(X(p.u))), static_cast<int>(std::floor(Y(p.v))), col);
            else
                Disc(p, w / 2, col);
        }
    }
    void Poly(std::initializer_list<P> pts, uint8_t col) {
        double xs[32], ys[32];
        int n = 0;
        for (const P& p : pts)
            if (n < 32) xs[n] = X(p.u), ys[n++] = Y(p.v);
        c_.Polygon(xs, ys, n, col);
    }
    void Rect(double u0, double v0, double u1, double v1, uint8_t col) {
        const double x0 = X(u0), x1 = X(u1);
        c_.Box(static_cast<int>(std::lround(std::min(x0, x1))), static_cast<int>(std::lround(v0 + ov_)),
               static_cast<int>(std::lround(std::max(x0, x1))), static_cast<int>(std::lround(v1 + ov_)), col);
    }
    // A curve through three points, as a run of strokes.
    void Curve(P a, P b, P c, double w0, uint8_t col, double w1 = -1) {
        if (w1 < 0) w1 = w0;
        P last = a;
        constexpr int kSteps = 12;
        for (int i = 1; i <= kSteps; ++i) {
            const double t = static_cast<double>(i) / kSteps;
            const P p = Mid(Mid(a, b, t), Mid(b, c, t), t);
            Stroke(last, p, w0 + (w1 - w0) * (t - 0.5 / kSteps), col);
            last = p;
        }
    }

private:
    Canvas& c_;
    double ou_, ov_;
    bool left_;
};

// A frame's pose in a set of two facings of poses frames each (the right
// run first), with a pen facing its way.
struct Posed {
    int pose;
    bool left;
    Pen pen;
};
Posed PoseOf(Canvas& c, int frame, int poses) {
    const bool left = frame >= poses;
    return {frame % poses, left, Pen(c, left ? c.w : 0, 0, left)};
}

// The elbow or knee of a limb from root a to end c with the given segment
// lengths, bent to the side bend (+1 forward, -1 back) of the line a-c.
P Joint(P a, P c, double l1, double l2, double bend) {
    const P d = c - a;
    const double len = std::max(1e-6, Len(d));
    const double reach = std::min(len, l1 + l2 - 0.01);
    const double along = (l1 * l1 - l2 * l2 + reach * reach) / (2 * reach);
    const double side = std::sqrt(std::max(0.0, l1 * l1 - along * along));
    const P n = d * (1 / len);
    return {a.u + n.u * along - n.v * side * bend, a.v + n.v * along + n.u * side * bend};
}

// Lighter on the top edges of every shape and darker on the bottom ones, so
// flat fills read as round; then the figure's own edge in ink.
void Finish(Canvas& c, uint8_t bg, uint8_t ink = kInk) {
    std::vector<uint8_t> out = c.px;
    for (int y = 0; y < c.h; ++y)
        for (int x = 0; x < c.w; ++x) {
            const uint8_t p = c.At(x, y);
            if (p == bg) continue;
            const auto other = [&](int ox, int oy) {
                return ox < 0 || oy < 0 || ox >= c.w || oy >= c.h || c.At(ox, oy) != p;
            };
            if (other(x, y - 1) && !other(x, y + 1))
                out[static_cast<size_t>(y) * c.w + x] = Toned(p, 2);
            else if (other(x, y + 1) && !other(x, y - 1))
                out[static_cast<size_t>(y) * c.w + x] = Toned(p, -2);
        }
    c.px.swap(out);
    c.InnerOutline(bg, ink);
}

// --- humanoids ---------------------------------------------------------------------

// A standing figure's joints in pen coordinates.
struct Rig {
    P head, neck, hip;
    P shoulderF, elbowF, handF, shoulderB, elbowB, handB;
    P hipF, kneeF, footF, hipB, kneeB, footB;
    double headR, limbW, torsoW;
};

// Where a figure stands and what it does with its hands. Hands are given
// relative to their shoulder; feet on the floor at u stepF and stepB.
struct Stance {
    double height = 0;  // top of the head to the soles
    double hipU = 0;    // the hips' u
    double floor = 0;   // the soles' v
    double lean = 0;    // the shoulders ahead of the hips
    double crouch = 0;  // hips lowered by this share of the leg
    double stepF = 6, stepB = -6;
    double liftF = 0, liftB = 0;
    P handF = {8, 20}, handB = {-6, 20};
    double build = 1;  // stockiness
    double bow = 0;    // the torso bent forward from upright, in degrees
};

Rig MakeRig(const Stance& s) {
    Rig r{};
    const double H = s.height;
    r.headR = H * 0.082 * (0.9 + 0.1 * s.build);
    const double leg = H * 0.48, thigh = leg * 0.5, shin = leg * 0.5;
    const double hipV = s.floor - leg * (1 - 0.45 * s.crouch);
    r.hip = {s.hipU, hipV};
    // Legs, torso, neck and head add up to the height: the helm's top is at floor - height.
    const double torso = H * 0.33;
    const double rise = torso * (1 - 0.25 * s.crouch), bow = s.bow * kPi / 180;
    r.neck = {s.hipU + s.lean + rise * std::sin(bow), hipV - rise * std::cos(bow)};
    r.head = {r.neck.u + s.lean * 0.25 + r.headR * 0.15, r.neck.v - H * 0.1};
    r.torsoW = H * 0.2 * s.build;
    r.limbW = std::max(2.0, H * 0.075 * s.build);
    const double shoulderDrop = H * 0.04;
    r.shoulderF = {r.neck.u + r.torsoW * 0.2, r.neck.v + shoulderDrop};
    r.shoulderB = {r.neck.u - r.torsoW * 0.2, r.neck.v + shoulderDrop};
    const double arm = H * 0.19;
    r.handF = r.shoulderF + s.handF;
    r.handB = r.shoulderB + s.handB;
    r.elbowF = Joint(r.shoulderF, r.handF, arm, arm, -1);
    r.elbowB = Joint(r.shoulderB, r.handB, arm, arm, -1);
    r.hipF = {r.hip.u + r.torsoW * 0.18, r.hip.v};
    r.hipB = {r.hip.u - r.torsoW * 0.18, r.hip.v};
    r.footF = {s.hipU + s.stepF, s.floor - 1 - s.liftF};
    r.footB = {s.hipU + s.stepB, s.floor - 1 - s.liftB};
    r.kneeF = Joint(r.hipF, r.footF, thigh, shin, 1);
    r.kneeB = Joint(r.hipB, r.footB, thigh, shin, 1);
    return r;
}

void Leg(Pen& p, P hip, P knee, P foot, double w, uint8_t col, uint8_t boot) {
    p.Stroke(hip, knee, w * 1.15, col, w);
    p.Stroke(knee, foot, w, boot, w * 0.9);
    p.Poly({foot + P{-w * 0.5, -w * 0.6}, foot + P{w * 1.3, -w * 0.4}, foot + P{w * 1.4, 0.5}, foot + P{-w * 0.6, 0.5}},
           boot);
}
void Arm(Pen& p, P shoulder, P elbow, P hand, double w, uint8_t col, uint8_t glove) {
    p.Stroke(shoulder, elbow, w, col, w * 0.9);
    p.Stroke(elbow, hand, w * 0.9, col, w * 0.8);
    p.Disc(hand, w * 0.55, glove);
}
// The torso as a tapering slab from shoulders to hips.
void Torso(Pen& p, const Rig& r, double top, double bottom, uint8_t col) {
    const P d = r.hip - r.neck;
    const double len = std::max(1.0, Len(d));
    const P n = {-d.v / len, d.u / len};
    p.Poly({r.neck + n * (top / 2), r.neck - n * (top / 2), r.hip - n * (bottom / 2), r.hip + n * (bottom / 2)}, col);
}

// --- warriors: the spear knight -------------------------------------------------------

constexpr Tone kSteel = GreyTone(17);

// A knight in plate with a plumed helm and a kite shield on the back arm;
// the spear is drawn by the caller.
void Knight(Pen& p, const Rig& r, const Tone& tabard, double shieldU) {
    const double w = r.limbW;
    Leg(p, r.hipB, r.kneeB, r.footB, w, kSteel.dark, Grey(6));
    Arm(p, r.shoulderB, r.elbowB, r.handB, w * 0.9, kSteel.dark, Grey(7));
    if (shieldU >= 0) {
        const double top = r.neck.v + 2, half = (r.handB.u - shieldU) * 0.9 + 2;
        const double cu = shieldU + half;
        p.Poly({{cu - half, top},
                {cu + half, top},
                {cu + half, top + half * 2.2},
                {cu, top + half * 3.4},
                {cu - half, top + half * 2.2}},
               kSteel.light);
        p.Poly({{cu - half + 2, top + 2},
                {cu + half - 2, top + 2},
                {cu + half - 2, top + half * 1.2},
                {cu - half + 2, top + half * 1.2}},
               tabard.mid);
        p.Disc({cu, top + half * 1.5}, 2, Shade(kYellow, 10));
    }
    Torso(p, r, r.torsoW * 1.15, r.torsoW * 0.9, kSteel.mid);
    p.Poly({r.neck + P{r.torsoW * 0.5, 2}, r.neck + P{r.torsoW * 0.1, r.torsoW * 1.2}, r.neck + P{-r.torsoW * 0.35, 2}},
           kSteel.light);
    // The tabard over the hips, then the front leg over it.
    const P t = Mid(r.neck, r.hip, 0.5);
    p.Poly({t + P{-r.torsoW * 0.42, 0}, t + P{r.torsoW * 0.45, 0}, r.hip + P{r.torsoW * 0.5, r.torsoW * 0.8},
            r.hip + P{-r.torsoW * 0.45, r.torsoW * 0.8}},
           tabard.mid);
    p.Rect(t.u - r.torsoW * 0.45, t.v - 1, t.u + r.torsoW * 0.48, t.v + 2, Shade(kYellow, 7));
    Leg(p, r.hipF, r.kneeF, r.footF, w, kSteel.mid, Grey(9));
    p.Disc(r.kneeF, w * 0.7, kSteel.light);
    // Helm: a bucket with a slit, a plume streaming back.
    const double hr = r.headR;
    p.Curve(r.head + P{0, -hr * 0.9}, r.head + P{-hr * 1.2, -hr * 1.9}, r.head + P{-hr * 2.2, -hr * 0.1}, hr * 0.8,
            tabard.light, hr * 0.35);
    p.Oval(r.head, hr * 1.05, hr * 1.15, kSteel.mid);
    p.Rect(r.head.u - hr * 0.1, r.head.v - hr * 0.2, r.head.u + hr * 1.05, r.head.v + hr * 0.15, kInk);
    p.Disc(r.shoulderF, w * 0.85, kSteel.light);
}

// The spear runs from the butt to the tip, its leaf-shaped head headLen long.
void Spear(Pen& p, P butt, P tip, double headLen, double headW, bool pennant) {
    const P d = tip - butt;
    const double len = Len(d);
    const P n = d * (1 / len), side = {-n.v, n.u};
    const P neck = tip - n * headLen;
    p.Stroke(butt, neck, 3, Shade(kOrange, 4));
    p.Poly({neck + side * (headW / 2), tip, neck - side * (headW / 2), neck - n * (headLen * 0.2)}, Grey(24));
    p.Stroke(neck - n * 2, neck + n * 1, 3, Shade(kYellow, 8));
    if (!pennant) return;
    const P f = neck - n * (headLen * 0.3);
    p.Poly({f, f - n * (headLen * 1.1), f - n * (headLen * 0.2) + side * (headLen * 0.6)}, Shade(kViolet, 7));
}

void PaintSNight(Canvas& c, int frame, uint8_t bg) {
    const int pose = frame % 5;
    const bool left = frame >= 5;
    const Tone tabard = RampTone(kViolet, 6);
    // The raised pose stands 39 rows lower in its frame.
    const double top = pose == 3 ? 39 : 0, floor = top + 92;
    Pen p(c, left ? c.w : 0, 0, left);
    Stance s{90, 24, floor};
    s.build = 1.25;
    double shield = 1;
    switch (pose) {
        case 0: s.stepF = 12, s.stepB = -13, s.handF = {18, 8}, s.handB = {-6, 18}; break;
        case 1: s.hipU = 22, s.stepF = 5, s.stepB = -4, s.liftB = 5, s.handF = {16, 10}, s.handB = {-5, 20}; break;
        case 2: s.stepF = 14, s.stepB = -13, s.handF = {4, -8}, s.handB = {-6, 16}; break;
        case 3: s.stepF = 14, s.stepB = -13, s.handF = {14, -22}, s.handB = {-6, 16}; break;
        default:
            s.hipU = 25, s.stepF = 24, s.stepB = -22, s.lean = 4, s.crouch = 0.05, s.handF = {20, 2},
            s.handB = {-8, 10}, shield = -1;
            break;
    }
    const Rig r = MakeRig(s);
    // The spear, behind the figure but in its front hand.
    switch (pose) {
        case 0: Spear(p, r.handF + P{1, 36}, {r.handF.u - 1, 1}, 15, 9, false); break;
        case 1: Spear(p, r.handF + P{1, 34}, {r.handF.u, 1}, 15, 9, false); break;
        case 2: Spear(p, r.handF + P{-26, 26}, {53, 2}, 16, 10, false); break;
        case 3: Spear(p, r.handF + P{0, 44}, {r.handF.u, 1}, 18, 10, true); break;
        default: Spear(p, {1, 30}, {c.w - 1.0, 26.5}, 22, 17, true); break;
    }
    Knight(p, r, tabard, shield);
    Arm(p, r.shoulderF, r.elbowF, r.handF, r.limbW * 0.95, kSteel.mid, Grey(8));
    Finish(c, bg);
}

// --- warriors: people in cloth and leather ---------------------------------------------

struct Outfit {
    uint8_t skin, top, topDark, legs, legsDark, boots;
    uint8_t sleeve = 0, sleeveDark = 0;  // 0: the sleeves are the top's
};

// The body without the front arm, which the caller draws over its weapon.
void Figure(Pen& p, const Rig& r, const Outfit& o) {
    const double w = r.limbW;
    Leg(p, r.hipB, r.kneeB, r.footB, w, o.legsDark, o.boots);
    Arm(p, r.shoulderB, r.elbowB, r.handB, w * 0.85, o.sleeveDark ? o.sleeveDark : o.topDark, o.skin);
    Torso(p, r, r.torsoW * 1.1, r.torsoW * 0.9, o.top);
    Leg(p, r.hipF, r.kneeF, r.footF, w, o.legs, o.boots);
    p.Oval(r.head, r.headR, r.headR * 1.1, o.skin);
}
void FrontArm(Pen& p, const Rig& r, const Outfit& o) {
    Arm(p, r.shoulderF, r.elbowF, r.handF, r.limbW * 0.9, o.sleeve ? o.sleeve : o.top, o.skin);
}

// A pointed hood over the head with the face in its shadow and two eyes.
void Hood(Pen& p, const Rig& r, uint8_t cloth, uint8_t eye) {
    const double hr = r.headR;
    const P h = r.head;
    p.Poly({h + P{-hr * 1.3, hr * 1.2}, h + P{-hr * 1.5, -hr * 0.2}, h + P{-hr * 0.9, -hr * 1.5},
            h + P{hr * 0.4, -hr * 1.5}, h + P{hr * 1.3, -hr * 0.4}, h + P{hr * 1.3, hr * 1.3}},
           cloth);
    p.Oval(h + P{hr * 0.55, hr * 0.1}, hr * 0.65, hr * 0.8, Grey(3));
    p.Rect(h.u + hr * 0.3, h.v - hr * 0.1, h.u + hr * 0.6, h.v + hr * 0.2, eye);
    p.Rect(h.u + hr * 0.8, h.v - hr * 0.1, h.u + hr * 1.1, h.v + hr * 0.2, eye);
}

// A whip from the hand through a bend to its end, thinning out, the popper bright.
void Whip(Pen& p, P hand, P bend, P end) {
    p.Curve(hand, bend, end, 3, Shade(kOrange, 3), 1.6);
    p.Disc(end, 1.5, Shade(kYellow, 11));
    p.Stroke(hand + P{-1, 1}, hand + P{2, -2}, 3, Grey(6));
}

constexpr Outfit kWhipMaster = {Shade(kPink, 10),  Shade(kRed, 5),    Shade(kRed, 3),
                                Shade(kOrange, 3), Shade(kOrange, 2), Grey(4)};

void PaintRedWhip(Canvas& c, int frame, uint8_t bg) {
    const int pose = frame % 7;
    const bool left = frame >= 7;
    const Tone cloak = RampTone(kRed, 6);
    Pen p(c, left ? c.w : 0, 0, left);
    if (pose == 5 || pose == 6) {
        // On its knees, then flat on the floor: only the floor row is fixed.
        if (pose == 5) {
            p.Poly({{6, 29}, {14, 8}, {30, 6}, {38, 29}}, cloak.mid);
            p.Oval({32, 7}, 6, 6, cloak.dark);
            p.Rect(4, 26, 44, 30, kWhipMaster.legsDark);
            p.Curve({36, 18}, {44, 24}, {47, 29}, 2, Shade(kOrange, 3), 1.4);
        } else {
            p.Poly({{2, 11}, {4, 4}, {34, 3}, {38, 11}}, cloak.mid);
            p.Oval({40, 6}, 6, 5, cloak.dark);
            p.Curve({10, 10}, {24, 9}, {47, 11}, 2, Shade(kOrange, 3), 1.4);
        }
        Finish(c, bg);
        return;
    }
    if (pose == 4) {
        // Reeling: the body in the frame's left part (where the blow is tested) whichever way it faced.
        Pen q(c, frame == 4 ? 0 : 26, 0, frame != 4);
        Stance s{60, 13, 62};
        s.lean = frame == 4 ? -7 : 5, s.stepF = 7, s.stepB = -8, s.liftF = 3;
        s.handF = frame == 4 ? P{14, -10} : P{-18, -6}, s.handB = frame == 4 ? P{12, -14} : P{-14, 4};
        const Rig r = MakeRig(s);
        q.Poly({r.neck + P{-6, 0}, r.neck + P{5, 0}, r.hip + P{8, 8}, r.hip + P{-10, 8}}, cloak.dark);
        Figure(q, r, kWhipMaster);
        Hood(q, r, cloak.mid, Shade(kYellow, 12));
        FrontArm(q, r, kWhipMaster);
        // The whip flies loose to the frame's far edge.
        const double far = frame == 4 ? c.w - 2.0 : -(c.w - 28.0);
        Whip(q, r.handF, {Mid(r.handF, {far, 40}).u, r.handF.v + 6}, {far, 40});
        Finish(c, bg);
        return;
    }
    const double bodyW = pose == 3 ? 50 : c.w;
    const double floor = pose == 3 ? 60 : 62;
    Stance s{60, pose == 3 ? 22.0 : 26.0, floor};
    s.build = 1.1;
    switch (pose) {
        case 0: s.stepF = 10, s.stepB = -11, s.handF = {12, 12}, s.handB = {-5, 16}; break;
        case 1: s.stepF = 3, s.stepB = -3, s.liftB = 4, s.handF = {11, 14}, s.handB = {-3, 17}; break;
        case 2: s.stepF = 11, s.stepB = -12, s.lean = -3, s.handF = {-6, -16}, s.handB = {6, 10}; break;
        default: s.stepF = 14, s.stepB = -15, s.lean = 6, s.handF = {16, 8}, s.handB = {-8, 10}; break;
    }
    const Rig r = MakeRig(s);
    // The cloak streams back from the shoulders to the back edge.
    const double back = 1;
    p.Poly({r.neck + P{-2, -1},
            r.neck + P{-r.torsoW * 0.6, 2},
            {back, floor - 10},
            {back + 8, floor - 3},
            r.hip + P{2, 12}},
           cloak.dark);
    Figure(p, r, kWhipMaster);
    Hood(p, r, cloak.mid, Shade(kYellow, 12));
    switch (pose) {
        case 0:
        case 1:  // the whip coiled and hanging from the hand
            p.Curve(r.handF, r.handF + P{9, 2}, {bodyW - 2, r.handF.v + 20}, 2.6, Shade(kOrange, 3), 2);
            p.Curve({bodyW - 2, r.handF.v + 20}, {bodyW - 8, r.handF.v + 30}, r.handF + P{2, 26}, 2, Shade(kOrange, 3),
                    1.5);
            break;
        case 2: Whip(p, r.handF, r.handF + P{22, -30}, {c.w - 2.0, 30}); break;  // swinging over the head
        default: Whip(p, r.handF, Mid(r.handF, {c.w - 2.0, 24.5}), {c.w - 2.0, 24.5}); break;
    }
    FrontArm(p, r, kWhipMaster);
    Finish(c, bg);
}

// --- warriors: the axe knight in crimson plate ------------------------------------------

constexpr Tone kCrimson = RampTone(kRed, 6);

void HeavyPlate(Pen& p, const Rig& r, const Tone& plate) {
    const double w = r.limbW;
    Leg(p, r.hipB, r.kneeB, r.footB, w, plate.dark, Grey(5));
    Arm(p, r.shoulderB, r.elbowB, r.handB, w * 0.9, plate.dark, Grey(6));
    Torso(p, r, r.torsoW * 1.25, r.torsoW, plate.mid);
    p.Rect(r.hip.u - r.torsoW * 0.5, r.hip.v - 3, r.hip.u + r.torsoW * 0.5, r.hip.v + 1, Shade(kYellow, 7));
    p.Poly({r.hip + P{-r.torsoW * 0.55, 0}, r.hip + P{r.torsoW * 0.55, 0}, r.hip + P{r.torsoW * 0.45, r.torsoW * 0.6},
            r.hip + P{-r.torsoW * 0.5, r.torsoW * 0.6}},
           plate.dark);
    Leg(p, r.hipF, r.kneeF, r.footF, w * 1.05, plate.mid, Grey(7));
    p.Disc(r.kneeF, w * 0.75, plate.light);
    // A closed helm with two horns and a glowing slit.
    const double hr = r.headR;
    p.Curve(r.head + P{-hr * 0.6, -hr * 0.6}, r.head + P{-hr * 1.6, -hr * 1.2}, r.head + P{-hr * 1.3, -hr * 2.3},
            hr * 0.6, Grey(24), hr * 0.2);
    p.Curve(r.head + P{hr * 0.5, -hr * 0.7}, r.head + P{hr * 1.2, -hr * 1.6}, r.head + P{hr * 0.6, -hr * 2.4}, hr * 0.6,
            Grey(24), hr * 0.2);
    p.Oval(r.head, hr * 1.1, hr * 1.15, Grey(7));
    p.Rect(r.head.u - hr * 1.1, r.head.v + hr * 0.5, r.head.u + hr * 1.1, r.head.v + hr * 0.8, Shade(kYellow, 7));
    p.Rect(r.head.u + hr * 0.1, r.head.v - hr * 0.15, r.head.u + hr * 1.1, r.head.v + hr * 0.15, Shade(kYellow, 12));
    p.Oval(r.shoulderF + P{0, 1}, w * 1.1, w * 0.8, plate.light);
}

// A double-bitted axe: haft from a to b, the head at b.
void Axe(Pen& p, P a, P b, double bit) {
    const P d = b - a;
    const double len = Len(d);
    const P n = d * (1 / len), side = {-n.v, n.u};
    p.Stroke(a, b + n * (bit * 0.3), std::max(3.0, bit * 0.18), Shade(kOrange, 3));
    for (const double k : {1.0, -1.0}) {
        const P root = b + side * (k * bit * 0.15);
        p.Poly({root - n * (bit * 0.35), root + side * (k * bit) - n * (bit * 0.75), root + side * (k * bit * 1.1),
                root + side * (k * bit) + n * (bit * 0.75), root + n * (bit * 0.35)},
               Grey(21));
        p.Stroke(root + side * (k * bit) - n * (bit * 0.6), root + side * (k * bit) + n * (bit * 0.6), 2, Grey(27));
    }
}

void PaintRedAxArmor(Canvas& c, int frame, uint8_t bg) {
    auto [pose, left, p] = PoseOf(c, frame, 4);
    const double floor = c.h;
    Stance s{94, 24, floor};
    s.build = 1.45;
    P haftA{}, haftB{};
    double bit = 16;
    switch (pose) {
        case 0:  // on guard: the axe upright before the body
            s.height = 92, s.hipU = 20, s.stepF = 9, s.stepB = -14, s.handF = {16, 8}, s.handB = {10, 12};
            haftA = {48, 88}, haftB = {48, 18}, bit = 11;
            break;
        case 1:  // charging with the axe raised high
            s.hipU = 22, s.stepF = 14, s.stepB = -14, s.lean = 3, s.handF = {8, -28}, s.handB = {-8, 14};
            haftA = {24, 46}, haftB = {30, 15}, bit = 15;
            break;
        case 2:
            s.hipU = 26, s.stepF = 18, s.stepB = -16, s.lean = 6, s.crouch = 0.1, s.handF = {20, -10},
            s.handB = {-6, 12};
            haftA = {30, 56}, haftB = {66, 18}, bit = 15;
            break;
        default:  // the low sweep
            s.height = 88, s.hipU = 28, s.stepF = 24, s.stepB = -22, s.lean = 10, s.crouch = 0.25, s.handF = {24, 6},
            s.handB = {-6, 10};
            haftA = {34, 52}, haftB = {c.w - 18.0, 42}, bit = 17;
            break;
    }
    const Rig r = MakeRig(s);
    if (pose == 0) {
        HeavyPlate(p, r, kCrimson);
        Axe(p, haftA, haftB, bit);
        Arm(p, r.shoulderF, r.elbowF, r.handF, r.limbW * 0.95, kCrimson.mid, Grey(7));
    } else {
        Axe(p, haftA, haftB, bit);
        HeavyPlate(p, r, kCrimson);
        Arm(p, r.shoulderF, r.elbowF, r.handF, r.limbW * 0.95, kCrimson.mid, Grey(7));
    }
    Finish(c, bg);
}

// --- warriors: the hammer giant ---------------------------------------------------------

constexpr Outfit kGiant = {Shade(kOrange, 9), Shade(kRed, 3), Shade(kRed, 2),    Shade(kYellow, 3),
                           Shade(kYellow, 2), Grey(5),        Shade(kOrange, 8), Shade(kOrange, 6)};

// A great maul: haft from a to b, a banded block of iron at b.
void Hammer(Pen& p, P a, P b, double head) {
    const P d = b - a;
    const double len = Len(d);
    const P n = d * (1 / len), side = {-n.v, n.u};
    p.Stroke(a, b, std::max(4.0, head * 0.2), Shade(kOrange, 3));
    const P h0 = b - side * (head * 0.7), h1 = b + side * (head * 0.7);
    p.Poly({h0 - n * (head * 0.45), h1 - n * (head * 0.45), h1 + n * (head * 0.45), h0 + n * (head * 0.45)}, Grey(12));
    p.Poly({h0 - n * (head * 0.2), h1 - n * (head * 0.2), h1 + n * (head * 0.05), h0 + n * (head * 0.05)}, Grey(8));
    p.Stroke(h0 - n * (head * 0.45), h1 - n * (head * 0.45), 2, Grey(20));
}

// A bald head with a beard and small angry eyes.
void GiantHead(Pen& p, const Rig& r) {
    const double hr = r.headR;
    p.Oval(r.head, hr, hr * 1.1, kGiant.skin);
    p.Poly({r.head + P{-hr * 0.2, hr * 0.3}, r.head + P{hr * 1.1, hr * 0.3}, r.head + P{hr * 0.6, hr * 1.7}},
           Shade(kOrange, 3));
    p.Rect(r.head.u + hr * 0.35, r.head.v - hr * 0.2, r.head.u + hr * 0.8, r.head.v + hr * 0.05, kInk);
    p.Rect(r.head.u - hr * 0.2, r.head.v - hr * 0.45, r.head.u + hr * 0.95, r.head.v - hr * 0.3, Shade(kOrange, 3));
}

void Giant(Pen& p, const Rig& r) {
    Figure(p, r, kGiant);
    p.Oval(r.neck + P{-2, 4}, r.torsoW * 0.75, r.torsoW * 0.35, Shade(kOrange, 5));  // a fur mantle
    GiantHead(p, r);
}

void PaintHunmer(Canvas& c, int frame, uint8_t bg) {
    auto [pose, left, p] = PoseOf(c, frame, 6);
    const double floor = c.h;
    // Where the body's own box (walking width 84) begins in each frame.
    constexpr double kBody[6] = {0, 0, 40, 34, 0, 0};
    const double b = kBody[pose];
    Stance s{c.h - 2.0, b + 44, floor};
    s.build = 1.5;
    P ha{}, hb{};
    double head = 26;
    bool hammerFirst = true;
    switch (pose) {
        case 0:  // the maul over the shoulder, its haft held low in front
            s.stepF = 16, s.stepB = -18, s.handF = {20, 26}, s.handB = {-8, 30};
            ha = {b + 82, 78}, hb = {b + 14, 8}, head = 24;
            break;
        case 1:
            s.stepF = 6, s.stepB = -6, s.liftB = 6, s.handF = {20, 28}, s.handB = {-4, 30};
            ha = {b + 82, 80}, hb = {b + 14, 8}, head = 24;
            break;
        case 2:  // swung back behind the giant
            s.height = c.h + 2.0, s.stepF = 22, s.stepB = -18, s.lean = -6, s.handF = {-20, 10}, s.handB = {-24, 14};
            ha = {b + 34, 66}, hb = {14, 40}, head = 26;
            break;
        case 3:  // up over the shoulder
            s.stepF = 22, s.stepB = -22, s.lean = -8, s.handF = {-10, -26}, s.handB = {-14, -22};
            ha = {b + 30, 64}, hb = {18, 18}, head = 30;
            break;
        case 4:  // straight up over the head
            s.hipU = 50, s.stepF = 24, s.stepB = -24, s.handF = {0, -32}, s.handB = {-4, -30};
            ha = {50, 76}, hb = {52, 14}, head = 28;
            break;
        default:  // slammed into the floor ahead
            s.height = 112, s.hipU = 40, s.stepF = 26, s.stepB = -30, s.lean = 12, s.crouch = 0.05, s.handF = {30, 20},
            s.handB = {28, 22};
            ha = {62, 56}, hb = {c.w - 25.0, 84}, head = 34;
            hammerFirst = false;
            break;
    }
    const Rig r = MakeRig(s);
    if (hammerFirst) Hammer(p, ha, hb, head);
    Giant(p, r);
    if (!hammerFirst) Hammer(p, ha, hb, head);
    FrontArm(p, r, kGiant);
    if (pose == 3 || pose == 4) GiantHead(p, r);  // the face between the raised arms
    Finish(c, bg);
}

// --- warriors: the charging brute --------------------------------------------------------

// A hulking automaton of riveted brass that charges head down, fists swinging.
void PaintTyinman(Canvas& c, int frame, uint8_t bg) {
    const bool left = frame >= 2, b = frame % 2 == 1;
    Pen p(c, left ? c.w : 0, 0, left);
    const Tone brass = RampTone(kYellow, 6), iron = GreyTone(12);
    const double fl = c.h - 1;
    // Legs: a long running stride, then the passing step.
    const P hip{40, 78};
    const P footF = b ? P{54, fl} : P{84, fl}, footB = b ? P{22, fl - 14} : P{2, fl - 4};
    const P kneeF = Joint(hip, footF, 26, 26, 1), kneeB = Joint(hip, footB, 26, 26, 1);
    p.Stroke(hip, kneeB, 15, iron.dark, 13);
    p.Stroke(kneeB, footB, 12, iron.dark, 11);
    p.Oval(footB + P{2, -3}, 8, 4, iron.ink);
    // The arms swing against the legs.
    const P shB{30, 34}, handB = b ? P{6, 58} : P{14, 70};
    p.Stroke(shB, Joint(shB, handB, 24, 24, -1), 13, brass.dark, 12);
    p.Stroke(Joint(shB, handB, 24, 24, -1), handB, 12, brass.dark, 11);
    p.Disc(handB, 9, iron.mid);
    // A barrel body leaning into the charge, rivets in rows.
    p.Poly({{16, 26}, {56, 14}, {74, 40}, {64, 84}, {26, 88}, {12, 60}}, brass.mid);
    p.Poly({{22, 30}, {54, 20}, {64, 38}, {24, 44}}, brass.light);
    for (int row = 0; row < 3; ++row)
        for (int k = 0; k < 3; ++k) p.Rect(26.0 + k * 12, 50.0 + row * 11, 29.0 + k * 12, 53.0 + row * 11, brass.shine);
    p.Rect(22, 78, 64, 84, iron.mid);
    p.Stroke(hip, kneeF, 16, iron.mid, 14);
    p.Stroke(kneeF, footF, 13, iron.mid, 12);
    p.Oval(footF + P{-1, -3}, 9, 4, iron.dark);
    // The pot helm sunk between the shoulders, a funnel on top, eyes aglow.
    p.Poly({{52, 8}, {60, 8}, {58, 0}, {54, 0}}, iron.light);
    p.Oval({58, 22}, 16, 14, iron.mid);
    p.Rect(58, 18, 74, 24, iron.ink);
    p.Rect(62, 19, 66, 23, Shade(kRed, 12));
    p.Rect(68, 19, 72, 23, Shade(kRed, 12));
    // The front arm punching ahead.
    const P shF{56, 36}, handF = b ? P{78, 52} : P{70, 66};
    p.Oval(shF, 10, 9, brass.light);
    p.Stroke(shF, Joint(shF, handF, 22, 22, -1), 13, brass.mid, 12);
    p.Stroke(Joint(shF, handF, 22, 22, -1), handF, 12, brass.mid, 11);
    p.Disc(handF, 9, iron.light);
    Finish(c, bg);
}

// --- warriors: the serpent swordsman and what crawls out of it ---------------------------

constexpr Tone kScales = RampTone(kGreen, 6);
constexpr Tone kPlate = RampTone(kPurple, 6);

// The tail from its root at the hips, through a bend, to its tip on the floor.
void Tail(Pen& p, P root, P bend, P tip, double w) {
    p.Curve(root, bend, tip, w, kScales.mid, 3);
    p.Curve(root + P{0, w * 0.3}, bend + P{0, w * 0.35}, tip, w * 0.35, Shade(kYellow, 8), 1.5);
}

void Scimitar(Pen& p, P grip, P tip, double width) {
    const P d = tip - grip;
    const double len = Len(d);
    const P n = d * (1 / len), side = {-n.v, n.u};
    const P guard = grip + n * 6;
    p.Stroke(grip - n * 4, guard, 4, Shade(kOrange, 4));
    p.Stroke(guard - side * 6, guard + side * 6, 3, Shade(kYellow, 9));
    p.Poly({guard - side * (width * 0.3), guard + side * (width * 0.6), tip - n * (len * 0.25) + side * (width * 0.5),
            tip, tip - n * (len * 0.2) - side * (width * 0.25)},
           Grey(24));
    p.Stroke(guard + side * 1, tip - n * 3, 1, Grey(29));
}

// An armoured torso rising from a serpent's coils, a horned helm on top.
void Naga(Pen& p, P hip, P neck, double size, P hand, P backHand) {
    const double w = size * 0.11;
    const P shoulderF = neck + P{size * 0.06, 3}, shoulderB = neck + P{-size * 0.06, 3};
    Arm(p, shoulderB, Joint(shoulderB, backHand, size * 0.2, size * 0.2, -1), backHand, w * 0.9, kPlate.dark,
        kScales.light);
    p.Poly({neck + P{-size * 0.14, 0}, neck + P{size * 0.16, 0}, hip + P{size * 0.11, 0}, hip + P{-size * 0.12, 0}},
           kPlate.mid);
    p.Poly({neck + P{-size * 0.1, 2}, neck + P{size * 0.12, 2}, Mid(neck, hip, 0.55)}, kPlate.light);
    p.Rect(hip.u - size * 0.13, hip.v - 4, hip.u + size * 0.12, hip.v, Shade(kYellow, 8));
    const P head = neck + P{size * 0.03, -size * 0.1};
    const double hr = size * 0.08;
    p.Curve(head + P{-hr * 0.5, -hr * 0.5}, head + P{-hr * 2.0, -hr * 1.2}, head + P{-hr * 2.6, -hr * 0.2}, hr * 0.7,
            Grey(25), hr * 0.2);
    p.Oval(head, hr * 1.1, hr * 1.2, kPlate.mid);
    p.Poly({head + P{hr * 0.2, -hr * 0.1}, head + P{hr * 1.4, hr * 0.2}, head + P{hr * 0.2, hr * 0.6}}, kScales.light);
    p.Rect(head.u + hr * 0.4, head.v - hr * 0.3, head.u + hr * 1.0, head.v, Shade(kRed, 12));
    p.Oval(shoulderF, w * 1.2, w * 0.9, kPlate.light);
    (void)hand;
}

void PaintVicto(Canvas& c, int frame, uint8_t bg) {
    const int pose = frame % 8;
    const bool left = frame >= 8;
    const double H = c.h, W = c.w;
    // The lunges facing left hold their body 14 columns nearer the blade.
    const bool lunge = pose >= 5;
    Pen p(c, left ? (lunge ? 168 : W) : 0, 0, left);
    const double bladeFrom = left && lunge ? 82 : 96, bladeTo = left && lunge ? 168 : 182;
    double size = 120;
    P hip{}, neck{}, hand{}, backHand{}, tip{};
    switch (pose) {
        case 0:
        case 1: {  // gliding: the torso at the front, the tail laid back along the floor
            const double front = W - 40, bob = pose == 1 ? -3 : 0;
            hip = {front - 8, H - 34}, neck = {front + 2, 30 + bob};
            Tail(p, hip, {front - 70, H - 2}, {2, H - 5}, 30);
            p.Oval({front - 64, H - 7}, front - 66, 6.5, kScales.mid);
            hand = neck + P{30, 10}, backHand = neck + P{-22, 34}, tip = {W - 2, 2};
            break;
        }
        case 2: {  // the sword drawn back over the tail
            hip = {W - 40, H - 34}, neck = {W - 30, 25};
            Tail(p, hip, {W - 110, H - 2}, {2, H - 6}, 30);
            p.Oval({W - 104, H - 7}, W - 106, 6.5, kScales.mid);
            hand = neck + P{-26, 4}, backHand = neck + P{24, 30}, tip = {2, 24};
            break;
        }
        case 3:
        case 4: {  // reared up on the coils, the sword high
            const double cu = W / 2;
            hip = {cu, H - 92}, neck = {cu + 4, H - 156};
            p.Oval({cu, H - 20}, cu - 0.5, 19.5, kScales.mid);
            Tail(p, hip, {cu - 46, H - 40}, {cu + 36, H - 12}, 34);
            size = 130;
            if (pose == 3)
                hand = neck + P{-14, -34}, backHand = neck + P{-24, -28}, tip = {4, 1};
            else
                hand = neck + P{34, -22}, backHand = neck + P{26, -12}, tip = {W - 2, 2};
            break;
        }
        default: {  // the lunge: coiled low, the blade thrust out at the hero
            // Mid-lunge the body rides high on a coil that still touches the floor.
            const double body = 104, ground = pose == 6 ? H - 22 : H;
            hip = {58, ground - 46}, neck = {70, 26};
            if (pose == 6) {
                p.Oval({body * 0.5, H - 10}, body * 0.38, 9.5, kScales.mid);
                p.Stroke({body * 0.5, H - 12}, {body * 0.4, ground - 12}, 22, kScales.mid, 26);
            }
            p.Oval({body / 2, ground - 12}, body / 2 - 0.5, 11.5, kScales.mid);
            Tail(p, hip, {4, ground - 30}, {body - 6, ground - 10}, 28);
            hand = {bladeFrom - 6, 30}, backHand = neck + P{-24, 30}, tip = {bladeTo - 1, 30};
            break;
        }
    }
    const P shoulderF = neck + P{size * 0.06, 3};
    Naga(p, hip, neck, size, hand, backHand);
    Scimitar(p, hand, tip, lunge ? 16 : 20);
    Arm(p, shoulderF, Joint(shoulderF, hand, size * 0.2, size * 0.2, -1), hand, size * 0.1, kPlate.mid, kScales.light);
    Finish(c, bg);
}

// A six-legged creature with a shining carapace; crawling or climbing.
void PaintAra(Canvas& c, int frame, uint8_t bg) {
    const Tone shell = RampTone(kMagenta, 7);
    if (frame == 2) {
        Pen p(c, 0, 0, false);
        for (int k = 0; k < 3; ++k) {
            const double v = 22 + k * 16;
            p.Curve({15, v}, {4, v - 6}, {1, v + 6 - k * 2}, 2.5, shell.dark);
            p.Curve({15, v}, {26, v - 6}, {29, v + 6 - k * 2}, 2.5, shell.dark);
        }
        p.Oval({15, 44}, 10, 24, shell.mid);
        p.Stroke({15, 22}, {15, 66}, 1, shell.dark);
        p.Oval({15, 12}, 8, 9, shell.light);
        p.Stroke({11, 4}, {7, 0}, 2, shell.ink);
        p.Stroke({19, 4}, {23, 0}, 2, shell.ink);
        p.Rect(10, 10, 13, 13, Shade(kYellow, 13));
        p.Rect(17, 10, 20, 13, Shade(kYellow, 13));
        Finish(c, bg);
        return;
    }
    Pen p(c, frame == 1 ? c.w : 0, 0, frame == 1);
    for (int k = 0; k < 3; ++k) {
        const double u = 14 + k * 14;
        p.Curve({u, 30}, {u - 6, 40}, {u - 10 + k * 2, 52}, 3, shell.dark);
    }
    p.Oval({26, 28}, 25, 16, shell.mid);
    p.Curve({6, 28}, {26, 14}, {48, 26}, 1, shell.light);
    p.Oval({48, 32}, 10, 10, shell.light);
    p.Poly({{54, 36}, {58, 44}, {50, 42}}, shell.ink);
    p.Rect(50, 27, 54, 31, Shade(kYellow, 13));
    p.Curve({1, 24}, {-2, 10}, {6, 2}, 2, shell.dark);
    Finish(c, bg);
}

// --- champions ----------------------------------------------------------------------------

constexpr Outfit kDasher = {Shade(kOrange, 10), Shade(kOrange, 7), Shade(kOrange, 5), Grey(6), Grey(4),
                            Shade(kOrange, 9)};

void DasherHead(Pen& p, const Rig& r) {
    const double hr = r.headR;
    p.Oval(r.head + P{-hr * 0.2, -hr * 0.3}, hr * 1.05, hr * 0.85, Grey(3));  // hair
    p.Rect(r.head.u - hr, r.head.v - hr * 0.35, r.head.u + hr * 0.9, r.head.v - hr * 0.05, Shade(kRed, 8));
    p.Stroke(r.head + P{-hr, -hr * 0.2}, r.head + P{-hr * 2.2, hr * 0.4}, 2, Shade(kRed, 8));
    p.Rect(r.head.u + hr * 0.4, r.head.v + hr * 0.05, r.head.u + hr * 0.75, r.head.v + hr * 0.35, kInk);
}

// Drawn up tall with both fists high, then ever lower and wider into the
// dash: bent low into the run, fists first.
constexpr Stance kDasherPoses[7] = {
    {.height = 66, .hipU = 17, .stepF = 7, .stepB = -10, .handF = {3, -24}, .handB = {-2, -24}},
    {.height = 47, .hipU = 16, .crouch = 0.1, .stepF = 7, .stepB = -8, .handF = {8, -2}, .handB = {-6, -6}},
    {.height = 47,
     .hipU = 22,
     .lean = 2,
     .crouch = 0.15,
     .stepF = 14,
     .stepB = -16,
     .handF = {18, -6},
     .handB = {-10, -14}},
    {.height = 47,
     .hipU = 32,
     .lean = 3,
     .crouch = 0.35,
     .stepF = 24,
     .stepB = -26,
     .handF = {16, -14},
     .handB = {-14, -16}},
    {.height = 47,
     .hipU = 26,
     .lean = 8,
     .crouch = 0.4,
     .stepF = 24,
     .stepB = -22,
     .handF = {16, 2},
     .handB = {-10, -18}},
    {.height = 47,
     .hipU = 30,
     .lean = 12,
     .crouch = 0.4,
     .stepF = 28,
     .stepB = -28,
     .liftB = 4,
     .handF = {20, -2},
     .handB = {-12, -18}},
    {.height = 47,
     .hipU = 13,
     .lean = 8,
     .crouch = 0.2,
     .stepF = 12,
     .stepB = -12,
     .liftB = 8,
     .handF = {12, -6},
     .handB = {-8, -10}},
};

void PaintOskerinF(Canvas& c, int frame, uint8_t bg) {
    auto [pose, left, p] = PoseOf(c, frame, 7);
    Stance s = kDasherPoses[pose];
    s.floor = c.h, s.build = 1.6;
    const Rig r = MakeRig(s);
    Figure(p, r, kDasher);
    p.Rect(r.hip.u - r.torsoW * 0.5, r.hip.v - 3, r.hip.u + r.torsoW * 0.5, r.hip.v, Grey(3));  // belt
    DasherHead(p, r);
    FrontArm(p, r, kDasher);
    Finish(c, bg);
}

constexpr Outfit kRogue = {Shade(kOrange, 9), Shade(kLime, 5),  Shade(kLime, 3),
                           Shade(kGreen, 3),  Shade(kGreen, 2), Shade(kOrange, 3)};

void Dagger(Pen& p, P hilt, P tip) {
    const P d = tip - hilt;
    const P n = d * (1 / Len(d)), side = {-n.v, n.u};
    p.Stroke(hilt, hilt + n * 3, 2.5, Shade(kOrange, 4));
    p.Stroke(hilt + n * 3 - side * 3, hilt + n * 3 + side * 3, 2, Shade(kYellow, 9));
    p.Poly({hilt + n * 3 + side * 1.6, tip, hilt + n * 3 - side * 1.6}, Grey(25));
}

void PaintDugalF(Canvas& c, int frame, uint8_t bg) {
    auto [pose, left, p] = PoseOf(c, frame, 4);
    const double floor = c.h;
    Stance s{46, 16, floor};
    P daggerTip{};
    switch (pose) {
        case 0:
            s.stepF = 7, s.stepB = -7, s.handF = {8, 10}, s.handB = {-6, 12};
            daggerTip = {30, 20};
            break;
        case 1:
            s.height = 46, s.stepF = 7, s.stepB = -8, s.handF = {-4, -14}, s.handB = {6, 10};
            daggerTip = {16, 1};
            break;
        case 2:
            s.height = 44, s.crouch = 0.2, s.lean = 4, s.stepF = 12, s.stepB = -12, s.handF = {26, -2},
            s.handB = {-8, 8};
            daggerTip = {55, 10};
            break;
        default:  // springing up at the hero, arms flung high, on the tips of the toes
            s.height = 56, s.hipU = 18, s.lean = 3, s.stepF = 6, s.stepB = -7, s.handF = {10, -14}, s.handB = {-8, -14};
            daggerTip = {35, 2};
            break;
    }
    const Rig r = MakeRig(s);
    // A short cape behind.
    p.Poly({r.neck + P{-1, 0},
            r.neck + P{-r.torsoW * 0.9, r.torsoW * 0.3},
            {1, r.hip.v + 4},
            {3, r.hip.v + 10},
            r.hip + P{0, 2}},
           Shade(kGreen, 4));
    Figure(p, r, kRogue);
    Hood(p, r, Shade(kLime, 6), Shade(kYellow, 12));
    Dagger(p, r.handF, daggerTip);
    FrontArm(p, r, kRogue);
    Finish(c, bg);
}

void PaintTanken(Canvas& c, int frame, uint8_t bg) {
    Pen p(c, frame == 1 ? c.w : 0, 0, frame == 1);
    p.Rect(0, 7, 5, 11, Shade(kYellow, 8));                             // pommel
    p.Rect(3, 6, 10, 12, Shade(kOrange, 4));                            // grip
    p.Poly({{10, 0}, {13, 0}, {13, 18}, {10, 18}}, Shade(kYellow, 9));  // guard
    p.Poly({{13, 4}, {26, 5}, {32, 9}, {26, 13}, {13, 14}}, Grey(23));
    p.Stroke({14, 9}, {29, 9}, 1, Grey(29));
    Finish(c, bg);
}

constexpr Outfit kSorceress = {Shade(kPink, 12),  Shade(kPurple, 5), Shade(kPurple, 3),
                               Shade(kPurple, 4), Shade(kPurple, 2), Grey(4)};

// Three steps of a walk, then the cast: hands thrust out, then raised high.
constexpr Stance kSorceressPoses[5] = {
    {.height = 56, .hipU = 14, .stepF = 6, .stepB = -6, .handF = {6, 12}, .handB = {-4, 14}},
    {.height = 58, .hipU = 12, .stepF = 2, .stepB = -2, .liftB = 3, .handF = {5, 13}, .handB = {-2, 14}},
    {.height = 56, .hipU = 13, .stepF = 6, .stepB = -6, .handF = {6, 12}, .handB = {-4, 14}},
    {.height = 56, .hipU = 14, .stepF = 6, .stepB = -6, .handF = {18, -2}, .handB = {16, 2}},
    {.height = 56, .hipU = 15, .stepF = 5, .stepB = -5, .handF = {6, -18}, .handB = {-6, -18}},
};

void PaintNerysF(Canvas& c, int frame, uint8_t bg) {
    auto [pose, left, p] = PoseOf(c, frame, 5);
    const double floor = c.h;
    Stance s = kSorceressPoses[pose];
    s.floor = floor, s.build = 0.9;
    const Rig r = MakeRig(s);
    const double base = floor - 1;
    // A long robe to the floor; white hair falling behind.
    Figure(p, r, kSorceress);
    p.Poly({r.neck + P{-5, 2}, r.neck + P{5, 2}, {r.hip.u + 11, base}, {r.hip.u - 12, base}}, kSorceress.top);
    p.Poly({r.hip + P{-3, 4}, r.hip + P{4, 4}, {r.hip.u + 2, base}, {r.hip.u - 4, base}}, kSorceress.topDark);
    p.Oval(r.head + P{-r.headR * 0.6, r.headR * 0.5}, r.headR * 0.8, r.headR * 1.6, Grey(27));
    p.Oval(r.head + P{-r.headR * 0.1, -r.headR * 0.5}, r.headR * 1.05, r.headR * 0.7, Grey(27));
    p.Rect(r.head.u + r.headR * 0.35, r.head.v, r.head.u + r.headR * 0.75, r.head.v + r.headR * 0.3,
           Shade(kMagenta, 4));
    FrontArm(p, r, kSorceress);
    Finish(c, bg);
    // Sparks at the hands while she casts.
    if (pose >= 3) {
        Pen q(c, left ? c.w : 0, 0, left);
        q.Disc(r.handF + P{2, 0}, 3, Shade(kYellow, 13));
        q.Disc(r.handF + P{2, 0}, 1.5, Grey(29));
    }
}

// A crackling ball of lightning with forks to its edges.
void PaintLightning(Canvas& c, int frame, uint8_t bg) {
    const double w = c.w, h = c.h, cx = w / 2, cy = h / 2;
    Pen p(c, 0, 0, false);
    p.Oval({cx, cy}, cx - 3, cy - 3, Shade(kYellow, 10));
    const double turn = frame * 0.5;
    for (int k = 0; k < 6; ++k) {
        const double a = k * kPi / 3 + turn;
        const P mid = {cx + std::cos(a + 0.3) * cx * 0.55, cy + std::sin(a + 0.3) * cy * 0.55};
        const P end = {cx + std::cos(a) * (cx - 0.5), cy + std::sin(a) * (cy - 0.5)};
        p.Stroke({cx, cy}, mid, 2, Grey(29));
        p.Stroke(mid, end, 1.5, Shade(kYellow, 14));
    }
    p.Oval({cx, cy}, cx * 0.45, cy * 0.45, Grey(29));
    p.Rect(0, 0, 0, 0, bg);
}

// --- droppers ------------------------------------------------------------------------------

constexpr uint8_t kBone = Grey(25), kBoneDark = Grey(17), kBoneLight = Grey(28);

void Bone(Pen& p, P a, P b, double w) {
    p.Stroke(a, b, w, kBone);
    p.Disc(a, w * 0.75, kBoneLight);
    p.Disc(b, w * 0.75, kBone);
}

// A skull facing right: dome, dark sockets with a glint, a jaw of teeth.
void Skull(Pen& p, P c, double r, uint8_t glint, double jawOpen = 0) {
    p.Oval(c, r * 1.05, r, kBone);
    p.Poly({c + P{-r * 0.3, r * 0.5}, c + P{r * 1.05, r * 0.3}, c + P{r * 0.95, r * 1.05 + jawOpen},
            c + P{-r * 0.1, r * 1.0 + jawOpen}},
           kBone);
    p.Oval(c + P{r * 0.45, -r * 0.05}, r * 0.28, r * 0.3, Grey(2));
    p.Oval(c + P{-r * 0.15, -r * 0.05}, r * 0.25, r * 0.3, Grey(2));
    p.Disc(c + P{r * 0.45, -r * 0.05}, std::max(1.0, r * 0.1), glint);
    p.Poly({c + P{r * 0.75, r * 0.25}, c + P{r * 0.9, r * 0.5}, c + P{r * 0.65, r * 0.5}}, Grey(3));
    for (int k = 0; k < 4; ++k)
        p.Rect(c.u + r * (0.2 + 0.2 * k), c.v + r * 0.7, c.u + r * (0.3 + 0.2 * k), c.v + r * 0.9 + jawOpen * 0.5,
               Grey(4));
}

// Bones on a rig: spine, ribs, pelvis, limbs and the skull.
void Skeleton(Pen& p, const Rig& r, uint8_t glint, double jawOpen = 0) {
    const double w = std::max(2.0, r.limbW * 0.55);
    Bone(p, r.hipB, r.kneeB, w);
    Bone(p, r.kneeB, r.footB, w * 0.9);
    p.Stroke(r.footB, r.footB + P{w * 2.2, 0}, w, kBoneDark);
    Bone(p, r.shoulderB, r.elbowB, w * 0.9);
    Bone(p, r.elbowB, r.handB, w * 0.8);
    p.Stroke(r.neck, r.hip, w, kBoneDark);
    const P d = r.hip - r.neck;
    for (int k = 0; k < 4; ++k) {
        const P at = r.neck + d * (0.18 + 0.16 * k);
        const double half = r.torsoW * (0.55 - 0.06 * k);
        p.Curve(at + P{-half, 2}, at + P{0, -1}, at + P{half, 2}, std::max(1.5, w * 0.6), kBone);
    }
    p.Oval(r.hip, r.torsoW * 0.45, std::max(2.0, r.torsoW * 0.22), kBone);
    Bone(p, r.hipF, r.kneeF, w);
    Bone(p, r.kneeF, r.footF, w * 0.9);
    p.Stroke(r.footF, r.footF + P{w * 2.2, 0}, w, kBone);
    Skull(p, r.head, r.headR * 1.1, glint, jawOpen);
}
void SkeletonArm(Pen& p, const Rig& r) {
    const double w = std::max(2.0, r.limbW * 0.55);
    Bone(p, r.shoulderF, r.elbowF, w * 0.9);
    Bone(p, r.elbowF, r.handF, w * 0.8);
    p.Disc(r.handF, w * 0.9, kBone);
}

// The crouch after a landing rises pose by pose; pose 4 is the leap, pushing
// off with its legs straight down past the floor line (floor here is the
// soles' rise above the frame's bottom).
constexpr Stance kGiantBones[6] = {
    {.height = 100, .crouch = 1, .stepF = 60, .stepB = -60, .handF = {24, 16}, .handB = {-34, 22}, .bow = 62},
    {.height = 104, .crouch = 0.8, .stepF = 56, .stepB = -58, .handF = {24, 18}, .handB = {-30, 24}, .bow = 48},
    {.height = 104, .lean = 18, .crouch = 0.55, .stepF = 52, .stepB = -56, .handF = {28, 14}, .handB = {-26, 20}},
    {.height = 110, .lean = 10, .crouch = 0.3, .stepF = 40, .stepB = -46, .handF = {26, 4}, .handB = {-24, 10}},
    {.height = 110, .floor = 8, .lean = 8, .stepF = 34, .stepB = -36, .handF = {48, -28}, .handB = {-24, -30}},
    {.height = 106, .lean = 8, .crouch = 0.2, .stepF = 38, .stepB = -42, .handF = {26, 0}, .handB = {-16, 6}},
};

void PaintBGaikotu(Canvas& c, int frame, uint8_t bg) {
    auto [pose, left, p] = PoseOf(c, frame, 6);
    Stance s = kGiantBones[pose];
    s.hipU = c.w * 0.44, s.floor = c.h - s.floor, s.build = 1.6;
    const Rig r = MakeRig(s);
    Skeleton(p, r, Shade(kRed, 12), pose == 4 ? 3 : 0);
    SkeletonArm(p, r);
    Finish(c, bg, Grey(6));
}

// A wolf-beast on four legs: the body, the head at the front, a bushy tail.
struct Wolf {
    P hip, shoulder, head;
    double bodyW;
    P feet[4];        // back far, back near, front far, front near
    double headTilt;  // 0 ahead, >0 raised
    bool rearing;
};

void DrawWolf(Pen& p, const Wolf& w) {
    const Tone fur = RampTone(kViolet, 4);
    const Tone belly = GreyTone(13);
    const double lw = w.bodyW * 0.28;
    // The far legs first, darker.
    auto leg = [&](P top, P foot, uint8_t col, double bend) {
        const P knee = Joint(top, foot, Len(foot - top) * 0.52, Len(foot - top) * 0.52, bend);
        p.Stroke(top, knee, lw * 1.2, col, lw);
        p.Stroke(knee, foot, lw * 0.8, col, lw * 0.6);
        p.Oval(foot + P{lw * 0.4, -lw * 0.3}, lw * 0.8, lw * 0.45, col);
    };
    leg(w.hip, w.feet[0], fur.ink, -1);
    leg(w.shoulder, w.feet[2], fur.ink, 1);
    // The tail sweeps up and back from the hips.
    p.Curve(w.hip + P{-w.bodyW * 0.3, -w.bodyW * 0.1}, Mid(w.hip, {2, w.hip.v}) + P{0, -w.bodyW * 0.3},
            {2, w.hip.v + w.bodyW * 0.5}, w.bodyW * 0.35, fur.mid, w.bodyW * 0.15);
    p.Stroke(w.hip, w.shoulder, w.bodyW, fur.mid, w.bodyW * 1.15);
    p.Stroke(w.hip + P{0, w.bodyW * 0.3}, w.shoulder + P{0, w.bodyW * 0.35}, w.bodyW * 0.3, belly.mid);
    // A shaggy mane over the shoulders: tufts raised along the neck and back.
    const P mane = w.shoulder + P{w.bodyW * 0.1, -w.bodyW * 0.15};
    p.Disc(mane, w.bodyW * 0.52, fur.light);
    for (int k = 0; k < 7; ++k) {
        const double a = kPi * (0.55 + 0.12 * k), r = w.bodyW * 0.5;
        const P root = mane + P{std::cos(a) * r * 0.6, -std::sin(a) * r * 0.6};
        const P tip = mane + P{std::cos(a + 0.18) * r * 1.3, -std::sin(a + 0.18) * r * 1.3};
        p.Poly({root + P{-4, 0}, tip, root + P{4, 2}}, fur.light);
    }
    leg(w.hip + P{w.bodyW * 0.1, 0}, w.feet[1], fur.dark, -1);
    leg(w.shoulder + P{w.bodyW * 0.1, 0}, w.feet[3], fur.dark, 1);
    // The head: skull, snout and jaws, an ear laid back, a yellow eye.
    const double hs = w.bodyW * 0.5;
    const double tilt = w.headTilt;
    const P snout = w.head + P{hs * 1.5 * std::cos(tilt), -hs * 1.5 * std::sin(tilt)};
    p.Stroke(w.shoulder + P{w.bodyW * 0.2, -w.bodyW * 0.2}, w.head, hs * 1.2, fur.mid);
    p.Stroke(w.head, snout, hs * 0.9, fur.mid, hs * 0.55);
    p.Stroke(w.head + P{hs * 0.2, hs * 0.45}, snout + P{-hs * 0.2, hs * 0.45}, hs * 0.35, fur.dark);
    p.Poly({w.head + P{-hs * 0.5, -hs * 0.2}, w.head + P{-hs * 0.9, -hs * 1.2}, w.head + P{hs * 0.1, -hs * 0.5}},
           fur.light);
    p.Disc(w.head + P{hs * 0.35, -hs * 0.15}, std::max(1.5, hs * 0.16), Shade(kYellow, 13));
    p.Disc(snout, std::max(1.5, hs * 0.18), Grey(2));
    for (int k = 0; k < 3; ++k) {
        const P f = Mid(w.head, snout, 0.45 + 0.18 * k) + P{0, hs * 0.3};
        p.Poly({f, f + P{hs * 0.12, 0}, f + P{hs * 0.06, hs * 0.25}}, Grey(29));
    }
    (void)w.rearing;
}

void PaintFyenriru(Canvas& c, int frame, uint8_t bg) {
    auto [pose, left, p] = PoseOf(c, frame, 5);
    const double H = c.h, W = c.w, fl = H - 1;
    Wolf w{};
    w.bodyW = 52;
    switch (pose) {
        case 0:
        case 1:
        case 2: {
            const double stride = pose == 0 ? 22 : pose == 1 ? 6 : 14;
            w.hip = {W * 0.36, H * 0.46}, w.shoulder = {W * 0.66, H * 0.42}, w.head = {W * 0.8, H * 0.24};
            w.feet[0] = {w.hip.u - stride, fl}, w.feet[1] = {w.hip.u + stride, fl};
            w.feet[2] = {w.shoulder.u + stride, fl}, w.feet[3] = {w.shoulder.u - stride + 4, fl};
            w.headTilt = 0.1;
            break;
        }
        case 3:  // the howl: sat back, the head thrown up
            w.hip = {W * 0.3, H * 0.62}, w.shoulder = {W * 0.55, H * 0.38}, w.head = {W * 0.62, H * 0.16};
            w.feet[0] = {W * 0.18, fl}, w.feet[1] = {W * 0.36, fl}, w.feet[2] = {W * 0.8, fl},
            w.feet[3] = {W * 0.92, fl};
            w.headTilt = 1.0, w.bodyW = 48;
            break;
        default:  // reared up to stamp
            w.hip = {W * 0.36, H * 0.62}, w.shoulder = {W * 0.5, H * 0.3}, w.head = {W * 0.64, H * 0.14};
            w.feet[0] = {W * 0.24, fl}, w.feet[1] = {W * 0.42, fl}, w.feet[2] = {W * 0.92, H * 0.36},
            w.feet[3] = {W * 0.86, H * 0.5};
            w.headTilt = 0.35, w.bodyW = 46, w.rearing = true;
            break;
    }
    DrawWolf(p, w);
    Finish(c, bg);
}

// A block of dressed stone with a crack.
void PaintOtiruBlock(Canvas& c, int, uint8_t bg) {
    Pen p(c, 0, 0, false);
    p.Poly({{2, 0}, {28, 0}, {30, 2}, {30, 24}, {28, 26}, {2, 26}, {0, 24}, {0, 2}}, Grey(14));
    p.Rect(2, 2, 28, 5, Grey(19));
    p.Rect(2, 21, 28, 24, Grey(9));
    p.Rect(0, 12, 30, 14, Grey(8));
    p.Rect(14, 2, 16, 12, Grey(8));
    p.Curve({6, 16}, {10, 19}, {8, 24}, 1, Grey(5));
    Finish(c, bg, Grey(3));
}

// A flying eye: a veined eyeball between two bat wings, the pupil on the way it flies.
void PaintMedama(Canvas& c, int frame, uint8_t bg) {
    auto [pose, left, p] = PoseOf(c, frame, 4);
    const double h = c.h;
    const Tone wing = RampTone(kRed, 5);
    const double tipV = pose == 0 ? 0.5 : pose == 1 ? h - 1 : 4;
    for (const double side : {1.0, 29.0}) {
        const double inner = side < 15 ? 8 : 22;
        p.Poly({{inner, h * 0.4}, {side, tipV}, {side < 15 ? 3.0 : 27.0, h * 0.55}, {inner, h * 0.65}}, wing.mid);
    }
    const double open = pose == 0 || pose == 1 ? 1.1 : 1.2;
    p.Curve({15, h / 2 + 8}, {12, h - 6}, {16, h - 1}, 3, Shade(kRed, 6), 1.5);  // the nerve trailing below
    p.Oval({15, h / 2 - 1}, 10 * open, 10.5 * open, Grey(27));
    p.Curve({8, h / 2 - 4}, {11, h / 2 - 1}, {12, h / 2 + 3}, 1, Shade(kRed, 8));
    p.Curve({9, h / 2 + 6}, {12, h / 2 + 4}, {14, h / 2 + 7}, 1, Shade(kRed, 8));
    p.Disc({18, h / 2 + (pose >= 2 ? 3 : 1)}, 5, Shade(kRed, 9));
    p.Disc({19, h / 2 + (pose >= 2 ? 3 : 1)}, 2.5, Grey(1));
    Finish(c, bg);
    c.Put(left ? c.w - 21 : 20, static_cast<int>(h / 2) - 1, Grey(29));
}

// A flame with its point up, as a falling drop of fire trails.
void Flame(Pen& p, double cu, double top, double bottom, double half, int flicker, const Tone& t) {
    const double h = bottom - top, lean = flicker % 2 ? half * 0.3 : -half * 0.3;
    p.Poly({{cu + lean, top},
            {cu + half * 0.7, top + h * 0.45},
            {cu + half, top + h * 0.72},
            {cu + half * 0.7, bottom - 1},
            {cu - half * 0.7, bottom - 1},
            {cu - half, top + h * 0.72},
            {cu - half * 0.7, top + h * 0.45}},
           t.mid);
    p.Poly({{cu + lean * 0.5, top + h * 0.3},
            {cu + half * 0.55, top + h * 0.7},
            {cu, bottom - 2},
            {cu - half * 0.55, top + h * 0.7}},
           t.light);
    p.Oval({cu, top + h * 0.78}, half * 0.35, h * 0.12, t.shine);
}

void PaintOtiruHonoo(Canvas& c, int frame, uint8_t bg) {
    Pen p(c, 0, 0, false);
    Flame(p, 5, 0, c.h, 5, frame, RampTone(kOrange, 8));
    (void)bg;
}

// Climbing roses hung from the ceiling: a thorny vine along the top, blooms on it.
void PaintBara(Canvas& c, int, uint8_t bg) {
    Pen p(c, 0, 0, false);
    const Tone leaf = RampTone(kGreen, 5), rose = RampTone(kRed, 7);
    p.Curve({0, 3}, {64, 12}, {127, 3}, 4, leaf.dark);
    for (const double u : {14.0, 46.0, 82.0, 112.0}) p.Curve({u, 6}, {u + 6, 28}, {u - 4, 50}, 2.5, leaf.dark);
    for (const P l : {P{24, 10}, P{58, 16}, P{96, 14}, P{8, 30}, P{70, 34}, P{120, 28}, P{40, 40}, P{100, 44}})
        p.Oval(l, 5, 3, leaf.mid);
    const P blooms[] = {{18, 22}, {52, 36}, {78, 20}, {108, 38}, {34, 52}, {90, 54}, {120, 14}};
    for (const P b : blooms) {
        p.Disc(b, 8, rose.mid);
        p.Disc(b + P{1, -1}, 5, rose.light);
        p.Curve(b + P{-4, 0}, b + P{0, -4}, b + P{3, 1}, 1.5, rose.dark);
        p.Disc(b + P{1, 0}, 1.5, rose.dark);
    }
    Finish(c, bg, leaf.ink);
}

// A grain of pollen: a fuzzy yellow ball with short spines.
void PaintKahun(Canvas& c, int frame, uint8_t bg) {
    Pen p(c, 0, 0, false);
    const Tone t = RampTone(kYellow, 9);
    for (int k = 0; k < 10; ++k) {
        const double a = k * kPi / 5 + frame * kPi / 10;
        p.Stroke({11 + std::cos(a) * 7, 13 + std::sin(a) * 9}, {11 + std::cos(a) * 10.5, 13 + std::sin(a) * 12.5}, 1.5,
                 t.dark);
    }
    p.Oval({11, 13}, 7.5, 9, t.mid);
    p.Disc({9, 10}, 3, t.shine);
    p.Disc({14, 17}, 1.5, t.dark);
    p.Disc({8, 16}, 1.2, t.dark);
    Finish(c, bg, t.ink);
}

// --- ranged foes ---------------------------------------------------------------------------

constexpr Outfit kBowman = {Shade(kOrange, 9), Shade(kGreen, 5),  Shade(kGreen, 3),
                            Shade(kOrange, 4), Shade(kOrange, 3), Shade(kOrange, 2)};

// A longbow held at grip, its limbs bent back; the string from tip to tip
// through draw (the string hand).
void Longbow(Pen& p, P grip, double deg, double half, P draw) {
    const double a = deg * kPi / 180;
    const P up = {std::cos(a), -std::sin(a)}, back = {-std::sin(a), -std::cos(a)};
    const P t0 = grip + up * half + back * (half * 0.3), t1 = grip - up * half + back * (half * 0.3);
    p.Curve(t0, grip + up * (half * 0.5) - back * (half * 0.12), grip, 3.5, Shade(kOrange, 5), 3);
    p.Curve(grip, grip - up * (half * 0.5) - back * (half * 0.12), t1, 3, Shade(kOrange, 5), 3.5);
    p.Stroke(t0, draw, 1, Grey(26));
    p.Stroke(draw, t1, 1, Grey(26));
}

void PaintArcher(Canvas& c, int frame, uint8_t bg) {
    auto [pose, left, p] = PoseOf(c, frame, 4);
    const double floor = c.h, W = c.w;
    Stance s{110, 40, floor};
    s.build = 1.25;
    double bowDeg = 60, bowHalf = 52;
    switch (pose) {
        case 0:  // an arrow on the string, the bow held low
            s.stepF = 16, s.stepB = -18, s.handF = {26, 20}, s.handB = {6, 18}, bowDeg = 70, bowHalf = 46;
            break;
        case 1:  // the bow raised high to aim up
            s.stepF = 16, s.stepB = -18, s.handF = {22, -36}, s.handB = {12, -20}, bowDeg = 40, bowHalf = 64;
            break;
        case 2:  // drawn to the ear
            s.height = 112, s.hipU = 38, s.stepF = 16, s.stepB = -18, s.handF = {28, -12}, s.handB = {-4, -2},
            bowDeg = 55;
            break;
        default:  // loosed: the string hand flung back
            s.height = 116, s.hipU = 44, s.stepF = 18, s.stepB = -20, s.handF = {32, -18}, s.handB = {-20, -10},
            bowDeg = 50;
            break;
    }
    const Rig r = MakeRig(s);
    // A cloak down the back to the floor, a quiver of arrows on it.
    p.Poly({r.neck + P{2, -2}, r.neck + P{-10, 0}, {1, floor - 8}, {6, floor - 2}, r.hip + P{6, 10}}, Shade(kGreen, 3));
    p.Poly({r.neck + P{-4, -8}, r.neck + P{-14, -6}, r.hip + P{-14, -10}, r.hip + P{-6, -12}}, Shade(kOrange, 3));
    for (int k = 0; k < 3; ++k)
        p.Stroke(r.neck + P{-7.0 - 3 * k, -6}, r.neck + P{-12.0 - 3 * k, -16}, 2, Shade(kRed, 9));
    Figure(p, r, kBowman);
    Hood(p, r, Shade(kGreen, 6), Shade(kYellow, 11));
    const P grip = r.handF;
    const bool nocked = pose != 3;
    const P draw = nocked ? r.handB : grip + P{-std::sin(bowDeg * kPi / 180) * 16, -std::cos(bowDeg * kPi / 180) * 16};
    Longbow(p, grip, bowDeg, bowHalf, draw);
    if (nocked) {
        // The arrow from the string through the grip, its head out to the frame's edge.
        const P d = grip - draw;
        const P n = d * (1 / Len(d));
        const double reach = pose == 1 ? (grip.v - 1) / -n.v : (W - 2 - grip.u) / n.u;
        const P tip = grip + n * reach;
        p.Stroke(draw, tip - n * 6, 2, Shade(kOrange, 6));
        p.Poly({tip, tip - n * 8 + P{-n.v, n.u} * 4, tip - n * 8 - P{-n.v, n.u} * 4}, Grey(24));
    }
    FrontArm(p, r, kBowman);
    Finish(c, bg);
}

// An arrow along a line from its fletching to its head.
void PaintYa(Canvas& c, int frame, uint8_t bg) {
    const int pose = frame % 4;
    const bool right = frame >= 4;
    Pen p(c, right ? 0 : c.w, 0, !right);
    const double h = c.h;
    // Rising steeply, rising, falling, falling steeply.
    P tail{}, head{};
    switch (pose) {
        case 0: tail = {4, h - 4}, head = {63, 1}; break;
        case 1: tail = {2, h - 5}, head = {63, 2}; break;
        case 2: tail = {2, 5}, head = {63, h - 2}; break;
        default: tail = {4, 4}, head = {63, h - 1}; break;
    }
    const P d = head - tail;
    const P n = d * (1 / Len(d)), side = {-n.v, n.u};
    p.Stroke(tail, head - n * 8, 2.5, Shade(kOrange, 5));
    p.Poly({head, head - n * 11 + side * 5, head - n * 8, head - n * 11 - side * 5}, Grey(23));
    for (const double k : {1.0, -1.0})
        p.Poly({tail + n * 2, tail + n * 12, tail + n * 4 + side * (k * 6), tail - n * 2 + side * (k * 6)},
               Shade(kRed, 9));
    Finish(c, bg);
}

// A trooper in bronze plate behind a hand cannon.
void PaintBArmor(Canvas& c, int frame, uint8_t bg) {
    const bool left = frame >= 2, fire = frame % 2 == 1;
    Pen p(c, left ? c.w : 0, 0, left);
    const Tone bronze = RampTone(kOrange, 5);
    Stance s{116, 38, static_cast<double>(c.h)};
    s.build = 1.5, s.stepF = 18, s.stepB = -20, s.handF = {20, 16}, s.handB = {24, 22};
    const Rig r = MakeRig(s);
    const double w = r.limbW;
    // The ammunition drum on its back, fed to the cannon.
    p.Oval({13, r.neck.v + 26}, 12.5, 20, Grey(10));
    p.Oval({13, r.neck.v + 26}, 8, 15, Grey(14));
    p.Curve({20, r.neck.v + 44}, {40, r.neck.v + 56}, {60, r.neck.v + 30}, 3, Shade(kYellow, 8));
    Leg(p, r.hipB, r.kneeB, r.footB, w, bronze.dark, Grey(4));
    Torso(p, r, r.torsoW * 1.3, r.torsoW * 1.1, bronze.mid);
    p.Rect(r.neck.u - r.torsoW * 0.55, r.neck.v + 14, r.neck.u + r.torsoW * 0.6, r.neck.v + 18, bronze.light);
    Leg(p, r.hipF, r.kneeF, r.footF, w * 1.1, bronze.mid, Grey(5));
    // A visored helm with a crest.
    p.Oval(r.head, r.headR * 1.2, r.headR * 1.2, bronze.mid);
    p.Rect(r.head.u - 2, r.head.v - 2, r.head.u + r.headR * 1.2, r.head.v + 2, Grey(2));
    p.Curve(r.head + P{-4, -r.headR}, r.head + P{-12, -r.headR * 1.6}, r.head + P{-18, -r.headR * 0.2}, 4,
            Shade(kRed, 7), 2);
    // The cannon: a long barrel under the arm, the muzzle at the front edge.
    const double bv = r.neck.v + 24 + (fire ? 1 : 0);
    const double end = fire ? c.w : c.w - 1.0;
    p.Rect(r.hip.u - 16, bv - 7, end - 8, bv + 7, Grey(9));
    p.Rect(end - 12, bv - 9, end, bv + 9, Grey(13));
    p.Rect(r.hip.u - 22, bv - 4, r.hip.u - 10, bv + 12, Shade(kOrange, 3));
    p.Rect(r.hip.u - 4, bv - 10, r.hip.u + 10, bv - 6, Grey(15));
    Arm(p, r.shoulderF, r.elbowF, r.handF, w, bronze.mid, Grey(8));
    Finish(c, bg);
    if (fire) {
        Pen q(c, left ? c.w : 0, 0, left);
        q.Disc({c.w - 3.0, bv}, 3, Shade(kYellow, 13));
    }
}

void PaintBarukan(Canvas& c, int frame, uint8_t bg) {
    Pen p(c, frame == 1 ? c.w : 0, 0, frame == 1);
    p.Oval({5, 4}, 5, 2.5, Shade(kOrange, 9));
    p.Oval({9, 4}, 4.5, 3.5, Shade(kYellow, 11));
    p.Oval({10, 4}, 2.5, 2, Grey(29));
    (void)bg;
}

void PaintWarSkeleton(Canvas& c, int frame, uint8_t bg) {
    const bool left = frame >= 2, thrown = frame % 2 == 1;
    Pen p(c, left ? c.w : 0, 0, left);
    Stance s{92, 30, static_cast<double>(c.h)};
    s.build = 1.3, s.stepF = 20, s.stepB = -18;
    s.handF = thrown ? P{22, -26} : P{-10, -20}, s.handB = thrown ? P{-16, 10} : P{30, 8};
    const Rig r = MakeRig(s);
    // A torn cloak behind, a rusted breastplate and a horned helm on the bones.
    p.Poly({r.neck + P{2, -2},
            r.neck + P{-10, 0},
            {1, r.hip.v + 20},
            {5, r.hip.v + 14},
            {8, r.hip.v + 24},
            r.hip + P{0, 6}},
           Shade(kRed, 3));
    Skeleton(p, r, Shade(kYellow, 12), thrown ? 2 : 0);
    Torso(p, r, r.torsoW * 0.9, r.torsoW * 0.6, Shade(kOrange, 4));
    p.Poly({r.head + P{-r.headR * 1.2, -r.headR * 0.2}, r.head + P{r.headR * 1.2, -r.headR * 0.2},
            r.head + P{r.headR * 0.9, -r.headR * 1.3}, r.head + P{-r.headR * 0.9, -r.headR * 1.3}},
           Grey(10));
    p.Curve(r.head + P{-r.headR, -r.headR}, r.head + P{-r.headR * 2.2, -r.headR * 1.6},
            r.head + P{-r.headR * 2.0, -r.headR * 2.9}, 3, Grey(24), 1.5);
    SkeletonArm(p, r);
    const P bone = r.handF + P{4, -4};
    p.Stroke(bone + P{-5, 3}, bone + P{5, -3}, 2.5, kBone);
    Finish(c, bg, Grey(5));
}

// Two strides, then reared back and spitting forward.
constexpr Stance kBurningPoses[4] = {
    {.height = 58, .hipU = 14, .stepF = 8, .stepB = -10, .handF = {8, 12}, .handB = {-6, 12}},
    {.height = 60, .hipU = 14, .stepF = 2, .stepB = -2, .liftB = 3, .handF = {5, 12}, .handB = {-2, 12}},
    {.height = 60, .hipU = 16, .lean = -4, .stepF = 10, .stepB = -10, .handF = {22, -10}, .handB = {-10, -12}},
    {.height = 58, .hipU = 14, .lean = 6, .stepF = 10, .stepB = -10, .handF = {14, 2}, .handB = {-8, 6}},
};

void PaintFireSkeleton(Canvas& c, int frame, uint8_t bg) {
    auto [pose, left, p] = PoseOf(c, frame, 4);
    Stance s = kBurningPoses[pose];
    s.floor = c.h;
    const Rig r = MakeRig(s);
    Skeleton(p, r, Shade(kYellow, 14), pose == 3 ? 3 : 0);
    SkeletonArm(p, r);
    Finish(c, bg, Grey(5));
    // Its head and shoulders burn.
    const Tone fire = RampTone(kOrange, 8);
    const double top = pose == 2 ? 0 : std::max(0.0, r.head.v - r.headR * 3.2);
    Flame(p, r.head.u - 2, top, r.head.v - r.headR * 0.4, r.headR * 1.1, frame, fire);
    Flame(p, r.shoulderB.u - 1, r.neck.v - 8, r.neck.v + 2, 3, frame + 1, fire);
}

// An upright fire lizard running on its hind legs, its tail behind.
void PaintSaramanda(Canvas& c, int frame, uint8_t bg) {
    const bool left = frame >= 2, b = frame % 2 == 1;
    Pen p(c, left ? c.w : 0, 0, left);
    const Tone skin = RampTone(kRed, 7), belly = RampTone(kYellow, 9);
    const double fl = c.h - 1;
    p.Curve({16, 34}, {4, 44}, {1, 58}, 7, skin.mid, 3);
    p.Curve({16, 34}, {4, 44}, {1, 58}, 2, skin.shine, 1);
    const P hip{18, 38}, neck{26, 16};
    const P footF = b ? P{30, fl} : P{38, fl}, footB = b ? P{12, fl - 4} : P{6, fl};
    p.Stroke(hip, Joint(hip, footB, 12, 12, 1), 6, skin.dark, 4);
    p.Stroke(Joint(hip, footB, 12, 12, 1), footB, 4, skin.dark);
    p.Stroke(hip, neck, 13, skin.mid, 10);
    p.Stroke(hip + P{4, -2}, neck + P{3, 2}, 5, belly.mid, 4);
    p.Stroke(hip, Joint(hip, footF, 12, 12, 1), 6, skin.mid, 4);
    p.Stroke(Joint(hip, footF, 12, 12, 1), footF, 4, skin.mid);
    p.Oval(footF + P{3, 0}, 4, 1.5, skin.dark);
    // The head: a wide flat snout, a row of spines down the neck, small claws.
    p.Oval({31, 9}, 9, 7, skin.mid);
    p.Oval({38, 11}, 6, 4, skin.mid);
    p.Rect(32, 12, 43, 14, skin.ink);
    p.Disc({33, 6}, 2, Shade(kYellow, 13));
    for (int k = 0; k < 4; ++k)
        p.Poly({{18.0 + k * 2, 10.0 + k * 7}, {14.0 + k * 2, 14.0 + k * 7}, {19.0 + k * 2, 16.0 + k * 7}}, skin.light);
    p.Stroke({28, 22}, {38, 28}, 3, skin.dark);
    p.Stroke({38, 28}, {43, 26}, 2, skin.dark);
    Finish(c, bg);
}

// The white dragon's head at the end of its neck; its jaws open to fire.
void PaintWhiteDHontai(Canvas& c, int frame, uint8_t bg) {
    Pen p(c, c.w, 0, true);  // it looks left, its neck joins on the right
    const Tone scale = GreyTone(23), horn = RampTone(kYellow, 10);
    const double jaw = frame == 1 ? 10 : 0;
    p.Poly({{0, 14}, {18, 4}, {40, 6}, {56, 18}, {59, 28}, {46, 30}, {20, 30}, {0, 28}}, scale.mid);  // skull
    p.Poly({{0, 30}, {20, 30}, {46, 30}, {54, 36 + jaw}, {40, 44 + jaw}, {14, 38 + jaw * 0.5}, {0, 36}},
           scale.dark);  // jaw
    p.Curve({10, 8}, {2, 0}, {-2, 2}, 4, horn.mid, 2);
    p.Curve({24, 6}, {16, 0}, {10, 0}, 4, horn.mid, 2);
    p.Poly({{34, 14}, {44, 15}, {40, 20}}, Shade(kRed, 11));  // eye
    p.Disc({52, 24}, 2, Grey(3));
    for (int k = 0; k < 4; ++k) p.Poly({{44.0 - k * 8, 29}, {41.0 - k * 8, 29}, {42.5 - k * 8, 34}}, Grey(29));
    if (frame == 1) {
        p.Oval({48, 36}, 6, 5, Shade(kViolet, 6));
        p.Disc({52, 36}, 3, Grey(29));
    }
    p.Poly({{0, 16}, {4, 26}, {0, 44}}, scale.light);
    p.Rect(0, 0, 0, 0, bg);
    Finish(c, bg, Grey(6));
}

// One bone of the dragon's neck, seen end on.
void PaintWhiteDTukene(Canvas& c, int, uint8_t bg) {
    Pen p(c, 0, 0, false);
    p.Disc({12, 12}, 11.5, Grey(22));
    p.Disc({12, 12}, 7, Grey(26));
    p.Disc({12, 12}, 3, Grey(12));
    Finish(c, bg, Grey(6));
}

// The dragon's fire: a pale, ghostly fireball with its flames licking back.
void PaintWhiteDHonoo(Canvas& c, int frame, uint8_t bg) {
    Pen p(c, 0, 0, false);
    const Tone t = RampTone(kViolet, 9);
    for (int k = 0; k < 5; ++k) {
        const double a = -kPi / 2 + (k - 2) * 0.55 + (frame ? 0.2 : -0.2);
        p.Poly({{15 + std::cos(a - 0.35) * 8, 18 + std::sin(a - 0.35) * 8},
                {15 + std::cos(a) * 15, 17 + std::sin(a) * 17},
                {15 + std::cos(a + 0.35) * 8, 18 + std::sin(a + 0.35) * 8}},
               t.mid);
    }
    p.Disc({15, 20}, 11.5, t.mid);
    p.Disc({15, 21}, 8, t.light);
    p.Disc({15, 22}, 4.5, Grey(29));
    (void)bg;
}

// --- hazards -------------------------------------------------------------------------------

// The wolf's fireball: a blazing head with flames streaming behind it.
void PaintFireB(Canvas& c, int frame, uint8_t bg) {
    Pen p(c, frame == 1 ? c.w : 0, 0, frame == 1);
    const Tone t = RampTone(kOrange, 8), r = RampTone(kRed, 7);
    // Three tongues streaming back from the head, the outer ones red.
    p.Poly({{1, 9}, {14, 11}, {30, 6}, {40, 17}, {30, 28}, {14, 23}, {1, 25}, {10, 17}}, r.mid);
    p.Poly({{4, 17}, {18, 12}, {34, 10}, {40, 17}, {34, 24}, {18, 22}}, t.mid);
    p.Poly({{0, 1}, {22, 8}, {28, 11}, {16, 12}}, r.mid);
    p.Poly({{0, 33}, {22, 26}, {28, 23}, {16, 22}}, r.mid);
    p.Disc({38, 17}, 15.5, t.mid);
    p.Disc({41, 17}, 10.5, t.light);
    p.Disc({44, 17}, 5.5, Grey(29));
    (void)bg;
}

// A segmented centipede winding across its frame, legs stirring on both sides.
void PaintGejigeji(Canvas& c, int frame, uint8_t bg) {
    Pen p(c, 0, 0, false);
    const Tone body = RampTone(kRed, 4), legs = RampTone(kYellow, 8);
    const double W = c.w;
    constexpr int kSegments = 8;
    P seg[kSegments];
    for (int k = 0; k < kSegments; ++k) {
        const double t = static_cast<double>(k) / (kSegments - 1);
        const double wig = std::sin(t * 2 * kPi + frame * 1.2) * 3;
        seg[k] = {4 + (W - 9) * t + wig * 0.7, 25 - 19 * t + wig};
    }
    for (int k = 0; k < kSegments; ++k) {
        const P d = k + 1 < kSegments ? seg[k + 1] - seg[k] : seg[k] - seg[k - 1];
        const P n = P{-d.v, d.u} * (1 / Len(d));
        const double kick = ((k + frame) % 2 ? 1.5 : -1.5);
        p.Stroke(seg[k], seg[k] + n * 5 + d * (kick * 0.15), 1, legs.mid);
        p.Stroke(seg[k], seg[k] - n * 5 - d * (kick * 0.15), 1, legs.mid);
    }
    for (int k = 0; k + 1 < kSegments; ++k) p.Stroke(seg[k], seg[k + 1], 5.5, k % 2 ? body.mid : body.light);
    const P head = seg[kSegments - 1];
    p.Disc(head, 3.5, body.dark);
    p.Stroke(head, head + P{-1, -4.5}, 1, legs.light);
    p.Stroke(head, head + P{3.5, -3}, 1, legs.light);
    p.Stroke(seg[0], seg[0] + P{-3, 3}, 1, legs.light);
    p.Stroke(seg[0], seg[0] + P{-1, 4}, 1, legs.light);
    Finish(c, bg, body.ink);
}

// A heavy iron cogwheel; the second frame is turned half a tooth.
void PaintGia(Canvas& c, int frame, uint8_t bg) {
    Pen p(c, 0, 0, false);
    const double cx = 64, cy = 64;
    constexpr int kTeeth = 12;
    double xs[4 * kTeeth], ys[4 * kTeeth];
    for (int k = 0; k < kTeeth; ++k) {
        const double a = (k + 0.5 * frame) * 2 * kPi / kTeeth, hw = kPi / kTeeth * 0.55;
        const double rs[4] = {52, 63.5, 63.5, 52};
        const double as[4] = {a - hw * 1.3, a - hw * 0.7, a + hw * 0.7, a + hw * 1.3};
        for (int j = 0; j < 4; ++j)
            xs[k * 4 + j] = cx + std::cos(as[j]) * rs[j], ys[k * 4 + j] = cy + std::sin(as[j]) * rs[j];
    }
    c.Polygon(xs, ys, 4 * kTeeth, Grey(11));
    p.Disc({cx, cy}, 52, Grey(11));
    p.Disc({cx, cy}, 44, Grey(8));
    for (int k = 0; k < 6; ++k) {
        const double a = (k + 0.5 * frame) * kPi / 3;
        p.Stroke({cx, cy}, {cx + std::cos(a) * 44, cy + std::sin(a) * 44}, 9, Grey(13));
    }
    p.Disc({cx, cy}, 15, Grey(15));
    p.Disc({cx, cy}, 6, Grey(3));
    for (int k = 0; k < 6; ++k) {
        const double a = (k + 0.5 + 0.5 * frame) * kPi / 3;
        p.Disc({cx + std::cos(a) * 30, cy + std::sin(a) * 30}, 4, Shade(kOrange, 4));  // rust
    }
    Finish(c, bg, Grey(2));
}

// A dripping stalactite of black rock, its point glowing hot.
void PaintHuran(Canvas& c, int, uint8_t bg) {
    Pen p(c, 0, 0, false);
    p.Poly({{0, 0}, {24, 0}, {20, 14}, {16, 36}, {12.5, 63.5}, {11.5, 63.5}, {7, 38}, {3, 16}}, Grey(8));
    p.Poly({{4, 0}, {11, 0}, {10, 30}, {6, 12}}, Grey(12));
    p.Poly({{16, 36}, {12.5, 63.5}, {11.5, 63.5}, {7, 38}, {12, 44}}, Shade(kOrange, 8));
    p.Poly({{13, 48}, {12.5, 63.5}, {11.5, 63.5}, {10, 50}}, Shade(kYellow, 12));
    Finish(c, bg, Grey(2));
}

// A block of iron bristling with spikes on every side.
void PaintIdouYari(Canvas& c, int, uint8_t bg) {
    Pen p(c, 0, 0, false);
    for (int k = 0; k < 3; ++k) {
        const double m = 18 + k * 14;
        p.Poly({{m - 5, 14}, {m, 0}, {m + 5, 14}}, Grey(24));
        p.Poly({{m - 5, 50}, {m, 63.5}, {m + 5, 50}}, Grey(24));
        p.Poly({{14, m - 5}, {0, m}, {14, m + 5}}, Grey(24));
        p.Poly({{50, m - 5}, {63.5, m}, {50, m + 5}}, Grey(24));
    }
    p.Rect(12, 12, 52, 52, Grey(10));
    p.Rect(16, 16, 48, 48, Grey(13));
    for (const P r : {P{18, 18}, P{44, 18}, P{18, 44}, P{44, 44}}) p.Disc(r + P{1, 1}, 2, Grey(20));
    p.Rect(16, 30, 48, 34, Grey(8));
    p.Rect(30, 16, 34, 48, Grey(8));
    Finish(c, bg, Grey(2));
}

// A flying carpet rippling as it goes, fringed at both ends.
void PaintJyuutan(Canvas& c, int frame, uint8_t bg) {
    Pen p(c, frame == 1 ? c.w : 0, 0, frame == 1);
    const Tone cloth = RampTone(kRed, 6), gold = RampTone(kYellow, 8);
    double xs[64], ys[64];
    int n = 0;
    constexpr int kSteps = 30;
    auto wave = [](double u) { return std::sin(u / 125.0 * 2 * kPi * 1.5 + 0.6) * 6; };
    for (int i = 0; i <= kSteps; ++i) {
        const double u = 6 + (113.0 * i) / kSteps;
        xs[n] = p.X(u), ys[n++] = 10 + wave(u);
    }
    for (int i = kSteps; i >= 0; --i) {
        const double u = 6 + (113.0 * i) / kSteps;
        xs[n] = p.X(u), ys[n++] = 20 + wave(u);
    }
    c.Polygon(xs, ys, n, cloth.mid);
    for (int i = 0; i <= 40; ++i) {
        const double u = 8 + i * 2.7;
        p.Rect(u, 11 + wave(u), u + 2, 12 + wave(u), gold.mid);
        p.Rect(u, 18 + wave(u), u + 2, 19 + wave(u), gold.mid);
        if (i % 5 == 2) p.Disc({u, 15 + wave(u)}, 2, gold.light);
    }
    for (int k = 0; k < 5; ++k) {
        p.Stroke({6, 11 + wave(6) + k * 2}, {1, 12 + wave(6) + k * 3.5}, 1, gold.dark);
        p.Stroke({119, 11 + wave(119) + k * 2}, {124, 12 + wave(119) + k * 3.5}, 1, gold.dark);
    }
    Finish(c, bg, cloth.ink);
}

// A wraith rising through the floor: hood, reaching arms, a tail of mist.
void PaintSpecter(Canvas& c, int, uint8_t bg) {
    Pen p(c, 0, 0, false);
    const Tone t = RampTone(kViolet, 11);
    p.Poly({{20, 2}, {32, 14}, {36, 40}, {30, 62}, {26, 80}, {22, 95}, {17, 84}, {10, 64}, {4, 40}, {8, 14}}, t.mid);
    p.Curve({10, 30}, {2, 20}, {0.5, 4}, 4, t.light, 2);
    p.Curve({30, 30}, {38, 20}, {39.5, 4}, 4, t.light, 2);
    p.Oval({20, 16}, 9, 10, t.light);
    p.Oval({20, 18}, 6, 7, Grey(3));
    p.Rect(16, 16, 19, 19, Shade(kCyan, 13));
    p.Rect(22, 16, 25, 19, Shade(kCyan, 13));
    p.Curve({12, 60}, {20, 70}, {14, 86}, 1, t.dark);
    p.Curve({28, 58}, {24, 74}, {26, 90}, 1, t.dark);
    Finish(c, bg, t.ink);
}

// A spear head shooting up from the floor on its shaft.
void PaintYukaYari(Canvas& c, int, uint8_t bg) {
    Pen p(c, 0, 0, false);
    p.Rect(3.5, 12, 6.5, 28, Shade(kOrange, 4));
    p.Poly({{5, 0}, {10, 9}, {6.5, 13}, {3.5, 13}, {0, 9}}, Grey(24));
    p.Rect(2, 13, 8, 15, Shade(kYellow, 8));
    Finish(c, bg, Grey(3));
}

// --- ground foes ---------------------------------------------------------------------------

// An armadillo: a banded shell on short legs, or curled into a ball.
void PaintArumajiro(Canvas& c, int frame, uint8_t bg) {
    auto [pose, left, p] = PoseOf(c, frame, 5);
    const Tone shell = RampTone(kOrange, 6), skin = RampTone(kPink, 7);
    if (pose >= 2) {
        const double r = std::min(c.w, c.h) / 2.0 - 0.5, cx = c.w / 2.0, cy = c.h / 2.0;
        p.Oval({cx, cy}, c.w / 2.0 - 0.5, r, shell.mid);
        // The shell's bands wrap round the ball and turn as it rolls.
        const double turn = pose == 4 ? 0.35 : 0;
        for (int k = -2; k <= 2; ++k) {
            const double a = k * 0.5 + turn;
            const P top = {cx + std::sin(a) * r * 0.98, cy - std::cos(a) * r * 0.98};
            const P bottom = {cx + std::sin(a) * r * 0.98, cy + std::cos(a) * r * 0.98};
            p.Curve(top, {cx + std::sin(a) * r * 1.2, cy}, bottom, 1.5, shell.dark);
        }
        if (pose == 2) {
            p.Disc({cx + r * 0.6, cy + r * 0.45}, 4, skin.mid);  // the snout tucked in
            p.Poly({{cx - r, cy + 2}, {1, c.h - 1.0}, {cx - r + 6, cy + 8}}, skin.dark);
        }
        Finish(c, bg, shell.ink);
        return;
    }
    const double step = pose == 0 ? 3 : -3;
    for (const double u : {12.0, 32.0}) {
        p.Stroke({u, 20}, {u + step, 31}, 4, skin.dark);
        p.Stroke({u + 5, 20}, {u + 5 - step, 31}, 4, skin.mid);
    }
    p.Poly({{0, 22}, {8, 16}, {8, 22}}, skin.dark);  // tail
    p.Oval({22, 15}, 17, 14, shell.mid);
    for (int k = 0; k < 5; ++k) p.Stroke({10.0 + k * 6, 3}, {9.0 + k * 6, 26}, 1.5, shell.dark);
    p.Poly({{36, 12}, {47.5, 20}, {46, 23}, {36, 22}}, skin.mid);  // snout
    p.Poly({{34, 8}, {38, 2}, {39, 10}}, skin.dark);               // ear
    p.Disc({40, 15}, 1.5, kInk);
    Finish(c, bg, shell.ink);
}

// A wooden figure that grows out of the floor, then waves its branches.
void PaintBokujin(Canvas& c, int frame, uint8_t bg) {
    Pen p(c, 0, 0, false);
    const Tone wood = RampTone(kOrange, 5), leaf = RampTone(kLime, 6);
    const double W = c.w, H = c.h, cu = W / 2;
    // Roots and trunk stand on the floor at the frame's bottom.
    p.Poly({{cu - 9, H - 1}, {cu - 4, H - 6}, {cu + 4, H - 6}, {cu + 9, H - 1}}, wood.dark);
    if (frame == 0) {
        p.Poly({{cu - 7, H - 1}, {cu - 5, 14}, {cu + 5, 14}, {cu + 7, H - 1}}, wood.mid);
        p.Stroke({cu + 3, 16}, {W - 1, 2}, 3, wood.mid);
        p.Oval({W - 3, 3}, 3, 2.5, leaf.mid);
        p.Oval({cu - 4, 10}, 4, 3, leaf.mid);
        p.Stroke({cu - 4, 24}, {1, 18}, 2, wood.mid);
        p.Oval({2.5, 17}, 2.5, 2, leaf.mid);
        Finish(c, bg, wood.ink);
        return;
    }
    const double top = frame == 1 ? 2 : 1;
    p.Poly({{cu - 10, H - 1}, {cu - 9, top + 10}, {cu + 9, top + 10}, {cu + 10, H - 1}}, wood.mid);
    p.Oval({cu, top + 10}, 10, 9, wood.mid);
    // The carved face.
    p.Rect(cu - 6, top + 8, cu - 2, top + 11, kInk);
    p.Rect(cu + 2, top + 8, cu + 6, top + 11, kInk);
    p.Rect(cu - 4, top + 16, cu + 4, top + 18, kInk);
    // Branch arms, spread wider and swinging in the later frames.
    const double sway = frame == 2 ? 0 : frame == 3 ? 6 : -4;
    const double reach = frame == 1 ? W / 2 - 1 : W / 2 - 1;
    for (const double side : {-1.0, 1.0}) {
        const P root = {cu + side * 8, H * 0.55};
        const P tip = {cu + side * reach, (frame == 1 ? 14 : 4) + sway * side};
        p.Curve(root, {cu + side * reach * 0.55, H * 0.5 - sway * side}, tip, 5, wood.mid, 2.5);
        p.Oval(tip, 5, 4, leaf.mid);
        p.Oval(Mid(root, tip, 0.6) + P{0, -3}, 4, 3, leaf.light);
    }
    Finish(c, bg, wood.ink);
}

// A grave ghoul: grey, gaunt and long-armed; crouched to spring, or in the air.
void PaintGureibu(Canvas& c, int frame, uint8_t bg) {
    const bool left = frame >= 2, leap = frame % 2 == 1;
    Pen p(c, left ? c.w : 0, 0, left);
    const Outfit ghoul = {Shade(kLime, 5),   Shade(kLime, 4),   Shade(kLime, 3),
                          Shade(kOrange, 3), Shade(kOrange, 2), Shade(kLime, 3)};
    Stance s{84, 20, static_cast<double>(c.h)};
    s.build = 1.0;
    if (leap)
        s.height = 82, s.lean = 8, s.stepF = 14, s.stepB = -12, s.liftF = 10, s.liftB = 2, s.handF = {14, -22},
        s.handB = {-18, -16};
    else
        s.height = 86, s.crouch = 0.1, s.lean = 6, s.stepF = 14, s.stepB = -16, s.handF = {10, 24}, s.handB = {-18, 2};
    const Rig r = MakeRig(s);
    Figure(p, r, ghoul);
    p.Poly({r.hip + P{-7, -2}, r.hip + P{8, -2}, r.hip + P{6, 10}, r.hip + P{-2, 8}, r.hip + P{-8, 12}},
           Shade(kOrange, 3));
    // Ribs show through the skin; wild hair; red eyes; the mouth agape.
    for (int k = 0; k < 3; ++k) {
        const P at = Mid(r.neck, r.hip, 0.25 + 0.15 * k);
        p.Stroke(at + P{-5, 0}, at + P{5, 1}, 1, Shade(kLime, 2));
    }
    p.Oval(r.head + P{-r.headR * 0.6, -r.headR * 0.5}, r.headR * 0.9, r.headR * 0.7, Grey(18));
    p.Rect(r.head.u + r.headR * 0.2, r.head.v - r.headR * 0.2, r.head.u + r.headR * 0.7, r.head.v + r.headR * 0.15,
           Shade(kRed, 11));
    p.Rect(r.head.u + r.headR * 0.3, r.head.v + r.headR * 0.45, r.head.u + r.headR * 0.95, r.head.v + r.headR * 0.8,
           kInk);
    FrontArm(p, r, ghoul);
    for (const P hand : {r.handF, r.handB})
        for (int k = -1; k <= 1; ++k) p.Stroke(hand, hand + P{3.0 + k, 4 + k * 1.5}, 1, Grey(26));
    Finish(c, bg);
}

// A rearing snake on its coils, the head raised at the top.
void PaintHebi(Canvas& c, int frame, uint8_t bg) {
    const bool left = frame >= 2, b = frame % 2 == 1;
    Pen p(c, left ? c.w : 0, 0, left);
    const Tone scale = RampTone(kGreen, 6), belly = RampTone(kYellow, 9);
    const double H = c.h;
    p.Oval({14, H - 6}, 14.5, 5.5, scale.dark);
    p.Oval({16, H - 9}, 11, 5, scale.mid);
    const double sway = b ? 3 : -2;
    p.Curve({10, H - 10}, {2 + sway, H * 0.55}, {14, H * 0.3}, 7, scale.mid, 6);
    p.Curve({12, H - 10}, {4 + sway, H * 0.55}, {16, H * 0.32}, 2.5, belly.mid, 2);
    p.Oval({19, 7}, 8, 6, scale.mid);
    p.Oval({24, 9}, 5, 3.5, scale.mid);
    p.Disc({20, 5}, 1.5, Shade(kRed, 11));
    p.Stroke({28, 10}, {29.5, b ? 13.0 : 8.0}, 1, Shade(kRed, 9));
    for (int k = 0; k < 4; ++k) p.Disc({8.0 + k * 5, H - 7}, 1.5, scale.light);
    Finish(c, bg, scale.ink);
}

// A coffin that hops after the hero; its lid slides open on a pair of eyes.
void PaintKanoke(Canvas& c, int frame, uint8_t bg) {
    auto [pose, left, p] = PoseOf(c, frame, 4);
    const Tone wood = RampTone(kOrange, 4), brass = RampTone(kYellow, 8);
    const double tilt = (pose == 1 ? 3 : pose == 3 ? -2 : 0);
    auto at = [&](double u, double v) { return P{u + tilt * (1 - v / 112), v}; };
    // The body: wide at the shoulders, narrow at head and foot.
    p.Poly({at(14, 0), at(50, 0), at(63.5, 28), at(52, 111.5), at(12, 111.5), at(0.5, 28)}, wood.mid);
    const double open = pose == 2 ? 8 : pose == 3 ? 4 : 0;
    p.Poly({at(18, 5), at(46, 5), at(56, 28), at(47, 106), at(17, 106), at(8, 28)}, wood.dark);
    p.Poly({at(18 + open, 5), at(46 + open, 5), at(56 + open, 28), at(47 + open, 106), at(17 + open, 106),
            at(8 + open, 28)},
           wood.light);
    if (open > 0) {
        p.Rect(at(12, 24).u, 22, at(12, 24).u + 4, 26, Shade(kRed, 12));
        p.Rect(at(12, 24).u, 30, at(12, 24).u + 4, 34, Shade(kRed, 12));
    }
    // Brass bands and a cross on the lid.
    for (const double v : {14.0, 94.0}) p.Rect(at(8 + open, v).u, v, at(56 + open, v).u, v + 3, brass.mid);
    p.Rect(at(30 + open, 30).u, 30, at(34 + open, 30).u, 66, brass.light);
    p.Rect(at(22 + open, 40).u, 40, at(42 + open, 40).u, 44, brass.light);
    for (const double v : {20.0, 100.0}) p.Disc(at(4, v), 2, brass.dark);
    Finish(c, bg, wood.ink);
}

// A madman clawing his way out of the ground, then shambling on.
void PaintMadman(Canvas& c, int frame, uint8_t bg) {
    auto [pose, left, p] = PoseOf(c, frame, 5);
    const Outfit rags = {Shade(kLime, 7),   Shade(kIndigo, 3), Shade(kIndigo, 2),
                         Shade(kOrange, 3), Shade(kOrange, 2), Grey(4)};
    const double H = c.h, W = c.w;
    const Tone dirt = RampTone(kOrange, 3);
    if (pose < 3) {
        // Head, then shoulders, then the waist above a mound of earth.
        const double rise = pose == 0 ? 0 : pose == 1 ? 10 : 26;
        const P head = {W * 0.5, H - 6 - rise};
        p.Oval({W / 2, H - 3}, W / 2 - 0.5, 3, dirt.mid);
        if (pose >= 1) p.Oval(head + P{0, 12}, 10, 9, rags.top);
        p.Disc(head, 6.5, rags.skin);
        p.Oval(head + P{-2, -4}, 7, 4, Grey(20));
        p.Rect(head.u + 1, head.v - 1, head.u + 4, head.v + 1, Shade(kRed, 12));
        // Hands clawing at the earth on both sides, the arms pushing up from it.
        for (const double side : {-1.0, 1.0}) {
            const P hand = {W / 2 + side * (W / 2 - 4), H - 4};
            if (pose >= 1) p.Stroke(head + P{side * 7, 9}, hand + P{-side * 3, -3}, 4, rags.skin);
            p.Disc(hand, 3, rags.skin);
            for (int k = -1; k <= 1; ++k) p.Stroke(hand, hand + P{side * 3, -2.0 + k * 2}, 1, rags.skin);
        }
        if (pose == 2) p.Rect(W / 2 - 10, H - 12, W / 2 + 10, H - 5, rags.top);
        Finish(c, bg);
        return;
    }
    Stance s{76, 24, H};
    s.lean = 5, s.stepF = pose == 3 ? 12 : 4, s.stepB = pose == 3 ? -12 : -4, s.liftB = pose == 4 ? 3 : 0;
    s.handF = {20, 2}, s.handB = {-22, 10};
    const Rig r = MakeRig(s);
    Figure(p, r, rags);
    p.Poly({r.hip + P{-8, 0}, r.hip + P{8, 0}, r.hip + P{10, 8}, r.hip + P{4, 5}, r.hip + P{0, 10}, r.hip + P{-6, 6}},
           rags.topDark);
    p.Oval(r.head + P{-r.headR * 0.4, -r.headR * 0.5}, r.headR * 1.1, r.headR * 0.8, Grey(20));
    p.Rect(r.head.u + r.headR * 0.2, r.head.v - r.headR * 0.1, r.head.u + r.headR * 0.7, r.head.v + r.headR * 0.25,
           Shade(kRed, 12));
    FrontArm(p, r, rags);
    Finish(c, bg);
}

// A curse: a pool of dark ooze on the floor with staring eyes, swelling and shrinking.
void PaintNoroi(Canvas& c, int frame, uint8_t bg) {
    Pen p(c, 0, 0, false);
    const Tone ooze = RampTone(kPurple, 4);
    const double W = c.w, H = c.h;
    p.Oval({W / 2, H - 8}, W / 2 - 0.5, 8, ooze.mid);
    for (int k = 0; k < 5; ++k) {
        const double u = W * (0.12 + 0.19 * k), hgt = 14 + ((k + frame) % 3) * 7;
        p.Oval({u, H - hgt * 0.5 - 2}, 6, hgt * 0.5 + 1, ooze.mid);
    }
    p.Oval({W * 0.5, H - 9}, W * 0.3, 5, ooze.dark);
    for (const double u : {W * 0.38, W * 0.6}) {
        p.Oval({u, H - 12}, 3.5, 3, Shade(kYellow, 12));
        p.Rect(u - 0.5, H - 14, u + 1, H - 10, kInk);
    }
    Finish(c, bg, ooze.ink);
}

// A crone hunched over her bubbling cauldron.
void PaintRouba(Canvas& c, int, uint8_t bg) {
    Pen p(c, 0, 0, false);
    const Tone shawl = RampTone(kPurple, 4), brew = RampTone(kLime, 8), skin = RampTone(kOrange, 9);
    const Outfit crone = {skin.mid, shawl.mid, shawl.dark, shawl.dark, shawl.ink, Grey(4)};
    Stance s{136, 34, 144};
    s.lean = 16, s.crouch = 0.15, s.stepF = 10, s.stepB = -12, s.handF = {30, 16}, s.handB = {-12, 34};
    const Rig r = MakeRig(s);
    // Her cane behind, the cloak to the floor.
    p.Stroke(r.handB, {r.handB.u - 4, 143}, 3, Shade(kOrange, 3));
    Figure(p, r, crone);
    p.Poly({r.neck + P{-16, 0}, r.neck + P{10, -4}, {r.hip.u + 18, 143}, {1, 143}}, shawl.mid);
    p.Oval(r.head + P{-2, -2}, r.headR * 1.5, r.headR * 1.4, shawl.dark);  // the hood
    p.Oval(r.head + P{2, 2}, r.headR * 0.9, r.headR * 1.0, skin.mid);
    p.Poly({r.head + P{r.headR * 0.6, 0}, r.head + P{r.headR * 1.6, r.headR * 0.9},
            r.head + P{r.headR * 0.7, r.headR * 0.7}},
           skin.dark);
    p.Rect(r.head.u + 3, r.head.v - 1, r.head.u + 6, r.head.v + 2, Shade(kYellow, 13));
    p.Oval(r.head + P{-r.headR * 0.5, r.headR * 0.8}, r.headR * 0.5, r.headR * 1.3, Grey(26));  // hair
    // The cauldron fills the front, its brew bubbling over.
    p.Oval({94, 116}, 33, 27, Grey(5));
    p.Rect(64, 86, 125, 94, Grey(9));
    p.Oval({94, 86}, 30, 6, brew.mid);
    for (const P b : {P{80, 80}, P{96, 76}, P{110, 82}, P{88, 70}}) p.Disc(b, 4, brew.light);
    p.Stroke({70, 141}, {74, 133}, 4, Grey(5));
    p.Stroke({118, 141}, {114, 133}, 4, Grey(5));
    p.Stroke({100, 34}, {127, 1}, 2, Shade(kOrange, 4));  // her ladle
    p.Oval({94, 40}, 7, 4, Shade(kOrange, 4));
    FrontArm(p, r, crone);
    Finish(c, bg);
    (void)brew;
}

// A cave beetle: clinging upside down to the ceiling, then scuttling on the floor.
void PaintSunegusu(Canvas& c, int frame, uint8_t bg) {
    Pen p(c, 0, 0, false);
    const Tone shell = RampTone(kOrange, 3), mark = RampTone(kYellow, 8);
    const double W = c.w, H = c.h;
    const bool hang = frame == 0;
    const double body = hang ? 16 : H - 15;
    for (int k = 0; k < 3; ++k) {
        const double u = 16 + k * 14, kick = hang ? 0 : ((k + frame) % 2 ? 4 : -4);
        if (hang)
            p.Curve({u, body}, {u - 4, 4}, {u - 6 + kick, 0}, 2, shell.dark);
        else
            p.Curve({u, body}, {u - 6 + kick, body + 4}, {u - 10 + kick, H - 1}, 2, shell.dark);
    }
    p.Oval({W / 2 - 4, body}, W / 2 - 6, hang ? 10 : 11, shell.mid);
    p.Stroke({W / 2 - 4, body - 9}, {W / 2 - 4, body + 9}, 1, shell.ink);
    for (const double u : {14.0, 26.0, 38.0}) p.Disc({u, body - 3}, 2.5, mark.mid);
    p.Oval({W - 9, body + 1}, 8, 6, shell.dark);
    p.Stroke({W - 4, body - 3}, {W - 1, hang ? body + 10 : body - 11}, 1, mark.light);
    p.Disc({W - 6, body}, 1.5, Shade(kRed, 12));
    Finish(c, bg, shell.ink);
}

// --- the foes of the last stages -----------------------------------------------------------

// A great ghost in tatters reaching for the hero.
void PaintDaibourei(Canvas& c, int frame, uint8_t bg) {
    Pen p(c, frame == 1 ? c.w : 0, 0, frame == 1);
    const Tone sheet = RampTone(kViolet, 12), deep = RampTone(kViolet, 8);
    p.Poly({{66, 0},
            {100, 14},
            {116, 52},
            {131, 62},
            {118, 80},
            {112, 110},
            {104, 138},
            {90, 124},
            {76, 138},
            {62, 122},
            {48, 138},
            {36, 120},
            {22, 132},
            {20, 100},
            {2, 74},
            {12, 58},
            {28, 20}},
           sheet.mid);
    p.Curve({100, 44}, {120, 56}, {131, 66}, 10, sheet.light, 6);
    p.Curve({30, 46}, {12, 60}, {1, 76}, 10, sheet.dark, 6);
    p.Oval({86, 44}, 10, 14, deep.ink);
    p.Oval({56, 44}, 9, 13, deep.ink);
    p.Disc({88, 46}, 3, Shade(kRed, 12));
    p.Disc({58, 46}, 3, Shade(kRed, 12));
    p.Oval({74, 80}, 12, 16, deep.ink);
    p.Curve({40, 100}, {60, 112}, {88, 100}, 2, deep.dark);
    Finish(c, bg, deep.dark);
}

// A flying skull trailing green ghost-fire up behind it.
void PaintFSukaru(Canvas& c, int frame, uint8_t bg) {
    Pen p(c, frame == 1 ? c.w : 0, 0, frame == 1);
    const Tone fire = RampTone(kGreen, 8);
    for (int k = 0; k < 3; ++k) Flame(p, 8.0 + k * 9, k == 1 ? 0 : 6, 34, 7, k, fire);
    p.Rect(0, 0, 0, 0, bg);
    Skull(p, {19, 32}, 15, Shade(kLime, 13));
    Finish(c, bg, Grey(6));
}

// A giant spinning saw blade.
void PaintDisk(Canvas& c, int frame, uint8_t bg) {
    Pen p(c, 0, 0, false);
    const double cx = c.w / 2.0, cy = c.h / 2.0, rx = cx - 0.5, ry = cy - 0.5;
    constexpr int kTeeth = 24;
    double xs[2 * kTeeth], ys[2 * kTeeth];
    for (int k = 0; k < kTeeth; ++k) {
        const double a = (k + 0.5 * frame) * 2 * kPi / kTeeth;
        xs[2 * k] = cx + std::cos(a) * rx, ys[2 * k] = cy + std::sin(a) * ry;
        const double b = a + kPi / kTeeth;
        xs[2 * k + 1] = cx + std::cos(b) * rx * 0.86, ys[2 * k + 1] = cy + std::sin(b) * ry * 0.86;
    }
    c.Polygon(xs, ys, 2 * kTeeth, Grey(22));
    p.Oval({cx, cy}, rx * 0.8, ry * 0.8, Grey(17));
    for (int k = 0; k < 3; ++k) {
        const double a = k * 2 * kPi / 3 + frame * 0.5;
        p.Curve({cx + std::cos(a) * rx * 0.2, cy + std::sin(a) * ry * 0.2},
                {cx + std::cos(a + 0.5) * rx * 0.5, cy + std::sin(a + 0.5) * ry * 0.5},
                {cx + std::cos(a + 0.6) * rx * 0.75, cy + std::sin(a + 0.6) * ry * 0.75}, 3, Grey(26));
    }
    p.Oval({cx, cy}, rx * 0.22, ry * 0.22, Shade(kRed, 7));
    p.Oval({cx, cy}, rx * 0.08, ry * 0.08, Grey(3));
    Finish(c, bg, Grey(5));
}

// A scarecrow hopping on its pole: stuffed body and outstretched arms in its box, a pole to the floor.
void PaintSukea(Canvas& c, int frame, uint8_t bg) {
    Pen p(c, frame == 1 ? c.w : 0, 0, frame == 1);
    const Tone straw = RampTone(kYellow, 8), cloth = RampTone(kRed, 5), sack = RampTone(kOrange, 8);
    p.Rect(27, 70, 31, 130, Shade(kOrange, 3));                   // the pole
    p.Rect(1, 42, 57, 47, Shade(kOrange, 4));                     // the crossbar
    p.Poly({{16, 44}, {42, 44}, {46, 80}, {12, 80}}, cloth.mid);  // a ragged coat
    for (int k = 0; k < 4; ++k)
        p.Poly({{12.0 + k * 9, 80}, {16.0 + k * 9, 74}, {20.0 + k * 9, 80}}, bg == 255 ? Grey(29) : Grey(1));
    for (const double u : {1.0, 57.0}) {
        p.Stroke({u < 29 ? u : u - 2, 45}, {u < 29 ? u + 2 : u, 50}, 2, straw.mid);
        p.Stroke({u < 29 ? u : u - 2, 45}, {u < 29 ? u - 0.5 : u + 0.5, 52}, 1.5, straw.light);
    }
    p.Oval({30, 34}, 11, 10, sack.mid);                                                // the sack head
    p.Poly({{14, 28}, {46, 28}, {38, 24}, {34, 14}, {26, 14}, {22, 24}}, straw.dark);  // the hat
    p.Rect(32, 32, 36, 36, kInk);
    p.Rect(24, 32, 28, 36, kInk);
    for (int k = 0; k < 4; ++k) p.Rect(25.0 + k * 3, 39, 26.0 + k * 3, 42, kInk);
    Finish(c, bg, Shade(kOrange, 1));
    // Straw poking from the cuffs and collar.
    for (int k = 0; k < 4; ++k) p.Stroke({20.0 + k * 6, 79}, {18.0 + k * 7, 82.0 + k % 2}, 1, straw.light);
}

// A pillar of fire bursting from the floor; frames grow from a lick to a column.
void PaintUpFire(Canvas& c, int frame, uint8_t bg) {
    Pen p(c, 0, 0, false);
    const Tone t = RampTone(kOrange, 8), r = RampTone(kRed, 7);
    const double W = c.w, H = c.h;
    const int tongues = std::max(2, static_cast<int>(H / 26));
    p.Poly({{0, H}, {W * 0.2, H * 0.35}, {W * 0.5, 0}, {W * 0.8, H * 0.3}, {W, H}}, r.mid);
    for (int k = 0; k < tongues; ++k) {
        const double v = H * k / tongues, side = (k + frame) % 2 ? 1 : -1;
        p.Poly(
            {{W / 2 + side * W * 0.45, v + H / tongues}, {W / 2 + side * W * 0.3, v}, {W / 2, v + H / tongues * 0.6}},
            t.mid);
    }
    p.Poly({{W * 0.25, H}, {W * 0.35, H * 0.3}, {W * 0.5, H * 0.08}, {W * 0.65, H * 0.3}, {W * 0.75, H}}, t.mid);
    p.Poly({{W * 0.38, H}, {W * 0.45, H * 0.4}, {W * 0.5, H * 0.2}, {W * 0.55, H * 0.4}, {W * 0.62, H}}, t.shine);
    (void)bg;
}

// A beam cannon: a turret on its base, then the same turret firing a long beam.
void Cannon(Pen& p, double top, double w, bool firing) {
    const Tone steel = GreyTone(12), glow = RampTone(kMagenta, 9);
    p.Poly({{3, 64.5 + top}, {10, 44 + top}, {44, 44 + top}, {w - 3, 64.5 + top}}, steel.dark);
    p.Rect(16, 40 + top, 38, 48 + top, steel.mid);
    p.Disc({26, 26 + top}, 22, steel.mid);
    p.Rect(26, 16 + top, w - 1, 32 + top, steel.light);
    p.Rect(w - 8, 12 + top, w - 1, 36 + top, steel.mid);
    p.Rect(20, 0.5 + top, 32, 6 + top, steel.dark);  // a vent on the dome
    p.Disc({22, 24 + top}, 7, firing ? glow.shine : glow.mid);
    p.Disc({22, 24 + top}, 3, Grey(29));
}

void PaintSBeamer(Canvas& c, int frame, uint8_t bg) {
    const bool left = frame >= 2, beam = frame % 2 == 1;
    Pen p(c, left ? c.w : 0, 0, left);
    if (!beam) {
        Cannon(p, 0, c.w, false);
        Finish(c, bg);
        return;
    }
    // The turret fills the body's box from its top row; the beam leaves the muzzle.
    const Tone glow = RampTone(kMagenta, 9);
    p.Rect(60, 16, c.w, 46, glow.mid);
    p.Rect(60, 21, c.w, 41, glow.light);
    p.Rect(60, 26, c.w, 36, Grey(29));
    Pen q(c, left ? c.w : 0, 0, left);
    Cannon(q, 6, 66, true);
    q.Rect(40, 0, 52, 12, glow.mid);
    q.Poly({{30, 0}, {46, 10}, {62, 0}}, glow.light);
    Finish(c, bg);
    (void)beam;
}

// --- the painters by set ---------------------------------------------------------------

using Painter = void (*)(Canvas& c, int frame, uint8_t bg);
struct Entry {
    const char* set;
    Painter paint;
};
constexpr Entry kPainters[] = {
    {"S_Night", PaintSNight},
    {"Red_Whip", PaintRedWhip},
    {"Red_Ax_Armor", PaintRedAxArmor},
    {"Hunmer", PaintHunmer},
    {"Tyinman", PaintTyinman},
    {"Victo", PaintVicto},
    {"Ara", PaintAra},
    {"Oskerin_F", PaintOskerinF},
    {"Dugal_F", PaintDugalF},
    {"Tanken", PaintTanken},
    {"Nerys_F", PaintNerysF},
    {"Lightning", PaintLightning},
    {"B_Gaikotu", PaintBGaikotu},
    {"Fyenriru", PaintFyenriru},
    {"Otiru_Block", PaintOtiruBlock},
    {"Medama", PaintMedama},
    {"Otiru_Honoo", PaintOtiruHonoo},
    {"Bara", PaintBara},
    {"Kahun", PaintKahun},
    {"Archer", PaintArcher},
    {"Ya", PaintYa},
    {"B_Armor", PaintBArmor},
    {"Barukan", PaintBarukan},
    {"War_Skeleton", PaintWarSkeleton},
    {"Fire_Skeleton", PaintFireSkeleton},
    {"Saramanda", PaintSaramanda},
    {"WhiteD_Hontai", PaintWhiteDHontai},
    {"WhiteD_Tukene", PaintWhiteDTukene},
    {"WhiteD_Honoo", PaintWhiteDHonoo},
    {"Fire_B", PaintFireB},
    {"Gejigeji", PaintGejigeji},
    {"Gia", PaintGia},
    {"Huran", PaintHuran},
    {"Idou_Yari", PaintIdouYari},
    {"Jyuutan", PaintJyuutan},
    {"Specter", PaintSpecter},
    {"Yuka_Yari", PaintYukaYari},
    {"Arumajiro", PaintArumajiro},
    {"Bokujin", PaintBokujin},
    {"Gureibu", PaintGureibu},
    {"Hebi", PaintHebi},
    {"Kanoke", PaintKanoke},
    {"Madman", PaintMadman},
    {"Noroi", PaintNoroi},
    {"Rouba", PaintRouba},
    {"Sunegusu", PaintSunegusu},
    {"Daibourei", PaintDaibourei},
    {"F_Sukaru", PaintFSukaru},
    {"Disk", PaintDisk},
    {"Sukea", PaintSukea},
    {"Up_Fire", PaintUpFire},
    {"S_Beamer", PaintSBeamer},
};

}  // namespace

bool PaintLateFoe(const SpriteSet& set, int frame, Canvas& c) {
    for (const Entry& e : kPainters)
        if (std::strcmp(e.set, set.name) == 0) {
            e.paint(c, frame, set.KeyOf(frame) == 255 ? 255 : 0);
            return true;
        }
    return false;
}

// The five heroes' pictures and their shots'. Each hero frame is laid out
// from what the game tests while it shows: the hero's body box, its weapon
// box and the floor it stands on, taken into the frame's pixels through the
// frame's draw offset. The trunk keeps to the hero's own column, the head
// meets the top of the body box and the feet the floor; hair, coat, cape,
// wings or robe and the free arm reach the box's sides, and a whip, a chain
// or a kick reaches across its weapon box.
#include "gen_heroes.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>
#include <string_view>

#include "engine/sprite_sets.h"
#include "gen_canvas.h"

namespace {

constexpr double kPi = std::numbers::pi;

// A rectangle relative to the hero's x and y, or to a frame's corner.
struct Box {
    int l = 0, t = 0, r = 0, b = 0;
    bool Empty() const { return l >= r || t >= b; }
};

enum class Stance : uint8_t {
    kStand,   // phase 1-4: the summoner's idle turn
    kWalk,    // phase: step of the cycle
    kCrouch,  //
    kJump,    // one knee up, arms out
    kWind,    // weapon drawn back; phase 0 low, 1 overhead
    kStrike,  // weapon out along its box
    kCrouchWind,
    kCrouchStrike,
    kThrow,   // phase 0 cross raised behind, 1 arm flung forward
    kCast,    // the caster's staff raised (0) or levelled (1); the dark form's open hand (0, 1) or both hands high (2)
    kSummon,  // phase 0 hands gathered, 1 arms spread, 2 arm raised ahead
    kCrouchSummon,
    kSpecial,     // the summoner's great bird called with both arms
    kKick,        // phase 0 chambered, 1 out along its box, 2 swung through behind
    kCrouchKick,  // phase 0 chambered, 1 sweeping, 2 swept out
    kAirKick,
    kFistWind,  // the brakfist gathered at the fists; phase 0, 1
    kDash,      // the brakfist: lunging, fist first
    kHurt,
    kDead,
};

// What one frame shows.
struct Shown {
    Stance stance = Stance::kStand;
    int phase = 0;
    bool right = true;
    bool grounded = true;  // stands on the floor (else the feet meet the body box's bottom)
    Box body;              // none for the dead
    Box weapon;            // none but while a weapon hits
};

enum class Look : uint8_t { kWhip, kChain, kBirds, kDark, kMage };

struct Style {
    Look look;
    int height;   // head top to floor, standing
    double half;  // half the torso's width
    uint8_t skin, hair, main, trim, legs, boots, weapon, weaponLight, glow, outline;
};

struct HeroArt {
    const char* set;
    Style style;
    int centre;         // the trunk's column, from the hero's x
    int floor;          // the floor row, from the hero's y
    int poses;          // per facing (the whip hero's set keeps no such order)
    const int16_t* dx;  // by frame
    const int16_t* dy;  // by pose index
    Shown (*shown)(int frame);
};

// --- the draw offsets the pictures are painted for --------------------------------

constexpr int16_t kDoranDx[24] = {0, 12, 3, 0, 0, 0, 0, 0, -97, -20, -25, 0, 0, 0, -32, -32, 0, 0, 0, -96, 0, 0, 0, 0};
constexpr int16_t kDoranDy[24] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 18, 18, 16, 16, 18, 16, 16, 18, 2, 2, 38, 38};

constexpr int16_t kTavishDx[28] = {0, 0, 0, -32, -32, 0,   0, 0,   0, -32, -32, 0,   0, 0,
                                   0, 0, 0, 0,   0,   -76, 0, -12, 0, 0,   0,   -76, 0, 0};
constexpr int16_t kTavishDy[14] = {2, 0, 2, 2, 2, 2, 2, 2, 14, 14, 14, 14, 2, 30};

constexpr int16_t kSeliyaDx[44] = {16, 18, 8,  0,  2,  2,  8, 10, 16, 16, 16, 16, 12,  14, 6,
                                   12, 18, 6,  16, 10, 22, 0, 14, 14, 16, 18, 18, 14,  18, 16,
                                   14, 16, 14, 14, 18, 14, 6, 14, 12, 8,  14, -2, -30, 16};
constexpr int16_t kSeliyaDy[22] = {2, 28, 6, 4, 2, 4, 6, 4, 2, 0, 2, 4, 16, 2, 2, 4, 26, 26, 30, 26, 48, 14};

constexpr int16_t kVarmDx[70] = {0,  6,  6,   2,   4,   4,   2,   -2, -2,  0,   2,   2,   2,  10, -2,  -6, 8,   -12,
                                 2,  6,  0,   -6,  -12, -24, -20, 0,  4,   14,  8,   -32, 0,  -2, -34, 0,  -20, 0,
                                 10, 8,  6,   8,   10,  12,  12,  10, 0,   6,   8,   12,  12, 6,  -4,  8,  -4,  2,
                                 2,  -4, -40, -40, 10,  12,  -2,  -4, -26, -32, -50, -4,  0,  -6, -20, -22};
constexpr int16_t kVarmDy[35] = {0, 0, 0, 0, 0, 0,  0,  0, 0,  0,  0,  0,   0, 32, 0, 0, -6, -26,
                                 0, 0, 0, 0, 0, -2, -2, 0, 32, 36, 40, -12, 0, 0,  0, 0, 58};

constexpr int16_t kNerysDx[16] = {0, 0, 0, 0, 0, 0, 0, 0, 4, 8, 6, 2, -8, 2, 0, -30};
constexpr int16_t kNerysDy[8] = {2, 0, 2, 16, 2, 2, 22, 38};

// --- what each frame shows, with the boxes the game tests in it ---------------------

Shown DoranShown(int f) {
    // Its frames keep no right-then-left order.
    static constexpr bool kRight[24] = {true,  true,  true,  false, false, false, false, false,
                                        false, true,  true,  true,  true,  false, true,  true,
                                        true,  false, false, false, true,  false, true,  false};
    static constexpr Stance kStance[24] = {
        Stance::kStand,      Stance::kWalk,         Stance::kWalk,       Stance::kStand,      Stance::kWalk,
        Stance::kWalk,       Stance::kWind,         Stance::kWind,       Stance::kStrike,     Stance::kWind,
        Stance::kWind,       Stance::kStrike,       Stance::kCrouch,     Stance::kCrouch,     Stance::kCrouchWind,
        Stance::kCrouchWind, Stance::kCrouchStrike, Stance::kCrouchWind, Stance::kCrouchWind, Stance::kCrouchStrike,
        Stance::kHurt,       Stance::kHurt,         Stance::kDead,       Stance::kDead};
    static constexpr int16_t kPhase[24] = {0, 0, 1, 0, 0, 1, 0, 1, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 1, 0, 0, 0, 0, 0};
    Shown s{kStance[f], kPhase[f], kRight[f], f != 20 && f != 21, {}, {}};
    if (f <= 11)
        s.body = {2, 2, 30, 56};
    else if (f == 12 || f == 13 || f == 16 || f == 19)
        s.body = {2, 20, 30, 60};
    else if (f < 22)
        s.body = {2, 18, 30, 58};
    switch (f) {
        case 11: s.weapon = {48, 22, 128, 31}; break;
        case 8: s.weapon = {-97, 22, -17, 31}; break;
        case 16: s.weapon = {65, 38, 145, 46}; break;
        case 19: s.weapon = {-96, 38, -16, 46}; break;
        default: break;
    }
    return s;
}

Shown TavishShown(int f) {
    static constexpr Stance kStance[14] = {
        Stance::kStand,      Stance::kWalk,         Stance::kWalk,  Stance::kWind,   Stance::kWind,
        Stance::kStrike,     Stance::kThrow,        Stance::kThrow, Stance::kCrouch, Stance::kCrouchWind,
        Stance::kCrouchWind, Stance::kCrouchStrike, Stance::kHurt,  Stance::kDead};
    static constexpr int16_t kPhase[14] = {0, 0, 1, 0, 1, 0, 0, 1, 0, 0, 1, 0, 0, 0};
    const int p = f % 14;
    Shown s{kStance[p], kPhase[p], f < 14, p != 12, {}, {}};
    if (p >= 8 && p <= 11)
        s.body = {0, 14, 32, 60};
    else if (p != 13)
        s.body = {0, 2, 32, 60};
    switch (f) {
        case 5: s.weapon = {46, 24, 108, 30}; break;
        case 19: s.weapon = {-76, 24, -14, 30}; break;
        case 11: s.weapon = {46, 38, 108, 44}; break;
        case 25: s.weapon = {-76, 38, -14, 44}; break;
        default: break;
    }
    return s;
}

Shown SeliyaShown(int f) {
    // Left offset facing right and left, width, top offset, height of every pose.
    static constexpr int16_t kBody[22][5] = {
        {16, 14, 32, 2, 72},   {18, 14, 30, 28, 46}, {8, 16, 38, 6, 68},   {0, 18, 44, 4, 70},   {2, 18, 42, 2, 72},
        {2, 14, 46, 4, 64},    {8, 18, 36, 6, 68},   {10, 16, 36, 4, 70},  {16, 14, 32, 2, 72},  {16, 16, 30, 0, 74},
        {16, 14, 32, 2, 72},   {16, 14, 32, 4, 70},  {12, 18, 32, 16, 58}, {14, 14, 34, 2, 72},  {6, 6, 50, 2, 72},
        {12, 14, 36, 4, 70},   {18, 12, 32, 26, 48}, {6, 8, 48, 26, 48},   {16, 14, 32, 30, 44}, {10, -2, 52, 26, 58},
        {22, -30, 68, 48, 26}, {0, 16, 46, 14, 60}};
    static constexpr Stance kStance[22] = {
        Stance::kStand,  Stance::kCrouch,       Stance::kWalk,         Stance::kWalk,         Stance::kWalk,
        Stance::kWalk,   Stance::kWalk,         Stance::kWalk,         Stance::kStand,        Stance::kStand,
        Stance::kStand,  Stance::kStand,        Stance::kJump,         Stance::kSummon,       Stance::kSummon,
        Stance::kSummon, Stance::kCrouchSummon, Stance::kCrouchSummon, Stance::kCrouchSummon, Stance::kHurt,
        Stance::kDead,   Stance::kSpecial};
    static constexpr int16_t kPhase[22] = {0, 0, 0, 1, 2, 3, 4, 5, 1, 2, 3, 4, 0, 0, 1, 2, 0, 1, 2, 0, 0, 0};
    const int p = f % 22;
    const bool right = f < 22;
    const int16_t* b = kBody[p];
    const int left = right ? b[0] : b[1];
    Shown s{kStance[p], kPhase[p], right, p != 12 && p != 19, {left, b[3], left + b[2], b[3] + b[4]}, {}};
    // The dead frame of each run is the one shown facing the other way.
    if (p == 20) s.right = !right;
    return s;
}

Shown VarmShown(int f) {
    static constexpr Stance kStance[35] = {
        Stance::kStand,    Stance::kWalk,       Stance::kWalk,       Stance::kWalk,       Stance::kWalk,
        Stance::kWalk,     Stance::kWalk,       Stance::kWalk,       Stance::kWalk,       Stance::kWalk,
        Stance::kWalk,     Stance::kWalk,       Stance::kWalk,       Stance::kCrouch,     Stance::kJump,
        Stance::kCast,     Stance::kCast,       Stance::kCast,       Stance::kKick,       Stance::kKick,
        Stance::kKick,     Stance::kKick,       Stance::kKick,       Stance::kKick,       Stance::kKick,
        Stance::kKick,     Stance::kCrouchKick, Stance::kCrouchKick, Stance::kCrouchKick, Stance::kAirKick,
        Stance::kFistWind, Stance::kFistWind,   Stance::kDash,       Stance::kHurt,       Stance::kDead};
    static constexpr int16_t kPhase[35] = {0, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 0, 0, 0, 1, 2,
                                           0, 0, 1, 1, 1, 2, 2, 3, 0, 1, 2, 0,  0,  1, 0, 0, 0};
    const int p = f % 35;
    Shown s{kStance[p], kPhase[p], f < 35, p != 14 && p != 29 && p != 33, {}, {}};
    if (p == 13 || (p >= 26 && p <= 28))
        s.body = {0, 32, 26, 86};
    else if (p != 32 && p != 34)
        s.body = {0, 0, 48, 86};
    if (f == 32) s.weapon = {-34, 0, 54, 88};
    if (f == 67) s.weapon = {-6, 0, 82, 88};
    if (f == 29) s.weapon = {50, 30, 98, 46};
    if (f == 64) s.weapon = {-50, 30, -2, 46};
    if (f >= 20 && f <= 22) s.weapon = {48, 30, 94, 42};
    if (f >= 55 && f <= 57) s.weapon = {-40, 30, 6, 42};
    if (f == 27 || f == 28) s.weapon = {52, 72, 82, 90};
    if (f == 62 || f == 63) s.weapon = {-32, 72, -2, 90};
    return s;
}

Shown NerysShown(int f) {
    static constexpr Stance kStance[8] = {Stance::kStand, Stance::kWalk, Stance::kWalk, Stance::kCrouch,
                                          Stance::kCast,  Stance::kCast, Stance::kHurt, Stance::kDead};
    static constexpr int16_t kPhase[8] = {0, 0, 1, 0, 0, 1, 0, 0};
    const int p = f % 8;
    const bool right = f < 8;
    Shown s{kStance[p], kPhase[p], right, p != 6, {}, {}};
    if (p == 3) {
        const int l = right ? 0 : 2;
        s.body = {l, 16, l + 32, 62};
    } else if (p != 7) {
        const int l = right ? 0 : 4;
        s.body = {l, 2, l + 30, 62};
    }
    return s;
}

// Each hero its own build and colours: the whip hero in a long brown coat and
// a red headband, his whip dark and barbed; the cross hero broad in a blue
// tabard, short cape and wide hat; the summoner with long pink hair and a
// flared dress; her dark form the same girl grown tall, her hair and dress
// darkened, horned and bat-winged; the spell caster, copper-haired, in a
// green robe and pointed hat with a staff.
const HeroArt kHeroes[] = {
    {"Tobrin",
     {Look::kWhip, 60, 4.5, Shade(kOrange, 12), Shade(kOrange, 3), Shade(kOrange, 5), Shade(kRed, 8), Shade(kIndigo, 3),
      Shade(kOrange, 1), Shade(kGreen, 3), Shade(kLime, 9), Shade(kLime, 12), Grey(2)},
     16,
     64,
     24,
     kDoranDx,
     kDoranDy,
     DoranShown},
    {"Tavish",
     {Look::kChain, 58, 9, Shade(kOrange, 12), Shade(kYellow, 10), Shade(kBlue, 7), Grey(27), Shade(kBlue, 3), Grey(5),
      Grey(17), Grey(25), Shade(kYellow, 12), Grey(1)},
     16,
     64,
     14,
     kTavishDx,
     kTavishDy,
     TavishShown},
    {"Seliya",
     {Look::kBirds, 72, 6, Shade(kOrange, 13), Shade(kPink, 11), Shade(kMagenta, 8), Shade(kPink, 13),
      Shade(kOrange, 13), Shade(kMagenta, 4), Shade(kRed, 10), Shade(kRed, 12), Shade(kYellow, 14), Shade(kMagenta, 1)},
     31,
     74,
     22,
     kSeliyaDx,
     kSeliyaDy,
     SeliyaShown},
    {"Seliya_varm",
     {Look::kDark, 86, 7, Shade(kPink, 14), Shade(kMagenta, 4), Shade(kViolet, 3), Shade(kRed, 8), Grey(5), Grey(2),
      Shade(kRed, 3), Shade(kRed, 5), Shade(kRed, 12), Grey(0)},
     22,
     90,
     35,
     kVarmDx,
     kVarmDy,
     VarmShown},
    {"Nerys",
     {Look::kMage, 60, 7, Shade(kOrange, 13), Shade(kOrange, 6), Shade(kGreen, 6), Shade(kYellow, 11), Shade(kGreen, 3),
      Shade(kOrange, 3), Shade(kOrange, 5), Shade(kOrange, 8), Shade(kCyan, 14), Shade(kGreen, 1)},
     17,
     64,
     8,
     kNerysDx,
     kNerysDy,
     NerysShown},
};

// --- the figure ----------------------------------------------------------------------

// A frame's boxes and rows in its own pixels.
struct Layout {
    int dir;           // +1 faces right, -1 left
    double cx;         // the trunk's column
    double top, foot;  // the head's top row and the feet's lowest, as painted
    Box body;          // clipped to the frame
    Box weapon;        // clipped to the frame; empty when none
    int floorRow;      // may lie below the frame
    // How far the body box and the frame reach ahead of and behind the
    // trunk, to two columns inside the box (the outline takes the one between)
    // and one inside the frame.
    double ahead, behind, frameAhead, frameBehind;
};

struct Figure {
    Canvas& c;
    const Style& s;
    const Layout& L;
    uint8_t bg;
    int dir;
    double cx, top, foot;
    double r = 0, hy = 0, shoulder = 0, hip = 0, half = 0;
    bool spread = false;  // the dark form's wings

    Figure(Canvas& canvas, const Style& style, const Layout& layout, uint8_t background)
        : c(canvas),
          s(style),
          L(layout),
          bg(background),
          dir(layout.dir),
          cx(layout.cx),
          top(layout.top),
          foot(layout.foot) {}

    double F(double ahead) const { return cx + dir * ahead; }  // a column so far ahead of the trunk
    // How far the body box reaches ahead of and behind the trunk, to two
    // columns inside its edges (the outline takes the one between).
    // Both as little as in the pose's other facing, so that the two draw alike.
    double Ahead() const { return L.ahead; }
    double Behind() const { return L.behind; }
    double FrameAhead() const { return L.frameAhead; }
    double FrameBehind() const { return L.frameBehind; }
    bool Wears(Look l) const { return s.look == l; }

    void Limb(double x0, double y0, double x1, double y1, double thick, uint8_t col) const {
        c.Line(x0, y0, x1, y1, thick, col);
    }
    // Bare arms under the summoner's short sleeves; long ones on the others.
    uint8_t Sleeve() const { return Wears(Look::kBirds) ? s.skin : Wears(Look::kDark) ? Shade(kViolet, 6) : s.main; }
    void Arm(double sx, double sy, double hx, double hy, double thick = 0) const {
        const double t = thick > 0 ? thick : std::max(2.0, s.half * 0.5);
        Limb(sx, sy, hx, hy, t, Sleeve());
        c.Ellipse(hx, hy, t * 0.65 + 0.4, t * 0.65 + 0.4, s.skin);
    }
    // A leg from the hip to a foot at (fx, fy), the knee pushed ahead by knee.
    void Leg(double hx, double hy, double fx, double fy, double knee, uint8_t col) const {
        const double t = std::max(3.0, s.half * 0.62);
        const double kx = (hx + fx) / 2 + dir * knee, ky = (hy + fy) / 2;
        Limb(hx, hy, kx, ky, t, col);
        Limb(kx, ky, fx, fy - t / 2, t, col);
        // The boot points ahead.
        const double toe = fx + dir * 4;
        c.Box(static_cast<int>(std::lround(std::min(fx, toe) - 1)), static_cast<int>(std::lround(fy - 3)),
              static_cast<int>(std::lround(std::max(fx, toe) + 2)), static_cast<int>(std::lround(fy)) + 1, s.boots);
    }

    // --- the body's parts ---

    void Proportions(double hipShare) {
        r = std::max(3.0, s.height * 0.095);
        double hat = 0;
        if (Wears(Look::kMage)) hat = r * 2.1;
        if (Wears(Look::kChain)) hat = r * 0.6;
        if (Wears(Look::kDark)) hat = r * 0.5;
        hy = top + hat + r;
        shoulder = hy + r + 1;
        hip = foot - (foot - top) * hipShare;
        hip = std::max(hip, shoulder + 6);
        half = s.half;
    }

    void Head(double hx) const {
        const double y = hy;
        switch (s.look) {
            case Look::kBirds:
            case Look::kDark: {  // long hair falling behind the shoulders
                // Hers falls to the waist; her dark form's to the shoulder blades.
                const double len = std::min(hip - 4, y + r * (Wears(Look::kDark) ? 2.8 : 3.8));
                c.Triangle(hx - dir * r * 0.3, y - r * 0.5, hx - dir * r * 1.45, len, hx - dir * r * 0.1, len - r * 0.6,
                           s.hair);
                c.Ellipse(hx - dir * r * 0.95, y + r * 1.1, r * 0.6, r * 1.5, s.hair);
                break;
            }
            case Look::kWhip:  // the headband's tails fly behind
                c.Line(hx - dir * r * 0.8, y - r * 0.3, hx - dir * r * 2.3, y + r * 0.5, 2, s.trim);
                c.Line(hx - dir * r * 0.8, y - r * 0.2, hx - dir * r * 2.0, y + r * 1.0, 1.5, s.trim);
                break;
            default: break;
        }
        c.Ellipse(hx, y, r, r, s.skin);
        // Nose and eye look ahead.
        c.Box(static_cast<int>(std::lround(hx + dir * r - 1)), static_cast<int>(y),
              static_cast<int>(std::lround(hx + dir * r + (dir > 0 ? 2 : 0))), static_cast<int>(y + 2), s.skin);
        const int eyeX = static_cast<int>(std::lround(hx + dir * r * 0.45 - (dir > 0 ? 0 : 1)));
        c.Box(eyeX, static_cast<int>(y - 1), eyeX + 2, static_cast<int>(y + 1), Wears(Look::kDark) ? s.glow : Grey(1));
        switch (s.look) {
            case Look::kWhip:  // swept brown hair under a red headband
                c.Ellipse(hx - dir * r * 0.3, y - r * 0.55, r * 1.05, r * 0.62, s.hair);
                c.Ellipse(hx - dir * r * 0.85, y + r * 0.1, r * 0.45, r * 0.7, s.hair);
                c.Box(static_cast<int>(hx - r), static_cast<int>(y - r * 0.4), static_cast<int>(hx + r) + 1,
                      static_cast<int>(y - r * 0.4) + 2, s.trim);
                break;
            case Look::kChain: {  // a wide-brimmed hat with a band
                const double brim = y - r * 0.5;
                c.Box(static_cast<int>(hx - r * 2.1), static_cast<int>(brim), static_cast<int>(hx + r * 2.1) + 1,
                      static_cast<int>(brim) + 2, s.legs);
                c.Box(static_cast<int>(hx - r * 0.95), static_cast<int>(top), static_cast<int>(hx + r * 0.95) + 1,
                      static_cast<int>(brim), s.legs);
                c.Box(static_cast<int>(hx - r * 0.95), static_cast<int>(brim) - 2, static_cast<int>(hx + r * 0.95) + 1,
                      static_cast<int>(brim), s.glow);
                break;
            }
            case Look::kBirds:
            case Look::kDark: {
                // A fringe and a lock before the ear; she wears a red ribbon,
                // her dark form small swept horns.
                c.Ellipse(hx - dir * r * 0.25, y - r * 0.55, r * 1.05, r * 0.62, s.hair);
                c.Ellipse(hx - dir * r * 0.75, y + r * 0.2, r * 0.5, r * 1.0, s.hair);
                if (Wears(Look::kBirds)) {
                    c.Ellipse(hx - dir * r * 0.7, y - r * 0.95, r * 0.45, r * 0.35, s.boots);
                    c.Ellipse(hx - dir * r * 1.15, y - r * 0.75, r * 0.35, r * 0.3, s.boots);
                } else {
                    for (const double side : {-0.55, 0.45})
                        c.Triangle(hx + side * r, y - r * 0.7, hx + side * r + r * 0.45, y - r * 0.8,
                                   hx + side * r - dir * r * 0.7, std::max(0.0, top), Grey(24));
                }
                break;
            }
            case Look::kMage: {  // a tall pointed hat, its tip bent back
                const double brim = y - r * 0.45;
                c.Triangle(hx - r * 0.95, brim, hx + r * 0.95, brim, hx - dir * r * 0.6, std::max(0.0, top), s.main);
                c.Box(static_cast<int>(hx - r * 1.6), static_cast<int>(brim), static_cast<int>(hx + r * 1.6) + 1,
                      static_cast<int>(brim) + 2, s.main);
                c.Box(static_cast<int>(hx - r * 0.9), static_cast<int>(brim) - 2, static_cast<int>(hx + r * 0.9) + 1,
                      static_cast<int>(brim), s.trim);
                c.Ellipse(hx - dir * r * 0.7, y + r * 0.3, r * 0.45, r * 0.8, s.hair);
                break;
            }
        }
    }

    // Torso and skirt, tabard, coat or robe from the shoulders to the hip.
    void Torso(double lean) const {
        const double tx = cx + lean;
        switch (s.look) {
            case Look::kBirds:
            case Look::kDark: {  // a bodice and a flared skirt to the knee
                const double hem = hip + (foot - hip) * 0.5;
                const double flare = half * (Wears(Look::kDark) ? 2.1 : 1.9);
                c.Box(static_cast<int>(tx - half * 0.8), static_cast<int>(shoulder),
                      static_cast<int>(tx + half * 0.8) + 1, static_cast<int>(hip), s.main);
                c.Triangle(tx - half * 0.75, hip - 3, tx + half * 0.75, hip - 3, tx - flare, hem, s.main);
                c.Triangle(tx + half * 0.75, hip - 3, tx + flare, hem, tx - flare, hem, s.main);
                c.Line(tx - flare + 1, hem, tx + flare - 1, hem, 1, s.trim);
                c.Box(static_cast<int>(tx - half * 0.8), static_cast<int>(hip - 3),
                      static_cast<int>(tx + half * 0.8) + 1, static_cast<int>(hip - 1), s.trim);
                break;
            }
            case Look::kMage: {  // a robe to the ankles
                const double hem = foot - 3;
                c.Triangle(tx - half * 0.8, shoulder, tx + half * 0.8, shoulder, cx - half * 1.5, hem, s.main);
                c.Triangle(tx + half * 0.8, shoulder, cx + half * 1.5, hem, cx - half * 1.5, hem, s.main);
                c.Box(static_cast<int>(tx - half * 0.25), static_cast<int>(shoulder) + 2,
                      static_cast<int>(tx + half * 0.25) + 1, static_cast<int>(hem - 1), s.trim);
                c.Box(static_cast<int>(tx - half * 0.85), static_cast<int>(hip - 1),
                      static_cast<int>(tx + half * 0.85) + 1, static_cast<int>(hip) + 1, s.trim);
                break;
            }
            case Look::kChain: {  // a tabard with a belt and a solid diamond clasp, broad shoulder plates
                c.Box(static_cast<int>(tx - half), static_cast<int>(shoulder), static_cast<int>(tx + half) + 1,
                      static_cast<int>(hip + 5), s.main);
                c.Ellipse(tx, shoulder + 1, half + 3, 3, Grey(22));
                c.Box(static_cast<int>(tx - half), static_cast<int>(hip - 2), static_cast<int>(tx + half) + 1,
                      static_cast<int>(hip + 1), Grey(8));
                const double mx = tx + 0.5, my = hip - 0.5;
                c.Triangle(mx - 2.5, my, mx + 2.5, my, mx, my - 2.5, s.glow);
                c.Triangle(mx - 2.5, my, mx + 2.5, my, mx, my + 2.5, s.glow);
                break;
            }
            case Look::kWhip:  // a long coat with a belt
                c.Box(static_cast<int>(tx - half), static_cast<int>(shoulder), static_cast<int>(tx + half) + 1,
                      static_cast<int>(hip + 6), s.main);
                c.Box(static_cast<int>(tx - half), static_cast<int>(hip - 2), static_cast<int>(tx + half) + 1,
                      static_cast<int>(hip), Shade(kOrange, 2));
                c.Box(static_cast<int>(tx - 1), static_cast<int>(hip - 2), static_cast<int>(tx + 2),
                      static_cast<int>(hip), s.weaponLight);
                break;
        }
    }

    // What hangs behind the body, drawn first: coat tails, cape, wing.
    void Behind(double lean, double reach) const {
        const double tx = cx + lean;
        switch (s.look) {
            case Look::kWhip:  // coat tails flaring back
                c.Triangle(tx - dir * half * 0.4, shoulder + 4, tx - dir * reach, hip + (foot - hip) * 0.55,
                           tx + dir * half * 0.5, hip + (foot - hip) * 0.45, s.main);
                break;
            case Look::kChain:  // a dark cape to the knee
                c.Triangle(tx, shoulder + 1, tx - dir * reach, hip + (foot - hip) * 0.4, tx, hip + (foot - hip) * 0.5,
                           s.legs);
                break;
            case Look::kDark: Wing(tx, -1, std::min(reach, s.height * 0.3)); break;
            default: break;
        }
    }

    // A bat wing from the shoulder blade over span columns ahead (side +1)
    // or behind (-1): a bone to the wrist, fingers fanning down to a
    // scalloped trailing edge; spread wide in flight, kicks and blows, half
    // folded else. It goes under whatever is painted already.
    void Wing(double tx, int side, double span) const {
        if (span < 4) return;
        Canvas w(c.w, c.h, bg);
        const double sx = dir * side, H0 = s.height;
        const double rootX = tx, rootY = shoulder + 2;
        const double wristX = rootX + sx * span * (spread ? 0.55 : 0.45);
        const double wristY = std::max(1.0, shoulder - H0 * (spread ? 0.12 : 0.17));
        const double tipX = rootX + sx * span, tipY = std::max(1.0, shoulder - H0 * (spread ? 0.03 : 0.08));
        const double low = std::min(hip - 2, foot - 4);
        const double edge[4][2] = {{tipX - sx * 1, shoulder + H0 * (spread ? 0.13 : 0.03)},
                                   {rootX + sx * span * 0.72, shoulder + H0 * (spread ? 0.22 : 0.09)},
                                   {rootX + sx * span * 0.4, shoulder + H0 * (spread ? 0.26 : 0.15)},
                                   {rootX, spread ? low : std::min(low, shoulder + H0 * 0.24)}};
        const uint8_t bone = Shade(kRed, 8), skin = s.weapon;
        w.Triangle(rootX, rootY, wristX, wristY, tipX, tipY, skin);
        w.Triangle(wristX, wristY, tipX, tipY, edge[0][0], edge[0][1], skin);
        for (int i = 0; i < 3; ++i)
            w.Triangle(wristX, wristY, edge[i][0], edge[i][1], edge[i + 1][0], edge[i + 1][1], skin);
        w.Triangle(rootX, rootY, wristX, wristY, edge[3][0], edge[3][1], skin);
        w.Triangle(rootX, rootY + 2, wristX, wristY + 4, edge[2][0], edge[2][1] - 5, s.weaponLight);
        // The scallops between the finger tips.
        for (int i = 0; i < 3; ++i) {
            const double mx = (edge[i][0] + edge[i + 1][0]) / 2, my = (edge[i][1] + edge[i + 1][1]) / 2;
            const double rx = std::fabs(edge[i][0] - edge[i + 1][0]) * 0.4 + 1;
            w.Ellipse(mx, my + 2, rx, 3.5, bg);
        }
        w.Line(rootX, rootY, wristX, wristY, 2, bone);
        w.Line(wristX, wristY, tipX, tipY, 1.2, bone);
        for (int i = 0; i < 3; ++i) w.Line(wristX, wristY, edge[i][0], edge[i][1], 1, bone);
        w.Ellipse(wristX, wristY - 1, 1.2, 1.5, Grey(24));  // the wrist's claw
        for (size_t i = 0; i < c.px.size(); ++i)
            if (w.px[i] != bg && c.px[i] == bg) c.px[i] = w.px[i];
    }

    // --- whips and chains ---

    // The weapon from the hand to column ex at row ey.
    void Lash(double hx, double hy, double ex, double ey, double wave) const {
        const double len = std::max(std::fabs(ex - hx), std::fabs(ey - hy));
        if (Wears(Look::kChain)) {
            const int links = std::max(1, static_cast<int>(len / 4));
            for (int i = 0; i <= links; ++i) {
                const double t = static_cast<double>(i) / links;
                const double x = hx + (ex - hx) * t, y = hy + (ey - hy) * t + std::sin(t * 2 * kPi) * wave * t;
                c.Ellipse(x, y, 2.3, i % 2 ? 1.4 : 2.2, i % 2 ? s.weapon : s.weaponLight);
            }
            c.Ellipse(ex - (ex > hx ? 2 : -2), ey, 2.6, 2.6, Grey(12));  // the weight at its end
        } else {
            // A dark barbed lash, thick at the grip, a pale sting at its end.
            const int steps = std::max(1, static_cast<int>(len));
            for (int i = 0; i <= steps; ++i) {
                const double t = static_cast<double>(i) / steps;
                const double x = hx + (ex - hx) * t;
                const double y = hy + (ey - hy) * t + std::sin(t * 3 * kPi) * wave * t;
                const int thick = t < 0.35 ? 2 : 1;
                c.Box(static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y)) - thick + 1,
                      static_cast<int>(std::lround(x)) + 1, static_cast<int>(std::lround(y)) + 1, s.weapon);
                if (i % 7 == 3)
                    c.Put(static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y)) - thick, s.weaponLight);
            }
            c.Triangle(ex, ey, ex - (ex > hx ? 5 : -5), ey - 2, ex - (ex > hx ? 5 : -5), ey + 2, s.glow);
        }
        c.Line(hx - dir * 2, hy + 1, hx + dir * 3, hy - 1, 3, Grey(5));  // the grip
    }

    // The staff from the hand; lit while casting.
    void Staff(double hx, double hy, double tx, double ty, bool lit) const {
        c.Line(hx - (tx - hx) * 0.45, hy - (ty - hy) * 0.45, tx, ty, 2, s.weapon);
        if (lit) c.Ellipse(tx, ty, 5, 5, Shade(kCyan, 9));
        c.Ellipse(tx, ty, lit ? 3.5 : 2.8, lit ? 3.5 : 2.8, lit ? s.glow : Shade(kCyan, 10));
    }

    // An impact crescent from the foot to the end of a weapon box.
    void Impact(double fx, double fy, double ex, double top, double bottom) const {
        if (std::fabs(ex - fx) < 2) return;
        const double mid = (top + bottom) / 2;
        c.Triangle(fx, fy - 2, ex, top, ex - dir * 3, mid, Shade(kPink, 12));
        c.Triangle(fx, fy + 2, ex, bottom, ex - dir * 3, mid, Shade(kPink, 12));
        c.Triangle(fx, fy, ex - dir * 2, mid - 1.5, ex - dir * 2, mid + 1.5, Grey(29));
    }

    // --- the stances ---

    void Upright(const Shown& p);
    void Lying();
    // Adds hair, cape, coat, wing or robe, or the free hand, where the body
    // box still lies beyond the picture.
    void FillTheBox();
};

void Figure::Upright(const Shown& p) {
    const Stance st = p.stance;
    const bool low = st == Stance::kCrouch || st == Stance::kCrouchWind || st == Stance::kCrouchStrike ||
                     st == Stance::kCrouchSummon || st == Stance::kCrouchKick;
    Proportions(low ? 0.36 : st == Stance::kJump || st == Stance::kAirKick ? 0.42 : 0.47);
    const double lean = st == Stance::kHurt ? -dir * 3.0 : st == Stance::kDash ? dir * 6.0 : 0.0;
    spread = st == Stance::kJump || st == Stance::kKick || st == Stance::kAirKick || st == Stance::kDash ||
             st == Stance::kHurt || st == Stance::kFistWind || st == Stance::kCrouchKick;
    const double tx = cx + lean;
    const double legY = foot;
    const double armLen = (hip - shoulder) * 1.05 + 2;
    const double ay = shoulder + 2;  // the shoulder joint
    const double sx = cx + lean * 0.6 + dir * 1;
    const uint8_t far = Wears(Look::kDark) ? Grey(2) : s.legs;
    const double legLen = foot - hip;
    const bool robe = Wears(Look::kMage);

    Behind(lean, Behind() > half + 2 ? Behind() : half + 2);

    // The back arm, behind the body.
    switch (st) {
        case Stance::kSummon:
        case Stance::kCrouchSummon:
            if (p.phase == 1) Arm(sx, ay, F(-std::min(Behind(), armLen)), ay - 5);
            break;
        case Stance::kSpecial: Arm(sx, ay, F(-std::min(Behind(), armLen * 1.1)), ay - armLen * 0.5); break;
        case Stance::kJump: Arm(sx, ay, F(-std::min(Behind(), armLen * 0.9)), ay - armLen * 0.3); break;
        case Stance::kHurt: Arm(sx, ay, F(std::min(Ahead(), armLen)), ay - armLen * 0.5); break;
        case Stance::kDash: Arm(sx, ay, F(-std::min(FrameBehind(), armLen * 0.8)), ay + armLen * 0.4); break;
        case Stance::kKick:
        case Stance::kAirKick: Arm(sx, ay, F(-std::min(Behind() - 3, armLen * 0.9)), ay + armLen * 0.2); break;
        default: break;
    }

    // Legs.
    const double room = Ahead(), roomBack = Behind();
    if (st == Stance::kJump) {
        Leg(cx - dir * 1, hip, F(-std::min(roomBack - 3, legLen * 0.3)), legY, -dir * 1.0, far);
        Leg(cx + dir * 1, hip, F(std::min(room - 4, legLen * 0.55)), hip + legLen * 0.6, dir * legLen * 0.25, s.legs);
    } else if (low) {
        Leg(cx - dir * 1, hip, F(-std::min(roomBack - 4, legLen * 0.8)), legY, dir * 4, far);
        if (st == Stance::kCrouchKick && p.phase > 0 && !L.weapon.Empty()) {
            const double ex = dir > 0 ? L.weapon.r - 2 : L.weapon.l + 1;
            const double row = (L.weapon.t + L.weapon.b) / 2.0;
            const double toe = std::min(std::fabs(ex - cx), legLen * 2.0);
            Limb(cx, hip, F(toe), std::min(legY - 2, row), std::max(3.0, half * 0.75), s.legs);
            c.Box(static_cast<int>(F(toe)) - 2, static_cast<int>(std::min(legY - 2, row)) - 2,
                  static_cast<int>(F(toe)) + 3, static_cast<int>(std::min(legY - 2, row)) + 2, s.boots);
            Impact(F(toe), std::min(legY - 2, row), ex, L.weapon.t + 1, std::min(L.weapon.b - 2.0, legY));
        } else if (st == Stance::kCrouchKick) {
            Leg(cx + dir * 2, hip, F(std::min(room - 3, legLen * 0.9)), legY - legLen * 0.5, dir * 3, s.legs);
        } else {
            Leg(cx + dir * 2, hip, F(std::min(room - 4, legLen * 0.9)), legY, dir * 7, s.legs);
        }
    } else if (st == Stance::kKick || st == Stance::kAirKick) {
        const bool out = st == Stance::kAirKick || p.phase == 1;
        if (st == Stance::kAirKick)
            Leg(cx - dir * 2, hip, F(-std::min(roomBack - 3, legLen * 0.35)), legY, dir * 6, far);
        else
            Leg(cx - dir * 2, hip, F(-2), legY, 0, far);
        if (out && !L.weapon.Empty()) {
            const double ex = dir > 0 ? L.weapon.r - 2 : L.weapon.l + 1;
            const double row = (L.weapon.t + L.weapon.b) / 2.0;
            const double toe = std::min(std::fabs(ex - cx), legLen * 1.15);
            Limb(cx, hip, F(toe * 0.55), (hip + row) / 2, std::max(3.0, half * 0.8), s.legs);
            Limb(F(toe * 0.55), (hip + row) / 2, F(toe), row, std::max(3.0, half * 0.7), s.legs);
            c.Box(static_cast<int>(std::lround(F(toe) - 2)), static_cast<int>(row) - 3,
                  static_cast<int>(std::lround(F(toe) + 3)), static_cast<int>(row) + 3, s.boots);
            Impact(F(toe), row, ex, L.weapon.t + 1, L.weapon.b - 2);
        } else if (out) {
            const double toe = std::min(FrameAhead() - 3, legLen * 1.2);
            Limb(cx, hip, F(toe), hip - legLen * 0.2, std::max(3.0, half * 0.75), s.legs);
            c.Box(static_cast<int>(F(toe)) - 2, static_cast<int>(hip - legLen * 0.2) - 3, static_cast<int>(F(toe)) + 3,
                  static_cast<int>(hip - legLen * 0.2) + 3, s.boots);
        } else if (p.phase == 2) {  // swung through, behind her
            const double heel = std::min(FrameBehind() - 4, legLen * 1.1);
            Limb(cx, hip, F(-heel * 0.6), hip + legLen * 0.2, std::max(3.0, half * 0.75), s.legs);
            Limb(F(-heel * 0.6), hip + legLen * 0.2, F(-heel), hip - legLen * 0.15, std::max(3.0, half * 0.7), s.legs);
        } else {  // chambered: the knee up ahead
            const double knee = std::min(room - 3, legLen * 0.45);
            Limb(cx, hip, F(knee), hip - legLen * 0.1 * (p.phase == 3 ? 0 : 1), std::max(3.0, half * 0.8), s.legs);
            Limb(F(knee), hip - legLen * 0.1 * (p.phase == 3 ? 0 : 1), F(knee * 0.7), hip + legLen * 0.45,
                 std::max(3.0, half * 0.7), s.legs);
        }
    } else if (st == Stance::kDash) {
        Leg(cx - dir * 2, hip, F(-std::min(FrameBehind() - 6, legLen * 0.9)), legY - 2, -dir * 2, far);
        Leg(cx + dir * 2, hip, F(std::min(room - 2, legLen * 0.55)), legY, dir * 6, s.legs);
    } else if (st == Stance::kHurt) {
        // Flung back, the legs thrown ahead.
        Leg(cx - dir * 1, hip, F(std::min(room - 2, legLen * 0.8)), legY - 2, dir * 2, far);
        Leg(cx + dir * 1, hip, F(std::min(room - 4, legLen * 0.5)), legY, dir * 4, s.legs);
    } else if (!robe || st == Stance::kWalk) {
        double front = 2.5, back = 2.5;
        if (st == Stance::kWalk) {
            const int n = Wears(Look::kDark) ? 12 : Wears(Look::kBirds) ? 6 : 2;
            const double a = std::sin((p.phase + 0.5) * 2 * kPi / n);
            const double stride = legLen * (robe ? 0.25 : 0.5);
            front = n == 2 ? (p.phase ? stride : stride * 0.3) : a * stride;
            back = n == 2 ? (p.phase ? stride * 0.8 : stride * 0.3) : a * stride;
        } else if (st == Stance::kStrike || st == Stance::kThrow || st == Stance::kCast || st == Stance::kFistWind) {
            front = legLen * 0.35;
            back = legLen * 0.3;
        }
        front = std::clamp(front, -(roomBack - 4), room - 5);
        back = std::clamp(back, -(room - 5), roomBack - 4);
        Leg(cx - dir * 1.5, hip, F(-back), legY, dir * 2, far);
        Leg(cx + dir * 1.5, hip, F(front), legY, dir * 2, s.legs);
    } else {
        c.Box(static_cast<int>(cx - 5), static_cast<int>(legY) - 2, static_cast<int>(cx + 6),
              static_cast<int>(legY) + 1, s.boots);
    }

    Torso(lean);
    const double hx = tx + dir * 1.0;
    Head(hx);

    // The front arm and what it holds.
    switch (st) {
        case Stance::kWind:
        case Stance::kCrouchWind: {
            // The weapon drawn back, low behind the body, then overhead.
            const double backX = dir > 0 ? 1 : c.w - 2;
            if (p.phase == 0) {
                Arm(sx, ay, F(-armLen * 0.7), ay + 3);
                Lash(F(-armLen * 0.7), ay + 3, backX, std::min(legY - 4, ay + (foot - top) * 0.3), 2);
            } else {
                Arm(sx, ay, F(-armLen * 0.35), std::max(2.0, top + 2));
                Lash(F(-armLen * 0.35), std::max(2.0, top + 2), backX, std::max(2.0, top + (foot - top) * 0.12), 2);
            }
            Arm(sx, ay, F(armLen * 0.45), ay + armLen * 0.55);
            break;
        }
        case Stance::kStrike:
        case Stance::kCrouchStrike: {
            // Along the middle of the weapon box, to its far end.
            const double row = L.weapon.Empty() ? ay : (L.weapon.t + L.weapon.b - 1) / 2.0;
            const double ex = L.weapon.Empty() ? F(FrameAhead()) : dir > 0 ? L.weapon.r - 2 : L.weapon.l + 1;
            const double wave = L.weapon.Empty() ? 1 : std::max(0.0, (L.weapon.b - L.weapon.t) / 2.0 - 2);
            Arm(sx, ay, F(armLen * 0.85), row);
            Lash(F(armLen * 0.85), row, ex, row, wave);
            break;
        }
        case Stance::kThrow:
            if (p.phase == 0) {  // the cross raised behind the head
                const double hx2 = F(-armLen * 0.5), hy2 = std::max(3.0, top + 2);
                Arm(sx, ay, hx2, hy2);
                c.Line(hx2 - 4, hy2, hx2 + 4, hy2, 2, s.glow);
                c.Line(hx2, hy2 - 3, hx2, hy2 + 6, 2, s.glow);
            } else {
                Arm(sx, ay, F(std::min(FrameAhead() - 2, armLen * 1.3)), ay);
            }
            Arm(sx, ay, F(armLen * 0.2), ay + armLen * 0.7);
            break;
        case Stance::kCast:
            if (robe) {
                const double reach = std::min(FrameAhead() - 5, armLen * 0.7);
                if (p.phase == 0) {  // raised high ahead
                    Arm(sx, ay, F(reach * 0.7), ay - 4);
                    Staff(F(reach * 0.7), ay - 4, F(std::min(FrameAhead() - 4, reach * 1.3)), std::max(4.0, top + 3),
                          true);
                } else {  // levelled at the foe
                    Arm(sx, ay, F(reach), ay + 2);
                    Staff(F(reach), ay + 2, F(FrameAhead() - 4), ay - 2, true);
                }
            } else if (p.phase == 2) {  // both hands high, the magic gathered overhead
                const double gy = std::max(6.0, top - (s.height * 0.18));
                Arm(sx, ay, F(3), gy + 6);
                Arm(sx, ay, F(7), gy + 7);
                c.Ellipse(F(5), gy, 6, 6, s.weaponLight);
                c.Ellipse(F(5), gy, 3.5, 3.5, s.glow);
            } else {  // magic from an open hand, as far out as the frame lets it
                const double own = L.dir > 0 ? c.w - 2 - cx : cx - 1;
                const double reach = std::max(6.0, std::min(own - 4, armLen * 1.1));
                const double hand = p.phase == 1 ? ay - 2 : ay + 1;
                Arm(sx, ay, F(reach), hand);
                c.Ellipse(F(reach), hand, 3 + p.phase * 1.5, 3 + p.phase * 1.5, s.weaponLight);
                c.Ellipse(F(reach), hand, 1.5 + p.phase, 1.5 + p.phase, s.glow);
            }
            break;
        case Stance::kSummon:
        case Stance::kCrouchSummon:
            if (p.phase == 0) {
                Arm(sx, ay, F(5), ay + 4);
                c.Ellipse(F(6), ay + 3, 2.5, 2.5, s.glow);
            } else if (p.phase == 1) {
                const double reach = std::min(Ahead(), armLen);
                Arm(sx, ay, F(reach), ay - 5);
                c.Ellipse(F(reach), ay - 5, 2.5, 2.5, s.glow);
            } else {
                const double reach = std::min(Ahead(), armLen * 0.8);
                Arm(sx, ay, F(reach), std::max(2.0, top + 2));
                c.Ellipse(F(reach), std::max(2.0, top + 2), 2.5, 2.5, s.glow);
            }
            break;
        case Stance::kSpecial: {
            const double reach = std::min(Ahead(), armLen);
            Arm(sx, ay, F(reach), ay - armLen * 0.55);
            c.Ellipse(F(reach), ay - armLen * 0.55, 3.5, 3.5, Shade(kSky, 12));
            break;
        }
        case Stance::kFistWind: {
            // Fists drawn back to the hip, burning.
            Arm(sx, ay, F(-2), ay + armLen * 0.6);
            Arm(sx, ay, F(5), ay + armLen * 0.5);
            c.Ellipse(F(5), ay + armLen * 0.5, 3 + p.phase * 1.5, 3 + p.phase * 1.5, Shade(kOrange, 10));
            c.Ellipse(F(5), ay + armLen * 0.5, 1.5 + p.phase, 1.5 + p.phase, Shade(kYellow, 14));
            break;
        }
        case Stance::kDash: {
            // The fist first, trailing fire and after-images to the back of the frame.
            const double reach = std::min(FrameAhead() - 4, armLen * 1.3);
            for (int i = 0; i < 5; ++i) {
                const double y = top + (foot - top) * (0.12 + 0.19 * i);
                c.Line(F(-half - 3), y, dir > 0 ? 1 : c.w - 2, y, i % 2 ? 1 : 2, Shade(kRed, 6 + i));
            }
            Arm(sx, ay, F(reach), ay + 2, std::max(3.0, half * 0.6));
            c.Ellipse(F(reach), ay + 2, 4.5, 4.5, Shade(kOrange, 10));
            c.Ellipse(F(reach), ay + 2, 2.5, 2.5, Shade(kYellow, 14));
            break;
        }
        case Stance::kHurt: Arm(sx, ay, F(std::min(Ahead(), armLen * 0.8)), ay - armLen * 0.2); break;
        case Stance::kJump: Arm(sx, ay, F(std::min(Ahead() - 1, armLen * 0.8)), ay - armLen * 0.35); break;
        case Stance::kKick:
        case Stance::kAirKick:
        case Stance::kCrouchKick: Arm(sx, ay, F(std::min(Ahead() - 1, armLen * 0.6)), ay + armLen * 0.3); break;
        case Stance::kStand:
            if (p.phase > 0) {  // idle: a hand lifted to the hair and down again
                Arm(sx, ay, F(3 + p.phase), hy + r * (1.5 - 0.45 * (p.phase % 3)));
                break;
            }
            [[fallthrough]];
        default:
            if (robe) {  // the staff held upright ahead of her face
                const double hand = std::max(Ahead() + 1, r + 4);
                Arm(sx, ay, F(hand), ay + armLen * 0.45);
                Staff(F(hand), ay + armLen * 0.45, F(hand + 1), std::max(3.0, top + r * 2.5), false);
            } else {
                Arm(sx, ay, F(std::min(Ahead() - 1, armLen * 0.35)), ay + armLen * 0.85);
            }
            break;
    }
}

void Figure::FillTheBox() {
    if (L.body.Empty()) return;
    int lo = c.w, hi = -1;
    for (int y = std::max(0, L.body.t); y < std::min(c.h, L.body.b); ++y)
        for (int x = 0; x < c.w; ++x)
            if (c.At(x, y) != bg) lo = std::min(lo, x), hi = std::max(hi, x);
    if (hi < 0) return;
    const int needL = L.body.l + 2, needR = L.body.r - 4;
    const double midY = shoulder + (hip - shoulder) * 0.5;
    for (const int side : {-1, 1}) {
        const bool short_ = side < 0 ? lo > needL + 1 : hi < needR - 1;
        if (!short_) continue;
        const double edge = side < 0 ? needL : needR;
        const bool behind = side == -dir;
        const double tx = cx;
        switch (s.look) {
            case Look::kWhip:  // the coat's tail, or a hand
            case Look::kChain:
                if (behind)
                    c.Triangle(tx, shoulder + 3, edge, hip + (foot - hip) * 0.4, tx, hip + (foot - hip) * 0.5,
                               Wears(Look::kWhip) ? s.main : s.legs);
                else
                    Arm(tx + side * half * 0.5, shoulder + 3, edge, midY + 2);
                break;
            case Look::kBirds: {  // the skirt billowing, or a hand held out
                if (!behind) {
                    Arm(tx, shoulder + 3, edge, midY + 3);
                    break;
                }
                // Its folds swing out in a curve, the hem's trim along their edge.
                const double hem = hip + (foot - hip) * 0.5, len = std::fabs(edge - tx);
                const double mx = (tx + edge) / 2 + side * len * 0.1, my = hip + (hem - hip) * 0.55;
                c.Triangle(tx, hip - 3, mx, my - (hem - hip) * 0.35, tx, hem, s.main);
                c.Ellipse(mx, my, len * 0.42, (hem - hip) * 0.32, s.main);
                c.Ellipse(edge - side * len * 0.08, my - (hem - hip) * 0.05, len * 0.08 + 0.5, (hem - hip) * 0.2,
                          s.main);
                c.Line(tx, hem - 1, mx, my + (hem - hip) * 0.3, 1, s.trim);
                c.Line(mx, my + (hem - hip) * 0.3, edge, my, 1, s.trim);
                break;
            }
            case Look::kDark:  // the wing behind; ahead, an open hand with a glint of her magic
                if (behind) {
                    Wing(tx, -1, std::fabs(edge - tx));
                } else {
                    const double hy2 = std::min(midY + (hip - shoulder) * 0.35, hip);
                    Arm(tx + side * 1, shoulder + 3, edge, hy2);
                    c.Ellipse(edge - side * 0.5, hy2, 1.8, 1.8, s.glow);
                }
                break;
            case Look::kMage:  // the robe's hem sweeping out
                c.Triangle(tx, hip - 4, edge, foot - 2, tx, foot - 2, s.main);
                break;
        }
    }
}

// Lying on the floor, the head at the end farther from the hero's column.
void Figure::Lying() {
    Proportions(0.47);
    const double y = foot - 3;  // the body's middle row, just above the floor
    const double x0 = 2, x1 = c.w - 3;
    const int head = cx - x0 > x1 - cx ? -1 : 1;  // +1: the head at the right end
    const double len = x1 - x0;
    const double feet = head > 0 ? x0 : x1;
    const double hx = head > 0 ? x1 - r : x0 + r;
    const double hipX = feet + head * len * 0.42, neck = hx - head * (r + 1);
    // What lies under the body: wing, skirt, hat.
    if (Wears(Look::kDark)) {  // a wing spread on the floor, folded at the wrist
        c.Triangle(hipX, y, neck, y, hipX + head * len * 0.12, std::max(1.0, y - 11), s.weapon);
        c.Line(neck, y - 1, hipX + head * len * 0.12, std::max(1.0, y - 11), 1.2, Shade(kRed, 8));
    }
    if (Wears(Look::kBirds) || Wears(Look::kDark))
        c.Triangle(hipX - head * len * 0.16, y + 2.5, hipX + head * 3, y - 4, hipX + head * 3, y + 2.5, s.main);
    if (Wears(Look::kMage))  // the hat, fallen beyond her head
        c.Triangle(hx + head * r, y + 2, hx + head * (r + 1), y - 6, hx + head * (r + 7), y + 2, s.main);
    // Legs, one knee raised, and the boots.
    c.Line(feet + head * 3, y + 1, hipX, y, 3.5, s.legs);
    c.Line(feet + head * 5, y - 1, feet + head * len * 0.22, y - 5, 3, s.legs);
    c.Line(feet + head * len * 0.22, y - 5, hipX, y - 1, 3, s.legs);
    c.Box(static_cast<int>(std::min(feet, feet + head * 4)), static_cast<int>(y - 1),
          static_cast<int>(std::max(feet, feet + head * 4)) + 1, static_cast<int>(y + 3), s.boots);
    // The body, an arm flung up from the shoulder, the head.
    c.Line(hipX, y - 0.5, neck, y - 0.5, Wears(Look::kChain) ? 7 : 6, s.main);
    if (Wears(Look::kChain)) c.Ellipse(neck - head * 2, y - 2, 3, 3, Grey(22));
    c.Line(neck - head * 2, y - 2, neck - head * 7, std::max(1.0, y - 8), 2.5, Sleeve());
    c.Ellipse(neck - head * 7, std::max(1.0, y - 8), 1.6, 1.6, s.skin);
    c.Ellipse(hx, y - 1, r * 0.85, r * 0.8, s.skin);
    c.Ellipse(hx + head * r * 0.35, y - 1, r * 0.6, r * 0.85, s.hair);
    if (Wears(Look::kWhip))
        c.Box(static_cast<int>(hx) - 1, static_cast<int>(y - r), static_cast<int>(hx) + 1,
              static_cast<int>(y + r * 0.6), s.trim);
    if (Wears(Look::kChain))  // the hat rolled off
        c.Box(static_cast<int>(hx + head * (r + 2)) - 1, static_cast<int>(y - 4),
              static_cast<int>(hx + head * (r + 2)) + 2, static_cast<int>(y + 3), s.legs);
}

const HeroArt* ArtOf(const char* set) {
    for (const HeroArt& a : kHeroes)
        if (std::strcmp(a.set, set) == 0) return &a;
    return nullptr;
}

Box Clip(Box b, int w, int h) { return Box{std::max(b.l, 0), std::max(b.t, 0), std::min(b.r, w), std::min(b.b, h)}; }

Box Shift(const Box& b, int dx, int dy) { return b.Empty() ? Box{} : Box{b.l - dx, b.t - dy, b.r - dx, b.b - dy}; }

// --- the heroes' shots ------------------------------------------------------------

struct Plumage {
    uint8_t body, dark, light, beak, eye, edge;
};

// A bird flying right that fills its frame, as its hit box does: tail at the
// back edge, beak at the front, a wing raised to the top or beating down to
// the bottom. The turning poses show it head-on, wings spread edge to edge.
void PaintBird(Canvas& c, int pose, const Plumage& p) {
    const double W = c.w, H = c.h, r = std::min(W, H);
    if (pose >= 2) {
        const double lift = pose == 2 ? 0.0 : H * 0.3;
        c.Triangle(W * 0.5, H * 0.45, 0, lift, W * 0.3, H * 0.7, p.dark);
        c.Triangle(W * 0.5, H * 0.45, W - 1, lift, W * 0.7, H * 0.7, p.dark);
        c.Triangle(W * 0.35, H * 0.7, W * 0.65, H * 0.7, W * 0.5, H - 1, p.dark);  // the tail, fanned
        c.Ellipse(W * 0.5, H * 0.55, W * 0.2, H * 0.3, p.body);
        c.Ellipse(W * 0.5, H * 0.28, r * 0.18, r * 0.18, p.light);
        c.Triangle(W * 0.44, H * 0.34, W * 0.56, H * 0.34, W * 0.5, H * 0.46, p.beak);
    } else {
        const bool up = pose == 0;
        c.Triangle(0, H * 0.35, 0, H * 0.9, W * 0.35, H * 0.62, p.dark);  // the tail
        c.Ellipse(W * 0.45, up ? H * 0.66 : H * 0.6, W * 0.3, up ? H * 0.34 : H * 0.3, p.body);
        const double hx = W * 0.72, hy = up ? H * 0.42 : H * 0.34, hr = r * (up ? 0.2 : 0.24);
        c.Ellipse(hx, hy, hr, hr, p.light);
        c.Triangle(hx + hr * 0.6, hy - 2, hx + hr * 0.6, hy + 2, W - 1, hy, p.beak);
        c.Put(static_cast<int>(hx + hr * 0.3), static_cast<int>(hy - 1), p.eye);
        if (up)
            c.Triangle(W * 0.28, H * 0.6, W * 0.62, H * 0.6, W * 0.22, 0, p.dark);
        else
            c.Triangle(W * 0.28, H * 0.55, W * 0.62, H * 0.55, W * 0.4, H - 1, p.dark);
    }
    c.Outline(255, p.edge);
}

// The summoner's special: a great azure spirit bird flying right, its head,
// crest and leading wing in the front third of the frame, where it strikes;
// poses 0 to 2 beat its wings up, level and down.
void PaintGreatBird(Canvas& c, int pose) {
    const double W = c.w, H = c.h;
    const uint8_t body = Shade(kSky, 8), dark = Shade(kBlue, 5), light = Shade(kSky, 12), gold = Shade(kYellow, 12);
    // The tail streams back to the frame's back edge.
    c.Triangle(1, H * 0.45, 1, H * 0.85, W * 0.42, H * 0.6, dark);
    c.Triangle(1, H * 0.55, W * 0.15, H * 0.95, W * 0.42, H * 0.62, Shade(kBlue, 7));
    c.Line(2, H * 0.6, W * 0.4, H * 0.6, 1, gold);
    // The far wing, then the body, the near wing over it.
    const double wingTip = pose == 0 ? 1 : pose == 1 ? H * 0.3 : H * 0.8;
    c.Triangle(W * 0.45, H * 0.42, W * 0.12, wingTip, W * 0.62, H * 0.5, dark);
    c.Ellipse(W * 0.5, H * 0.56, W * 0.24, H * 0.2, body);
    c.Ellipse(W * 0.55, H * 0.6, W * 0.16, H * 0.12, light);
    c.Triangle(W * 0.55, H * 0.45, W * 0.2, pose == 0 ? 3 : pose == 1 ? H * 0.12 : H - 2, W * 0.7, H * 0.52, body);
    c.Line(W * 0.55, H * 0.45, W * 0.2, pose == 0 ? 3 : pose == 1 ? H * 0.12 : H - 2, 1.5, light);
    // Neck, head and crest to the front; the beak meets the frame's edge.
    c.Triangle(W * 0.6, H * 0.4, W * 0.75, H * 0.16, W * 0.72, H * 0.55, body);
    const double hx = W - 12, hy = H * 0.27;
    c.Ellipse(hx, hy, 7, 6, light);
    c.Triangle(hx - 2, hy - 5, hx - 11, 3, hx - 4, hy - 2, gold);
    c.Triangle(hx - 5, hy - 4, hx - 14, 6, hx - 7, hy - 1, gold);
    c.Triangle(hx + 4, hy - 2, hx + 4, hy + 3, W - 1, hy + 1, gold);
    c.Box(static_cast<int>(hx + 1), static_cast<int>(hy - 2), static_cast<int>(hx + 3), static_cast<int>(hy), Grey(1));
    c.Outline(255, Shade(kBlue, 2));
}

// The dark form's magic shot: a crimson-violet orb with a crackling halo,
// the same flying either way.
void PaintMagicOrb(Canvas& c) {
    const double W = c.w, H = c.h, cx = (W - 1) / 2.0, cy = (H - 1) / 2.0;
    for (int i = 0; i < 8; ++i) {
        const double a = i * kPi / 4 + kPi / 8;
        const double reach = i % 2 ? 0.92 : 0.78;
        c.Triangle(cx + std::cos(a - 0.3) * W * 0.2, cy + std::sin(a - 0.3) * H * 0.2,
                   cx + std::cos(a) * W * 0.5 * reach, cy + std::sin(a) * H * 0.5 * reach,
                   cx + std::cos(a + 0.3) * W * 0.2, cy + std::sin(a + 0.3) * H * 0.2, Shade(kMagenta, 8));
    }
    for (const double a : {0.0, kPi / 2, kPi, 3 * kPi / 2})
        c.Line(cx, cy, cx + std::cos(a) * (W / 2 - 1.5), cy + std::sin(a) * (H / 2 - 1.5), 2, Shade(kMagenta, 11));
    c.Ellipse(cx, cy, W * 0.34, H * 0.34, Shade(kPurple, 5));
    c.Ellipse(cx, cy, W * 0.26, H * 0.26, Shade(kMagenta, 9));
    c.Ellipse(cx - 2, cy - 2, W * 0.14, H * 0.14, Shade(kPink, 13));
    c.Ellipse(cx - 3, cy - 3, W * 0.05, H * 0.05, Grey(29));
    c.Outline(255, Shade(kPurple, 2));
}

// The caster's flame flying right: a jet that grows from her hand (0, 1),
// balls up (2) and breaks into a last puff (3).
void PaintFlame(Canvas& c, int pose) {
    const double W = c.w, H = c.h, cy = (H - 1) / 2.0;
    const uint8_t outer = Shade(kRed, 8), mid = Shade(kOrange, 9), hot = Shade(kYellow, 12), core = Shade(kYellow, 15);
    const double head = pose == 3 ? W * 0.5 : W - H * 0.5 - 1;  // the burning head's centre
    const double hr = (H - 2) / 2.0;
    if (pose < 3) {  // the jet narrows back to the hand
        const double tail = 1;
        c.Triangle(tail, cy - 1.5, head, cy - hr, head, cy + hr, outer);
        c.Triangle(tail, cy + 1.5, head, cy - hr, head, cy + hr, outer);
        c.Triangle(tail + W * 0.12, cy, head, cy - hr * 0.6, head, cy + hr * 0.6, mid);
        c.Triangle(tail + W * 0.3, cy, head, cy - hr * 0.3, head, cy + hr * 0.3, hot);
    }
    c.Ellipse(head, cy, H * 0.5, hr + 0.5, outer);
    // Tongues licking back off the head.
    for (int i = 0; i < 3; ++i) {
        const double x = head - hr * (0.3 + 0.45 * i);
        c.Triangle(x + 3, cy - hr * 0.3, x - 4, cy - hr * 0.3, x - 6, 0.5 + i, outer);
        c.Triangle(x + 3, cy + hr * 0.3, x - 4, cy + hr * 0.3, x - 7, H - 1.5 - i, outer);
    }
    if (pose == 3) {  // the last puff: ragged, with smoke behind
        c.Ellipse(W * 0.2, cy - 2, W * 0.2, H * 0.25, Grey(10));
        c.Ellipse(W * 0.2, cy + 4, W * 0.16, H * 0.22, Grey(8));
        c.Ellipse(W * 0.86, cy, W * 0.12, H * 0.2, outer);
    }
    c.Ellipse(head, cy, hr * 0.72, hr * 0.7, mid);
    c.Ellipse(head + 1, cy, hr * 0.45, hr * 0.42, hot);
    c.Ellipse(head + 2, cy, hr * 0.2, hr * 0.18, core);
    c.Outline(255, Shade(kRed, 3));
}

// The caster's lightning: a forked bolt from corner to corner in a yellow glow.
void PaintBolt(Canvas& c, int pose, uint8_t bg) {
    const double W = c.w, H = c.h;
    const double pts[6][2] = {{0.15, 0.0}, {0.6, 0.3}, {0.3, 0.45}, {0.85, 0.72}, {0.55, 0.78}, {0.92, 1.0}};
    auto P = [&](int i, double inset) { return std::pair{1 + (W - 3) * pts[i][0] + inset, 1 + (H - 3) * pts[i][1]}; };
    for (int i = 0; i + 1 < 6; ++i) {
        const auto [x0, y0] = P(i, 0);
        const auto [x1, y1] = P(i + 1, 0);
        c.Line(x0, y0, x1, y1, 4 + pose, Shade(kYellow, 8));
    }
    // A fork off the second bend.
    const auto [fx, fy] = P(2, 0);
    c.Line(fx, fy, 1, H * 0.8, 2, Shade(kYellow, 10));
    c.Line(P(3, 0).first, P(3, 0).second, W - 2, H * 0.45, 2, Shade(kYellow, 10));
    for (int i = 0; i + 1 < 6; ++i) {
        const auto [x0, y0] = P(i, 0);
        const auto [x1, y1] = P(i + 1, 0);
        c.Line(x0, y0, x1, y1, 2, Shade(kYellow, 14));
        c.Line(x0, y0, x1, y1, 1, Grey(29));
    }
    c.Outline(bg, Shade(kOrange, 6));
}

// The cross hero's returning cross: a gold cross with flared arms, turned
// by a third of a quarter turn each frame (it looks the same a quarter turn
// on, so the three frames spin it smoothly and never stand it on a corner).
void PaintCross(Canvas& c, int frame) {
    const double W = c.w, H = c.h, cx = (W - 1) / 2.0, cy = (H - 1) / 2.0;
    const double a = frame * kPi / 6;
    // The arm's reach: the frame's half-size over the tip's farthest corner.
    const double reach = std::min(W - 4, H - 4) / 2.0 /
                         std::max(std::fabs(std::cos(a)) + 0.36 * std::fabs(std::sin(a)),
                                  std::fabs(std::sin(a)) + 0.36 * std::fabs(std::cos(a)));
    auto at = [&](double along, double across, double angle) {
        return std::pair{cx + std::cos(angle) * along - std::sin(angle) * across,
                         cy + std::sin(angle) * along + std::cos(angle) * across};
    };
    for (const uint8_t col : {Shade(kYellow, 9), Shade(kYellow, 13)}) {
        const double k = col == Shade(kYellow, 9) ? 1.0 : 0.55;
        for (int i = 0; i < 4; ++i) {
            const double angle = a + i * kPi / 2;
            const auto [x0, y0] = at(0, -reach * 0.16 * k, angle);
            const auto [x1, y1] = at(0, reach * 0.16 * k, angle);
            const auto [x2, y2] = at(reach * (0.55 + 0.45 * k), -reach * 0.36 * k, angle);
            const auto [x3, y3] = at(reach * (0.55 + 0.45 * k), reach * 0.36 * k, angle);
            c.Triangle(x0, y0, x1, y1, x2, y2, col);
            c.Triangle(x1, y1, x2, y2, x3, y3, col);
        }
    }
    c.Ellipse(cx, cy, 2.2, 2.2, Shade(kRed, 9));  // the stone at its crossing
    c.Outline(255, Shade(kOrange, 2));
}

}  // namespace

std::vector<uint8_t> HeroShotPicture(const SpriteSet& set, int frame) {
    if (frame < 0 || frame >= set.count) return {};
    // The white bird and the red bird, as the controls page calls them.
    static constexpr Plumage kWhite{Grey(27), Grey(20), Grey(29), Shade(kOrange, 9), Grey(1), Grey(12)};
    static constexpr Plumage kRedBird{Shade(kRed, 7),     Shade(kRed, 3), Shade(kRed, 10),
                                      Shade(kYellow, 12), Grey(1),        Shade(kRed, 1)};
    const uint8_t bg = set.KeyOf(frame) == 0 ? 0 : 255;
    Canvas c(set.Width(frame), set.Height(frame), bg);
    const int poses = std::max(1, set.count / 2);
    const bool left = set.count > 1 && frame >= poses;
    const std::string_view name = set.name;
    if (name == "Hato" || name == "Suzaku")
        PaintBird(c, frame % poses, name == "Hato" ? kWhite : kRedBird);
    else if (name == "Himitu")
        PaintGreatBird(c, frame % 3);
    else if (name == "Kidan")
        PaintMagicOrb(c);
    else if (name == "Flame")
        PaintFlame(c, frame % 4);
    else if (name == "Lightning")
        PaintBolt(c, frame, bg);
    else if (name == "Cross")
        PaintCross(c, frame);
    else
        return {};
    if (left && name != "Cross" && name != "Lightning") c.MirrorX();
    return c.px;
}

namespace {

Layout LayoutOf(const HeroArt& art, const SpriteSet& set, int frame) {
    const int w = set.Width(frame), h = set.Height(frame);
    const int p = frame % art.poses;
    const Shown shown = art.shown(frame);
    const int dx = art.dx[frame], dy = art.dy[p];
    Layout L{};
    L.dir = shown.right ? 1 : -1;
    L.body = Clip(Shift(shown.body, dx, dy), w, h);
    L.weapon = Clip(Shift(shown.weapon, dx, dy), w, h);
    L.floorRow = art.floor - dy;
    // The trunk on the hero's column, unless that leaves the body cut by the
    // frame's edge.
    const double room = std::min(art.style.half + 4, (w - 1) / 2.0);
    L.cx = std::clamp(static_cast<double>(art.centre - dx), room, w - 1 - room);
    const Box b = L.body.Empty() ? Box{0, 0, w, h} : L.body;
    L.top = shown.stance == Stance::kHurt ? 1 : std::max(0, b.t + 1);
    // The feet's lowest painted row: the outline takes the row below it.
    L.foot = shown.grounded ? std::min(L.floorRow - 2, h - 1) : std::min(b.b - 2, h - 1);
    if (shown.stance == Stance::kDead) L.foot = std::min(L.floorRow - 2, h - 1);
    const double right = b.r - 4 - L.cx, left = L.cx - b.l - 2;
    L.ahead = std::max(2.0, L.dir > 0 ? right : left);
    L.behind = std::max(2.0, L.dir > 0 ? left : right);
    L.frameAhead = std::max(2.0, L.dir > 0 ? w - 2 - L.cx : L.cx - 1);
    L.frameBehind = std::max(2.0, L.dir > 0 ? L.cx - 1 : w - 2 - L.cx);
    return L;
}

// The same pose facing the other way.
int TwinOf(const HeroArt& art, int frame) {
    if (art.poses == 24) {  // the whip hero's pairs
        static constexpr int16_t kTwin[24] = {3,  4,  5,  0,  1,  2,  9,  10, 11, 6,  7,  8,
                                              13, 12, 17, 18, 19, 14, 15, 16, 21, 20, 23, 22};
        return kTwin[frame];
    }
    return frame < art.poses ? frame + art.poses : frame - art.poses;
}

}  // namespace

std::vector<uint8_t> HeroPicture(const SpriteSet& set, int frame) {
    const HeroArt* art = ArtOf(set.name);
    if (!art || frame < 0 || frame >= set.count) return {};
    const uint8_t bg = set.KeyOf(frame) == 255 ? 255 : 0;
    Canvas c(set.Width(frame), set.Height(frame), bg);
    Layout L = LayoutOf(*art, set, frame);
    const Layout twin = LayoutOf(*art, set, TwinOf(*art, frame));
    L.ahead = std::min(L.ahead, twin.ahead);
    L.behind = std::min(L.behind, twin.behind);
    L.frameAhead = std::min(L.frameAhead, twin.frameAhead);
    L.frameBehind = std::min(L.frameBehind, twin.frameBehind);
    const Shown shown = art->shown(frame);
    Figure fig(c, art->style, L, bg);
    if (shown.stance == Stance::kDead) {
        fig.Lying();
    } else {
        fig.Upright(shown);
        fig.FillTheBox();
    }
    c.Outline(bg, art->style.outline);
    return c.px;
}

// The five heroes' pictures. Each frame is painted around the spot the game
// draws it at: the body's centre column and the floor row are fixed per hero,
// and every frame's draw offset is taken back out, so that the body stays
// where the hero is whatever the frame's size, the feet meet the floor, and
// a weapon reaches out of the side of the frame that it hits on.
#include "gen_heroes.h"

#include <cstring>
#include <numbers>

#include "engine/sprite_sets.h"
#include "gen_canvas.h"

namespace {

enum class Stance : uint8_t {
    kStand,
    kWalk,    // phase: step of the cycle
    kCrouch,  // also the tucked jump
    kJump,    // legs tucked, upright
    kWind,    // weapon drawn back; phase 0 low, 1 overhead
    kStrike,  // weapon out in front
    kCrouchWind,
    kCrouchStrike,
    kThrow,   // phase 0 arm back, 1 arm out
    kCast,    // phase 0 staff raised, 1 staff pointed
    kSummon,  // phase 0 hands gathered, 1 arms spread, 2 arm raised forward
    kCrouchSummon,
    kKick,  // standing kick; phase 0 chambered, 1 out, 2 recovering
    kCrouchKick,
    kAirKick,
    kDash,
    kHurt,
    kDead,
};

struct Pose {
    Stance stance;
    int8_t phase;
};

enum class Look : uint8_t { kWhip, kChain, kBirds, kDark, kMage };

struct Style {
    Look look;
    int height;   // head top to floor, standing
    double half;  // half the torso's width
    uint8_t skin, hair, main, trim, legs, weapon, glow, outline;
};

struct HeroArt {
    const char* set;
    Style style;
    int centre;  // the body's centre column, from the hero's x
    int floor;   // the floor row, from the hero's y
    int poses;   // per facing; the whip hero's set is one run of its own
    const Pose* pose;
    const int8_t* dx;  // by frame
    const int8_t* dy;  // by pose index
};

// --- the draw offsets the pictures are painted for --------------------------------

constexpr int8_t kDoranDx[24] = {0, 12, 3, 0, 0, 0, 0, 0, -97, -20, -25, 0, 0, 0, -32, -32, 0, 0, 0, -96, 0, 0, 0, 0};
constexpr int8_t kDoranDy[24] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 18, 18, 16, 16, 18, 16, 16, 18, 2, 2, 38, 38};
// Poses of the whip hero's frames, and which way each faces (it keeps no
// right-then-left order).
constexpr Pose kDoranPose[24] = {
    {Stance::kStand, 0},        {Stance::kWalk, 0},       {Stance::kWalk, 1},       {Stance::kStand, 0},
    {Stance::kWalk, 0},         {Stance::kWalk, 1},       {Stance::kWind, 0},       {Stance::kWind, 1},
    {Stance::kStrike, 0},       {Stance::kWind, 0},       {Stance::kWind, 1},       {Stance::kStrike, 0},
    {Stance::kCrouch, 0},       {Stance::kCrouch, 0},     {Stance::kCrouchWind, 0}, {Stance::kCrouchWind, 1},
    {Stance::kCrouchStrike, 0}, {Stance::kCrouchWind, 0}, {Stance::kCrouchWind, 1}, {Stance::kCrouchStrike, 0},
    {Stance::kHurt, 0},         {Stance::kHurt, 0},       {Stance::kDead, 0},       {Stance::kDead, 0},
};
constexpr bool kDoranRight[24] = {true, true,  true, false, false, false, false, false, false, true,  true, true,
                                  true, false, true, true,  true,  false, false, false, true,  false, true, false};

constexpr int8_t kTavishDx[28] = {0, 0, 0, -32, -32, 0,   0, 0,   0, -32, -32, 0,   0, 0,
                                  0, 0, 0, 0,   0,   -76, 0, -12, 0, 0,   0,   -76, 0, 0};
constexpr int8_t kTavishDy[14] = {2, 0, 2, 2, 2, 2, 2, 2, 14, 14, 14, 14, 2, 30};
constexpr Pose kTavishPose[14] = {
    {Stance::kStand, 0},  {Stance::kWalk, 0},       {Stance::kWalk, 1},       {Stance::kWind, 0},
    {Stance::kWind, 1},   {Stance::kStrike, 0},     {Stance::kThrow, 0},      {Stance::kThrow, 1},
    {Stance::kCrouch, 0}, {Stance::kCrouchWind, 0}, {Stance::kCrouchWind, 1}, {Stance::kCrouchStrike, 0},
    {Stance::kHurt, 0},   {Stance::kDead, 0},
};

constexpr int8_t kSeliyaDx[44] = {16, 18, 8,  0,  2,  2,  8, 10, 16, 16, 16, 16, 12,  14, 6,
                                  12, 18, 6,  16, 10, 22, 0, 14, 14, 16, 18, 18, 14,  18, 16,
                                  14, 16, 14, 14, 18, 14, 6, 14, 12, 8,  14, -2, -30, 16};
constexpr int8_t kSeliyaDy[22] = {2, 28, 6, 4, 2, 4, 6, 4, 2, 0, 2, 4, 16, 2, 2, 4, 26, 26, 30, 26, 48, 14};
constexpr Pose kSeliyaPose[22] = {
    {Stance::kStand, 0},        {Stance::kCrouch, 0},       {Stance::kWalk, 0},         {Stance::kWalk, 1},
    {Stance::kWalk, 2},         {Stance::kWalk, 3},         {Stance::kWalk, 4},         {Stance::kWalk, 5},
    {Stance::kStand, 1},        {Stance::kStand, 2},        {Stance::kStand, 3},        {Stance::kStand, 4},
    {Stance::kJump, 0},         {Stance::kSummon, 0},       {Stance::kSummon, 1},       {Stance::kSummon, 2},
    {Stance::kCrouchSummon, 0}, {Stance::kCrouchSummon, 1}, {Stance::kCrouchSummon, 2}, {Stance::kHurt, 0},
    {Stance::kDead, 0},         {Stance::kSummon, 1},
};

constexpr int8_t kVarmDx[70] = {0,  6,  6,   2,   4,   4,   2,   -2, -2,  0,   2,   2,   2,  10, -2,  -6, 8,   -12,
                                2,  6,  0,   -6,  -12, -24, -20, 0,  4,   14,  8,   -32, 0,  -2, -34, 0,  -20, 0,
                                10, 8,  6,   8,   10,  12,  12,  10, 0,   6,   8,   12,  12, 6,  -4,  8,  -4,  2,
                                2,  -4, -40, -40, 10,  12,  -2,  -4, -26, -32, -50, -4,  0,  -6, -20, -22};
constexpr int8_t kVarmDy[35] = {0, 0, 0, 0, 0, 0,  0,  0, 0,  0,  0,  0,   0, 32, 0, 0, -6, -26,
                                0, 0, 0, 0, 0, -2, -2, 0, 32, 36, 40, -12, 0, 0,  0, 0, 58};
constexpr Pose kVarmPose[35] = {
    {Stance::kStand, 0},      {Stance::kWalk, 0},    {Stance::kWalk, 1},       {Stance::kWalk, 2},
    {Stance::kWalk, 3},       {Stance::kWalk, 4},    {Stance::kWalk, 5},       {Stance::kWalk, 6},
    {Stance::kWalk, 7},       {Stance::kWalk, 8},    {Stance::kWalk, 9},       {Stance::kWalk, 10},
    {Stance::kWalk, 11},      {Stance::kCrouch, 0},  {Stance::kJump, 0},       {Stance::kCast, 0},
    {Stance::kCast, 1},       {Stance::kCast, 2},    {Stance::kKick, 0},       {Stance::kKick, 0},
    {Stance::kKick, 1},       {Stance::kKick, 1},    {Stance::kKick, 1},       {Stance::kKick, 2},
    {Stance::kKick, 2},       {Stance::kKick, 0},    {Stance::kCrouchKick, 0}, {Stance::kCrouchKick, 1},
    {Stance::kCrouchKick, 2}, {Stance::kAirKick, 0}, {Stance::kWind, 0},       {Stance::kWind, 1},
    {Stance::kDash, 0},       {Stance::kHurt, 0},    {Stance::kDead, 0},
};

constexpr int8_t kNerysDx[16] = {0, 0, 0, 0, 0, 0, 0, 0, 4, 8, 6, 2, -8, 2, 0, -30};
constexpr int8_t kNerysDy[8] = {2, 0, 2, 16, 2, 2, 22, 38};
constexpr Pose kNerysPose[8] = {
    {Stance::kStand, 0}, {Stance::kWalk, 0}, {Stance::kWalk, 1}, {Stance::kCrouch, 0},
    {Stance::kCast, 0},  {Stance::kCast, 1}, {Stance::kHurt, 0}, {Stance::kDead, 0},
};

// Each hero its own build and colours: the whip hero in a long brown coat and
// headband, the cross hero broad-shouldered in a blue tabard and wide hat,
// the summoner with long hair and a flared dress, her dark form tall, horned
// and winged, the spell caster in a robe and pointed hat with a staff.
const HeroArt kHeroes[] = {
    {"Tobrin",
     {Look::kWhip, 60, 5, Shade(kOrange, 12), Shade(kOrange, 4), Shade(kOrange, 6), Shade(kRed, 8), Shade(kIndigo, 3),
      Shade(kYellow, 7), Shade(kYellow, 13), Grey(2)},
     18,
     64,
     24,
     kDoranPose,
     kDoranDx,
     kDoranDy},
    {"Tavish",
     {Look::kChain, 58, 8, Shade(kOrange, 12), Shade(kYellow, 10), Shade(kBlue, 7), Grey(27), Shade(kBlue, 3), Grey(20),
      Grey(29), Grey(1)},
     16,
     64,
     14,
     kTavishPose,
     kTavishDx,
     kTavishDy},
    {"Seliya",
     {Look::kBirds, 68, 6, Shade(kOrange, 13), Shade(kPink, 11), Shade(kMagenta, 8), Shade(kPink, 13),
      Shade(kMagenta, 4), Shade(kRed, 10), Shade(kYellow, 14), Shade(kMagenta, 1)},
     31,
     74,
     22,
     kSeliyaPose,
     kSeliyaDx,
     kSeliyaDy},
    {"Seliya_varm",
     {Look::kDark, 82, 7, Grey(25), Grey(4), Shade(kViolet, 4), Shade(kRed, 9), Shade(kViolet, 2), Shade(kRed, 7),
      Shade(kRed, 13), Grey(0)},
     22,
     90,
     35,
     kVarmPose,
     kVarmDx,
     kVarmDy},
    {"Nerys",
     {Look::kMage, 50, 7, Shade(kOrange, 13), Shade(kLime, 11), Shade(kGreen, 6), Shade(kYellow, 11), Shade(kGreen, 3),
      Shade(kOrange, 5), Shade(kCyan, 14), Shade(kGreen, 1)},
     17,
     64,
     8,
     kNerysPose,
     kNerysDx,
     kNerysDy},
};

// --- the figure ----------------------------------------------------------------------

struct Figure {
    Canvas& c;
    const Style& s;
    double cx;     // body centre column
    int foot;      // the feet's lowest row
    int floorRow;  // the floor's row, also when the frame ends above it
    int dir;       // +1 faces right, -1 left

    double F(double ahead) const { return cx + dir * ahead; }  // a column so far ahead of the body
    int Front() const { return dir > 0 ? c.w - 1 : 0; }        // the frame's edge ahead
    int Back() const { return dir > 0 ? 0 : c.w - 1; }

    void Limb(double x0, double y0, double x1, double y1, double thick, uint8_t col) const {
        c.Line(x0, y0, x1, y1, thick, col);
    }

    // Head with the face looking ahead, and the hero's own hair or headgear.
    void Head(double hx, double top, double r) const {
        const double hy = top + r;
        switch (s.look) {
            case Look::kBirds:  // long hair falling behind the shoulders
                c.Ellipse(hx - dir * r * 0.9, hy + r * 1.3, r * 0.8, r * 1.9, s.hair);
                break;
            case Look::kDark:  // horns sweeping back
                c.Triangle(hx - dir * r * 0.2, hy - r * 0.5, hx - dir * r * 0.9, hy - r * 0.2, hx - dir * r * 1.6,
                           std::max(0.0, hy - r * 2.1), Grey(26));
                break;
            default: break;
        }
        c.Ellipse(hx, hy, r, r, s.skin);
        c.Box(static_cast<int>(std::lround(hx + dir * r - (dir > 0 ? 1 : 1))), static_cast<int>(hy),
              static_cast<int>(std::lround(hx + dir * r + (dir > 0 ? 2 : 0))), static_cast<int>(hy + 2), s.skin);
        const int eyeX = static_cast<int>(std::lround(hx + dir * r * 0.45));
        c.Box(eyeX, static_cast<int>(hy - 1), eyeX + 2, static_cast<int>(hy + 1),
              s.look == Look::kDark ? s.glow : Grey(1));
        switch (s.look) {
            case Look::kWhip:  // swept hair and a headband with its tails behind
                c.Ellipse(hx - dir * r * 0.3, hy - r * 0.55, r * 1.05, r * 0.6, s.hair);
                c.Box(static_cast<int>(hx - r), static_cast<int>(hy - r * 0.35), static_cast<int>(hx + r) + 1,
                      static_cast<int>(hy - r * 0.35) + 2, s.trim);
                c.Line(hx - dir * r, hy - r * 0.3, hx - dir * r * 2.0, hy + r * 0.4, 2, s.trim);
                break;
            case Look::kChain:  // a wide-brimmed hat
                c.Box(static_cast<int>(hx - r * 1.7), static_cast<int>(hy - r * 0.55), static_cast<int>(hx + r * 1.7),
                      static_cast<int>(hy - r * 0.55) + 2, s.legs);
                c.Box(static_cast<int>(hx - r * 0.9), static_cast<int>(top - 2), static_cast<int>(hx + r * 0.9),
                      static_cast<int>(hy - r * 0.5), s.legs);
                break;
            case Look::kBirds:
                c.Ellipse(hx - dir * r * 0.35, hy - r * 0.55, r * 1.0, r * 0.6, s.hair);
                c.Ellipse(hx - dir * r * 0.8, hy, r * 0.5, r * 0.9, s.hair);
                c.Box(static_cast<int>(hx - dir * r * 0.6) - 1, static_cast<int>(hy - r),
                      static_cast<int>(hx - dir * r * 0.6) + 2, static_cast<int>(hy - r) + 3, s.weapon);
                break;
            case Look::kDark: c.Ellipse(hx - dir * r * 0.3, hy - r * 0.5, r * 1.0, r * 0.6, s.hair); break;
            case Look::kMage: {  // a tall pointed hat, its tip bent forward
                const double brim = hy - r * 0.45;
                c.Box(static_cast<int>(hx - r * 1.4), static_cast<int>(brim), static_cast<int>(hx + r * 1.4) + 1,
                      static_cast<int>(brim) + 2, s.main);
                c.Triangle(hx - r * 0.95, brim, hx + r * 0.95, brim, hx + dir * r * 0.9, std::max(0.0, brim - r * 2.4),
                           s.main);
                c.Box(static_cast<int>(hx - r * 0.9), static_cast<int>(brim) - 2, static_cast<int>(hx + r * 0.9) + 1,
                      static_cast<int>(brim), s.trim);
                break;
            }
        }
    }

    // Things worn on the back, drawn before the body.
    void Back(double shoulder, double hip, double lean) const {
        switch (s.look) {
            case Look::kWhip: {  // coat tails flaring behind, as far as the frame allows
                const double tail = std::min(s.half + 7, std::fabs(Back() - cx) - 2);
                c.Triangle(cx - dir * s.half * 0.5 + lean, shoulder + 4, cx - dir * tail + lean * 0.5, hip + 8,
                           cx + dir * s.half * 0.3, hip + 6, s.main);
                break;
            }
            case Look::kChain:  // a short cape
                c.Triangle(cx - dir * s.half + lean, shoulder, cx - dir * (s.half + 5) + lean, hip, cx + lean, hip,
                           s.legs);
                break;
            case Look::kDark: {  // folded bat wings
                const double top = shoulder - s.height * 0.12;
                c.Triangle(cx - dir * 2 + lean, shoulder + 2, cx - dir * (s.half + 9) + lean, top,
                           cx - dir * (s.half + 5) + lean, hip + 4, Shade(kViolet, 2));
                c.Line(cx - dir * 2 + lean, shoulder + 2, cx - dir * (s.half + 9) + lean, top, 2, Grey(20));
                break;
            }
            default: break;
        }
    }

    // Torso and skirt or robe from shoulder to hip.
    void Torso(double shoulder, double hip, double lean) const {
        const double half = s.half;
        switch (s.look) {
            case Look::kBirds:  // bodice and a flared skirt
                c.Box(static_cast<int>(cx - half * 0.8 + lean), static_cast<int>(shoulder),
                      static_cast<int>(cx + half * 0.8 + lean) + 1, static_cast<int>(hip), s.main);
                c.Triangle(cx + lean - half * 0.7, hip - 3, cx + lean + half * 0.7, hip - 3, cx + lean - half * 1.9,
                           hip + (foot - hip) * 0.55, s.main);
                c.Triangle(cx + lean - half * 0.7, hip - 3, cx + lean + half * 1.9, hip + (foot - hip) * 0.55,
                           cx + lean - half * 1.9, hip + (foot - hip) * 0.55, s.main);
                c.Box(static_cast<int>(cx - half * 0.8 + lean), static_cast<int>(hip - 3),
                      static_cast<int>(cx + half * 0.8 + lean) + 1, static_cast<int>(hip - 1), s.trim);
                break;
            case Look::kMage:  // a robe down to the ankles
                c.Triangle(cx + lean - half * 0.8, shoulder, cx + lean + half * 0.8, shoulder, cx - half * 1.5,
                           foot - 3, s.main);
                c.Triangle(cx + lean + half * 0.8, shoulder, cx + half * 1.5, foot - 3, cx - half * 1.5, foot - 3,
                           s.main);
                c.Box(static_cast<int>(cx - half * 0.3 + lean), static_cast<int>(shoulder) + 2,
                      static_cast<int>(cx + half * 0.3 + lean) + 1, static_cast<int>(foot - 4), s.trim);
                break;
            case Look::kChain:  // tabard with a belt and a solid diamond clasp, broad shoulder plates
            {
                c.Box(static_cast<int>(cx - half + lean), static_cast<int>(shoulder),
                      static_cast<int>(cx + half + lean) + 1, static_cast<int>(hip + 3), s.main);
                c.Ellipse(cx + lean, shoulder + 1, half + 3, 3, Grey(22));
                c.Box(static_cast<int>(cx - half + lean), static_cast<int>(hip - 2),
                      static_cast<int>(cx + half + lean) + 1, static_cast<int>(hip + 1), s.trim);
                const double mx = cx + lean + 1, my = shoulder + 8;
                c.Triangle(mx - 3, my, mx + 3, my, mx, my - 3, s.trim);
                c.Triangle(mx - 3, my, mx + 3, my, mx, my + 3, s.trim);
                break;
            }
            case Look::kDark:  // a slim dark bodice with a red sash
                c.Box(static_cast<int>(cx - half * 0.9 + lean), static_cast<int>(shoulder),
                      static_cast<int>(cx + half * 0.9 + lean) + 1, static_cast<int>(hip + 2), s.main);
                c.Box(static_cast<int>(cx - half * 0.9 + lean), static_cast<int>(hip - 3),
                      static_cast<int>(cx + half * 0.9 + lean) + 1, static_cast<int>(hip), s.trim);
                break;
            case Look::kWhip:  // coat with a belt
                c.Box(static_cast<int>(cx - half + lean), static_cast<int>(shoulder),
                      static_cast<int>(cx + half + lean) + 1, static_cast<int>(hip + 4), s.main);
                c.Box(static_cast<int>(cx - half + lean), static_cast<int>(hip - 2),
                      static_cast<int>(cx + half + lean) + 1, static_cast<int>(hip), s.trim);
                break;
        }
    }

    // A leg from the hip to a foot on the floor (or wherever fy says).
    void Leg(double hx, double hy, double fx, double fy, double knee, uint8_t col) const {
        const double t = std::max(3.0, s.half * 0.6);
        const double kx = (hx + fx) / 2 + dir * knee, ky = (hy + fy) / 2;
        Limb(hx, hy, kx, ky, t, col);
        Limb(kx, ky, fx, fy - t / 2, t, col);
        // The boot points ahead.
        c.Box(static_cast<int>(std::lround(std::min(fx, fx + dir * 4) - 1)), static_cast<int>(std::lround(fy - 2)),
              static_cast<int>(std::lround(std::max(fx, fx + dir * 4) + 2)), static_cast<int>(std::lround(fy)) + 1,
              s.look == Look::kDark ? Grey(3) : s.legs);
    }

    void Arm(double sx, double sy, double hx, double hy) const {
        Limb(sx, sy, hx, hy, std::max(2.0, s.half * 0.45),
             s.look == Look::kChain || s.look == Look::kWhip ? s.main : s.skin);
        c.Ellipse(hx, hy, 1.6, 1.6, s.skin);
    }

    // The weapon reaching from the hand to column ex at row ey.
    void Lash(double hx, double hy, double ex, double ey) const {
        if (s.look == Look::kChain) {
            const double len = std::max(std::fabs(ex - hx), std::fabs(ey - hy));
            const int links = std::max(1, static_cast<int>(len / 4));
            for (int i = 0; i <= links; ++i) {
                const double t = static_cast<double>(i) / links;
                const double x = hx + (ex - hx) * t, y = hy + (ey - hy) * t;
                c.Ellipse(x, y, 2.2, 1.6, i % 2 ? s.weapon : Grey(14));
            }
            c.Ellipse(ex - (ex > hx ? 3 : -3), ey, 3, 3, s.glow);
        } else {
            const double len = std::fabs(ex - hx);
            const int steps = std::max(1, static_cast<int>(len));
            for (int i = 0; i <= steps; ++i) {
                const double t = static_cast<double>(i) / steps;
                const double x = hx + (ex - hx) * t;
                const double y = hy + (ey - hy) * t + std::sin(t * 9.0) * 1.2 * t;
                c.Box(static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y)) - 1,
                      static_cast<int>(std::lround(x)) + 1, static_cast<int>(std::lround(y)) + 1, s.weapon);
            }
            c.Ellipse(ex - (ex > hx ? 2 : -2), ey, 2, 2, s.glow);
        }
        c.Line(hx - dir * 2, hy + 1, hx + dir * 3, hy - 1, 3, Grey(6));  // the grip
    }

    void Staff(double hx, double hy, double tx, double ty, bool lit) const {
        c.Line(hx - (tx - hx) * 0.35, hy - (ty - hy) * 0.35, tx, ty, 2, s.weapon);
        c.Ellipse(tx, ty, lit ? 4 : 3, lit ? 4 : 3, lit ? s.glow : s.trim);
    }

    // An upright figure: stance-specific legs and arms around one torso.
    void Upright(Pose p) {
        const bool low = p.stance == Stance::kCrouch || p.stance == Stance::kCrouchWind ||
                         p.stance == Stance::kCrouchStrike || p.stance == Stance::kCrouchSummon ||
                         p.stance == Stance::kCrouchKick;
        const bool tucked = p.stance == Stance::kJump || p.stance == Stance::kAirKick;
        double H = s.height * (low ? 0.7 : tucked ? 0.82 : 1.0);
        H = std::min<double>(H, foot + 2);  // a short frame keeps the whole head
        const double top = foot - H;
        const double r = std::max(3.0, s.height * 0.1);
        const double lean = p.stance == Stance::kHurt ? -dir * 3.0 : p.stance == Stance::kDash ? dir * 5.0 : 0.0;
        const double shoulder = top + 2 * r + 1;
        const double hip = low ? foot - H * 0.32 : tucked ? foot - H * 0.42 : foot - H * 0.47;
        // The outline closes the feet on the floor's row above, where the frame reaches it.
        const double legY = floorRow <= c.h ? foot - 1 : foot;
        const double sx = cx + lean * 0.5;

        Back(shoulder, hip, lean);
        // Back arm first, then legs, torso, head and the front arm over them.
        double stride = 0;
        if (p.stance == Stance::kWalk) {
            const int n = s.look == Look::kDark ? 12 : s.look == Look::kBirds ? 6 : 2;
            stride = std::sin((p.phase + 0.5) * 2 * std::numbers::pi / n) * s.height * 0.11;
            if (n == 2) stride = p.phase ? s.height * 0.1 : -s.height * 0.05;
        }
        const uint8_t far = s.look == Look::kDark ? Grey(4) : s.legs;
        const bool robe = s.look == Look::kMage;
        if (tucked) {
            Leg(cx - dir * 2, hip, cx - dir * 4, legY - 2, dir * 5, far);
            if (p.stance == Stance::kAirKick) {
                const double reach = std::fabs(Front() - cx) - 2;
                Limb(cx, hip, F(reach), hip + 2, std::max(3.0, s.half * 0.7), s.legs);
                c.Box(static_cast<int>(F(reach)) - 2, static_cast<int>(hip) - 1, static_cast<int>(F(reach)) + 2,
                      static_cast<int>(hip) + 4, Grey(3));
            } else {
                Leg(cx + dir * 2, hip, cx + dir * 5, legY - 3, dir * 6, s.legs);
            }
        } else if (low) {
            Leg(cx - dir * 1, hip, cx - dir * 5, legY, dir * 7, far);
            if (p.stance == Stance::kCrouchKick) {
                const double reach = std::min(std::fabs(Front() - cx) - 2, 30.0);
                Limb(cx, hip, F(reach), legY - 3 - p.phase * 2, std::max(3.0, s.half * 0.7), s.legs);
            } else {
                Leg(cx + dir * 2, hip, cx + dir * 7, legY, dir * 8, s.legs);
            }
        } else if (p.stance == Stance::kKick && p.phase == 1) {
            Leg(cx - dir * 2, hip, cx - dir * 3, legY, 0, far);
            const double reach = std::fabs(Front() - cx) - 2;
            Limb(cx, hip, F(reach), hip - 4, std::max(3.0, s.half * 0.7), s.legs);
            c.Box(static_cast<int>(F(reach)) - 2, static_cast<int>(hip) - 7, static_cast<int>(F(reach)) + 2,
                  static_cast<int>(hip) - 1, Grey(3));
        } else if (p.stance == Stance::kKick) {
            // Chambered or coming back: the knee up in front of the body.
            const double room = std::fabs(Front() - cx);
            const double toe = p.phase == 0 ? std::min(room - 2, 10.0) : -std::min(std::fabs(Back() - cx) - 2, 12.0);
            Leg(cx - dir * 2, hip, cx - dir * 3, legY, 0, far);
            Limb(cx, hip, F(toe * 0.6), hip + 6, std::max(3.0, s.half * 0.7), s.legs);
            Limb(F(toe * 0.6), hip + 6, F(toe), hip + 16, std::max(3.0, s.half * 0.6), s.legs);
        } else if (p.stance == Stance::kDash) {
            Leg(cx - dir * 2, hip, cx - dir * 12, legY - 4, -dir * 2, far);
            Leg(cx + dir * 2, hip, cx + dir * 8, legY, dir * 5, s.legs);
            // Streaks of speed behind her.
            for (int i = 0; i < 4; ++i) {
                const double y = top + H * (0.25 + 0.17 * i);
                c.Line(cx - dir * (s.half + 4), y, Back(), y, 1, Shade(kRed, 6 + i));
            }
        } else if (p.stance == Stance::kHurt) {
            Leg(cx - dir * 1, hip, cx - dir * 6, legY - 3, dir * 3, far);
            Leg(cx + dir * 1, hip, cx + dir * 5, legY - 1, dir * 3, s.legs);
        } else if (!robe || p.stance == Stance::kWalk) {
            const double spread = p.stance == Stance::kStrike || p.stance == Stance::kThrow || p.stance == Stance::kCast
                                      ? s.height * 0.08
                                      : 2.5;
            // Strides stay inside narrow frames.
            const double roomBack = std::fabs(Back() - cx) - 3, roomFront = std::fabs(Front() - cx) - 5;
            const double back = std::max(-roomBack, p.stance == Stance::kWalk ? -stride : -spread);
            const double front = std::min(roomFront, p.stance == Stance::kWalk ? stride : spread);
            Leg(cx - dir * 1.5, hip, F(back), legY, dir * 2, far);
            Leg(cx + dir * 1.5, hip, F(front), legY, dir * 2, s.legs);
        } else {
            c.Box(static_cast<int>(cx - 5), static_cast<int>(legY) - 2, static_cast<int>(cx + 5),
                  static_cast<int>(legY) + 1, s.legs);
        }
        Torso(shoulder, hip, lean);
        const double hx = cx + lean + dir * 1.5;
        Head(hx, top, r);

        // Arms and what they hold.
        const double ax = sx + dir * 1, ay = shoulder + 2;
        const double armLen = s.height * 0.3;
        switch (p.stance) {
            case Stance::kWind:
            case Stance::kCrouchWind: {
                // The weapon drawn back, low behind the body, then overhead.
                const double backX = Back() + (dir > 0 ? 1 : -1);
                if (s.look == Look::kDark) {  // her brakfist gathers power at the fists
                    Arm(ax, ay, F(-4), ay + 6);
                    Arm(ax, ay, F(6), ay + 4);
                    c.Ellipse(F(6), ay + 4, 3 + p.phase, 3 + p.phase, s.glow);
                    break;
                }
                if (p.phase == 0) {
                    Arm(ax, ay, F(-armLen * 0.8), ay + 2);
                    Lash(F(-armLen * 0.8), ay + 2, backX, std::min<double>(foot - 6, ay + H * 0.3));
                } else {
                    Arm(ax, ay, F(-armLen * 0.4), top + 2);
                    Lash(F(-armLen * 0.4), top + 2, backX, std::max(1.0, top - 1 + H * 0.1));
                }
                Arm(ax, ay, F(armLen * 0.4), ay + armLen * 0.6);
                break;
            }
            case Stance::kStrike:
            case Stance::kCrouchStrike: {
                // The weapon's row is the row it hits on.
                const double row = p.stance == Stance::kStrike ? floorRow - (s.look == Look::kChain ? 37 : 38)
                                                               : floorRow - (s.look == Look::kChain ? 23 : 22);
                Arm(ax, ay, F(armLen * 0.9), row);
                Lash(F(armLen * 0.9), row, Front() - (dir > 0 ? 2 : -2), row);
                break;
            }
            case Stance::kThrow:
                if (p.phase == 0) {
                    Arm(ax, ay, F(-armLen * 0.6), top + 2);
                    c.Line(F(-armLen * 0.6) - 4, top + 2, F(-armLen * 0.6) + 4, top + 2, 2, Grey(28));
                    c.Line(F(-armLen * 0.6), top - 2, F(-armLen * 0.6), top + 6, 2, Grey(28));
                } else {
                    const double reach = std::fabs(Front() - ax) - 2;
                    Arm(ax, ay, F(std::min(reach, armLen * 1.4)), ay + 1);
                }
                Arm(ax, ay, F(armLen * 0.2), ay + armLen * 0.7);
                break;
            case Stance::kCast:
                if (s.look == Look::kMage) {
                    const double room = std::fabs(Front() - ax) - 5;
                    if (p.phase == 0) {  // raised high ahead
                        Arm(ax, ay, F(std::min(room, 8.0)), ay - 4);
                        Staff(F(std::min(room, 8.0)), ay - 4, F(std::min(room, 16.0)), std::max(4.0, top + 2), true);
                    } else {  // levelled at the foe
                        Arm(ax, ay, F(std::min(room, 9.0)), ay + 2);
                        Staff(F(std::min(room, 9.0)), ay + 2, F(std::min(room, 22.0)), ay - 1, true);
                    }
                } else {  // magic from an open hand, ahead or aimed down
                    const double reach = std::min(std::fabs(Front() - ax) - 4, armLen * 1.1);
                    const double hy = p.phase == 2 ? ay + armLen * 0.8 : ay + 1;
                    Arm(ax, ay, F(reach), hy);
                    c.Ellipse(F(reach), hy, 2.5 + p.phase, 2.5 + p.phase, s.glow);
                }
                break;
            case Stance::kSummon:
            case Stance::kCrouchSummon:
                if (p.phase == 0) {
                    Arm(ax, ay, F(4), ay + 3);
                    Arm(ax, ay, F(2), ay + 5);
                } else if (p.phase == 1) {
                    const double reach = std::min(std::fabs(Front() - ax), std::fabs(Back() - ax)) - 2;
                    Arm(ax, ay, F(-reach), ay - 4);
                    Arm(ax, ay, F(reach), ay - 4);
                    c.Ellipse(F(reach), ay - 4, 2.5, 2.5, s.glow);
                } else {
                    Arm(ax, ay, F(armLen * 0.8), top);
                    c.Ellipse(F(armLen * 0.8), top, 2.5, 2.5, s.glow);
                }
                break;
            case Stance::kHurt:
                Arm(ax, ay, F(-armLen * 0.6), top);
                Arm(ax, ay, F(armLen * 0.5), top + 2);
                break;
            case Stance::kStand:
                if (p.phase > 0) {  // idle: a hand lifted to the hair and down again
                    Arm(ax, ay, F(3 + p.phase), ay + armLen * (0.9 - 0.25 * (p.phase % 3)));
                    break;
                }
                [[fallthrough]];
            default:
                if (s.look == Look::kMage) {
                    Arm(ax, ay, F(armLen * 0.45), ay + armLen * 0.5);
                    Staff(F(armLen * 0.45), ay + armLen * 0.5, F(armLen * 0.5), top + 2, false);
                } else {
                    Arm(ax, ay, F(-stride * 0.6 + 1), ay + armLen * 0.85);
                }
                break;
        }
    }

    // Lying on the floor, head ahead.
    void Lying() {
        const double y = foot - 5;
        const double len = std::min<double>(c.w - 4, s.height * 0.85);
        const double x0 = cx - len / 2, x1 = cx + len / 2;
        const double head = dir > 0 ? x1 - 5 : x0 + 5;
        c.Line(x0 + 2, y + 1, x1 - 2, y + 1, 6, s.main);
        c.Line(dir > 0 ? x0 + 2 : x1 - 2, y + 2, cx, y + 2, 4, s.legs);
        c.Ellipse(head, y - 1, 4.5, 4, s.skin);
        c.Ellipse(head - dir * 1, y - 3, 4.5, 2, s.hair);
    }
};

const HeroArt* ArtOf(const char* set) {
    for (const HeroArt& a : kHeroes)
        if (std::strcmp(a.set, set) == 0) return &a;
    return nullptr;
}

// --- the summoner's birds ------------------------------------------------------

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
        const double hx = W * 0.72, hy = up ? H * 0.42 : H * 0.3, hr = up ? r * 0.2 : H * 0.3;
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

}  // namespace

std::vector<uint8_t> HeroShotPicture(const SpriteSet& set, int frame) {
    // The white bird and the red bird, as the controls page calls them.
    static constexpr Plumage kWhite{Grey(27), Grey(20), Grey(29), Shade(kOrange, 9), Grey(1), Grey(12)};
    static constexpr Plumage kRedBird{Shade(kRed, 7),     Shade(kRed, 3), Shade(kOrange, 11),
                                      Shade(kYellow, 12), Grey(1),        Shade(kRed, 1)};
    const bool white = std::strcmp(set.name, "Hato") == 0, red = std::strcmp(set.name, "Suzaku") == 0;
    if ((!white && !red) || frame < 0 || frame >= set.count) return {};
    const int poses = set.count / 2;
    Canvas c(set.Width(frame), set.Height(frame), 255);
    PaintBird(c, frame % poses, white ? kWhite : kRedBird);
    if (frame >= poses) c.MirrorX();
    return c.px;
}

std::vector<uint8_t> HeroPicture(const SpriteSet& set, int frame) {
    const HeroArt* art = ArtOf(set.name);
    if (!art) return {};
    const int w = set.Width(frame), h = set.Height(frame);
    const uint8_t bg = set.KeyOf(frame) == 255 ? 255 : 0;
    Canvas c(w, h, bg);
    const int p = frame % art->poses;
    bool right = art->poses == set.count ? kDoranRight[frame] : frame < art->poses;
    Pose pose = art->pose[p];
    // The summoner's dead pose shows the other run's frame.
    if (std::strcmp(art->set, "Seliya") == 0 && pose.stance == Stance::kDead) right = !right;
    double cx = art->centre - art->dx[frame];
    // A few frames sit too far off the hero for the body to stay on its
    // spot; they keep it whole inside the frame, as near as it fits.
    const double room = art->style.half + 3;
    if (w > 2 * room + 4 && pose.stance != Stance::kDead) cx = std::clamp(cx, room + 1, w - room - 2);
    // One row above the floor for the outline around the feet.
    const int foot = std::min(art->floor - art->dy[p], h) - 1;
    Figure fig{c, art->style, cx, foot, art->floor - art->dy[p], right ? 1 : -1};
    if (pose.stance == Stance::kDead)
        fig.Lying();
    else
        fig.Upright(pose);
    c.Outline(bg, art->style.outline);
    return c.px;
}

int HeroBodyColumn(const char* set) {
    const HeroArt* art = ArtOf(set);
    return art ? art->centre : -1;
}

int HeroFloorRow(const char* set) {
    const HeroArt* art = ArtOf(set);
    return art ? art->floor : -1;
}

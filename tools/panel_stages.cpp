// Each stage's scenery, after its title: the place the stage is named for,
// in colours of its own, with nothing at floor height that could pass for a
// foothold or a hazard.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "gen_panels.h"

namespace {

FloorStyle Floor(Material m, uint8_t lip, uint8_t lipBelow, uint8_t face, uint8_t faceDark, uint8_t seam,
                 uint8_t deep) {
    FloorStyle f;
    f.material = m;
    f.lip = lip;
    f.lipBelow = lipBelow;
    f.face = face;
    f.faceDark = faceDark;
    f.seam = seam;
    f.deep = deep;
    return f;
}

uint8_t S(int ramp, int shade) { return Shade(ramp, shade); }
uint8_t G(int level) { return Grey(level); }

// --- shared scenes -----------------------------------------------------------------

// A night sky over a far horizon: bands, stars and the moon.
void NightSky(Scene& s, int ramp, int from, int to, int horizon, int moonX, uint8_t moon, bool crescent) {
    Bands(s, 0, horizon, ramp, from, to);
    Stars(s, horizon - 40, G(22), 20);
    if (moon != 0) Moon(s, moonX, 70, 24, moon, S(ramp, from), crescent);
}

// A hall's back wall of large blocks from the ceiling down to y1.
void HallWall(Scene& s, int y1, uint8_t wall, uint8_t seam) { Blocks(s, 0, y1, wall, seam, 48, 640); }

// A ceiling beam with arches running along the top of a hall.
void Vault(Scene& s, uint8_t c, uint8_t dark, int step) {
    s.c.Box(0, 0, kPanelW, 14, c);
    s.c.Box(0, 14, kPanelW, 17, dark);
    EachCell(s, step, 0, [&](int x, int, uint32_t) {
        for (int i = 0; i < step; ++i) {
            const double t = (i + 0.5) / step * 2 - 1;
            const int h = static_cast<int>(28 * (1 - std::sqrt(std::max(0.0, 1 - t * t))));
            s.c.Box(x + i, 17, x + i + 1, 17 + h, c);
        }
    });
}

// Reeds rising out of water at y, short of the ground above them.
void Reeds(Scene& s, int y, int height, uint8_t stem, uint8_t head, int step) {
    EachCell(s, step, 10, [&](int x, int, uint32_t r) {
        for (int i = 0; i < 3; ++i) {
            const int rx = x + static_cast<int>((r >> (i * 5)) % static_cast<uint32_t>(step));
            const int h = height * (60 + static_cast<int>((r >> (i * 3 + 7)) % 40)) / 100;
            s.c.Box(rx, y - h, rx + 2, y, stem);
            s.c.Box(rx - 1, y - h, rx + 3, y - h + 9, head);
        }
    });
}

// Posts standing in the water under a raised walk.
void Posts(Scene& s, int y0, int step, uint8_t c, uint8_t dark) {
    EachCell(s, step, 12, [&](int x, int, uint32_t) {
        s.c.Box(x + 20, y0, x + 30, kPanelH, c);
        s.c.Box(x + 27, y0, x + 30, kPanelH, dark);
    });
}

// Rounded rock hanging from a cave's ceiling and rising from its far floor.
void CaveRock(Scene& s, uint8_t far, uint8_t near, int farFloor) {
    Ceiling(s, 90, 60, 90, far, 11);
    EachCell(s, 80, 30, [&](int x, int, uint32_t r) {
        const int cx = x + static_cast<int>(r % 60);
        const int len = 30 + static_cast<int>((r >> 7) % 70);
        s.Ellipse(cx, 0, 14 + static_cast<int>((r >> 15) % 10), len, near);
    });
    Ridge(s, farFloor - 80, 70, 120, far, farFloor, 23, true);
}

// Wisps of light drifting in the dark, faint enough not to pass for shots.
void Wisps(Scene& s, int y0, int y1, uint8_t c, int step) {
    EachCell(s, step, 10, [&](int x, int, uint32_t r) {
        const int wy = y0 + static_cast<int>(r % static_cast<uint32_t>(std::max(1, y1 - y0)));
        s.Ellipse(x + static_cast<int>((r >> 10) % static_cast<uint32_t>(step)), wy, 4, 3, c);
    });
}

// A band of skulls set in the wall.
void SkullFrieze(Scene& s, int y, uint8_t bone, uint8_t hole, uint8_t band) {
    s.c.Box(0, y, kPanelW, y + 20, band);
    EachCell(s, 64, 16, [&](int x, int, uint32_t) {
        s.Ellipse(x + 32, y + 10, 8, 7, bone);
        s.c.Box(x + 27, y + 8, x + 31, y + 11, hole);
        s.c.Box(x + 33, y + 8, x + 37, y + 11, hole);
    });
}

// --- the stages --------------------------------------------------------------------

FloorStyle Graveyard(Scene& s) {  // 1: the graveyard before the castle gate
    NightSky(s, kIndigo, 1, 4, 300, 1000, S(kYellow, 14), true);
    CastleSkyline(s, 300, S(kIndigo, 0), S(kYellow, 8), 160);
    Ridge(s, 292, 40, 200, S(kViolet, 1), 480, 5, false);
    BareTrees(s, 350, 150, S(kViolet, 0), 320);
    Graves(s, 346, G(7), G(10), 80);
    // The gatehouse at the stage's end, the gate in it drawn with the exit.
    AtWorld(s, 5600, 200, [&](int x) {
        s.c.Box(x - 40, 60, x + 200, 380, G(8));
        for (int bx = x - 40; bx < x + 200; bx += 20) s.c.Box(bx, 44, bx + 10, 60, G(8));
        s.c.Box(x - 40, 60, x + 200, 64, G(11));
        s.c.Box(x + 20, 100, x + 28, 130, S(kYellow, 8));
    });
    Abyss(s, 379, G(0));
    return Floor(Material::kEarth, S(kLime, 10), S(kGreen, 6), S(kOrange, 2), S(kOrange, 0), S(kOrange, 1),
                 S(kOrange, 1));
}

FloorStyle FlameCorridor(Scene& s) {  // 2
    HallWall(s, 480, S(kRed, 2), S(kRed, 1));
    ArchWindows(s, 70, 150, 320, 120, 56, S(kOrange, 7), S(kRed, 1), S(kYellow, 9));
    Pillars(s, 30, 480, 320, 0, 30, S(kRed, 3), S(kOrange, 5), S(kRed, 1));
    Vault(s, S(kRed, 1), S(kRed, 0), 160);
    Torches(s, 280, 160, 130, G(5), kOrange);
    Abyss(s, 420, S(kRed, 0));
    Lava(s, 440);
    return Floor(Material::kStone, G(25), G(19), G(11), G(5), G(7), G(6));
}

FloorStyle Waterway(Scene& s) {  // 3
    Blocks(s, 0, 480, S(kTeal, 2), S(kTeal, 1), 24, 320);
    Arcade(s, 110, 300, 320, 40, 200, S(kTeal, 0), S(kTeal, 3));
    EachCell(s, 320, 8, [&](int x, int, uint32_t) {  // drains spilling into the channel
        s.Ellipse(x + 300, 76, 12, 10, G(3));
        s.c.Box(x + 296, 76, x + 304, 110, S(kCyan, 6));
    });
    Abyss(s, 376, S(kTeal, 0));
    Water(s, 420, kCyan, 4);
    return Floor(Material::kStone, G(24), G(18), G(12), G(6), G(8), G(7));
}

FloorStyle StatueHall(Scene& s) {  // 4
    HallWall(s, 480, G(8), G(6));
    Niches(s, 130, 170, 320, 110, 84, G(4), G(12), 2, G(19), G(11));
    Niches(s, 130, 170, 320, 270, 84, G(4), G(12), 2, G(19), G(11));
    Pillars(s, 30, 480, 640, 0, 26, G(13), G(18), G(9));
    Vault(s, G(11), G(6), 320);
    return Floor(Material::kMarble, G(27), G(22), G(16), G(10), G(12), G(9));
}

FloorStyle CrowForest(Scene& s) {  // 5
    Bands(s, 0, 330, kPurple, 1, 5);
    Moon(s, 1500, 90, 34, S(kPink, 12), S(kPurple, 1), false);
    Ridge(s, 230, 70, 60, S(kPurple, 0), 480, 3, true);
    BareTrees(s, 430, 260, S(kViolet, 0), 160);
    Abyss(s, 428, G(0));
    return Floor(Material::kEarth, S(kYellow, 10), S(kOrange, 6), S(kOrange, 3), S(kOrange, 1), S(kOrange, 2),
                 S(kOrange, 1));
}

FloorStyle FrogSwamp(Scene& s) {  // 6
    Bands(s, 0, 300, kTeal, 2, 5);
    Mist(s, 200, S(kTeal, 4), S(kTeal, 6));
    BareTrees(s, 380, 200, S(kTeal, 1), 320);
    Ridge(s, 250, 50, 80, S(kTeal, 2), 330, 9, true);
    Abyss(s, 330, S(kGreen, 1));
    Water(s, 380, kTeal, 2);
    Posts(s, 362, 128, S(kOrange, 2), S(kOrange, 0));
    Reeds(s, 380, 40, S(kGreen, 4), S(kOrange, 3), 160);
    return Floor(Material::kWood, S(kYellow, 11), S(kOrange, 7), S(kOrange, 4), S(kOrange, 1), S(kOrange, 2),
                 S(kOrange, 2));
}

FloorStyle LeechMarsh(Scene& s) {  // 7
    Bands(s, 0, 214, kYellow, 2, 6);
    Moon(s, 2000, 60, 22, S(kYellow, 12), S(kYellow, 2), false);
    Ridge(s, 120, 60, 100, S(kLime, 0), 214, 4, true);
    Abyss(s, 214, S(kOrange, 0));
    Water(s, 330, kOrange, 2);
    Reeds(s, 330, 60, S(kLime, 3), S(kOrange, 3), 128);
    Mist(s, 420, S(kYellow, 2), S(kYellow, 4));
    return Floor(Material::kEarth, S(kLime, 11), S(kGreen, 7), G(9), G(4), G(6), G(5));
}

FloorStyle LavaMine(Scene& s) {  // 8
    Bands(s, 0, 480, kRed, 0, 2);
    CaveRock(s, S(kRed, 3), S(kRed, 1), 349);
    EachCell(s, 320, 40, [&](int x, int, uint32_t) {  // timber frames, braced
        s.c.Box(x + 20, 60, x + 32, 349, S(kOrange, 2));
        s.c.Box(x + 128, 60, x + 140, 349, S(kOrange, 2));
        s.Line(x + 32, 110, x + 60, 70, 6, S(kOrange, 2));
        s.Line(x + 128, 110, x + 100, 70, 6, S(kOrange, 2));
    });
    Torches(s, 170, 320, 26, G(5), kOrange);
    Abyss(s, 396, S(kRed, 0));
    Lava(s, 412);
    return Floor(Material::kRock, G(22), G(15), S(kRed, 3), S(kRed, 1), S(kRed, 2), S(kRed, 1));
}

FloorStyle Ossuary(Scene& s) {  // 9
    HallWall(s, 480, S(kOrange, 2), S(kOrange, 1));
    SkullFrieze(s, 6, S(kYellow, 6), S(kOrange, 1), S(kOrange, 3));
    Niches(s, 60, 100, 320, 100, 120, S(kOrange, 0), S(kOrange, 4), 0, S(kYellow, 7), S(kOrange, 3));
    Niches(s, 262, 110, 320, 20, 120, S(kOrange, 0), S(kOrange, 4), 0, S(kYellow, 7), S(kOrange, 3));
    Pillars(s, 230, 480, 320, 170, 22, S(kOrange, 3), S(kOrange, 5), S(kOrange, 1));
    Abyss(s, 456, G(0));
    return Floor(Material::kBone, S(kYellow, 13), S(kYellow, 9), S(kYellow, 6), S(kOrange, 2), S(kOrange, 3),
                 S(kOrange, 2));
}

FloorStyle NeedleShaft(Scene& s) {  // 10
    Blocks(s, 0, 480, S(kSky, 1), S(kSky, 0), 64, 320);
    EachCell(s, 640, 20, [&](int x, int, uint32_t) {  // the lift's rails and its counterweight
        s.c.Box(x + 100, 0, x + 106, 480, G(8));
        s.c.Box(x + 196, 0, x + 202, 480, G(8));
        s.c.Box(x + 140, 0, x + 142, 90, G(6));
        s.c.Box(x + 130, 90, x + 152, 130, G(6));
    });
    Chains(s, 0, 440, 320, 250, G(7));
    AtWorld(s, 400, 90, [&](int x) { Gear(s, x, 90, 60, 12, S(kCyan, 3), G(2), 0.2); });
    AtWorld(s, 1700, 90, [&](int x) { Gear(s, x, 320, 46, 10, S(kCyan, 3), G(2), 0.5); });
    Abyss(s, 456, G(0));
    return Floor(Material::kMetal, G(24), G(17), G(11), G(5), G(7), G(6));
}

FloorStyle HangingPit(Scene& s) {  // 11
    Blocks(s, 0, 299, S(kViolet, 2), S(kViolet, 1), 40, 320);
    Chains(s, 0, 280, 160, 20, G(6));
    Bands(s, 346, 480, kViolet, 2, 0);
    Ridge(s, 360, 40, 100, S(kViolet, 1), 480, 8, true);
    Ridge(s, 420, 30, 60, G(1), 480, 9, true);
    return Floor(Material::kStone, G(23), G(16), S(kViolet, 4), S(kViolet, 1), S(kViolet, 2), S(kViolet, 2));
}

FloorStyle Courtyard(Scene& s) {  // 12
    Bands(s, 0, 285, kSky, 8, 5);
    Clouds(s, 40, 60, S(kSky, 9), S(kSky, 11), 320);
    Ridge(s, 170, 40, 140, S(kGreen, 2), 285, 6, true);
    // A ruined arcade: piers and arches of old stone, some fallen, ivy over them.
    s.c.Box(0, 70, kPanelW, 285, G(12));
    Arcade(s, 100, 185, 160, 30, 100, S(kSky, 6), G(12));
    EachCell(s, 160, 40, [&](int x, int k, uint32_t r) {
        if (k % 3 == 1) {  // a stretch of the top fallen away
            s.Triangle(x + 40, 70, x + 150, 70, x + 100, 96, S(kSky, 7));
            s.c.Box(x + 40, 60, x + 150, 70, S(kSky, 7));
        }
        for (int i = 0; i < 4; ++i) {  // ivy hanging over the arches
            const int ix = x + static_cast<int>((r >> (i * 6)) % 150);
            s.Ellipse(ix, 74, 10 + i * 2, 7, S(kGreen, 3));
            s.Ellipse(ix + 3, 74 + 12 + i * 9, 5, 10 + i * 5, S(kGreen, 3));
        }
    });
    Abyss(s, 332, S(kGreen, 1));
    Ridge(s, 360, 40, 90, S(kGreen, 2), 480, 14, true);
    return Floor(Material::kStone, G(26), G(20), G(14), G(8), G(10), G(9));
}

FloorStyle BatCave(Scene& s) {  // 13
    Bands(s, 0, 480, kBlue, 1, 0);
    CaveRock(s, S(kBlue, 2), S(kBlue, 1), 279);
    EachCell(s, 160, 10, [&](int x, int, uint32_t r) {  // glowing moss
        s.Ellipse(x + static_cast<int>(r % 140), 140 + static_cast<int>((r >> 8) % 60), 6, 3, S(kTeal, 6));
    });
    Abyss(s, 279, G(0));
    return Floor(Material::kRock, G(21), G(14), S(kBlue, 3), S(kBlue, 1), S(kBlue, 2), S(kBlue, 1));
}

FloorStyle CandleHall(Scene& s) {  // 14
    HallWall(s, 480, S(kRed, 1), S(kRed, 0));
    ArchWindows(s, 60, 170, 320, 130, 64, S(kBlue, 3), S(kYellow, 3), S(kBlue, 6));
    // Tall candelabras against the wall, their flames far above the floor.
    EachCell(s, 320, 30, [&](int x, int, uint32_t) { Candelabra(s, x + 30, 230, 425, S(kYellow, 3), kOrange); });
    Curtains(s, 120, 320, S(kRed, 3), S(kRed, 1));
    return Floor(Material::kMarble, G(27), S(kYellow, 9), S(kRed, 4), S(kRed, 2), S(kRed, 3), S(kRed, 2));
}

FloorStyle Greenhouse(Scene& s) {  // 15
    Bands(s, 0, 400, kSky, 10, 7);
    EachCell(s, 160, 0, [&](int x, int, uint32_t) { s.c.Box(x, 0, x + 3, 400, G(22)); });
    for (int y = 40; y < 240; y += 70) s.c.Box(0, y, kPanelW, y + 2, G(22));
    EachCell(s, 320, 100, [&](int x, int, uint32_t r) {  // palms and flowering shrubs
        const int cx = x + 60 + static_cast<int>(r % 100);
        s.Line(cx, 400, cx + 10, 190, 9, S(kOrange, 3));
        for (int i = 0; i < 6; ++i) {
            const double a = std::numbers::pi * (0.05 + 0.18 * i);
            s.Line(cx + 10, 190, cx + 10 - std::cos(a) * 80, 190 - std::sin(a) * 30 + 40, 7, S(kGreen, 4));
        }
        s.Ellipse(cx + 140, 340, 60, 50, S(kGreen, 3));
        s.Ellipse(cx + 120, 320, 30, 24, S(kGreen, 5));
        for (int i = 0; i < 5; ++i)
            s.Ellipse(cx + 100 + i * 18, 310 + ((r >> (i * 3)) % 30), 4, 4, i % 2 ? S(kPink, 10) : S(kYellow, 11));
    });
    return Floor(Material::kBrick, S(kOrange, 12), S(kOrange, 8), S(kOrange, 5), S(kOrange, 2), S(kOrange, 3),
                 S(kOrange, 2));
}

FloorStyle OwlForest(Scene& s) {  // 16
    NightSky(s, kBlue, 0, 3, 360, 2600, S(kYellow, 13), false);
    Ridge(s, 240, 80, 70, S(kBlue, 1), 480, 7, true);
    Forest(s, 456, S(kOrange, 1), S(kGreen, 2), S(kGreen, 1), 70, 320);
    Abyss(s, 456, G(0));
    return Floor(Material::kStone, S(kLime, 10), S(kGreen, 6), G(10), G(5), G(7), G(6));
}

FloorStyle Barracks(Scene& s) {  // 17
    s.c.Box(0, 0, kPanelW, 480, S(kOrange, 3));
    for (int y = 0; y < 420; y += 20) s.c.Box(0, y, kPanelW, y + 1, S(kOrange, 2));
    EachCell(s, 320, 20, [&](int x, int, uint32_t) {
        s.c.Box(x, 0, x + 18, 480, S(kOrange, 1));  // posts
        s.c.Box(x + 14, 0, x + 18, 480, S(kOrange, 0));
    });
    Racks(s, 200, 160, 48, S(kOrange, 1), G(16), S(kRed, 4), 0);
    Torches(s, 150, 320, 9, G(4), kYellow);
    return Floor(Material::kWood, S(kYellow, 10), S(kOrange, 7), S(kOrange, 5), S(kOrange, 1), S(kOrange, 2),
                 S(kOrange, 1));
}

FloorStyle DemonChapel(Scene& s) {  // 18
    HallWall(s, 480, S(kPurple, 1), S(kPurple, 0));
    ArchWindows(s, 10, 170, 320, 40, 50, S(kRed, 4), S(kPurple, 0), S(kRed, 7));
    Niches(s, 16, 130, 320, 180, 60, S(kPurple, 0), S(kPurple, 3), 3, G(9), G(5));
    Abyss(s, 213, S(kPurple, 0));
    Mist(s, 440, S(kPurple, 2), S(kPurple, 4));
    return Floor(Material::kStone, G(24), G(17), G(10), G(4), G(6), G(5));
}

FloorStyle ClockTower(Scene& s) {  // 19
    Blocks(s, 0, 480, S(kOrange, 1), S(kOrange, 0), 40, 320);
    AtWorld(s, 640, 150, [&](int x) {  // the great clock's face, hands and ticks
        s.Ellipse(x, 100, 120, 120, S(kYellow, 4));
        s.Ellipse(x, 100, 108, 108, S(kYellow, 7));
        for (int t = 0; t < 12; ++t) {
            const double a = t * std::numbers::pi / 6;
            s.Line(x + std::cos(a) * 92, 100 + std::sin(a) * 92, x + std::cos(a) * 104, 100 + std::sin(a) * 104, 4,
                   S(kOrange, 2));
        }
        s.Line(x, 100, x + 50, 60, 6, S(kOrange, 1));
        s.Line(x, 100, x - 20, 180, 5, S(kOrange, 1));
    });
    AtWorld(s, 1600, 90, [&](int x) { Gear(s, x, 110, 70, 14, S(kYellow, 3), S(kOrange, 1), 0.1); });
    AtWorld(s, 1740, 60, [&](int x) { Gear(s, x, 200, 40, 9, S(kYellow, 3), S(kOrange, 1), 0.3); });
    AtWorld(s, 2200, 90, [&](int x) { Gear(s, x, 330, 56, 12, S(kYellow, 3), S(kOrange, 1), 0.6); });
    Pillars(s, 230, 480, 320, 200, 20, S(kOrange, 3), S(kOrange, 5), S(kOrange, 0));
    Abyss(s, 456, G(0));
    return Floor(Material::kWood, S(kYellow, 12), S(kYellow, 8), S(kOrange, 5), S(kOrange, 2), S(kOrange, 3),
                 S(kOrange, 2));
}

FloorStyle SpiderDen(Scene& s) {  // 20
    Bands(s, 0, 480, kViolet, 0, 2);
    CaveRock(s, S(kViolet, 2), S(kViolet, 1), 383);
    Webs(s, 320, 110, G(13));
    return Floor(Material::kRock, G(20), G(13), S(kViolet, 3), S(kViolet, 1), S(kViolet, 2), S(kViolet, 1));
}

FloorStyle KnightHall(Scene& s) {  // 21
    HallWall(s, 480, S(kBlue, 1), S(kBlue, 0));
    ArchWindows(s, 60, 190, 320, 120, 56, S(kIndigo, 4), S(kBlue, 0), S(kSky, 8));
    Banners(s, 50, 150, 320, 246, 44, S(kBlue, 4), G(18), G(22));
    Torches(s, 270, 160, 80, G(6), kOrange);
    Vault(s, S(kBlue, 2), S(kBlue, 0), 320);
    return Floor(Material::kStone, G(23), G(17), S(kBlue, 3), S(kBlue, 1), S(kBlue, 2), S(kBlue, 1));
}

FloorStyle Ballroom(Scene& s) {  // 22
    s.c.Box(0, 0, kPanelW, 480, S(kMagenta, 1));
    ArchWindows(s, 50, 200, 160, 50, 60, S(kViolet, 5), S(kYellow, 4), S(kViolet, 8));
    Pillars(s, 0, 297, 320, 0, 22, S(kMagenta, 3), S(kMagenta, 5), S(kMagenta, 0));
    Curtains(s, 150, 320, S(kMagenta, 4), S(kMagenta, 2));
    Torches(s, 240, 160, 140, S(kYellow, 4), kYellow);
    return Floor(Material::kMarble, S(kYellow, 12), S(kYellow, 8), S(kMagenta, 5), S(kMagenta, 2), S(kMagenta, 3),
                 S(kMagenta, 1));
}

FloorStyle Armoury(Scene& s) {  // 23
    HallWall(s, 480, G(5), G(3));
    Racks(s, 190, 160, 48, S(kOrange, 2), G(18), S(kRed, 3), 0);
    Banners(s, 40, 90, 320, 90, 30, S(kRed, 3), S(kYellow, 7), G(20));
    Torches(s, 150, 320, 250, G(6), kOrange);
    return Floor(Material::kStone, G(25), G(18), G(11), G(5), G(7), G(6));
}

FloorStyle Kennel(Scene& s) {  // 24
    s.c.Box(0, 0, kPanelW, 480, S(kOrange, 2));
    for (int y = 0; y < 425; y += 16) s.c.Box(0, y, kPanelW, y + 1, S(kOrange, 1));
    // Kennel doors, barred, opening onto the floor.
    Arcade(s, 290, 135, 320, 40, 90, S(kOrange, 0), S(kOrange, 3));
    Bars(s, 334, 91, 320, 46, 78, S(kOrange, 0), G(8));
    Chains(s, 0, 160, 160, 130, G(6));
    return Floor(Material::kEarth, S(kYellow, 10), S(kOrange, 7), S(kOrange, 4), S(kOrange, 1), S(kOrange, 2),
                 S(kOrange, 1));
}

FloorStyle UndergroundLake(Scene& s) {  // 25
    Bands(s, 0, 480, kCyan, 0, 2);
    CaveRock(s, S(kCyan, 2), S(kCyan, 1), 300);
    Abyss(s, 299, S(kCyan, 0));
    Water(s, 330, kCyan, 4);
    return Floor(Material::kRock, G(22), G(15), S(kCyan, 3), S(kCyan, 1), S(kCyan, 2), S(kCyan, 1));
}

FloorStyle MadCorridor(Scene& s) {  // 26
    s.c.Box(0, 0, kPanelW, 480, S(kMagenta, 1));
    EachCell(s, 320, 140, [&](int x, int, uint32_t) {
        for (int r = 130; r > 40; r -= 40) Ring(s, x + 160, 190, r, 5, S(kMagenta, 3));
    });
    EachCell(s, 320, 40, [&](int x, int k, uint32_t) {  // pillars leaning this way and that
        const double lean = (k % 2 ? 1 : -1) * 30;
        s.Line(x + 20 - lean, 0, x + 20 + lean, 383, 22, S(kLime, 3));
    });
    EachCell(s, 320, 30, [&](int x, int, uint32_t r) {
        Eye(s, x + 100 + static_cast<int>(r % 60), 90 + static_cast<int>((r >> 8) % 80), 14, G(20), S(kRed, 5), G(1),
            S(kMagenta, 3));
    });
    return Floor(Material::kMarble, S(kLime, 12), S(kLime, 8), S(kPurple, 4), S(kPurple, 1), S(kPurple, 2),
                 S(kPurple, 1));
}

FloorStyle CoffinCrypt(Scene& s) {  // 27
    HallWall(s, 480, G(6), G(4));
    Niches(s, 40, 110, 160, 15, 50, G(2), G(10), 4, S(kOrange, 6), S(kOrange, 2));
    Niches(s, 200, 120, 320, 200, 60, G(2), G(10), 1, S(kOrange, 7), S(kOrange, 3));
    Vault(s, G(9), G(3), 160);
    Torches(s, 260, 320, 90, G(4), kOrange);
    return Floor(Material::kStone, S(kYellow, 11), S(kOrange, 7), S(kOrange, 3), S(kOrange, 1), S(kOrange, 2),
                 S(kOrange, 1));
}

FloorStyle ExecutionGround(Scene& s) {  // 28
    Bands(s, 0, 456, kMagenta, 1, 6);
    Moon(s, 800, 80, 30, S(kRed, 10), S(kMagenta, 1), true);
    Ridge(s, 300, 60, 150, S(kPurple, 0), 480, 2, false);
    EachCell(s, 320, 30, [&](int x, int, uint32_t r) {  // gallows on the far hill
        const int gx = x + 60 + static_cast<int>(r % 140);
        s.c.Box(gx, 250, gx + 5, 330, S(kPurple, 0));
        s.c.Box(gx, 250, gx + 40, 255, S(kPurple, 0));
        s.c.Box(gx + 34, 255, gx + 36, 280, S(kPurple, 0));
    });
    EachCell(s, 160, 4, [&](int x, int, uint32_t) { s.c.Box(x + 76, 222, x + 80, 456, S(kOrange, 1)); });
    Abyss(s, 456, G(0));
    return Floor(Material::kWood, S(kOrange, 11), S(kOrange, 7), S(kOrange, 4), S(kOrange, 1), S(kOrange, 2),
                 S(kOrange, 1));
}

FloorStyle EyeAltar(Scene& s) {  // 29
    HallWall(s, 480, S(kIndigo, 1), S(kIndigo, 0));
    AtWorld(s, 320, 80, [&](int x) { Eye(s, x, 110, 46, G(22), S(kRed, 6), G(0), S(kIndigo, 3)); });
    AtWorld(s, 2240, 80, [&](int x) { Eye(s, x, 110, 46, G(22), S(kRed, 6), G(0), S(kIndigo, 3)); });
    Pillars(s, 0, 480, 320, 150, 28, S(kIndigo, 3), S(kIndigo, 5), S(kIndigo, 0));
    Abyss(s, 308, S(kIndigo, 0));
    Bands(s, 400, 480, kRed, 0, 2);
    return Floor(Material::kMarble, S(kYellow, 11), S(kOrange, 8), S(kIndigo, 4), S(kIndigo, 1), S(kIndigo, 2),
                 S(kIndigo, 1));
}

FloorStyle SnakeLair(Scene& s) {  // 30
    Bands(s, 0, 480, kLime, 0, 2);
    for (int band = 0; band < 3; ++band)
        for (int x = 0; x < kPanelW; ++x) {
            const double y = 60 + band * 70 + 14 * std::sin(WrapX(s, s.x0 + x) * 2 * std::numbers::pi / 320.0 + band);
            s.c.Box(x, static_cast<int>(y), x + 1, static_cast<int>(y) + 7, S(kLime, 3));
        }
    EachCell(s, 160, 20, [&](int x, int, uint32_t r) {
        s.Ellipse(x + static_cast<int>(r % 120), 30 + static_cast<int>((r >> 8) % 150), 16, 11, G(1));
    });
    Abyss(s, 297, G(0));
    return Floor(Material::kRock, S(kLime, 11), S(kLime, 7), S(kOrange, 3), S(kOrange, 1), S(kOrange, 2),
                 S(kOrange, 1));
}

FloorStyle RoseGarden(Scene& s) {  // 31
    Bands(s, 0, 340, kPink, 9, 12);
    Clouds(s, 60, 80, S(kPink, 11), S(kPink, 13), 640);
    Ridge(s, 250, 60, 160, S(kGreen, 2), 438, 12, false);
    EachCell(s, 320, 60, [&](int x, int, uint32_t r) {
        s.c.Box(x + 100, 200, x + 106, 330, G(18));  // a trellis arch on its posts
        s.c.Box(x + 214, 200, x + 220, 330, G(18));
        Arch(s, x + 160, 200, 57, 6, G(18));
        for (int i = 0; i < 9; ++i) {  // roses climbing the arch
            const double a = std::numbers::pi * (0.1 + 0.1 * i);
            s.Ellipse(x + 160 - std::cos(a) * 57, 200 - std::sin(a) * 57, 5, 4, i % 3 ? S(kRed, 6) : S(kPink, 8));
        }
        for (int i = 0; i < 6; ++i)  // and on the hedge below it
            s.Ellipse(x + 20 + ((r >> (i * 4)) % 280), 345 + ((r >> (i * 3 + 2)) % 60), 5, 4, S(kRed, 6));
    });
    return Floor(Material::kEarth, S(kYellow, 12), G(20), S(kOrange, 5), S(kOrange, 2), S(kOrange, 3), S(kOrange, 2));
}

FloorStyle ArcherRamparts(Scene& s) {  // 32
    Bands(s, 0, 330, kSky, 6, 9);
    Clouds(s, 50, 100, S(kSky, 10), S(kSky, 12), 320);
    EachCell(s, 320, 60, [&](int x, int, uint32_t) {  // towers beyond
        s.c.Box(x + 200, 120, x + 270, 443, G(12));
        for (int bx = x + 200; bx < x + 270; bx += 14) s.c.Box(bx, 108, bx + 8, 120, G(12));
        s.c.Box(x + 231, 170, x + 237, 200, G(3));
    });
    s.c.Box(0, 330, kPanelW, 443, G(10));  // the parapet behind the walk
    EachCell(s, 40, 0, [&](int x, int, uint32_t) { s.c.Box(x, 318, x + 22, 330, G(10)); });
    EachCell(s, 160, 0, [&](int x, int, uint32_t) { s.c.Box(x + 78, 350, x + 82, 390, G(3)); });
    return Floor(Material::kStone, G(26), G(20), G(13), G(7), G(9), G(8));
}

FloorStyle Treasury(Scene& s) {  // 33
    HallWall(s, 480, S(kYellow, 1), S(kYellow, 0));
    Niches(s, 20, 110, 320, 50, 70, S(kYellow, 0), S(kYellow, 4), 1, S(kYellow, 8), S(kYellow, 3));
    Niches(s, 250, 120, 320, 130, 70, S(kYellow, 0), S(kYellow, 4), 1, S(kYellow, 8), S(kYellow, 3));
    Banners(s, 240, 120, 320, 20, 40, S(kRed, 3), S(kYellow, 7), S(kYellow, 10));
    Abyss(s, 456, G(0));
    return Floor(Material::kMarble, S(kYellow, 13), S(kYellow, 9), S(kYellow, 5), S(kYellow, 2), S(kYellow, 3),
                 S(kYellow, 2));
}

FloorStyle Smithy(Scene& s) {  // 34
    HallWall(s, 480, G(3), G(1));
    Arcade(s, 250, 110, 320, 60, 110, S(kOrange, 7), G(6));
    EachCell(s, 320, 0, [&](int x, int, uint32_t) {  // hoods and chimneys over the forges
        s.Triangle(x + 40, 250, x + 190, 250, x + 115, 180, G(6));
        s.c.Box(x + 100, 0, x + 130, 185, G(6));
        s.Ellipse(x + 115, 320, 30, 10, S(kYellow, 10));
    });
    Racks(s, 120, 320, 220, G(2), G(14), G(9), 1);
    return Floor(Material::kMetal, G(22), G(15), G(7), G(2), G(4), G(3));
}

FloorStyle Dungeon(Scene& s) {  // 35
    Blocks(s, 0, 480, G(4), G(2), 32, 320);
    Bars(s, 220, 150, 320, 100, 96, S(kOrange, 6), G(9));
    Chains(s, 0, 180, 320, 60, G(8));
    Chains(s, 0, 140, 320, 260, G(8));
    Torches(s, 170, 320, 40, G(8), kOrange);
    return Floor(Material::kStone, S(kOrange, 11), S(kOrange, 7), G(9), G(3), G(5), G(4));
}

FloorStyle Arena(Scene& s) {  // 36
    Bands(s, 0, 150, kSky, 9, 11);
    Bands(s, 150, 330, kOrange, 5, 3);
    for (int tier = 0; tier < 4; ++tier) {  // the crowd in the stands
        const int y = 170 + tier * 40;
        for (int x = 0; x < kPanelW; ++x) {
            const int wx = WrapX(s, s.x0 + x);
            const int bump = (wx % 16) < 10 ? 6 - std::abs(wx % 16 - 5) : 0;
            s.c.Box(x, y - bump, x + 1, y + 16, S(kOrange, 2));
        }
    }
    s.c.Box(0, 330, kPanelW, 416, S(kOrange, 6));  // the arena wall
    Arcade(s, 345, 71, 160, 40, 60, S(kOrange, 3), S(kOrange, 7));
    EachCell(s, 160, 30, [&](int x, int k, uint32_t) {  // pennants over the stands
        s.c.Box(x + 80, 40, x + 83, 160, G(6));
        s.Triangle(x + 83, 42, x + 83, 70, x + 120, 56, k % 2 ? S(kRed, 6) : S(kBlue, 6));
    });
    return Floor(Material::kEarth, S(kYellow, 12), S(kYellow, 8), S(kYellow, 6), S(kOrange, 4), S(kOrange, 5),
                 S(kOrange, 4));
}

FloorStyle GhostValley(Scene& s) {  // 37
    Bands(s, 0, 330, kTeal, 1, 4);
    Stars(s, 160, S(kTeal, 8), 16);
    Mountains(s, 330, 220, S(kTeal, 0), S(kTeal, 5), 320);
    Mist(s, 300, S(kTeal, 2), S(kTeal, 4));
    Wisps(s, 120, 280, S(kTeal, 6), 160);
    return Floor(Material::kRock, G(22), G(14), S(kTeal, 2), S(kTeal, 0), S(kTeal, 1), S(kTeal, 1));
}

FloorStyle CursedTower(Scene& s) {  // 38
    HallWall(s, 480, S(kPurple, 2), S(kPurple, 1));
    ArchWindows(s, 70, 150, 320, 40, 50, S(kLime, 5), S(kPurple, 0), S(kLime, 8));
    EachCell(s, 320, 80, [&](int x, int, uint32_t) {  // a rune circle
        Ring(s, x + 230, 200, 62, 3, S(kLime, 4));
        Ring(s, x + 230, 200, 44, 2, S(kLime, 4));
        for (int i = 0; i < 3; ++i) {
            const double a = i * 2 * std::numbers::pi / 3 - std::numbers::pi / 2;
            const double b = (i + 1) * 2 * std::numbers::pi / 3 - std::numbers::pi / 2;
            s.Line(x + 230 + std::cos(a) * 44, 200 + std::sin(a) * 44, x + 230 + std::cos(b) * 44,
                   200 + std::sin(b) * 44, 2, S(kLime, 4));
        }
    });
    Chains(s, 0, 120, 320, 140, G(6));
    return Floor(Material::kStone, S(kPurple, 12), S(kPurple, 8), S(kPurple, 4), S(kPurple, 1), S(kPurple, 2),
                 S(kPurple, 1));
}

FloorStyle SpearCorridor(Scene& s) {  // 39
    HallWall(s, 312, S(kOrange, 1), S(kOrange, 0));
    Banners(s, 30, 120, 320, 60, 40, S(kTeal, 3), S(kYellow, 7), S(kYellow, 9));
    Racks(s, 90, 320, 200, S(kOrange, 0), G(12), S(kTeal, 3), 1);
    Abyss(s, 265, G(0));
    return Floor(Material::kStone, G(25), G(18), S(kOrange, 4), S(kOrange, 1), S(kOrange, 2), S(kOrange, 1));
}

FloorStyle DeadGarden(Scene& s) {  // 40
    NightSky(s, kGreen, 0, 2, 360, 3000, S(kLime, 10), true);
    Ridge(s, 260, 70, 180, S(kGreen, 1), 480, 13, false);
    Graves(s, 330, G(6), G(9), 64);
    BareTrees(s, 456, 300, S(kGreen, 0), 320);
    Mist(s, 380, S(kGreen, 2), S(kGreen, 3));
    Abyss(s, 456, G(0));
    return Floor(Material::kStone, G(23), G(16), G(10), G(4), G(6), G(5));
}

FloorStyle MagicTower(Scene& s) {  // 41
    HallWall(s, 480, S(kIndigo, 1), S(kIndigo, 0));
    ArchWindows(s, 60, 160, 320, 80, 70, S(kBlue, 1), S(kIndigo, 3), S(kBlue, 2));
    EachCell(s, 20, 0, [&](int x, int, uint32_t r) {  // stars through the windows
        const int sx = x + static_cast<int>(r % 20), sy = 60 + static_cast<int>((r >> 8) % 150);
        if (sx >= 0 && sx < kPanelW && s.c.At(sx, sy) == S(kBlue, 1)) s.c.Put(sx, sy, G(24));
    });
    EachCell(s, 320, 100, [&](int x, int k, uint32_t) {
        const uint8_t glow = k % 2 ? S(kMagenta, 6) : S(kCyan, 6);
        Ring(s, x + 250, 230, 80, 3, glow);
        Ring(s, x + 250, 230, 60, 2, glow);
        for (int i = 0; i < 6; ++i) {
            const double a = i * std::numbers::pi / 3;
            s.Ellipse(x + 250 + std::cos(a) * 70, 230 + std::sin(a) * 70, 4, 4, glow);
        }
    });
    return Floor(Material::kMarble, S(kViolet, 12), S(kViolet, 8), S(kIndigo, 4), S(kIndigo, 2), S(kIndigo, 3),
                 S(kIndigo, 1));
}

FloorStyle WolfThrone(Scene& s) {  // 42
    HallWall(s, 480, S(kRed, 1), G(2));
    Pillars(s, 0, 480, 640, 30, 40, G(6), G(10), G(2));
    Pillars(s, 0, 480, 640, 570, 40, G(6), G(10), G(2));
    Banners(s, 40, 170, 640, 130, 50, S(kRed, 4), G(16), G(20));
    Banners(s, 40, 170, 640, 460, 50, S(kRed, 4), G(16), G(20));
    Throne(s, 320, 413, 200, G(4), G(7), S(kRed, 3));
    return Floor(Material::kMarble, S(kYellow, 12), G(18), G(9), G(4), G(6), G(5));
}

FloorStyle Mausoleum(Scene& s) {  // 43
    HallWall(s, 480, S(kGreen, 1), S(kGreen, 0));
    Niches(s, 40, 150, 160, 50, 64, S(kGreen, 0), S(kGreen, 3), 5, G(9), G(5));
    Vault(s, S(kGreen, 2), S(kGreen, 0), 160);
    Torches(s, 250, 160, 20, G(5), kLime);
    // The crypt's depth below the walk, where the dead lie and bats dive.
    Abyss(s, 436, S(kGreen, 0));
    Mist(s, 455, S(kGreen, 2), S(kGreen, 3));
    FloorStyle f = Floor(Material::kStone, G(24), G(17), G(9), G(4), G(6), G(5));
    f.faceDepth = 22;
    f.open = true;
    return f;
}

FloorStyle ReaperCathedral(Scene& s) {  // 44
    HallWall(s, 480, S(kPurple, 0), G(1));
    RoseWindow(s, 320, 150, 110, G(3), S(kViolet, 5), S(kRed, 4), S(kYellow, 9));
    Pillars(s, 0, 480, 640, 80, 36, S(kPurple, 2), S(kPurple, 4), G(1));
    Pillars(s, 0, 480, 640, 524, 36, S(kPurple, 2), S(kPurple, 4), G(1));
    ArchWindows(s, 60, 230, 640, 170, 30, S(kViolet, 3), G(3), S(kViolet, 6));
    ArchWindows(s, 60, 230, 640, 440, 30, S(kViolet, 3), G(3), S(kViolet, 6));
    return Floor(Material::kMarble, G(25), S(kPurple, 8), S(kPurple, 3), S(kPurple, 1), S(kPurple, 2), S(kPurple, 1));
}

FloorStyle DeadCathedral(Scene& s) {  // 45
    s.c.Box(0, 0, kPanelW, 480, S(kBlue, 1));
    ArchWindows(s, 0, 190, 320, 40, 70, S(kSky, 4), G(4), S(kSky, 7));
    Pillars(s, 0, 480, 320, 125, 26, G(7), G(11), G(3));
    Bands(s, 213, 480, kBlue, 1, 0);
    Mist(s, 430, G(8), G(12));
    return Floor(Material::kStone, G(24), G(17), G(8), G(3), G(5), G(4));
}

FloorStyle SkyCorridor(Scene& s) {  // 46
    Bands(s, 0, 480, kSky, 12, 8);
    Clouds(s, 40, 140, G(27), G(29), 320);
    Pillars(s, 20, 310, 160, 60, 24, G(24), G(28), G(18));
    s.c.Box(0, 0, kPanelW, 20, G(22));
    Clouds(s, 380, 80, G(26), G(28), 160);
    FloorStyle f = Floor(Material::kMarble, G(29), G(23), G(19), G(15), G(16), G(14));
    f.faceDepth = 36;
    f.open = true;
    return f;
}

FloorStyle Hellfire(Scene& s) {  // 47
    Bands(s, 0, 413, kRed, 2, 6);
    Mountains(s, 330, 200, S(kRed, 1), S(kOrange, 8), 320);
    Ridge(s, 300, 50, 90, S(kRed, 0), 480, 21, true);
    EachCell(s, 64, 0, [&](int x, int, uint32_t r) {  // ash drifting
        s.c.Box(x + static_cast<int>(r % 60), 20 + static_cast<int>((r >> 8) % 240), x + static_cast<int>(r % 60) + 2,
                22 + static_cast<int>((r >> 8) % 240), G(6));
    });
    return Floor(Material::kRock, G(20), G(13), S(kRed, 2), S(kRed, 0), S(kRed, 1), S(kRed, 1));
}

FloorStyle FinalCorridor(Scene& s) {  // 48
    HallWall(s, 480, S(kIndigo, 2), S(kIndigo, 1));
    ArchWindows(s, 50, 210, 320, 130, 60, S(kRed, 6), S(kYellow, 4), S(kOrange, 9));
    Pillars(s, 0, 480, 320, 0, 30, S(kYellow, 4), S(kYellow, 7), S(kYellow, 2));
    Banners(s, 40, 140, 320, 250, 40, S(kRed, 3), S(kYellow, 8), S(kYellow, 11));
    Vault(s, S(kYellow, 3), S(kYellow, 1), 320);
    return Floor(Material::kMarble, S(kYellow, 13), S(kYellow, 9), S(kIndigo, 4), S(kIndigo, 1), S(kIndigo, 2),
                 S(kIndigo, 1));
}

FloorStyle DemonLord(Scene& s) {  // 49
    s.c.Box(0, 0, kPanelW, 480, G(1));
    s.Ellipse(320, 170, 150, 150, S(kRed, 2));
    for (int r = 140; r > 20; r -= 20) Ring(s, 320, 170, r, 3, S(kRed, r % 40 ? 4 : 6));
    s.Ellipse(320, 170, 30, 30, S(kMagenta, 8));
    Pillars(s, 0, 480, 640, 40, 60, G(4), G(7), G(0));
    Pillars(s, 0, 480, 640, 540, 60, G(4), G(7), G(0));
    return Floor(Material::kMarble, S(kMagenta, 11), S(kMagenta, 7), G(5), G(2), G(3), G(2));
}

FloorStyle ThunderVillage(Scene& s) {  // 50
    GreyBands(s, 0, 443, 4, 9);
    Clouds(s, 20, 60, G(3), G(6), 160);
    EachCell(s, 640, 60, [&](int x, int, uint32_t r) {  // a flash far off in the clouds
        const double lx = x + 100 + (r % 400);
        s.Line(lx, 30, lx - 8, 52, 2, S(kYellow, 12));
        s.Line(lx - 8, 52, lx + 4, 60, 2, S(kYellow, 12));
        s.Line(lx + 4, 60, lx - 6, 86, 2, S(kYellow, 12));
    });
    Mountains(s, 340, 120, G(3), G(3), 320);
    s.c.Box(0, 340, kPanelW, 443, S(kGreen, 1));  // the fields the village stands in
    Village(s, 400, S(kOrange, 2), S(kRed, 2), S(kYellow, 9));
    return Floor(Material::kEarth, S(kLime, 9), S(kGreen, 5), S(kOrange, 3), S(kOrange, 1), S(kOrange, 2),
                 S(kOrange, 1));
}

using Painter = FloorStyle (*)(Scene&);
constexpr Painter kPainters[50] = {
    Graveyard,      FlameCorridor,   Waterway,      StatueHall,      CrowForest,  FrogSwamp,     LeechMarsh,
    LavaMine,       Ossuary,         NeedleShaft,   HangingPit,      Courtyard,   BatCave,       CandleHall,
    Greenhouse,     OwlForest,       Barracks,      DemonChapel,     ClockTower,  SpiderDen,     KnightHall,
    Ballroom,       Armoury,         Kennel,        UndergroundLake, MadCorridor, CoffinCrypt,   ExecutionGround,
    EyeAltar,       SnakeLair,       RoseGarden,    ArcherRamparts,  Treasury,    Smithy,        Dungeon,
    Arena,          GhostValley,     CursedTower,   SpearCorridor,   DeadGarden,  MagicTower,    WolfThrone,
    Mausoleum,      ReaperCathedral, DeadCathedral, SkyCorridor,     Hellfire,    FinalCorridor, DemonLord,
    ThunderVillage,
};

}  // namespace

FloorStyle PaintStageScenery(Scene& s) {
    if (s.stage < 1 || s.stage > 50) return Floor(Material::kStone, G(25), G(19), G(11), G(5), G(7), G(6));
    return kPainters[s.stage - 1](s);
}

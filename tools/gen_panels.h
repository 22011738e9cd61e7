#pragma once

// The painting kit of the stage background panels: where a panel lies in its
// stage, the floors it shows, and the pieces of scenery every stage is built
// from. All scenery is a function of world x that repeats every `period`
// pixels, so panels that share one picture, and neighbouring panels, join
// without a seam.
#include <array>
#include <cstdint>
#include <vector>

#include "gen_canvas.h"

constexpr int kPanelW = 640, kPanelH = 480;

// How the floors of a stage are drawn. lip and lipBelow are the walking
// surface's two colours: the scenery never uses them.
enum class Material { kStone, kBrick, kEarth, kWood, kRock, kBone, kMarble, kMetal };
struct FloorStyle {
    Material material = Material::kStone;
    uint8_t lip = 0, lipBelow = 0;  // the top row and the two rows under it
    uint8_t face = 0, faceDark = 0, seam = 0;
    uint8_t deep = 0;        // below the face
    int faceDepth = 47;      // rows of face under the top; deeper ground is `deep`
    bool foundation = true;  // ground near the screen's foot runs down to it
    bool open = false;       // below the face the scenery shows (a walk over a drop)
};

// One panel picture in the making.
struct Scene {
    Canvas c{kPanelW, kPanelH, 0};
    int stage = 0, file = 0;
    int x0 = 0;            // world x of column 0 (in the first panel that loads this picture)
    int period = 0;        // the scenery repeats every period pixels
    bool repeats = false;  // some panels share a picture: the period wraps within the stage
    int ground = 480;      // the lowest walking surface: pits fall away below it
    uint32_t seed = 0;
    // Solid ground common to every panel that loads this picture, by row (1),
    // and 2 where that is a walking surface in every one of them.
    std::vector<uint8_t> solid = std::vector<uint8_t>(static_cast<size_t>(kPanelW) * kPanelH, 0);
    std::array<int16_t, kPanelW> surface{};  // first solid row per column, 480 for none
    bool Solid(int x, int y) const { return solid[static_cast<size_t>(y) * kPanelW + x] != 0; }

    // Shapes at coordinates rounded to a fine grid first, so that a shape
    // comes out the same, pixel for pixel, wherever in the panel it lies: a
    // panel and its neighbour then paint the same scenery where they meet.
    void Ellipse(double cx, double cy, double rx, double ry, uint8_t colour);
    void Line(double x0, double y0, double x1, double y1, double thick, uint8_t colour);
    void Triangle(double ax, double ay, double bx, double by, double cx, double cy, uint8_t colour);
    bool Surface(int x, int y) const { return solid[static_cast<size_t>(y) * kPanelW + x] == 2; }
};

// A blank picture of `file` of `stage`, its column 0 at world x 640 * file.
void SetUpScene(Scene& s, int stage, int file);

// The common floors of the panels that load `file` of `stage`.
void FindPanelFloors(Scene& s);

// The stage's own scenery (panel_stages.cpp); returns how its floors look.
FloorStyle PaintStageScenery(Scene& s);

// Draws the floors over the scenery.
void DrawFloors(Scene& s, const FloorStyle& f);

// --- pieces of scenery (panel_kit.cpp) ---------------------------------------------

int FloorDiv(int a, int b);
int WrapX(const Scene& s, int wx);  // world x within the period

// Calls paint(x, k, r) for every cell of `step` world pixels near the panel
// (anything a cell draws stays within a panel's width of it): x the cell's
// left column in the panel, k the cell's index within the period, r a random
// number fixed for that index and salt. step divides 640.
template <class F>
void EachCell(const Scene& s, int step, int salt, F&& paint) {
    const int n = s.period / step;
    const int first = FloorDiv(s.x0 - kPanelW, step), last = FloorDiv(s.x0 + 2 * kPanelW, step);
    for (int cell = first; cell <= last; ++cell) {
        const int k = ((cell % n) + n) % n;
        paint(cell * step - s.x0, k, Mix(s.seed ^ static_cast<uint32_t>(step * 7 + salt), static_cast<uint32_t>(k)));
    }
}

// Calls paint(x) where world x wx (taken within the period) lies near the panel.
template <class F>
void AtWorld(const Scene& s, int wx, int reach, F&& paint) {
    const int w = WrapX(s, wx);
    for (int j = s.repeats ? -1 : 0; j <= (s.repeats ? 1 : 0); ++j) {
        const int x = w + j * s.period - s.x0;
        if (x > -reach && x < kPanelW + reach) paint(x);
    }
}

// Horizontal bands from shade `from` at row y0 to shade `to` at row y1.
void Bands(Scene& s, int y0, int y1, int ramp, int from, int to);
void GreyBands(Scene& s, int y0, int y1, int from, int to);
void Stars(Scene& s, int y1, uint8_t c, int perPanel);
void Moon(Scene& s, int wx, int y, int r, uint8_t c, uint8_t shadow, bool crescent);
// Rolling silhouette between rows top and top + rise, filled down to y1.
void Ridge(Scene& s, int top, int rise, int width, uint8_t c, int y1, uint32_t salt, bool jagged);
// A rolling edge hanging from the top, down to between depth - rise and depth.
void Ceiling(Scene& s, int depth, int rise, int width, uint8_t c, uint32_t salt);
void Clouds(Scene& s, int y, int spread, uint8_t c, uint8_t light, int step);
void CastleSkyline(Scene& s, int base, uint8_t c, uint8_t window, int step);
void Mountains(Scene& s, int base, int height, uint8_t c, uint8_t snow, int step);
void Village(Scene& s, int base, uint8_t wall, uint8_t roof, uint8_t window);
void BareTrees(Scene& s, int base, int height, uint8_t c, int step);
void Forest(Scene& s, int base, uint8_t trunk, uint8_t canopy, uint8_t canopyDark, int canopyY, int step);
void Graves(Scene& s, int base, uint8_t c, uint8_t light, int step);

// Interiors.
void Blocks(Scene& s, int y0, int y1, uint8_t c, uint8_t seam, int course, int width);
void Pillars(Scene& s, int y0, int y1, int step, int offset, int width, uint8_t c, uint8_t light, uint8_t dark);
void ArchWindows(Scene& s, int y, int h, int step, int offset, int w, uint8_t glass, uint8_t frame, uint8_t light);
void Arcade(Scene& s, int y, int h, int step, int offset, int w, uint8_t recess, uint8_t rim);
void Banners(Scene& s, int y, int h, int step, int offset, int w, uint8_t cloth, uint8_t trim, uint8_t emblem);
void Torches(Scene& s, int y, int step, int offset, uint8_t bracket, int flameRamp);
void Candelabra(Scene& s, int x, int top, int base, uint8_t metal, int flameRamp);
void Niches(Scene& s, int y, int h, int step, int offset, int w, uint8_t recess, uint8_t rim, int content,
            uint8_t thing, uint8_t thingDark);
void Gear(Scene& s, int cx, int cy, int r, int teeth, uint8_t c, uint8_t hole, double turn);
void Chains(Scene& s, int y0, int y1, int step, int offset, uint8_t c);
void Webs(Scene& s, int step, int r, uint8_t c);
void Racks(Scene& s, int y, int step, int offset, uint8_t wood, uint8_t steel, uint8_t shield, int kind);
void Bars(Scene& s, int y, int h, int step, int offset, int w, uint8_t dark, uint8_t bar);
void Curtains(Scene& s, int y1, int step, uint8_t c, uint8_t fold);
void Eye(Scene& s, int cx, int cy, int r, uint8_t white, uint8_t iris, uint8_t pupil, uint8_t lid);
void RoseWindow(Scene& s, int cx, int cy, int r, uint8_t frame, uint8_t a, uint8_t b, uint8_t glow);
void Ring(Scene& s, double cx, double cy, double r, double thick, uint8_t c);
void Arch(Scene& s, double cx, double cy, double r, double thick, uint8_t c);  // the upper half
void Throne(Scene& s, int cx, int base, int h, uint8_t c, uint8_t trim, uint8_t cushion);
void Door(Scene& s, int x, int w, int base, int h, uint8_t frame, uint8_t dark, uint8_t glow);

// Below the lowest floor: what a pit falls into.
void Water(Scene& s, int y, int ramp, int shallow);
void Lava(Scene& s, int y);
void Mist(Scene& s, int y, uint8_t c, uint8_t light);
void Abyss(Scene& s, int y, uint8_t c);

// The stage background panels: each stage's scenery with its floors and
// walls drawn where the floor table puts them.
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "gen_bitmaps.h"
#include "gen_canvas.h"

namespace {

// Eight looks: castle hall, forest, cavern, graveyard, waterway, clock tower,
// inferno and the boss chambers.
int ThemeOf(int stage) {
    if (stage == 42 || stage == 43 || stage == 44 || stage == 49) return 7;
    return (stage - 1) % 7;
}

struct Theme {
    int skyRamp, skyFrom, farRamp, nearRamp;
};
constexpr Theme kThemes[8] = {
    {kIndigo, 1, kBlue, kViolet}, {kSky, 5, kGreen, kLime},        {kOrange, 0, kRed, kOrange},
    {kBlue, 0, kIndigo, kPurple}, {kTeal, 2, kCyan, kTeal},        {kYellow, 1, kOrange, kYellow},
    {kRed, 0, kRed, kOrange},     {kPurple, 0, kMagenta, kViolet},
};

double Ridge(int wx, uint32_t seed, double period) {
    const int cell = static_cast<int>(std::floor(wx / period));
    const double t = wx / period - cell;
    const double a = (Mix(seed, static_cast<uint32_t>(cell)) % 1000) / 1000.0;
    const double b = (Mix(seed, static_cast<uint32_t>(cell + 1)) % 1000) / 1000.0;
    const double s = t * t * (3 - 2 * t);
    return a + (b - a) * s;
}

}  // namespace

std::vector<uint8_t> PanelPicture(int stage, int file) {
    const int theme = ThemeOf(stage);
    const Theme& th = kThemes[theme];
    Canvas c(640, 480, 0);
    // Sky or back wall: eight bands.
    for (int band = 0; band < 8; ++band)
        c.Box(0, band * 60, 640, band * 60 + 60, Shade(th.skyRamp, std::min(15, th.skyFrom + band / 2)));
    const int worldX0 = file * 640;
    const uint32_t seed = static_cast<uint32_t>(stage * 7919);
    // Far silhouettes, continuous from one panel to the next.
    for (int x = 0; x < 640; ++x) {
        const int top = 200 + static_cast<int>(120 * Ridge(worldX0 + x, seed, 170.0));
        c.Box(x, top, x + 1, 480, Shade(th.farRamp, 3));
    }
    // Near features by theme.
    for (int i = -1; i < 6; ++i) {
        const int wx = (worldX0 / 128 + i) * 128;
        const int x = wx - worldX0;
        const uint32_t r = Mix(seed, static_cast<uint32_t>(wx));
        switch (theme) {
            case 0:  // pillars and windows
                c.Box(x + 20, 0, x + 52, 480, Shade(th.nearRamp, 4));
                c.Box(x + 24, 0, x + 28, 480, Shade(th.nearRamp, 6));
                c.Box(x + 80, 120, x + 104, 200, Shade(kYellow, 8));
                break;
            case 1:  // trees
                c.Box(x + 56, 230, x + 70, 480, Shade(kOrange, 2));
                c.Ellipse(x + 63, 210, 44, 52 + r % 20, Shade(th.nearRamp, 4 + static_cast<int>(r % 3)));
                break;
            case 2:  // stalactites
                c.Triangle(x + 10, 0, x + 60, 0, x + 35, 90 + r % 80, Shade(th.nearRamp, 2));
                c.Triangle(x + 70, 0, x + 110, 0, x + 90, 40 + r % 50, Shade(th.nearRamp, 3));
                break;
            case 3:  // moon, crosses and stones
                if (i == 2 && file % 2 == 0) c.Ellipse(x + 40, 70, 26, 26, Shade(kYellow, 13));
                c.Box(x + 60, 300, x + 66, 360, Grey(12));
                c.Box(x + 48, 314, x + 78, 320, Grey(12));
                c.Ellipse(x + 100, 350, 14, 18, Grey(8));
                break;
            case 4:  // arches over water
                c.Box(x, 120, x + 128, 140, Shade(th.nearRamp, 4));
                c.Box(x, 140, x + 16, 480, Shade(th.nearRamp, 4));
                c.Box(x, 400 + static_cast<int>(r % 6), x + 128, 480, Shade(kBlue, 6));
                break;
            case 5:  // gears
                c.Ellipse(x + 64, 140 + r % 120, 40, 40, Shade(th.nearRamp, 4));
                c.Ellipse(x + 64, 140 + r % 120, 14, 14, Shade(th.skyRamp, th.skyFrom + 1));
                break;
            case 6:  // flames on a lava sea
                c.Box(x, 430, x + 128, 480, Shade(kOrange, 9));
                c.Triangle(x + 30, 430, x + 70, 430, x + 50, 380 - r % 40, Shade(kYellow, 10));
                break;
            default:  // drapes and pillars
                c.Box(x + 10, 0, x + 40, 480, Shade(th.nearRamp, 3));
                c.Triangle(x + 40, 0, x + 128, 0, x + 84, 80, Shade(kRed, 4));
                break;
        }
    }
    // Floors and walls where they lie in this panel's stretch of the stage.
    for (const platform::Rect& r : PanelFloorRects(stage)) {
        const int64_t l = std::max<int64_t>(r.left, worldX0), rr = std::min<int64_t>(r.right, worldX0 + 640);
        if (l >= rr) continue;
        const int x0 = static_cast<int>(l - worldX0), x1 = static_cast<int>(rr - worldX0);
        const int y0 = std::clamp(r.top, 0, 480), y1 = std::clamp(r.bottom, 0, 480);
        c.Box(x0, y0, x1, y1, Grey(10));
        c.Box(x0, y0, x1, std::min(y1, y0 + 3), Grey(18));
    }
    return c.px;
}

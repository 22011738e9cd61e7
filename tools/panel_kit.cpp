// Pieces of scenery for the stage panels. Each paints flat shapes (the panels
// are run-length coded, so large even areas keep the files small) placed by
// world x within the stage's period.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "gen_panels.h"

namespace {

int Lround(double v) { return static_cast<int>(std::lround(v)); }

double Grid(double v) { return std::round(v * 256) / 256; }

// A smooth value between 0 and 1 that repeats every period pixels.
double Wave(const Scene& s, int wx, int width, uint32_t salt) {
    const int n = std::max(1, s.period / width);
    const double cellW = static_cast<double>(s.period) / n;
    const double t = WrapX(s, wx) / cellW;
    const int cell = static_cast<int>(std::floor(t));
    const double f = t - cell;
    const double a = (Mix(s.seed ^ salt, static_cast<uint32_t>(cell % n)) % 1000) / 1000.0;
    const double b = (Mix(s.seed ^ salt, static_cast<uint32_t>((cell + 1) % n)) % 1000) / 1000.0;
    return a + (b - a) * f * f * (3 - 2 * f);
}

}  // namespace

void Scene::Ellipse(double cx, double cy, double rx, double ry, uint8_t colour) {
    cx = Grid(cx), cy = Grid(cy), rx = Grid(std::max(rx, 0.5)), ry = Grid(std::max(ry, 0.5));
    for (int y = static_cast<int>(std::floor(cy - ry)); y <= static_cast<int>(std::ceil(cy + ry)); ++y) {
        const double dy = (y + 0.5 - cy) / ry;
        if (dy * dy > 1) continue;
        const double half = Grid(rx * std::sqrt(1 - dy * dy));
        c.Box(Lround(cx - half), y, Lround(cx + half), y + 1, colour);
    }
}

void Scene::Line(double x0, double y0, double x1, double y1, double thick, uint8_t colour) {
    x0 = Grid(x0), y0 = Grid(y0), x1 = Grid(x1), y1 = Grid(y1);  // exact differences from here on
    const int steps = std::max(1, static_cast<int>(std::max(std::fabs(x1 - x0), std::fabs(y1 - y0))));
    const double r = Grid(std::max(0.5, thick / 2));
    for (int i = 0; i <= steps; ++i) {
        const double x = Grid(x0 + (x1 - x0) * i / steps), y = Grid(y0 + (y1 - y0) * i / steps);
        c.Box(Lround(x - r), Lround(y - r), Lround(x + r), Lround(y + r), colour);
    }
}

void Scene::Triangle(double ax, double ay, double bx, double by, double cx, double cy, uint8_t colour) {
    c.Triangle(Grid(ax), Grid(ay), Grid(bx), Grid(by), Grid(cx), Grid(cy), colour);
}

int FloorDiv(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

int WrapX(const Scene& s, int wx) { return ((wx % s.period) + s.period) % s.period; }

void Bands(Scene& s, int y0, int y1, int ramp, int from, int to) {
    const int n = std::abs(to - from) + 1;
    for (int i = 0; i < n; ++i) {
        const int shade = from + (to >= from ? i : -i);
        s.c.Box(0, y0 + (y1 - y0) * i / n, kPanelW, y0 + (y1 - y0) * (i + 1) / n, Shade(ramp, shade));
    }
}

void GreyBands(Scene& s, int y0, int y1, int from, int to) {
    const int n = std::abs(to - from) + 1;
    for (int i = 0; i < n; ++i) {
        const int level = from + (to >= from ? i : -i);
        s.c.Box(0, y0 + (y1 - y0) * i / n, kPanelW, y0 + (y1 - y0) * (i + 1) / n, Grey(level));
    }
}

void Stars(Scene& s, int y1, uint8_t c, int perPanel) {
    const int step = kPanelW / std::max(1, perPanel);
    EachCell(s, step, 0, [&](int x, int, uint32_t r) {
        const int sx = x + static_cast<int>(r % static_cast<uint32_t>(step));
        const int sy = 6 + static_cast<int>((r >> 10) % static_cast<uint32_t>(std::max(1, y1 - 12)));
        s.c.Put(sx, sy, c);
        if ((r >> 20) % 4 == 0) s.c.Put(sx + 1, sy, c);
    });
}

void Moon(Scene& s, int wx, int y, int r, uint8_t c, uint8_t shadow, bool crescent) {
    AtWorld(s, wx, r + 2, [&](int x) {
        s.Ellipse(x, y, r, r, c);
        if (crescent)
            s.Ellipse(x + r * 0.45, y - r * 0.2, r * 0.85, r * 0.85, shadow);
        else
            s.Ellipse(x - r * 0.3, y + r * 0.2, r * 0.25, r * 0.2, shadow);
    });
}

void Ridge(Scene& s, int top, int rise, int width, uint8_t c, int y1, uint32_t salt, bool jagged) {
    for (int x = 0; x < kPanelW; ++x) {
        const int wx = s.x0 + x;
        double h = Wave(s, wx, width, salt);
        if (jagged) h = 0.7 * h + 0.3 * Wave(s, wx, std::max(8, width / 5), salt * 3 + 1);
        s.c.Box(x, top + Lround(rise * (1 - h)), x + 1, y1, c);
    }
}

void Ceiling(Scene& s, int depth, int rise, int width, uint8_t c, uint32_t salt) {
    for (int x = 0; x < kPanelW; ++x) {
        const double h =
            0.7 * Wave(s, s.x0 + x, width, salt) + 0.3 * Wave(s, s.x0 + x, std::max(8, width / 5), salt + 5);
        s.c.Box(x, 0, x + 1, depth - Lround(rise * h), c);
    }
}

void Clouds(Scene& s, int y, int spread, uint8_t c, uint8_t light, int step) {
    EachCell(s, step, 120, [&](int x, int, uint32_t r) {
        const int cx = x + static_cast<int>(r % static_cast<uint32_t>(step));
        const int cy = y + static_cast<int>((r >> 8) % static_cast<uint32_t>(std::max(1, spread)));
        const int w = 40 + static_cast<int>((r >> 16) % 50);
        s.Ellipse(cx, cy, w, 12, c);
        s.Ellipse(cx - w * 0.4, cy + 2, w * 0.5, 9, c);
        s.Ellipse(cx + w * 0.2, cy - 7, w * 0.45, 10, c);
        s.Ellipse(cx + w * 0.2, cy - 10, w * 0.3, 4, light);
    });
}

void CastleSkyline(Scene& s, int base, uint8_t c, uint8_t window, int step) {
    EachCell(s, step, 40, [&](int x, int, uint32_t r) {
        const int w = step * 3 / 5 + static_cast<int>(r % static_cast<uint32_t>(step / 4 + 1));
        const int h = 40 + static_cast<int>((r >> 6) % 90);
        const int top = base - h;
        s.c.Box(x, top, x + w, base, c);
        for (int bx = x; bx + 6 <= x + w; bx += 12) s.c.Box(bx, top - 6, bx + 6, top, c);  // battlements
        if ((r >> 14) % 3 == 0) {                                                          // a spire
            s.Triangle(x + w / 2.0 - 10, top - 6, x + w / 2.0 + 10, top - 6, x + w / 2.0, top - 40, c);
        }
        if ((r >> 17) % 2 == 0) s.c.Box(x + w / 2 - 2, top + 14, x + w / 2 + 2, top + 22, window);
        // A low curtain wall to the next tower.
        s.c.Box(x + w, base - 22, x + step, base, c);
        for (int bx = x + w; bx + 5 <= x + step; bx += 10) s.c.Box(bx, base - 27, bx + 5, base - 22, c);
    });
}

void Mountains(Scene& s, int base, int height, uint8_t c, uint8_t snow, int step) {
    EachCell(s, step, step, [&](int x, int, uint32_t r) {
        const int cx = x + static_cast<int>(r % static_cast<uint32_t>(step));
        const int h = height / 2 + static_cast<int>((r >> 8) % static_cast<uint32_t>(height / 2 + 1));
        const int half = h + static_cast<int>((r >> 16) % 40);
        s.Triangle(cx - half, base, cx + half, base, cx, base - h, c);
        if (snow != c)
            s.Triangle(cx - half * 0.25, base - h * 0.75, cx + half * 0.25, base - h * 0.75, cx, base - h, snow);
    });
}

void Village(Scene& s, int base, uint8_t wall, uint8_t roof, uint8_t window) {
    EachCell(s, 80, 30, [&](int x, int, uint32_t r) {
        const int w = 46 + static_cast<int>(r % 22), h = 34 + static_cast<int>((r >> 5) % 30);
        const int lx = x + static_cast<int>((r >> 10) % 8);
        s.c.Box(lx, base - h, lx + w, base, wall);
        s.Triangle(lx - 6, base - h, lx + w + 6, base - h, lx + w / 2.0,
                   base - h - 26 - static_cast<int>((r >> 13) % 14), roof);
        if ((r >> 18) % 3 != 0) s.c.Box(lx + 8, base - h + 10, lx + 16, base - h + 20, window);
        if ((r >> 20) % 2 == 0) s.c.Box(lx + w - 18, base - h + 10, lx + w - 10, base - h + 20, window);
        if ((r >> 22) % 3 == 0) s.c.Box(lx + w - 16, base - h - 30, lx + w - 9, base - h - 12, roof);  // chimney
    });
}

void BareTrees(Scene& s, int base, int height, uint8_t c, int step) {
    EachCell(s, step, 70, [&](int x, int, uint32_t r) {
        const double cx = x + static_cast<double>(r % static_cast<uint32_t>(step));
        const double h = height * (0.7 + ((r >> 8) % 30) / 100.0);
        s.Line(cx, base, cx + 3, base - h, 7, c);
        for (int b = 0; b < 3; ++b) {
            const double by = base - h * (0.45 + 0.18 * b);
            const double dir = ((r >> (12 + b)) & 1) ? 1 : -1;
            const double len = h * (0.35 - 0.06 * b);
            s.Line(cx + 2, by, cx + 2 + dir * len, by - len * 0.6, 3, c);
            s.Line(cx + 2 + dir * len * 0.6, by - len * 0.36, cx + 2 + dir * len * 0.9, by - len * 0.9, 2, c);
        }
    });
}

void Forest(Scene& s, int base, uint8_t trunk, uint8_t canopy, uint8_t canopyDark, int canopyY, int step) {
    EachCell(s, step, 90, [&](int x, int, uint32_t r) {
        const int cx = x + static_cast<int>(r % static_cast<uint32_t>(step));
        const int w = 14 + static_cast<int>((r >> 8) % 12);
        s.c.Box(cx - w / 2, canopyY, cx + w / 2, base, trunk);
        s.Triangle(cx - w / 2.0 - 10, base, cx + w / 2.0 + 10, base, cx, base - 30, trunk);  // roots
        const int cr = 60 + static_cast<int>((r >> 14) % 30);
        s.Ellipse(cx, canopyY - 10, cr, 48, canopyDark);
        s.Ellipse(cx - cr * 0.4, canopyY - 30, cr * 0.6, 36, canopy);
        s.Ellipse(cx + cr * 0.35, canopyY - 40, cr * 0.55, 30, canopy);
    });
}

void Graves(Scene& s, int base, uint8_t c, uint8_t light, int step) {
    EachCell(s, step, 20, [&](int x, int, uint32_t r) {
        const int gx = x + static_cast<int>(r % static_cast<uint32_t>(std::max(1, step - 20)));
        switch ((r >> 12) % 3) {
            case 0:  // a rounded stone
                s.c.Box(gx, base - 16, gx + 12, base, c);
                s.Ellipse(gx + 6, base - 16, 6, 5, c);
                s.c.Box(gx + 2, base - 14, gx + 4, base - 4, light);
                break;
            case 1:  // a cross
                s.c.Box(gx + 5, base - 24, gx + 9, base, c);
                s.c.Box(gx, base - 19, gx + 14, base - 15, c);
                break;
            default:  // a slab
                s.c.Box(gx, base - 10, gx + 18, base, c);
                s.c.Box(gx + 2, base - 9, gx + 16, base - 8, light);
                break;
        }
    });
}

void Blocks(Scene& s, int y0, int y1, uint8_t c, uint8_t seam, int course, int width) {
    s.c.Box(0, y0, kPanelW, y1, c);
    // Joints on every other course only: the panels are coded by runs along
    // each row, and every joint costs a run on every row it crosses.
    for (int y = y0; y < y1; y += course) {
        s.c.Box(0, y, kPanelW, y + 1, seam);
        const int n = (y - y0) / course;
        if (n % 2) continue;
        const int shift = (n / 2 % 2) * width / 2;
        for (int x = FloorDiv(s.x0 - shift, width) * width + shift - s.x0; x < kPanelW; x += width)
            s.c.Box(x, y, x + 1, std::min(y + course, y1), seam);
    }
}

void Pillars(Scene& s, int y0, int y1, int step, int offset, int width, uint8_t c, uint8_t light, uint8_t dark) {
    EachCell(s, step, width + 10, [&](int x, int, uint32_t) {
        const int px = x + offset;
        s.c.Box(px, y0, px + width, y1, c);
        s.c.Box(px, y0, px + 3, y1, light);
        s.c.Box(px - 5, y0 + 6, px + width + 5, y0 + 14, c);  // capital
        s.c.Box(px - 5, y0 + 14, px + width + 5, y0 + 16, dark);
    });
}

void ArchWindows(Scene& s, int y, int h, int step, int offset, int w, uint8_t glass, uint8_t frame, uint8_t light) {
    EachCell(s, step, w + 8, [&](int x, int k, uint32_t) {
        const int wx = x + offset;
        s.c.Box(wx - 4, y + w / 2, wx + w + 4, y + h + 4, frame);
        s.Ellipse(wx + w / 2.0, y + w / 2.0, w / 2.0 + 4, w / 2.0 + 4, frame);
        s.c.Box(wx, y + w / 2, wx + w, y + h, glass);
        s.Ellipse(wx + w / 2.0, y + w / 2.0, w / 2.0, w / 2.0, glass);
        if (w >= 56) s.c.Box(wx + w / 2 - 1, y, wx + w / 2 + 2, y + h, frame);  // mullion
        s.c.Box(wx, y + h / 2, wx + w, y + h / 2 + 3, frame);
        s.Ellipse(wx + w / 2.0, y + w / 2.0, w / 5.0, w / 5.0, k % 2 ? light : frame);
    });
}

void Arcade(Scene& s, int y, int h, int step, int offset, int w, uint8_t recess, uint8_t rim) {
    EachCell(s, step, w + 8, [&](int x, int, uint32_t) {
        const int ax = x + offset;
        s.Ellipse(ax + w / 2.0, y + w / 2.0, w / 2.0 + 3, w / 2.0 + 3, rim);
        s.c.Box(ax - 3, y + w / 2, ax + w + 3, y + h, rim);
        s.Ellipse(ax + w / 2.0, y + w / 2.0, w / 2.0, w / 2.0, recess);
        s.c.Box(ax, y + w / 2, ax + w, y + h, recess);
    });
}

void Banners(Scene& s, int y, int h, int step, int offset, int w, uint8_t cloth, uint8_t trim, uint8_t emblem) {
    EachCell(s, step, w + 8, [&](int x, int, uint32_t r) {
        const int bx = x + offset;
        s.c.Box(bx - 4, y - 3, bx + w + 4, y, trim);  // the pole
        s.c.Box(bx, y, bx + w, y + h, cloth);
        s.Triangle(bx, y + h, bx + w, y + h, bx + w / 2.0, y + h + w / 2.0, cloth);
        s.c.Box(bx, y + 6, bx + w, y + 9, trim);
        const double ey = y + h * 0.4;
        if (r % 2 == 0) {
            s.Ellipse(bx + w / 2.0, ey, w * 0.22, w * 0.22, emblem);
        } else {
            s.Triangle(bx + w * 0.25, ey - w * 0.2, bx + w * 0.75, ey - w * 0.2, bx + w / 2.0, ey + w * 0.3, emblem);
        }
    });
}

void Torches(Scene& s, int y, int step, int offset, uint8_t bracket, int flameRamp) {
    EachCell(s, step, 12, [&](int x, int, uint32_t) {
        const int tx = x + offset;
        s.c.Box(tx - 2, y, tx + 3, y + 18, bracket);
        s.c.Box(tx - 5, y - 2, tx + 6, y + 1, bracket);
        s.Ellipse(tx + 0.5, y - 8, 5, 8, Shade(flameRamp, 9));
        s.Ellipse(tx + 0.5, y - 6, 2.5, 4, Shade(kYellow, 14));
    });
}

void Candelabra(Scene& s, int x, int top, int base, uint8_t metal, int flameRamp) {
    s.c.Box(x - 2, top + 10, x + 2, base, metal);
    s.Ellipse(x, base - 2, 10, 3, metal);  // a flat foot: nothing pointed at floor height
    for (int arm = -2; arm <= 2; ++arm) {
        const int ax = x + arm * 16;
        if (arm != 0) {
            const int drop = 12 * std::abs(arm);
            s.c.Box(std::min(x, ax), top + 22 + drop, std::max(x, ax) + 1, top + 25 + drop, metal);
            s.c.Box(ax - 1, top + 12, ax + 2, top + 25 + drop, metal);
        }
        s.c.Box(ax - 2, top + 4, ax + 3, top + 12, Grey(24));  // candle
        s.Ellipse(ax + 0.5, top - 1, 2.5, 5, Shade(flameRamp, 11));
    }
}

void Niches(Scene& s, int y, int h, int step, int offset, int w, uint8_t recess, uint8_t rim, int content,
            uint8_t thing, uint8_t thingDark) {
    EachCell(s, step, w + 8, [&](int x, int, uint32_t r) {
        const int nx = x + offset;
        s.Ellipse(nx + w / 2.0, y + w / 2.0, w / 2.0 + 3, w / 2.0 + 3, rim);
        s.c.Box(nx - 3, y + w / 2, nx + w + 3, y + h + 3, rim);
        s.Ellipse(nx + w / 2.0, y + w / 2.0, w / 2.0, w / 2.0, recess);
        s.c.Box(nx, y + w / 2, nx + w, y + h, recess);
        const double cx = nx + w / 2.0, by = y + h;
        switch (content) {
            case 0: {  // a heap of bones crowned with skulls
                s.Ellipse(cx, by, w / 2.0 - 2, 16, thingDark);
                for (int i = 0; i < 3; ++i) {
                    const double sx = cx + (i - 1) * 22, sy = by - 18 - (i == 1 ? 14 : 0);
                    s.Ellipse(sx, sy, 10, 9, thing);
                    s.c.Box(Lround(sx - 6), Lround(sy - 2), Lround(sx - 1), Lround(sy + 2), thingDark);
                    s.c.Box(Lround(sx + 1), Lround(sy - 2), Lround(sx + 6), Lround(sy + 2), thingDark);
                    s.c.Box(Lround(sx - 4), Lround(sy + 6), Lround(sx + 4), Lround(sy + 9), thing);
                }
                break;
            }
            case 1:  // an urn
                s.Ellipse(cx, by - 12, 8, 11, thing);
                s.c.Box(Lround(cx - 4), Lround(by - 28), Lround(cx + 4), Lround(by - 20), thing);
                s.c.Box(Lround(cx - 8), Lround(by - 14), Lround(cx + 8), Lround(by - 12), thingDark);
                break;
            case 2: {  // a robed figure on a plinth
                const double top = y + w * 0.35;
                s.c.Box(Lround(cx - w * 0.3), Lround(by - 14), Lround(cx + w * 0.3), Lround(by), thingDark);
                s.Triangle(cx - w * 0.26, by - 14, cx + w * 0.26, by - 14, cx, top + 12, thing);
                s.c.Box(Lround(cx - w * 0.12), Lround(top + 12), Lround(cx + w * 0.12), Lround(by - 40), thing);
                s.Ellipse(cx, top + 6, w * 0.1, w * 0.12, thing);
                s.Line(cx + w * 0.1, top + 24, cx + w * 0.24, top + 6, 4, thing);  // a raised arm
                break;
            }
            case 3:  // a demon statue: horns and folded wings
                s.c.Box(Lround(cx - 10), Lround(by - 10), Lround(cx + 10), Lround(by), thingDark);
                s.Triangle(cx - 14, by - 10, cx + 14, by - 10, cx, by - 44, thing);
                s.Ellipse(cx, by - 46, 6, 6, thing);
                s.Triangle(cx - 6, by - 50, cx - 3, by - 50, cx - 8, by - 60, thing);
                s.Triangle(cx + 3, by - 50, cx + 6, by - 50, cx + 8, by - 60, thing);
                s.c.Box(Lround(cx - 3), Lround(by - 48), Lround(cx - 1), Lround(by - 46), Shade(kRed, 10));
                break;
            case 4:  // a sealed tomb plaque
                s.c.Box(nx + 4, Lround(by - h * 0.6), nx + w - 4, Lround(by - 4), thing);
                s.c.Box(nx + 8, Lround(by - h * 0.45), nx + w - 8, Lround(by - h * 0.45) + 2, thingDark);
                s.c.Box(nx + 8, Lround(by - h * 0.3), nx + w - 8, Lround(by - h * 0.3) + 2, thingDark);
                break;
            default:  // a sarcophagus standing
                s.c.Box(nx + 5, y + 10, nx + w - 5, Lround(by), thing);
                s.Ellipse(cx, y + 12, (w - 10) / 2.0, 6, thing);
                s.c.Box(Lround(cx - 1), y + 16, Lround(cx + 2), Lround(by - 4), thingDark);
                s.c.Box(nx + 9, y + 26, nx + w - 9, y + 29, thingDark);
                break;
        }
        (void)r;
    });
}

void Gear(Scene& s, int cx, int cy, int r, int teeth, uint8_t c, uint8_t hole, double turn) {
    for (int t = 0; t < teeth; ++t) {
        const double a = turn + t * 2 * std::numbers::pi / teeth;
        s.Line(cx + std::cos(a) * r * 0.8, cy + std::sin(a) * r * 0.8, cx + std::cos(a) * (r + 8),
               cy + std::sin(a) * (r + 8), 9, c);
    }
    s.Ellipse(cx, cy, r, r, c);
    s.Ellipse(cx, cy, r * 0.55, r * 0.55, hole);
    s.Ellipse(cx, cy, r * 0.2, r * 0.2, c);
    for (int t = 0; t < 4; ++t) {
        const double a = turn + t * std::numbers::pi / 2;
        s.Line(cx, cy, cx + std::cos(a) * r * 0.6, cy + std::sin(a) * r * 0.6, 5, c);
    }
}

void Chains(Scene& s, int y0, int y1, int step, int offset, uint8_t c) {
    EachCell(s, step, 6, [&](int x, int, uint32_t r) {
        const int cx = x + offset + static_cast<int>(r % 16);
        const int end = y0 + (y1 - y0) * (60 + static_cast<int>((r >> 8) % 40)) / 100;
        for (int y = y0; y < end; y += 8) {
            if ((y / 8) % 2 == 0)
                s.c.Box(cx - 2, y, cx + 3, y + 7, c);
            else
                s.c.Box(cx, y, cx + 1, y + 8, c);
        }
    });
}

void Webs(Scene& s, int step, int r, uint8_t c) {
    EachCell(s, step, r + 4, [&](int x, int k, uint32_t rnd) {
        // Alternate corners: top corners of the wall, hung between pillars.
        const bool left = k % 2 == 0;
        const double cx = x + (left ? 0 : step), cy = 0;
        (void)rnd;
        for (int i = 0; i <= 4; ++i) {
            const double a = std::numbers::pi / 2 * i / 4;
            const double dx = std::cos(a) * r * (left ? 1 : -1), dy = std::sin(a) * r;
            s.Line(cx, cy, cx + dx, cy + dy, 1, c);
        }
        for (int ring = 1; ring <= 3; ++ring) {
            const double rr = r * ring / 3.0;
            for (int i = 0; i < 4; ++i) {
                const double a0 = std::numbers::pi / 2 * i / 4, a1 = std::numbers::pi / 2 * (i + 1) / 4;
                const double sgn = left ? 1 : -1;
                s.Line(cx + sgn * std::cos(a0) * rr, cy + std::sin(a0) * rr, cx + sgn * std::cos(a1) * rr,
                       cy + std::sin(a1) * rr, 1, c);
            }
        }
    });
}

void Racks(Scene& s, int y, int step, int offset, uint8_t wood, uint8_t steel, uint8_t shield, int kind) {
    EachCell(s, step, 70, [&](int x, int k, uint32_t) {
        const int rx = x + offset;
        switch ((k + kind) % 3) {
            case 0:  // swords upright in a rack
                s.c.Box(rx, y + 70, rx + 64, y + 76, wood);
                for (int i = 0; i < 4; ++i) {
                    const int sx = rx + 8 + i * 16;
                    s.c.Box(sx, y + 6, sx + 3, y + 70, steel);
                    s.c.Box(sx - 4, y + 56, sx + 7, y + 59, wood);
                    s.c.Box(sx, y + 59, sx + 3, y + 70, wood);
                }
                break;
            case 1:  // a round shield with crossed axes
                s.Line(rx + 6, y + 10, rx + 58, y + 74, 3, wood);
                s.Line(rx + 58, y + 10, rx + 6, y + 74, 3, wood);
                s.Triangle(rx + 2, y + 4, rx + 16, y + 2, rx + 6, y + 22, steel);
                s.Triangle(rx + 62, y + 4, rx + 48, y + 2, rx + 58, y + 22, steel);
                s.Ellipse(rx + 32, y + 42, 22, 22, shield);
                s.Ellipse(rx + 32, y + 42, 7, 7, steel);
                break;
            default:  // a kite shield
                s.c.Box(rx + 14, y + 8, rx + 50, y + 44, shield);
                s.Triangle(rx + 14, y + 44, rx + 50, y + 44, rx + 32, y + 74, shield);
                s.c.Box(rx + 30, y + 8, rx + 34, y + 66, steel);
                s.c.Box(rx + 14, y + 26, rx + 50, y + 30, steel);
                break;
        }
    });
}

void Bars(Scene& s, int y, int h, int step, int offset, int w, uint8_t dark, uint8_t bar) {
    EachCell(s, step, w + 6, [&](int x, int, uint32_t) {
        const int bx = x + offset;
        s.c.Box(bx - 4, y - 4, bx + w + 4, y + h + 4, bar);
        s.c.Box(bx, y, bx + w, y + h, dark);
        for (int i = 8; i < w - 2; i += 16) s.c.Box(bx + i, y, bx + i + 3, y + h, bar);
        s.c.Box(bx, y + h / 3, bx + w, y + h / 3 + 3, bar);
    });
}

void Curtains(Scene& s, int y1, int step, uint8_t c, uint8_t fold) {
    EachCell(s, step, step, [&](int x, int, uint32_t) {
        s.c.Box(x, 0, x + step, 18, c);
        for (int i = 0; i < step; i += step / 4) {
            const double cx = x + i + step / 8.0;
            s.Ellipse(cx, 18, step / 8.0, 10, c);
        }
        s.Triangle(x, 0, x + step * 0.3, 0, x, y1, c);
        s.Triangle(x + step, 0, x + step * 0.7, 0, x + step, y1, c);
        s.c.Box(x, 18, x + step, 22, fold);
    });
}

void Eye(Scene& s, int cx, int cy, int r, uint8_t white, uint8_t iris, uint8_t pupil, uint8_t lid) {
    s.Ellipse(cx, cy, r * 1.25, r * 0.75, lid);
    s.Ellipse(cx, cy, r * 1.1, r * 0.6, white);
    s.Ellipse(cx, cy, r * 0.5, r * 0.5, iris);
    s.Ellipse(cx, cy, r * 0.2, r * 0.32, pupil);
    for (int i = -3; i <= 3; ++i) s.Line(cx + i * r * 0.3, cy - r * 0.8, cx + i * r * 0.4, cy - r * 1.1, 2, lid);
}

void RoseWindow(Scene& s, int cx, int cy, int r, uint8_t frame, uint8_t a, uint8_t b, uint8_t glow) {
    s.Ellipse(cx, cy, r + 6, r + 6, frame);
    for (int i = 0; i < 12; ++i) {
        const double a0 = i * std::numbers::pi / 6, a1 = (i + 1) * std::numbers::pi / 6;
        s.Triangle(cx, cy, cx + std::cos(a0) * r, cy + std::sin(a0) * r, cx + std::cos(a1) * r, cy + std::sin(a1) * r,
                   i % 2 ? a : b);
    }
    for (int i = 0; i < 12; ++i) {
        const double t = i * std::numbers::pi / 6;
        s.Line(cx, cy, cx + std::cos(t) * r, cy + std::sin(t) * r, 2, frame);
    }
    Ring(s, cx, cy, r * 0.55, 3, frame);
    s.Ellipse(cx, cy, r * 0.18, r * 0.18, glow);
}

void Arch(Scene& s, double cx, double cy, double r, double thick, uint8_t c) {
    const int steps = std::max(12, static_cast<int>(r));
    for (int i = 0; i < steps; ++i) {
        const double a0 = std::numbers::pi * (1 + static_cast<double>(i) / steps);
        const double a1 = std::numbers::pi * (1 + static_cast<double>(i + 1) / steps);
        s.Line(cx + std::cos(a0) * r, cy + std::sin(a0) * r, cx + std::cos(a1) * r, cy + std::sin(a1) * r, thick, c);
    }
}

void Ring(Scene& s, double cx, double cy, double r, double thick, uint8_t c) {
    const int steps = std::max(24, static_cast<int>(r * 2));
    for (int i = 0; i < steps; ++i) {
        const double a0 = i * 2 * std::numbers::pi / steps, a1 = (i + 1) * 2 * std::numbers::pi / steps;
        s.Line(cx + std::cos(a0) * r, cy + std::sin(a0) * r, cx + std::cos(a1) * r, cy + std::sin(a1) * r, thick, c);
    }
}

void Throne(Scene& s, int cx, int base, int h, uint8_t c, uint8_t trim, uint8_t cushion) {
    const int w = h / 2;
    s.c.Box(cx - w / 2, base - h, cx + w / 2, base - h / 3, c);  // back
    s.Triangle(cx - w / 2.0, base - h, cx + w / 2.0, base - h, cx, base - h - w / 2.0, c);
    s.c.Box(cx - w / 2 - 10, base - h / 2, cx + w / 2 + 10, base, c);  // seat and arms
    s.c.Box(cx - w / 2 + 6, base - h + 10, cx + w / 2 - 6, base - h / 2 - 4, cushion);
    s.c.Box(cx - w / 2 - 10, base - h / 2, cx + w / 2 + 10, base - h / 2 + 4, trim);
    s.c.Box(cx - w / 2, base - h, cx + w / 2, base - h + 4, trim);
    s.Ellipse(cx, base - h - w / 4.0, 6, 6, trim);
}

void Door(Scene& s, int x, int w, int base, int h, uint8_t frame, uint8_t dark, uint8_t glow) {
    const double cx = x + w / 2.0;
    s.c.Box(x - 6, base - h + w / 2, x + w + 6, base, frame);
    s.Ellipse(cx, base - h + w / 2.0, w / 2.0 + 6, w / 2.0 + 6, frame);
    s.c.Box(x, base - h + w / 2, x + w, base, dark);
    s.Ellipse(cx, base - h + w / 2.0, w / 2.0, w / 2.0, dark);
    s.c.Box(x + 6, base - h + w / 2 + 10, x + w - 6, base, glow);
    s.Ellipse(cx, base - h + w / 2.0 + 10, w / 2.0 - 6, w / 2.0 - 6, glow);
}

void Water(Scene& s, int y, int ramp, int shallow) {
    s.c.Box(0, y, kPanelW, y + 2, Shade(ramp, shallow + 4));
    Bands(s, y + 2, kPanelH, ramp, shallow, std::max(0, shallow - 3));
    EachCell(s, 64, 30, [&](int x, int, uint32_t r) {
        const int ry = y + 8 + static_cast<int>(r % static_cast<uint32_t>(std::max(1, kPanelH - y - 10)));
        s.c.Box(x + static_cast<int>((r >> 9) % 32), ry, x + static_cast<int>((r >> 9) % 32) + 18, ry + 1,
                Shade(ramp, shallow + 2));
    });
}

void Lava(Scene& s, int y) {
    s.c.Box(0, y, kPanelW, y + 3, Shade(kYellow, 12));
    Bands(s, y + 3, kPanelH, kOrange, 9, 5);
    EachCell(s, 80, 30, [&](int x, int, uint32_t r) {
        const int ry = y + 10 + static_cast<int>(r % static_cast<uint32_t>(std::max(1, kPanelH - y - 14)));
        s.Ellipse(x + static_cast<int>((r >> 9) % 60), ry, 14, 3, Shade(kYellow, 10));
    });
}

void Mist(Scene& s, int y, uint8_t c, uint8_t light) {
    for (int x = 0; x < kPanelW; ++x) {
        const int wx = WrapX(s, s.x0 + x);
        const int top = y + Lround(10 * std::sin(wx * 2 * std::numbers::pi / 160.0));
        s.c.Box(x, top, x + 1, kPanelH, c);
        const int hi = y + 18 + Lround(6 * std::sin(wx * 2 * std::numbers::pi / 80.0 + 1));
        s.c.Box(x, hi, x + 1, hi + 3, light);
    }
}

void Abyss(Scene& s, int y, uint8_t c) { s.c.Box(0, y, kPanelW, kPanelH, c); }

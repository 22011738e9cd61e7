#pragma once

// The small 8-bit canvas the generator paints every picture on, and the
// colour ramps of the shared palette by name.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <utility>
#include <vector>

#include "gen_bitmaps.h"

enum Ramp {
    kRed,
    kOrange,
    kYellow,
    kLime,
    kGreen,
    kTeal,
    kCyan,
    kSky,
    kBlue,
    kIndigo,
    kViolet,
    kPurple,
    kMagenta,
    kPink
};

// FNV-1a of a name: a fixed seed per set or stage.
inline uint32_t Hash(const char* s) {
    uint32_t v = 2166136261u;
    for (; *s; ++s) v = (v ^ static_cast<uint8_t>(*s)) * 16777619u;
    return v;
}

// Two numbers stirred into one well-spread value.
inline uint32_t Mix(uint32_t a, uint32_t b) {
    uint32_t v = a * 0x9E3779B1u ^ (b + 0x7F4A7C15u + (a << 6) + (a >> 2));
    v ^= v >> 15;
    v *= 0x2C1B3C6Du;
    v ^= v >> 12;
    return v;
}

struct Canvas {
    int w, h;
    std::vector<uint8_t> px;
    Canvas(int width, int height, uint8_t bg) : w(width), h(height), px(static_cast<size_t>(width) * height, bg) {}

    void Put(int x, int y, uint8_t c) {
        if (x >= 0 && y >= 0 && x < w && y < h) px[static_cast<size_t>(y) * w + x] = c;
    }
    uint8_t At(int x, int y) const { return px[static_cast<size_t>(y) * w + x]; }
    void Box(int x0, int y0, int x1, int y1, uint8_t c) {
        x0 = std::max(x0, 0), y0 = std::max(y0, 0), x1 = std::min(x1, w), y1 = std::min(y1, h);
        for (int y = y0; y < y1; ++y)
            if (x1 > x0) std::memset(&px[static_cast<size_t>(y) * w + x0], c, static_cast<size_t>(x1 - x0));
    }
    void Ellipse(double cx, double cy, double rx, double ry, uint8_t c) {
        if (rx < 0.5) rx = 0.5;
        if (ry < 0.5) ry = 0.5;
        const int y0 = static_cast<int>(std::floor(cy - ry)), y1 = static_cast<int>(std::ceil(cy + ry));
        for (int y = y0; y <= y1; ++y) {
            const double dy = (y + 0.5 - cy) / ry;
            if (dy * dy > 1) continue;
            const double half = rx * std::sqrt(1 - dy * dy);
            Box(static_cast<int>(std::lround(cx - half)), y, static_cast<int>(std::lround(cx + half)), y + 1, c);
        }
    }
    void Line(double x0, double y0, double x1, double y1, double thick, uint8_t c) {
        const double len = std::max(std::fabs(x1 - x0), std::fabs(y1 - y0));
        const int steps = std::max(1, static_cast<int>(len));
        const double r = std::max(0.5, thick / 2);
        for (int i = 0; i <= steps; ++i) {
            const double t = static_cast<double>(i) / steps;
            const double x = x0 + (x1 - x0) * t, y = y0 + (y1 - y0) * t;
            Box(static_cast<int>(std::lround(x - r)), static_cast<int>(std::lround(y - r)),
                static_cast<int>(std::lround(x + r)), static_cast<int>(std::lround(y + r)), c);
        }
    }
    void Triangle(double ax, double ay, double bx, double by, double cx, double cy, uint8_t c) {
        const int y0 = static_cast<int>(std::floor(std::min({ay, by, cy})));
        const int y1 = static_cast<int>(std::ceil(std::max({ay, by, cy})));
        const int x0 = static_cast<int>(std::floor(std::min({ax, bx, cx})));
        const int x1 = static_cast<int>(std::ceil(std::max({ax, bx, cx})));
        for (int y = std::max(y0, 0); y <= std::min(y1, h - 1); ++y)
            for (int x = std::max(x0, 0); x <= std::min(x1, w - 1); ++x) {
                const double px_ = x + 0.5, py = y + 0.5;
                const double d1 = (px_ - bx) * (ay - by) - (ax - bx) * (py - by);
                const double d2 = (px_ - cx) * (by - cy) - (bx - cx) * (py - cy);
                const double d3 = (px_ - ax) * (cy - ay) - (cx - ax) * (py - ay);
                const bool neg = d1 < 0 || d2 < 0 || d3<0, pos = d1> 0 || d2 > 0 || d3 > 0;
                if (!(neg && pos)) Put(x, y, c);
            }
    }
    // A filled polygon (x, y pairs, closed), as FillPolygon below.
    void Polygon(std::initializer_list<std::pair<double, double>> pts, uint8_t c);
    // A line of the given width with round ends, as FillCapsule below.
    void Stroke(double x0, double y0, double x1, double y1, double width, uint8_t c);
    // Every pixel whose centre lies inside the closed polygon (even-odd rule).
    void Polygon(const double* xs, const double* ys, int n, uint8_t c) {
        if (n < 3) return;
        const int y0 = std::max(0, static_cast<int>(std::floor(*std::min_element(ys, ys + n))));
        const int y1 = std::min(h - 1, static_cast<int>(std::ceil(*std::max_element(ys, ys + n))));
        std::vector<double> cut;
        for (int y = y0; y <= y1; ++y) {
            const double cy = y + 0.5;
            cut.clear();
            for (int i = 0, j = n - 1; i < n; j = i++)
                if ((ys[i] <= cy) != (ys[j] <= cy))
                    cut.push_back(xs[i] + (cy - ys[i]) * (xs[j] - xs[i]) / (ys[j] - ys[i]));
            std::sort(cut.begin(), cut.end());
            for (size_t k = 0; k + 1 < cut.size(); k += 2)
                Box(static_cast<int>(std::ceil(cut[k] - 0.5)), y, static_cast<int>(std::ceil(cut[k + 1] - 0.5)), y + 1,
                    c);
        }
    }
    // Figure pixels on the figure's own edge (next to the background or the
    // frame's border) become the outline colour; the figure does not grow.
    void InnerOutline(uint8_t bg, uint8_t c) {
        std::vector<uint8_t> out = px;
        auto open = [&](int x, int y) { return x < 0 || y < 0 || x >= w || y >= h || At(x, y) == bg; };
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (At(x, y) != bg && (open(x - 1, y) || open(x + 1, y) || open(x, y - 1) || open(x, y + 1)))
                    out[static_cast<size_t>(y) * w + x] = c;
        px.swap(out);
    }
    // Background pixels touching the figure become the outline colour.
    void Outline(uint8_t bg, uint8_t c) {
        std::vector<uint8_t> out = px;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                if (At(x, y) != bg) continue;
                const bool touch = (x > 0 && At(x - 1, y) != bg) || (x + 1 < w && At(x + 1, y) != bg) ||
                                   (y > 0 && At(x, y - 1) != bg) || (y + 1 < h && At(x, y + 1) != bg);
                if (touch) out[static_cast<size_t>(y) * w + x] = c;
            }
        px.swap(out);
    }
    void MirrorX() {
        for (int y = 0; y < h; ++y)
            std::reverse(px.begin() + static_cast<long>(y) * w, px.begin() + static_cast<long>(y + 1) * w);
    }
};

// A filled polygon (even-odd rule, pixel centres), points as x, y pairs.
inline void FillPolygon(Canvas& c, const double* xy, int points, uint8_t ink) {
    if (points < 3) return;
    double top = xy[1], bottom = xy[1];
    for (int i = 1; i < points; ++i) top = std::min(top, xy[2 * i + 1]), bottom = std::max(bottom, xy[2 * i + 1]);
    const int y0 = std::max(0, static_cast<int>(std::floor(top))), y1 = std::min(c.h - 1, static_cast<int>(bottom));
    double cross[64];
    for (int y = y0; y <= y1; ++y) {
        const double py = y + 0.5;
        int n = 0;
        for (int i = 0, j = points - 1; i < points && n < 64; j = i++) {
            const double ay = xy[2 * i + 1], by = xy[2 * j + 1];
            if ((ay <= py) == (by <= py)) continue;
            cross[n++] = xy[2 * i] + (py - ay) * (xy[2 * j] - xy[2 * i]) / (by - ay);
        }
        std::sort(cross, cross + n);
        for (int k = 0; k + 1 < n; k += 2)
            c.Box(static_cast<int>(std::lround(cross[k])), y, static_cast<int>(std::lround(cross[k + 1])), y + 1, ink);
    }
}

// A limb: the round-ended stroke from (x0, y0) to (x1, y1) whose radius runs
// from r0 to r1, as for a tapering leg, tail or horn.
inline void FillCapsule(Canvas& c, double x0, double y0, double r0, double x1, double y1, double r1, uint8_t ink) {
    const double rmax = std::max(r0, r1);
    const int bx0 = std::max(0, static_cast<int>(std::floor(std::min(x0, x1) - rmax)));
    const int bx1 = std::min(c.w - 1, static_cast<int>(std::ceil(std::max(x0, x1) + rmax)));
    const int by0 = std::max(0, static_cast<int>(std::floor(std::min(y0, y1) - rmax)));
    const int by1 = std::min(c.h - 1, static_cast<int>(std::ceil(std::max(y0, y1) + rmax)));
    const double dx = x1 - x0, dy = y1 - y0, len2 = dx * dx + dy * dy;
    for (int y = by0; y <= by1; ++y)
        for (int x = bx0; x <= bx1; ++x) {
            const double px = x + 0.5 - x0, py = y + 0.5 - y0;
            const double t = len2 > 0 ? std::clamp((px * dx + py * dy) / len2, 0.0, 1.0) : 0.0;
            const double ex = px - t * dx, ey = py - t * dy, r = r0 + (r1 - r0) * t;
            if (ex * ex + ey * ey <= r * r) c.Put(x, y, ink);
        }
}

inline void Canvas::Polygon(std::initializer_list<std::pair<double, double>> pts, uint8_t c) {
    double xy[128];
    int n = 0;
    for (const auto& [x, y] : pts)
        if (n < 64) xy[2 * n] = x, xy[2 * n + 1] = y, ++n;
    FillPolygon(*this, xy, n, c);
}

inline void Canvas::Stroke(double x0, double y0, double x1, double y1, double width, uint8_t c) {
    const double r = std::max(0.5, width / 2);
    FillCapsule(*this, x0, y0, r, x1, y1, r, c);
}

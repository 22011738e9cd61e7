#include "kind_fit.h"

#include <algorithm>
#include <cstdlib>

namespace kind_fit {

using draw_probe::Drawn;
using platform::Rect;

namespace {

Rect Relative(const Rect& r, const Drawn& d) {
    return Rect{r.left - d.left, r.top - d.top, r.right - d.left, r.bottom - d.top};
}

bool Empty(const Rect& r) { return r.left >= r.right || r.top >= r.bottom; }

int64_t Area(const Rect& a, const Rect& b) {
    const int64_t w = std::min(a.right, b.right) - std::max(a.left, b.left);
    const int64_t h = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
    return w > 0 && h > 0 ? w * h : 0;
}

int64_t CentreDistance(const Rect& a, const Rect& b) {
    return std::llabs(int64_t{a.left} + a.right - b.left - b.right) +
           std::llabs(int64_t{a.top} + a.bottom - b.top - b.bottom);
}

// The image pixel under a placed pixel, as the blit samples it (whole pixels,
// or the nearest one of a stretch).
bool Opaque(const Drawn& d, int32_t col, int32_t row) {
    const int32_t dx = col - d.left, dy = row - d.top;
    const int32_t sw = d.src.right - d.src.left, sh = d.src.bottom - d.src.top;
    const int32_t sx =
        d.src.left + (sw == d.width ? dx : static_cast<int32_t>((int64_t{2} * dx + 1) * sw / (2 * d.width)));
    const int32_t sy =
        d.src.top + (sh == d.height ? dy : static_cast<int32_t>((int64_t{2} * dy + 1) * sh / (2 * d.height)));
    if (sx < 0 || sy < 0 || sx >= d.image->Width() || sy >= d.image->Height()) return false;
    return !d.keyed || d.image->Row(sy)[sx] != d.image->ColorKey();
}

}  // namespace

Rect OpaqueWithin(const Drawn& d, const Rect& r) {
    Rect out{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
    if (!d.image) return Rect{};
    const int32_t l = std::max(r.left, d.left), t = std::max(r.top, d.top);
    const int32_t rr = std::min(r.right, d.left + d.width), b = std::min(r.bottom, d.top + d.height);
    for (int32_t y = t; y < b; ++y)
        for (int32_t x = l; x < rr; ++x)
            if (Opaque(d, x, y)) {
                out.left = std::min(out.left, x), out.right = std::max(out.right, x + 1);
                out.top = std::min(out.top, y), out.bottom = std::max(out.bottom, y + 1);
            }
    return Empty(out) ? Rect{} : out;
}

Rect OpaqueBounds(const Drawn& d) { return OpaqueWithin(d, Rect{d.left, d.top, d.left + d.width, d.top + d.height}); }

Mismatch BoxGap(const Drawn& d, const Rect& box, const char* name) {
    const Rect in = OpaqueWithin(d, box);
    Mismatch m{name,
               'A',
               std::max(box.right - box.left, box.bottom - box.top),
               d.frame,
               Relative(box, d),
               Relative(Empty(in) ? OpaqueBounds(d) : in, d)};
    if (Empty(in)) return m;
    const std::pair<char, int32_t> gaps[4] = {
        {'L', in.left - box.left}, {'T', in.top - box.top}, {'R', box.right - in.right}, {'B', box.bottom - in.bottom}};
    m.gap = -1;
    for (const auto& [edge, gap] : gaps)
        if (gap > m.gap) m.edge = edge, m.gap = gap;
    return m;
}

std::vector<Fit> FitUpdate(const std::vector<Drawn>& drawn,
                           const std::vector<std::pair<draw_probe::BoxUse, Rect>>& boxes, int32_t floorTop,
                           int32_t standRow) {
    std::vector<Rect> bounds;
    bounds.reserve(drawn.size());
    for (const Drawn& d : drawn) bounds.push_back(OpaqueBounds(d));
    std::vector<std::vector<size_t>> chosen(drawn.size());
    for (size_t b = 0; b < boxes.size(); ++b) {
        const Rect& box = boxes[b].second;
        if (Empty(box) || drawn.empty()) continue;
        size_t best = 0;
        for (size_t i = 1; i < drawn.size(); ++i) {
            const int64_t a = Area(bounds[i], box), ab = Area(bounds[best], box);
            if (a > ab || (a == ab && CentreDistance(bounds[i], box) < CentreDistance(bounds[best], box))) best = i;
        }
        chosen[best].push_back(b);
    }
    std::vector<Fit> out;
    for (size_t i = 0; i < drawn.size(); ++i) {
        Fit f{drawn[i].kind,
              drawn[i].frame,
              static_cast<int32_t>(chosen[i].size()),
              Mismatch{"none", '-', 0, drawn[i].frame, Rect{}, Relative(bounds[i], drawn[i])},
              {},
              {}};
        if (chosen[i].empty()) {
            out.push_back(f);
            continue;
        }
        f.worst.gap = -1;  // the first check is the worst so far
        auto keep = [&f](const Mismatch& m) {
            f.checks.push_back(m);
            if (m.gap > f.worst.gap) f.worst = m;
        };
        int32_t lowest = INT32_MIN;
        Rect all{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
        for (const size_t b : chosen[i]) {
            const auto& [use, tested] = boxes[b];
            Rect box = tested;
            if (floorTop != 0 && box.top < floorTop) box.bottom = std::min(box.bottom, floorTop);
            keep(BoxGap(drawn[i], box, use == draw_probe::BoxUse::kBody ? "body" : "touch"));
            f.boxesInImage.push_back({use == draw_probe::BoxUse::kBody, Relative(box, drawn[i])});
            lowest = std::max(lowest, box.bottom);
            all = Rect{std::min(all.left, box.left), std::min(all.top, box.top), std::max(all.right, box.right),
                       std::max(all.bottom, box.bottom)};
        }
        const Rect pic = bounds[i];
        if (!Empty(pic)) {
            // Below the lowest box: sunk; above it: floating.
            const Rect rel = Relative(pic, drawn[i]);
            if (floorTop == 0) {
                const int32_t feet = std::max(lowest, standRow);
                keep(Mismatch{"feet", 'B', std::abs(pic.bottom - feet), drawn[i].frame, Relative(all, drawn[i]), rel});
            } else {
                const Rect floor = Relative(Rect{pic.left, floorTop, pic.right, floorTop}, drawn[i]);
                keep(Mismatch{"floor", 'B', std::abs(pic.bottom - floorTop), drawn[i].frame, floor, rel});
            }
        }
        out.push_back(f);
    }
    return out;
}

}  // namespace kind_fit

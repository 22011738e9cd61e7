// The early foes' painter: it paints exactly the sets of its families, every
// frame a shaded figure rather than a flat blob, and no two of its kinds look
// alike in both colour and shape at the same size.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "engine/sprite_sets.h"
#include "tools/gen_art.h"
#include "tools/gen_canvas.h"

namespace {

// The sets the walkers, self-reviving foes, shooters (with their shots),
// traps, fliers, swarms and jumpers draw.
const std::set<std::string> kEarlySets = {
    "Armor",      "Ax",       "Ax_Armor",  "Balloon",    "Bat",       "Bokusi",     "Crow",
    "D_Zombie",   "Dancer",   "Douzou",    "Dyurahan",   "Eipu",      "Ekuto",      "F_Dog",
    "Fish",       "Flying_S", "Frog",      "Fukurou",    "Furiko",    "G_Hand",     "Gargoile",
    "Gouremu",    "Hana",     "Hari_Lift", "Haru",       "Hiru",      "Hone",       "Housi",
    "Hyou",       "Ihuriito", "Ito",       "Jyouhansin", "Jyuhouten", "Konbou",     "Kumo",
    "Leaf",       "M_Bat",    "M_Spider",  "Madhand",    "Merman",    "Moeruhonoo", "Nomi",
    "Ogideran",   "Porutaa",  "Pping",     "Red",        "S_Large",   "San",        "Semusi",
    "Skeleton",   "Spider",   "Sukaru",    "Sukaru2",    "Suraimu",   "Syanderia",  "Taru",
    "Ti",         "Toad",     "Turn",      "Uma",        "Une",       "W_Ghost",    "War",
    "War_Sukaru", "Wasi",     "Wil",       "Yuurei",     "ghost",     "honebasira", "skeletonsoldier",
    "tobu_honoo", "zombie",
};

Canvas Painted(const SpriteSet& set, int frame, bool* painted) {
    const int key = set.KeyOf(frame);
    Canvas c(set.Width(frame), set.Height(frame), static_cast<uint8_t>(key < 0 ? 0 : key));
    *painted = PaintEarlyFoe(set, frame, c);
    return c;
}

// What a frame shows, reduced: its opaque mask on a 16 x 16 grid over its
// opaque bounds, the size of those bounds and its commonest colour ramp.
struct Look {
    std::array<bool, 256> mask{};
    int width = 0, height = 0;
    int ramp = -1;  // 0-13, or 14 for the greys
};

Look LookOf(const Canvas& c, int key) {
    int x0 = c.w, y0 = c.h, x1 = -1, y1 = -1;
    std::map<int, int> ramps;
    for (int y = 0; y < c.h; ++y)
        for (int x = 0; x < c.w; ++x) {
            const uint8_t p = c.At(x, y);
            if (p == key) continue;
            x0 = std::min(x0, x), y0 = std::min(y0, y), x1 = std::max(x1, x), y1 = std::max(y1, y);
            ramps[p >= 31 ? (p - 31) / 16 : 14] += 1;
        }
    Look l;
    if (x1 < 0) return l;
    l.width = x1 - x0 + 1, l.height = y1 - y0 + 1;
    l.ramp = std::max_element(ramps.begin(), ramps.end(), [](const auto& a, const auto& b) {
                 return a.second < b.second;
             })->first;
    // A square over the bounds' middle, as wide as their longer side, so a
    // tall figure and a wide one do not come out the same shape.
    const int side = std::max(l.width, l.height);
    const int sx = x0 + l.width / 2 - side / 2, sy = y0 + l.height / 2 - side / 2;
    for (int gy = 0; gy < 16; ++gy)
        for (int gx = 0; gx < 16; ++gx) {
            const int x = sx + (2 * gx + 1) * side / 32, y = sy + (2 * gy + 1) * side / 32;
            l.mask[gy * 16 + gx] = x >= 0 && y >= 0 && x < c.w && y < c.h && c.At(x, y) != key;
        }
    return l;
}

double Overlap(const Look& a, const Look& b) {
    int both = 0, either = 0;
    for (int i = 0; i < 256; ++i) both += a.mask[i] && b.mask[i], either += a.mask[i] || b.mask[i];
    return either ? static_cast<double>(both) / either : 1;
}

// The painter claims the sets of its families and leaves every other set,
// and the canvas it was given, alone.
TEST(EarlyFoesPictures, PaintsExactlyTheSetsOfItsFamilies) {
    for (const std::string& name : kEarlySets) EXPECT_NE(FindSpriteSet(name.c_str()), nullptr) << name;
    for (const SpriteSet& set : kSpriteSets) {
        if (set.kind == SpriteKind::kLifeBar) continue;
        for (int f = 0; f < set.count; ++f) {
            bool painted = false;
            const Canvas c = Painted(set, f, &painted);
            EXPECT_EQ(painted, kEarlySets.count(set.name) == 1) << set.name << " frame " << f;
            if (!painted) {
                const int key = set.KeyOf(f);
                EXPECT_TRUE(
                    std::all_of(c.px.begin(), c.px.end(), [key](uint8_t p) { return p == (key < 0 ? 0 : key); }))
                    << set.name << " frame " << f << " drawn on although not painted";
            }
        }
    }
}

// A figure, not a blob: opaque pixels, yet not a filled frame, in an outline
// and at least two more shades. The silk thread is drawn opaque by design.
TEST(EarlyFoesPictures, EveryFrameIsAShadedFigure) {
    for (const std::string& name : kEarlySets) {
        const SpriteSet& set = *FindSpriteSet(name.c_str());
        for (int f = 0; f < set.count; ++f) {
            bool painted = false;
            const Canvas c = Painted(set, f, &painted);
            const int key = set.KeyOf(f);
            std::set<uint8_t> colours;
            size_t opaque = 0;
            for (const uint8_t p : c.px)
                if (key < 0 || p != key) colours.insert(p), opaque += 1;
            EXPECT_GE(colours.size(), 3u) << name << " frame " << f;
            if (key < 0) continue;
            EXPECT_GT(opaque, c.px.size() / 20) << name << " frame " << f << " is nearly empty";
            EXPECT_LT(opaque, c.px.size() * 19 / 20) << name << " frame " << f << " fills its frame";
        }
    }
}

// Kinds are told apart: any two sets differ in their commonest colour, in
// shape, or in size by half at least (a spider and its spiderling).
TEST(EarlyFoesPictures, NoTwoKindsLookAlike) {
    std::vector<std::pair<std::string, Look>> looks;
    for (const std::string& name : kEarlySets) {
        const SpriteSet& set = *FindSpriteSet(name.c_str());
        if (set.KeyOf(0) < 0) continue;
        bool painted = false;
        looks.push_back({name, LookOf(Painted(set, 0, &painted), set.KeyOf(0))});
    }
    for (size_t i = 0; i < looks.size(); ++i)
        for (size_t j = i + 1; j < looks.size(); ++j) {
            const Look& a = looks[i].second;
            const Look& b = looks[j].second;
            const double size = static_cast<double>(a.width * a.height) / (b.width * b.height);
            const bool apart = a.ramp != b.ramp || Overlap(a, b) < 0.7 || size > 2 || size < 0.5;
            EXPECT_TRUE(apart) << looks[i].first << " and " << looks[j].first << " look alike: colour ramp " << a.ramp
                               << ", shapes overlapping " << Overlap(a, b) << ", sizes " << a.width << "x" << a.height
                               << " and " << b.width << "x" << b.height;
        }
}

}  // namespace

// Contact sheets for reviewing the pictures: every frame of every set, as the
// generator paints it, grouped by family, written as PNG.
#include "contact_sheets.h"

#include <png.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>

#include "engine/sprite_draw_kinds.h"
#include "engine/sprite_sets.h"
#include "gen_bitmaps.h"

namespace {

using platform::Color;
using platform::Rect;

constexpr int kScale = 2;      // sprite pixels per sheet pixel, each way
constexpr int kPad = 6;        // around every cell
constexpr int kSheetW = 1800;  // cells wrap at this width
constexpr int kLabelH = 14;    // 5-row glyphs at twice their size, and a gap

// A 3 x 5 pixel font: one row of three bits per line, top first.
struct Glyph {
    char c;
    uint8_t rows[5];
};
// clang-format off
constexpr Glyph kFont[] = {
    {'0', {7, 5, 5, 5, 7}}, {'1', {2, 6, 2, 2, 7}}, {'2', {7, 1, 7, 4, 7}}, {'3', {7, 1, 3, 1, 7}},
    {'4', {5, 5, 7, 1, 1}}, {'5', {7, 4, 7, 1, 7}}, {'6', {7, 4, 7, 5, 7}}, {'7', {7, 1, 1, 2, 2}},
    {'8', {7, 5, 7, 5, 7}}, {'9', {7, 5, 7, 1, 7}}, {'A', {2, 5, 7, 5, 5}}, {'B', {6, 5, 6, 5, 6}},
    {'C', {3, 4, 4, 4, 3}}, {'D', {6, 5, 5, 5, 6}}, {'E', {7, 4, 6, 4, 7}}, {'F', {7, 4, 6, 4, 4}},
    {'G', {3, 4, 5, 5, 3}}, {'H', {5, 5, 7, 5, 5}}, {'I', {7, 2, 2, 2, 7}}, {'J', {1, 1, 1, 5, 2}},
    {'K', {5, 5, 6, 5, 5}}, {'L', {4, 4, 4, 4, 7}}, {'M', {5, 7, 7, 5, 5}}, {'N', {6, 5, 5, 5, 5}},
    {'O', {2, 5, 5, 5, 2}}, {'P', {6, 5, 6, 4, 4}}, {'Q', {2, 5, 5, 6, 3}}, {'R', {6, 5, 6, 5, 5}},
    {'S', {3, 4, 2, 1, 6}}, {'T', {7, 2, 2, 2, 2}}, {'U', {5, 5, 5, 5, 7}}, {'V', {5, 5, 5, 5, 2}},
    {'W', {5, 5, 7, 7, 5}}, {'X', {5, 5, 2, 5, 5}}, {'Y', {5, 5, 2, 2, 2}}, {'Z', {7, 1, 2, 4, 7}},
    {'_', {0, 0, 0, 0, 7}}, {'\\', {4, 4, 2, 1, 1}}, {'-', {0, 0, 7, 0, 0}}, {' ', {0, 0, 0, 0, 0}},
};
// clang-format on

const uint8_t* GlyphOf(char c) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    for (const Glyph& g : kFont)
        if (g.c == c) return g.rows;
    return kFont[std::size(kFont) - 1].rows;
}

struct Rgb {
    uint8_t r, g, b;
};

struct Sheet {
    int w, h;
    std::vector<Rgb> px;
    Sheet(int width, int height) : w(width), h(height), px(static_cast<size_t>(width) * height, Rgb{96, 96, 104}) {}
    void Put(int x, int y, Rgb c) {
        if (x >= 0 && y >= 0 && x < w && y < h) px[static_cast<size_t>(y) * w + x] = c;
    }
    void Text(int x, int y, const std::string& s, Rgb c) {
        for (const char ch : s) {
            const uint8_t* rows = GlyphOf(ch);
            for (int r = 0; r < 5; ++r)
                for (int b = 0; b < 3; ++b)
                    if (rows[r] & (4 >> b))
                        for (int d = 0; d < 4; ++d) Put(x + b * 2 + d % 2, y + r * 2 + d / 2, c);
            x += 8;
        }
    }
};

int TextWidth(const std::string& s) { return static_cast<int>(s.size()) * 8; }

// Which family folder draws each set: every enemies/<family>/*.cpp that calls
// a draw names its set's family. Heroes, hero shots, the life bars and the
// orb go in families of their own; a set no source names goes by its kind.
std::map<std::string, std::set<std::string>> FamiliesOfSets() {
    std::map<std::string, std::string> setOfDraw;
#define DRAW_NAME(name, set, ...) setOfDraw["Draw" #name] = set;
#define DRAW_XYF DRAW_NAME
#define DRAW_XY DRAW_NAME
#define DRAW_XF DRAW_NAME
#define DRAW_NONE DRAW_NAME
#include "engine/sprite_draws.def"
#undef DRAW_XYF
#undef DRAW_XY
#undef DRAW_XF
#undef DRAW_NONE
#undef DRAW_NAME
    std::map<std::string, std::set<std::string>> out;
    std::error_code ec;
    const std::filesystem::path root = std::filesystem::path(MORVANE_SOURCE_DIR) / "enemies";
    const std::regex call("\\b(Draw[A-Za-z0-9]+)\\(");
    for (const auto& dir : std::filesystem::directory_iterator(root, ec)) {
        if (!dir.is_directory() || dir.path().filename() == "model") continue;
        for (const auto& file : std::filesystem::directory_iterator(dir.path(), ec)) {
            if (file.path().extension() != ".cpp") continue;
            std::ifstream in(file.path());
            const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            for (std::sregex_iterator m(text.begin(), text.end(), call), end; m != end; ++m)
                if (const auto s = setOfDraw.find((*m)[1].str()); s != setOfDraw.end())
                    out[s->second].insert(dir.path().filename().string());
        }
    }
    return out;
}

std::string KindFamily(const SpriteSet& set) {
    switch (set.kind) {
        case SpriteKind::kHero: return "heroes";
        case SpriteKind::kHeroShot: return "hero_shots";
        case SpriteKind::kLifeBar:
        case SpriteKind::kItem: return "life_bars_and_orb";
        case SpriteKind::kBoss: return "bosses";
        default: return "other";
    }
}

struct Cell {
    const SpriteSet* set;
    int frame;
    Rect extent;  // image pixels: the frame and every box outlined on it
    int w, h;     // on the sheet, label included
};

bool WritePng(const std::string& path, const Sheet& s) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) {
        std::fprintf(stderr, "gen_data: cannot write %s\n", path.c_str());
        return false;
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    bool ok = png && info;
    if (ok && setjmp(png_jmpbuf(png)) == 0) {
        png_init_io(png, f);
        png_set_IHDR(png, info, static_cast<png_uint_32>(s.w), static_cast<png_uint_32>(s.h), 8, PNG_COLOR_TYPE_RGB,
                     PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        png_write_info(png, info);
        for (int y = 0; y < s.h; ++y)
            png_write_row(png, reinterpret_cast<png_const_bytep>(&s.px[static_cast<size_t>(y) * s.w]));
        png_write_end(png, nullptr);
    } else {
        ok = false;
    }
    png_destroy_write_struct(png ? &png : nullptr, info ? &info : nullptr);
    if (std::fclose(f) != 0 || !ok) {
        std::fprintf(stderr, "gen_data: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}

// Lays the cells out left to right, wrapping, and paints them: checkerboard
// where the key leaves the frame transparent, the frame's colours elsewhere,
// and the boxes' outlines (body white, touch red) when given.
Sheet Paint(const std::vector<Cell>& cells, const Color (&palette)[256], const std::vector<const SheetBox*>* boxes) {
    std::vector<std::pair<int, int>> at;
    int x = kPad, y = kPad, rowH = 0, width = 0;
    for (const Cell& c : cells) {
        if (x + c.w + kPad > kSheetW && x > kPad) x = kPad, y += rowH + kPad, rowH = 0;
        at.push_back({x, y});
        x += c.w + kPad;
        rowH = std::max(rowH, c.h);
        width = std::max(width, x);
    }
    Sheet s(std::max(width, 64), y + rowH + kPad);
    for (size_t i = 0; i < cells.size(); ++i) {
        const Cell& c = cells[i];
        const auto [cx, cy] = at[i];
        s.Text(cx, cy, std::string(c.set->name) + " " + std::to_string(c.frame), Rgb{255, 255, 255});
        const int ox = cx - c.extent.left * kScale, oy = cy + kLabelH - c.extent.top * kScale;
        // The frame's own area, the checkerboard under its transparent pixels.
        const std::vector<uint8_t> px = FramePicture(*c.set, c.frame);
        const int fw = c.set->Width(c.frame), fh = c.set->Height(c.frame), key = c.set->KeyOf(c.frame);
        if (px.size() != static_cast<size_t>(fw) * fh) continue;  // a set no painter draws yet
        for (int py = 0; py < fh; ++py)
            for (int pxl = 0; pxl < fw; ++pxl) {
                const uint8_t v = px[static_cast<size_t>(py) * fw + pxl];
                const bool clear = key >= 0 && v == key;
                for (int d = 0; d < kScale * kScale; ++d) {
                    const int sx = ox + pxl * kScale + d % kScale, sy = oy + py * kScale + d / kScale;
                    const bool dark = ((sx - ox) / 8 + (sy - oy) / 8) % 2 == 0;
                    const Color& p = palette[v];
                    s.Put(sx, sy, clear ? (dark ? Rgb{150, 150, 150} : Rgb{190, 190, 190}) : Rgb{p.r, p.g, p.b});
                }
            }
        if (!boxes) continue;
        for (const SheetBox* b : *boxes) {
            if (b->set != c.set->name || b->frame != c.frame) continue;
            const Rgb col = b->body ? Rgb{255, 255, 255} : Rgb{255, 40, 40};
            const int l = ox + b->box.left * kScale, r = ox + b->box.right * kScale - 1;
            const int t = oy + b->box.top * kScale, btm = oy + b->box.bottom * kScale - 1;
            for (int xx = l; xx <= r; ++xx) s.Put(xx, t, col), s.Put(xx, btm, col);
            for (int yy = t; yy <= btm; ++yy) s.Put(l, yy, col), s.Put(r, yy, col);
        }
    }
    return s;
}

}  // namespace

bool WriteContactSheets(const std::string& dir, const std::vector<SheetBox>* boxes) {
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    Color palette[256];
    BuildPalette(palette);
    const auto families = FamiliesOfSets();
    std::map<std::string, std::vector<Cell>> byFamily;
    std::map<std::string, std::vector<const SheetBox*>> boxesOf;
    std::set<std::string> seen;  // the life bars' pristine copies are the same pictures
    for (const SpriteSet& set : kSpriteSets) {
        if (!seen.insert(set.name).second) continue;
        std::set<std::string> homes;
        if (const auto f = families.find(set.name);
            f != families.end() && set.kind != SpriteKind::kItem && set.kind != SpriteKind::kLifeBar)
            homes = f->second;
        if (homes.empty()) homes.insert(KindFamily(set));
        for (int frame = 0; frame < set.count; ++frame) {
            Rect e{0, 0, set.Width(frame), set.Height(frame)};
            if (boxes)
                for (const SheetBox& b : *boxes)
                    if (b.set == set.name && b.frame == frame)
                        e = Rect{std::min(e.left, b.box.left), std::min(e.top, b.box.top),
                                 std::max(e.right, b.box.right), std::max(e.bottom, b.box.bottom)};
            const std::string label = std::string(set.name) + " " + std::to_string(frame);
            const Cell cell{&set, frame, e, std::max((e.right - e.left) * kScale, TextWidth(label)),
                            kLabelH + (e.bottom - e.top) * kScale};
            for (const std::string& home : homes) byFamily[home].push_back(cell);
        }
    }
    if (boxes)
        for (const SheetBox& b : *boxes) boxesOf[b.set].push_back(&b);
    for (const auto& [family, cells] : byFamily) {
        const std::string base = (std::filesystem::path(dir) / family).string();
        if (!WritePng(base + ".png", Paint(cells, palette, nullptr))) return false;
        if (!boxes) continue;
        std::vector<const SheetBox*> mine;
        for (const Cell& c : cells)
            if (c.frame == 0)
                for (const SheetBox* b : boxesOf[c.set->name]) mine.push_back(b);
        if (!WritePng(base + "-boxes.png", Paint(cells, palette, &mine))) return false;
    }
    return true;
}

// Writes every picture the game reads: the sprite frames of every set at the
// sizes of the slot map, the life bars, and the stage background panels, all
// 8-bit in one shared palette. Pure functions of the tables: the same bytes
// on every run.
#include "gen_bitmaps.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <numbers>

#include "engine/sprite_sets.h"
#include "engine/stage_panels.h"
#include "gen_art.h"
#include "gen_canvas.h"
#include "gen_data.h"
#include "gen_heroes.h"

namespace {

using platform::Color;

// --- palette -----------------------------------------------------------------

Color Hsl(double hueDeg, double sat, double light) {
    const double c = (1 - std::fabs(2 * light - 1)) * sat;
    const double hp = hueDeg / 60.0;
    const double x = c * (1 - std::fabs(std::fmod(hp, 2.0) - 1));
    // The six sextants of the hue circle, each an order of (c, x, 0).
    const double sextant[6][3] = {{c, x, 0}, {x, c, 0}, {0, c, x}, {0, x, c}, {x, 0, c}, {c, 0, x}};
    const double* rgb = sextant[std::clamp(static_cast<int>(std::floor(hp)), 0, 5)];
    const double r = rgb[0], g = rgb[1], b = rgb[2];
    const double m = light - c / 2;
    auto v = [m](double t) { return static_cast<uint8_t>(std::lround(std::clamp((t + m) * 255.0, 0.0, 255.0))); };
    return Color{v(r), v(g), v(b), 0};
}

constexpr double kRampHue[kRampCount] = {0, 28, 52, 85, 125, 165, 186, 204, 224, 246, 268, 290, 315, 342};

// Every set has a painter of its own; empty when none claims it.
std::vector<uint8_t> SpritePicture(const SpriteSet& set, int frame) {
    if (set.kind == SpriteKind::kHero) return HeroPicture(set, frame);
    // The caster's lightning is a hero shot kept among the foes' sets.
    if (set.kind == SpriteKind::kHeroShot || std::strcmp(set.name, "Lightning") == 0)
        if (std::vector<uint8_t> shot = HeroShotPicture(set, frame); !shot.empty()) return shot;
    Canvas c(set.Width(frame), set.Height(frame), set.KeyOf(frame) == 255 ? 255 : 0);
    if (PaintEarlyFoe(set, frame, c) || PaintLateFoe(set, frame, c) || PaintBossOrFinale(set, frame, c)) return c.px;
    return {};
}

// --- life bars ---------------------------------------------------------------------

std::vector<uint8_t> BarPicture(uint8_t full, uint8_t shine) {
    Canvas c(126, 12, 0);
    for (int n = 1; n <= 16; ++n) {
        c.Box(8 * n - 8, 0, 8 * n - 2, 12, full);
        c.Box(8 * n - 7, 1, 8 * n - 3, 4, shine);
    }
    return c.px;
}

std::vector<uint8_t> EmptyCellPicture() {
    Canvas c(6, 12, Grey(4));
    c.Box(1, 1, 5, 11, Grey(1));
    return c.px;
}

// --- files -------------------------------------------------------------------------

bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) {
        std::fprintf(stderr, "gen_data: cannot write %s\n", path.c_str());
        return false;
    }
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    if (std::fclose(f) != 0 || !ok) {
        std::fprintf(stderr, "gen_data: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}

std::map<std::string, std::string>& FolderSpelling() {
    static std::map<std::string, std::string> spelling = [] {
        // Count how each folder is spelt across the game's paths; the commonest wins.
        std::map<std::string, std::map<std::string, int>> counts;
        char path[128];
        for (const SpriteSet& set : kSpriteSets)
            for (int f = 0; f < set.count; ++f) {
                FormatFramePath(set, f, path, sizeof path);
                std::string p(path);
                for (size_t cut = p.find('\\'); cut != std::string::npos; cut = p.find('\\', cut + 1)) {
                    std::string folder = p.substr(0, cut);
                    std::string lower = folder;
                    std::transform(lower.begin(), lower.end(), lower.begin(), ::tolower);
                    counts[lower][folder] += 1;
                }
            }
        std::map<std::string, std::string> out;
        for (const auto& [lower, spellings] : counts) {
            int best = -1;
            for (const auto& [folder, n] : spellings)
                if (n > best) best = n, out[lower] = folder;
        }
        return out;
    }();
    return spelling;
}

}  // namespace

void BuildPalette(Color (&entries)[256]) {
    entries[0] = Color{0, 0, 0, 0};
    entries[255] = Color{255, 255, 255, 0};
    for (int i = 0; i < 30; ++i) {
        const uint8_t v = static_cast<uint8_t>(8 + i * 8);
        entries[Grey(i)] = Color{v, v, v, 0};
    }
    for (int r = 0; r < kRampCount; ++r)
        for (int s = 0; s < 16; ++s) entries[Shade(r, s)] = Hsl(kRampHue[r], 0.72, 0.1 + s * 0.053);
}

std::vector<uint8_t> EncodeBmp(int width, int height, const uint8_t* pixels, const Color (&palette)[256], bool rle) {
    const uint32_t stride = (static_cast<uint32_t>(width) + 3) & ~3u;
    const uint32_t offset = 14 + 40 + 256 * 4;
    std::vector<uint8_t> image;
    if (rle) {
        // Runs only: the panels are large flat areas. Rows bottom-up, each
        // closed by an end-of-line mark, the last by the end-of-picture mark.
        for (int y = height - 1; y >= 0; --y) {
            const uint8_t* row = pixels + static_cast<size_t>(y) * width;
            for (int x = 0; x < width;) {
                int n = 1;
                while (x + n < width && n < 255 && row[x + n] == row[x]) ++n;
                image.push_back(static_cast<uint8_t>(n));
                image.push_back(row[x]);
                x += n;
            }
            image.push_back(0);
            image.push_back(y == 0 ? 1 : 0);
        }
    } else {
        image.assign(static_cast<size_t>(stride) * height, 0);
        for (int y = 0; y < height; ++y)
            std::memcpy(&image[static_cast<size_t>(height - 1 - y) * stride], pixels + static_cast<size_t>(y) * width,
                        static_cast<size_t>(width));
    }
    std::vector<uint8_t> b(offset, 0);
    auto put16 = [&b](size_t at, uint32_t v) { b[at] = v & 0xFF, b[at + 1] = (v >> 8) & 0xFF; };
    auto put32 = [&](size_t at, uint32_t v) { put16(at, v & 0xFFFF), put16(at + 2, v >> 16); };
    b[0] = 'B', b[1] = 'M';
    put32(2, static_cast<uint32_t>(offset + image.size()));
    put32(10, offset);
    put32(14, 40);
    put32(18, static_cast<uint32_t>(width));
    put32(22, static_cast<uint32_t>(height));
    put16(26, 1);
    put16(28, 8);
    put32(30, rle ? 1 : 0);
    put32(34, static_cast<uint32_t>(image.size()));
    put32(38, 2835);
    put32(42, 2835);
    put32(46, 256);
    for (int i = 0; i < 256; ++i) {
        b[54 + i * 4] = palette[i].b;
        b[54 + i * 4 + 1] = palette[i].g;
        b[54 + i * 4 + 2] = palette[i].r;
    }
    b.insert(b.end(), image.begin(), image.end());
    return b;
}

std::string DiskPathFor(const std::string& root, const char* gamePath) {
    std::string p(gamePath);
    std::string out;
    const auto& spelling = FolderSpelling();
    const size_t lastCut = p.rfind('\\');
    if (lastCut != std::string::npos) {
        std::string lower = p.substr(0, lastCut);
        std::transform(lower.begin(), lower.end(), lower.begin(), ::tolower);
        const auto it = spelling.find(lower);
        out = (it != spelling.end() ? it->second : p.substr(0, lastCut)) + p.substr(lastCut);
    } else {
        out = p;
    }
    std::replace(out.begin(), out.end(), '\\', '/');
    return root + "/" + out;
}

std::vector<uint8_t> FramePicture(const SpriteSet& set, int frame) {
    if (set.kind != SpriteKind::kLifeBar) return SpritePicture(set, frame);
    if (std::strcmp(set.name, "Hp\\Life") == 0) return BarPicture(Shade(kRed, 8), Shade(kRed, 12));
    if (std::strcmp(set.name, "Hp\\boss") == 0) return BarPicture(Shade(kPurple, 8), Shade(kPurple, 12));
    return EmptyCellPicture();
}

bool GenerateBitmaps(const std::string& root) {
    Color palette[256];
    BuildPalette(palette);
    char path[128];
    // Sprite sets; the life bars' two copies share one file.
    for (const SpriteSet& set : kSpriteSets) {
        if (set.kind == SpriteKind::kLifeBar) continue;
        for (int f = 0; f < set.count; ++f) {
            FormatFramePath(set, f, path, sizeof path);
            const std::vector<uint8_t> px = SpritePicture(set, f);
            if (px.empty()) {
                std::fprintf(stderr, "gen_data: no painter draws %s\n", set.name);
                return false;
            }
            if (!WriteFile(DiskPathFor(root, path), EncodeBmp(set.Width(f), set.Height(f), px.data(), palette)))
                return false;
        }
    }
    const std::vector<uint8_t> life = FramePicture(*FindSpriteSet("Hp\\Life"), 0);
    const std::vector<uint8_t> boss = FramePicture(*FindSpriteSet("Hp\\boss"), 0);
    const std::vector<uint8_t> empty = FramePicture(*FindSpriteSet("Hp\\Damage"), 0);
    if (!WriteFile(DiskPathFor(root, "bmp\\Hp\\Life.bmp"), EncodeBmp(126, 12, life.data(), palette)) ||
        !WriteFile(DiskPathFor(root, "bmp\\Hp\\boss.bmp"), EncodeBmp(126, 12, boss.data(), palette)) ||
        !WriteFile(DiskPathFor(root, "bmp\\Hp\\Damage.bmp"), EncodeBmp(6, 12, empty.data(), palette)))
        return false;
    // Stage panels, run-length coded (they are mostly flat colour);
    // "bmp\stage1\0.bmp" also carries the palette the game reads.
    for (int stage = 1; stage <= 50; ++stage)
        for (int file = 0; file < StagePanelFileCount(stage); ++file) {
            std::snprintf(path, sizeof path, "bmp\\stage%d\\%d.bmp", stage, file);
            const std::vector<uint8_t> px = PanelPicture(stage, file);
            if (!WriteFile(DiskPathFor(root, path), EncodeBmp(640, 480, px.data(), palette, true))) return false;
        }
    return true;
}

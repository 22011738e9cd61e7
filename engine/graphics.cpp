#include "graphics.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "engine/draw_probe.h"
#include "engine/game_state.h"
#include "engine/stage_panels.h"
#include "engine/texts.h"
#include "platform/data_file.h"

CGraphics g_graphics;

namespace {

using platform::Rect;

constexpr char kPaletteFile[] = "bmp\\stage1\\0.bmp";

// Life-bar cells: cell n covers bar columns 8n - 8 to 8n - 3.
constexpr Rect kLifeBarRect{10, 460, 136, 472};
constexpr Rect kBossBarRect{10, 445, 136, 457};
Rect CellRect(int32_t cell) { return Rect{8 * cell - 8, 0, 8 * cell - 2, 12}; }

// Defined colours for when the palette file cannot be read: a grey ramp from
// black at 0 to white at 255.
void DefaultPalette(platform::Color (&entries)[256]) {
    for (int i = 0; i < 256; ++i) {
        const uint8_t v = static_cast<uint8_t>(i);
        entries[i] = platform::Color{v, v, v, 1};
    }
}

uint8_t NearestToWhite(const platform::Color (&entries)[256]) {
    int best = 255, bestDist = 1 << 30;
    for (int i = 255; i >= 0; --i) {
        const int dr = 255 - entries[i].r, dg = 255 - entries[i].g, db = 255 - entries[i].b;
        const int d = dr * dr + dg * dg + db * db;
        if (d < bestDist) {
            bestDist = d;
            best = i;
        }
    }
    return static_cast<uint8_t>(best);
}

}  // namespace

CGraphics::CGraphics() {
    for (int i = 0; i < 50; ++i) {
        title[i] = texts::kStageTitle[i];
        label[i] = texts::kStageLabel[i];
    }
    DefaultPalette(palette_);
}

CGraphics::~CGraphics() {
    for (SurfacePtr& s : slot) s.reset();
    backBuffer_.reset();
}

int32_t CGraphics::Init() {
    platform::Backend* b = platform::Current();
    if (!b || !b->OpenDisplay()) return 0;
    backBuffer_ = std::make_unique<platform::Surface>(platform::kScreenW, platform::kScreenH);

    platform::Color table[256];
    DefaultPalette(table);
    LoadPaletteFromBmp(kPaletteFile, table);
    std::memcpy(palette_, table, sizeof palette_);
    white_ = NearestToWhite(palette_);
    b->SetPalette(palette_);
    platform::SetTextFont(texts::kJapanese ? platform::TextFont::kJapanese : platform::TextFont::kLatin);

    char path[128];
    for (const SpriteSet& set : kSpriteSets) {
        for (int f = 0; f < set.count; ++f) {
            SurfacePtr* where = &slot[set.first + f];
            CreateSurface(where, set.Width(f), set.Height(f));
            FormatFramePath(set, f, path, sizeof path);
            LoadBmpToSurface(where->get(), path, 0, 0, set.Width(f), set.Height(f));
            // Tobrin's frames are keyed once all of them are in; the rest frame by frame.
            if (set.first != 0) {
                if (set.KeyOf(f) == 0) SetColorKey0(where);
                if (set.KeyOf(f) == 255) SetColorKey255(where);
            }
        }
        if (set.first == 0)
            for (int f = 0; f < set.count; ++f) SetColorKey0(&slot[f]);
    }
    return 1;
}

int32_t CGraphics::CreateSurface(SurfacePtr* where, int32_t width, int32_t height) {
    if (!where) return 0;
    if (width <= 0 || height <= 0 || width > platform::kMaxBitmapSide || height > platform::kMaxBitmapSide) {
        where->reset();
        return 0;
    }
    *where = std::make_unique<platform::Surface>(width, height);
    return 1;
}

bool CGraphics::ReadPicture(const char* path) {
    return platform::ReadDataFile(platform::ResolveDataPath(path).c_str(), platform::kMaxBitmapBytes, fileBytes_) &&
           platform::DecodeBmp(fileBytes_.data(), fileBytes_.size(), picture_);
}

void CGraphics::LoadBmpToSurface(platform::Surface* surface, const char* path, int32_t x, int32_t y, int32_t width,
                                 int32_t height) {
    if (!surface || !path || !ReadPicture(path)) return;
    const platform::Bitmap& bmp = picture_;
    const Rect dest{x, y, x + width, y + height};
    if (bmp.width == width && bmp.height == height && x >= 0 && y >= 0 && x + width <= surface->Width() &&
        y + height <= surface->Height()) {
        for (int r = 0; r < height; ++r)
            std::memcpy(surface->Row(y + r) + x, &bmp.pixels[static_cast<size_t>(r) * width],
                        static_cast<size_t>(width));
        return;
    }
    // Another size: scale it to the requested one.
    platform::Surface picture(bmp.width, bmp.height);
    std::memcpy(picture.Pixels(), bmp.pixels.data(), bmp.pixels.size());
    platform::Blit(*surface, &dest, picture, nullptr, false);
}

int32_t CGraphics::LoadPaletteFromBmp(const char* path, platform::Color (&entries)[256]) {
    std::vector<uint8_t> data;
    if (!path || !platform::ReadDataFile(platform::ResolveDataPath(path).c_str(), platform::kMaxBitmapBytes, data))
        return 0;
    const size_t got = data.size();
    // A short file leaves the entries it does not reach as they were.
    for (size_t i = 0; i < 256 && 54 + (i + 1) * 4 <= got; ++i) {
        const uint8_t* e = data.data() + 54 + i * 4;
        entries[i] = platform::Color{e[2], e[1], e[0], 1};
    }
    return 1;
}

void CGraphics::SetColorKey0(SurfacePtr* where) {
    if (where && *where) (*where)->SetColorKey(0);
}

void CGraphics::SetColorKey255(SurfacePtr* where) {
    if (where && *where) (*where)->SetColorKey(255);
}

void CGraphics::ClearBackBuffer() {
    if (backBuffer_) platform::Fill(*backBuffer_, nullptr, 0);
}

void CGraphics::Flip() {
    platform::Backend* b = platform::Current();
    if (b && backBuffer_) b->Present(*backBuffer_);
}

void CGraphics::BeginText() { inText_ = backBuffer_ != nullptr; }

void CGraphics::DrawText(int32_t x, int32_t y, const char* text) {
    platform::Backend* b = platform::Current();
    if (inText_ && b && text) b->DrawText(*backBuffer_, x, y, text, white_);
}

void CGraphics::EndText() { inText_ = false; }

void CGraphics::CopyWhole(platform::Surface* dst, const platform::Surface* src) {
    if (dst && src) platform::Blit(*dst, nullptr, *src, nullptr, false);
}

// --- Stage backgrounds and the scene -------------------------------------------

void CGraphics::LoadStageBackgrounds() {
    // A screen surface kept from the stage before, blank as a new one would be.
    const auto takeScreen = [this](SurfacePtr* where) {
        for (SurfacePtr& spare : spareScreens_) {
            if (!spare) continue;
            *where = std::move(spare);
            platform::Fill(**where, nullptr, 0);
            return;
        }
        CreateSurface(where, platform::kScreenW, platform::kScreenH);
    };
    const bool freshScene = !slot[kSceneSlot];
    if (freshScene) takeScreen(&slot[kSceneSlot]);
    const int32_t stage = g_stageNumber;
    const int32_t count = StagePanelCount(stage);
    if (count == 0) return;
    // Panels that share a file are read once: the later ones are copies.
    const auto loadedAs = [stage](int32_t file, int32_t before) {
        for (int32_t j = 0; j < before; ++j)
            if (StagePanelFile(stage, j) == file) return j;
        return -1;
    };
    char path[64];
    for (int32_t i = 0; i < count; ++i) {
        SurfacePtr* panel = &slot[kFirstPanelSlot + i];
        takeScreen(panel);
        const int32_t file = StagePanelFile(stage, i);
        if (const int32_t same = loadedAs(file, i); same >= 0) {
            CopyWhole(panel->get(), slot[kFirstPanelSlot + same].get());
            continue;
        }
        std::snprintf(path, sizeof path, "bmp\\stage%d\\%d.bmp", stage, file);
        LoadBmpToSurface(panel->get(), path, 0, 0, platform::kScreenW, platform::kScreenH);
    }
    const int32_t opening = StageOpeningPanel(stage);
    // A blank scene is a copy of its panel, even when the file could not be read.
    if (const int32_t same = loadedAs(opening, count); freshScene && same >= 0) {
        CopyWhole(slot[kSceneSlot].get(), slot[kFirstPanelSlot + same].get());
        return;
    }
    std::snprintf(path, sizeof path, "bmp\\stage%d\\%d.bmp", stage, opening);
    LoadBmpToSurface(slot[kSceneSlot].get(), path, 0, 0, platform::kScreenW, platform::kScreenH);
}

void CGraphics::ReleaseStageBackgrounds() {
    // The slots empty as the panels go; their memory waits for the next stage.
    const auto keep = [this](SurfacePtr& s) {
        if (!s || s->Width() != platform::kScreenW || s->Height() != platform::kScreenH) {
            s.reset();
            return;
        }
        for (SurfacePtr& spare : spareScreens_) {
            if (spare) continue;
            spare = std::move(s);
            return;
        }
        s.reset();
    };
    for (int i = kFirstPanelSlot; i < kFirstPanelSlot + kPanelSlotCount; ++i) keep(slot[i]);
    keep(slot[kSceneSlot]);
}

void CGraphics::RestoreScene() {
    const platform::Surface* opening = slot[kFirstPanelSlot + StageOpeningPanel(g_stageNumber)].get();
    CopyWhole(backBuffer_.get(), opening);
    CopyWhole(slot[kSceneSlot].get(), opening);
}

void CGraphics::DrawBackground(int32_t heroX) {
    const int32_t length = g_stageEndX;
    if (heroX < 320 || heroX > length - 280) return;
    platform::Surface* scene = slot[kSceneSlot].get();
    const int32_t view = heroX - 320;
    const int32_t k = view / 640, o = view % 640;
    // A stage length that outruns its panels would name a slot past them.
    if (!scene || k >= kPanelSlotCount) return;
    const platform::Surface* left = slot[kFirstPanelSlot + k].get();
    if (o == 0) {
        CopyWhole(scene, left);
        return;
    }
    if (left) {
        const Rect src{o, 0, 640, 480}, dst{0, 0, 640 - o, 480};
        platform::Blit(*scene, &dst, *left, &src, false);
    }
    const platform::Surface* right = k + 1 < kPanelSlotCount ? slot[kFirstPanelSlot + k + 1].get() : nullptr;
    if (right) {
        const Rect src{0, 0, o, 480}, dst{640 - o, 0, 640, 480};
        platform::Blit(*scene, &dst, *right, &src, false);
    }
}

void CGraphics::DrawSceneAndSprite(int32_t slotIndex, Rect* dest, Rect* src) {
    CopyWhole(backBuffer_.get(), slot[kSceneSlot].get());
    if (!dest || !src) return;
    if (dest->top > 480 || dest->bottom < 0) return;
    // The whip hero's frames are the first set's slots.
    const SpriteSet& hero = kSpriteSets[0];
    if (draw_probe::g_watch.drawn && slotIndex >= 0 && slotIndex < hero.count && Slot(slotIndex))
        draw_probe::g_watch.drawn({-1, slotIndex, Slot(slotIndex), *src, dest->left, dest->top,
                                   dest->right - dest->left, dest->bottom - dest->top, true, hero.name});
    if (dest->left < 0) {
        src->left += -dest->left;
        dest->left = 0;
    } else if (dest->right > 640) {
        src->right -= dest->right - 640;
        dest->right = 640;
    }
    if (dest->top < 0) {
        src->top += -dest->top;
        dest->top = 0;
    } else if (dest->bottom > 480) {
        src->bottom -= dest->bottom - 480;
        dest->bottom = 480;
    }
    const platform::Surface* sprite = Slot(slotIndex);
    if (sprite && backBuffer_) platform::Blit(*backBuffer_, dest, *sprite, src, true);
}

// --- Life bars -------------------------------------------------------------------

void CGraphics::DrawLifeBar() {
    const platform::Surface* bar = slot[kLifeBarSlot].get();
    if (bar && backBuffer_) platform::Blit(*backBuffer_, &kLifeBarRect, *bar, nullptr, true);
}

void CGraphics::ClearLifeCells(int32_t hp, int32_t lost) {
    platform::Surface* bar = slot[kLifeBarSlot].get();
    const platform::Surface* empty = slot[kEmptyCellSlot].get();
    if (!bar || !empty) return;
    for (int32_t i = 0; i < lost; ++i) {
        const Rect cell = CellRect(hp - i);
        platform::Blit(*bar, &cell, *empty, nullptr, false);
    }
}

void CGraphics::ResetLifeBar() { CopyWhole(slot[kLifeBarSlot].get(), slot[kLifeBarPristineSlot].get()); }

void CGraphics::DrawBossLifeBar() {
    const platform::Surface* bar = slot[kBossBarSlot].get();
    if (bar && backBuffer_) platform::Blit(*backBuffer_, &kBossBarRect, *bar, nullptr, true);
}

void CGraphics::ClearBossLifeCell(int32_t cell) {
    platform::Surface* bar = slot[kBossBarSlot].get();
    const platform::Surface* empty = slot[kEmptyCellSlot].get();
    if (!bar || !empty) return;
    const Rect r = CellRect(cell);
    platform::Blit(*bar, &r, *empty, nullptr, false);
}

void CGraphics::ResetBossLifeBar() { CopyWhole(slot[kBossBarSlot].get(), slot[kBossBarPristineSlot].get()); }

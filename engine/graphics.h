#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "engine/sprite_sets.h"
#include "platform/platform.h"

// The one graphics object: the display, the shared palette, every picture
// surface (sprite frames, life bars, stage panels, scene) and the draws.
class CGraphics {
public:
    using SurfacePtr = std::unique_ptr<platform::Surface>;

    CGraphics();
    ~CGraphics();
    CGraphics(const CGraphics&) = delete;
    CGraphics& operator=(const CGraphics&) = delete;

    // 0 only when the display itself cannot be had; missing files are silent.
    int32_t Init();
    int32_t CreateSurface(SurfacePtr* where, int32_t width, int32_t height);
    void LoadBmpToSurface(platform::Surface* surface, const char* path, int32_t x, int32_t y, int32_t width,
                          int32_t height);
    int32_t LoadPaletteFromBmp(const char* path, platform::Color (&entries)[256]);
    void SetColorKey0(SurfacePtr* where);
    void SetColorKey255(SurfacePtr* where);
    void ClearBackBuffer();
    void Flip();
    void BeginText();
    void DrawText(int32_t x, int32_t y, const char* text);
    void EndText();

    // Stage backgrounds and the scene.
    void LoadStageBackgrounds();
    void ReleaseStageBackgrounds();
    void RestoreScene();
    void DrawBackground(int32_t heroX);
    void DrawSceneAndSprite(int32_t slotIndex, platform::Rect* dest, platform::Rect* src);

    // Life bars.
    void DrawLifeBar();
    void ClearLifeCells(int32_t hp, int32_t lost);
    void ResetLifeBar();
    void DrawBossLifeBar();
    void ClearBossLifeCell(int32_t cell);
    void ResetBossLifeBar();

    // Front-end screens.
    void DrawLoadingScreen();
    void DrawMenuScreen();
    void DrawMenuCursorTobrin();
    void DrawMenuCursorSeliya();
    void DrawMenuCursorSeliyaVarm();
    void DrawMenuCursorNerys();
    void DrawMenuCursorTavish();

    // --- Hero and projectile draws (engine/hero_draws.cpp) ---
    // Each hero draw first lays the whole scene on the back buffer; x is the
    // hero's screen x. The projectile draws take a world x.
    void DrawSeliya(int32_t x, int32_t y, int32_t frame);
    void DrawSeliyaVarm(int32_t x, int32_t y, int32_t frame);
    void DrawNerys(int32_t x, int32_t y, int32_t frame);
    void DrawTavish(int32_t x, int32_t y, int32_t frame);
    void DrawHimitu(int32_t x, int32_t y, int32_t frame);
    void DrawSuzaku(int32_t x, int32_t y, int32_t frame);
    void DrawHato(int32_t x, int32_t y, int32_t frame);
    void DrawKidan(int32_t x, int32_t y);
    void DrawFlame(int32_t x, int32_t y, int32_t frame);
    void DrawCross(int32_t x, int32_t y, int32_t frame);
    // The lightning shot is drawn by DrawLightning among the sprite draws.
    // --- end of hero and projectile draws ---

    // --- Enemy, trap, projectile, boss and orb draws (sprite_draws.cpp) ---------
    // One per sprite kind, generated from the kind table: DrawGhost(x, y, frame)
    // and so on. x is a world x, or a screen x for the boss-stage kinds.
#define DRAW_XYF(name, ...) void Draw##name(int32_t x, int32_t y, int32_t frame);
#define DRAW_XY(name, ...) void Draw##name(int32_t x, int32_t y);
#define DRAW_XF(name, ...) void Draw##name(int32_t x, int32_t frame);
#define DRAW_NONE(name, ...) void Draw##name();
#include "engine/sprite_draws.def"
#undef DRAW_XYF
#undef DRAW_XY
#undef DRAW_XF
#undef DRAW_NONE
    // --- end of the enemy draws -----------------------------------------------

    platform::Surface* BackBuffer() { return backBuffer_.get(); }
    platform::Surface* Slot(int index) { return index >= 0 && index < kSlotCount ? slot[index].get() : nullptr; }
    const platform::Color* Palette() const { return palette_; }
    uint8_t WhiteIndex() const { return white_; }
    const char* Label(int stage) const { return stage >= 1 && stage <= 50 ? label[stage - 1] : ""; }
    const char* Title(int stage) const { return stage >= 1 && stage <= 50 ? title[stage - 1] : ""; }

private:
    // Copies one whole surface (if it exists) onto another, unkeyed.
    static void CopyWhole(platform::Surface* dst, const platform::Surface* src);
    // One hero-shaped menu cursor: frame of a set, stretched into its rectangle.
    void DrawMenuCursor(platform::Rect& rect, int32_t height, const char* set, int32_t frame);

    // Reads a picture into picture_ through the buffers kept for it.
    bool ReadPicture(const char* path);

    SurfacePtr backBuffer_;
    // Kept across loads, so a stage change touches no fresh memory: the file
    // read, its decoded picture, and the screen-sized panels and scene of the
    // stage before.
    std::vector<uint8_t> fileBytes_;
    platform::Bitmap picture_;
    SurfacePtr spareScreens_[kPanelSlotCount + 1];
    bool inText_ = false;
    const char* title[50];
    const char* label[50];
    SurfacePtr slot[kSlotCount];
    platform::Color palette_[256];
    uint8_t white_ = 255;
    // Menu cursor rectangles: left and right fixed, top and bottom follow the
    // highlighted item and keep their last values on pages without rows.
    platform::Rect cursorTobrin_{0, 0, 128, 46};
    platform::Rect cursorSeliya_{98, 0, 128, 46};
    platform::Rect cursorSeliyaVarm_{98, 0, 128, 54};
    platform::Rect cursorNerys_{98, 0, 128, 46};
    platform::Rect cursorTavish_{20, 0, 128, 46};
};

extern CGraphics g_graphics;

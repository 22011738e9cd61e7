#pragma once

#include <cstdint>
#include <memory>

#include "platform/platform.h"

class CGraphics {
public:
    CGraphics();
    ~CGraphics();
    CGraphics(const CGraphics&) = delete;
    CGraphics& operator=(const CGraphics&) = delete;

    int32_t Init();
    void ClearBackBuffer();
    void Flip();
    void BeginText();
    void DrawText(int32_t x, int32_t y, const char* text);
    void EndText();

    void DrawLoadingScreen();
    void DrawMenuScreen();
    void DrawLifeBar();

    platform::Surface* BackBuffer() { return backBuffer_.get(); }
    const platform::Color* Palette() const { return palette_; }

private:
    std::unique_ptr<platform::Surface> backBuffer_;
    platform::Color palette_[256];
    uint8_t white_ = 255;
    bool inText_ = false;
};

extern CGraphics g_graphics;

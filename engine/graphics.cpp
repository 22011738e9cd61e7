#include "graphics.h"

#include "engine/shell.h"

CGraphics g_graphics;

CGraphics::CGraphics() {
    // Defined colours before any palette file is read: 0 black, 255 white.
    for (int i = 0; i < 256; ++i) {
        const uint8_t v = static_cast<uint8_t>(i);
        palette_[i] = platform::Color{v, v, v, 1};
    }
}

CGraphics::~CGraphics() { backBuffer_.reset(); }

int32_t CGraphics::Init() {
    platform::Backend* b = platform::Current();
    if (!b || !b->OpenDisplay()) return 0;
    backBuffer_ = std::make_unique<platform::Surface>(platform::kScreenW, platform::kScreenH);
    b->SetPalette(palette_);
    return 1;
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

void CGraphics::DrawLifeBar() {}

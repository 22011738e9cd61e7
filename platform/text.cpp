// Screen text through SDL2_ttf, shared by both backends so that tests see the
// same glyphs as the player. Works without a video subsystem.
#include <SDL.h>
#include <SDL_ttf.h>

#include "platform.h"

namespace platform {

namespace {

// Point sizes chosen so that a line is about 16 pixels high, like the
// system's default GUI font.
struct FontFile {
    const char* path;
    int pointSize;
};

const FontFile kLatinFonts[] = {
    {"/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", 13},
    {"/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf", 16},
};
const FontFile kJapaneseFonts[] = {
    {"/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf", 16},
    {"/usr/share/fonts/truetype/fonts-japanese-gothic.ttf", 16},
    {"/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", 13},
};

class TextState {
public:
    ~TextState() {
        for (TTF_Font*& f : fonts_)
            if (f) {
                TTF_CloseFont(f);
                f = nullptr;
            }
        if (ttfUp_) TTF_Quit();
    }

    void Choose(TextFont font) { choice_ = font == TextFont::kJapanese ? 1 : 0; }

    TTF_Font* Font() {
        if (!tried_[choice_]) {
            tried_[choice_] = true;
            if (!ttfUp_ && TTF_Init() == 0) ttfUp_ = true;
            if (ttfUp_) {
                if (choice_ == 1) {
                    for (const FontFile& f : kJapaneseFonts)
                        if ((fonts_[1] = TTF_OpenFont(f.path, f.pointSize))) break;
                } else {
                    for (const FontFile& f : kLatinFonts)
                        if ((fonts_[0] = TTF_OpenFont(f.path, f.pointSize))) break;
                }
            }
        }
        return fonts_[choice_];
    }

private:
    int choice_ = 0;
    bool ttfUp_ = false;
    bool tried_[2] = {false, false};
    TTF_Font* fonts_[2] = {nullptr, nullptr};
};

TextState& State() {
    static TextState state;
    return state;
}

}  // namespace

void SetTextFont(TextFont font) { State().Choose(font); }

int TextLineHeight() {
    TTF_Font* font = State().Font();
    return font ? TTF_FontLineSkip(font) : 0;
}

void RenderText(Surface& dst, int x, int y, const char* utf8, uint8_t index) {
    if (!utf8 || !*utf8) return;
    TTF_Font* font = State().Font();
    if (!font) return;
    const SDL_Color white{255, 255, 255, 255};
    SDL_Surface* s = TTF_RenderUTF8_Solid(font, utf8, white);
    if (!s) return;
    // Solid rendering gives an 8-bit surface: index 0 background, 1 the glyphs.
    if (SDL_LockSurface(s) == 0) {
        for (int row = 0; row < s->h; ++row) {
            const int ty = y + row;
            if (ty < 0 || ty >= dst.Height()) continue;
            const auto* in = static_cast<const uint8_t*>(s->pixels) + row * s->pitch;
            uint8_t* out = dst.Row(ty);
            for (int col = 0; col < s->w; ++col) {
                const int tx = x + col;
                if (tx >= 0 && tx < dst.Width() && in[col] != 0) out[tx] = index;
            }
        }
        SDL_UnlockSurface(s);
    }
    SDL_FreeSurface(s);
}

}  // namespace platform

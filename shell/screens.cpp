// The menu pages and the loading screen: white text on the cleared back buffer.
#include "engine/game_state.h"
#include "engine/graphics.h"
#include "engine/texts.h"
#include "players/player_front.h"
#include "shell/menu.h"

namespace {

template <int N>
void DrawControlRows(CGraphics& g, const texts::ControlRow (&rows)[N], int top, int step) {
    for (int i = 0; i < N; ++i) {
        g.DrawText(150, top + step * i, rows[i].key);
        g.DrawText(340, top + step * i, rows[i].action);
    }
}

void DrawControls(CGraphics& g) {
    switch (g_playerFront.GetCharacter()) {
        case 2: DrawControlRows(g, texts::kControlsDoran, 100, 50); break;
        case 0: DrawControlRows(g, texts::kControlsSeliya, 70, 40); break;
        case 1: DrawControlRows(g, texts::kControlsSeliyaVarm, 70, 40); break;
        case 6: DrawControlRows(g, texts::kControlsNerys, 110, 40); break;
        case 5: DrawControlRows(g, texts::kControlsTavish, 110, 40); break;
        default: break;
    }
    g.DrawText(50, 0, texts::kBackPrompt);
    g.DrawText(150, 350, texts::kControlsEsc.key);
    g.DrawText(340, 350, texts::kControlsEsc.action);
    g.DrawText(150, 400, texts::kControlsMouse.key);
    g.DrawText(340, 400, texts::kControlsMouse.action);
}

}  // namespace

void CGraphics::DrawMenuScreen() {
    BeginText();
    switch (g_menu.GetMode()) {
        case 0:
        case 1:
            DrawText(250, 0, texts::kSelectPrompt);
            for (int i = g_menu.GetMode() == 0 ? 0 : 1; i < 7; ++i) DrawText(150, 50 + 50 * i, texts::kMenuItem[i]);
            break;
        case 2: {
            DrawText(0, 0, texts::kStageSelectPrompt);
            const int first = 10 * (g_menu.GetCursor() / 10);
            for (int r = 0; r < 10; ++r) {
                const int stage = first + r + 1;
                if (stage < 1 || stage > 50) continue;
                DrawText(150, 50 + 40 * r, label[stage - 1]);
                DrawText(250, 50 + 40 * r, title[stage - 1]);
            }
            break;
        }
        case 3:
            DrawText(250, 0, texts::kSelectPrompt);
            for (int i = 0; i < 11; ++i) DrawText(150, 50 + 40 * i, texts::kPlayerName[i]);
            break;
        case 4: DrawControls(*this); break;
        case 5:
            DrawText(50, 0, texts::kBackPrompt);
            DrawText(150, 250, texts::kCreating);
            break;
        case 6:
            DrawText(50, 0, texts::kBackPrompt);
            for (int i = 0; i < texts::kAboutLines; ++i) DrawText(100, 100 + 40 * i, texts::kAbout[i]);
            break;
        default: break;
    }
    EndText();
}

void CGraphics::DrawLoadingScreen() {
    BeginText();
    DrawText(250, 240, texts::kLoading);
    if (g_stageNumber >= 1 && g_stageNumber <= 50) {
        DrawText(250, 190, label[g_stageNumber - 1]);
        DrawText(350, 190, title[g_stageNumber - 1]);
    }
    EndText();
}

void CGraphics::DrawMenuCursor(platform::Rect& rect, int32_t height, const char* setName, int32_t frame) {
    const int32_t mode = g_menu.GetMode();
    const int32_t cursor = g_menu.GetCursor();
    if (mode == 0 || mode == 1)
        rect.top = (cursor + mode + 1) * 50 - 18;
    else if (mode == 2 || mode == 3)
        rect.top = (cursor % 10) * 40 + 32;
    rect.bottom = rect.top + height;
    const SpriteSet* set = FindSpriteSet(setName);
    if (!set || frame >= set->count || !backBuffer_) return;
    const platform::Surface* image = slot[set->first + frame].get();
    if (image) platform::Blit(*backBuffer_, &rect, *image, nullptr, true);
}

void CGraphics::DrawMenuCursorTobrin() { DrawMenuCursor(cursorTobrin_, 46, "Tobrin", 16); }
void CGraphics::DrawMenuCursorSeliya() { DrawMenuCursor(cursorSeliya_, 46, "Seliya", 1); }
void CGraphics::DrawMenuCursorSeliyaVarm() { DrawMenuCursor(cursorSeliyaVarm_, 54, "Seliya_varm", 13); }
void CGraphics::DrawMenuCursorNerys() { DrawMenuCursor(cursorNerys_, 46, "Nerys", 3); }
void CGraphics::DrawMenuCursorTavish() { DrawMenuCursor(cursorTavish_, 46, "Tavish", 11); }

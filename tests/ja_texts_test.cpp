// The Japanese build: the same lines at the same places, in Japanese, and a
// font that really has the glyphs.
#include <set>
#include <string>

#include "engine/game_state.h"
#include "engine/graphics.h"
#include "game_test.h"
#include "shell/menu.h"

namespace {

constexpr uint8_t kDown = 0xD0, kAlt = 0x38;

bool NonAscii(const std::string& s) {
    for (unsigned char c : s)
        if (c >= 0x80) return true;
    return false;
}

}  // namespace

class JapaneseScreens : public DataDirTest {
protected:
    void SetUp() override {
        DataDirTest::SetUp();
        StartGame();
    }
    void Press(uint8_t code) {
        HoldKey(code);
        Tick();
        LetGo(code);
        Tick();
    }
    // White pixels in the band of rows a text line at y occupies.
    int GlyphPixelsInRow(int y) const {
        int n = 0;
        for (int row = y; row < y + 16 && row < 480; ++row)
            for (int x = 140; x < 640; ++x)
                if (backend.lastFrame[static_cast<size_t>(row) * 640 + x] == g_graphics.WhiteIndex()) ++n;
        return n;
    }
};

TEST_F(JapaneseScreens, LoadingScreenIsJapaneseAndDrawn) {
    ASSERT_EQ(backend.lastTexts.size(), 1u);
    EXPECT_EQ(backend.lastTexts[0].x, 250);
    EXPECT_EQ(backend.lastTexts[0].y, 240);
    EXPECT_TRUE(NonAscii(backend.lastTexts[0].text));
    EXPECT_GT(GlyphPixelsInRow(240), 100) << "the Japanese font must have these glyphs";
}

TEST_F(JapaneseScreens, TitleMenuLinesSitWhereTheEnglishOnesDo) {
    Tick();
    ASSERT_EQ(backend.lastTexts.size(), 7u);
    EXPECT_EQ(backend.lastTexts[0].x, 250);
    EXPECT_EQ(backend.lastTexts[0].y, 0);
    for (int i = 1; i < 7; ++i) {
        EXPECT_EQ(backend.lastTexts[i].x, 150);
        EXPECT_EQ(backend.lastTexts[i].y, 50 + 50 * i);
        EXPECT_TRUE(NonAscii(backend.lastTexts[i].text)) << i;
        EXPECT_GT(GlyphPixelsInRow(50 + 50 * i), 50) << i;
    }
}

TEST_F(JapaneseScreens, StageLabelsAndFiftyDistinctTitles) {
    EXPECT_STREQ(g_graphics.Label(1), "ステージ１");
    EXPECT_STREQ(g_graphics.Label(10), "ステージ１０");
    EXPECT_STREQ(g_graphics.Label(50), "ステージ５０");
    std::set<std::string> titles;
    for (int s = 1; s <= 50; ++s) {
        EXPECT_TRUE(NonAscii(g_graphics.Title(s))) << s;
        titles.insert(g_graphics.Title(s));
    }
    EXPECT_EQ(titles.size(), 50u);
    Press(kAlt);
    ASSERT_EQ(g_menu.GetMode(), 2);
    // Row r: label at x 150, title at x 250.
    EXPECT_EQ(backend.lastTexts[1].x, 150);
    EXPECT_EQ(backend.lastTexts[2].x, 250);
    EXPECT_EQ(backend.lastTexts[2].text, g_graphics.Title(1));
}

TEST_F(JapaneseScreens, PlayerSelectNamesElevenRows) {
    Press(kDown);
    Press(kAlt);
    ASSERT_EQ(g_menu.GetMode(), 3);
    ASSERT_EQ(backend.lastTexts.size(), 12u);
    for (int i = 0; i < 11; ++i) {
        EXPECT_EQ(backend.lastTexts[i + 1].y, 50 + 40 * i);
        EXPECT_TRUE(NonAscii(backend.lastTexts[i + 1].text));
    }
}

#include <string>

#include "engine/keyboard.h"
#include "game_test.h"
#include "players/player_front.h"
#include "shell/menu.h"
#include "shell/shell.h"

namespace {

constexpr uint8_t kUp = 0xC8, kDown = 0xD0, kLeft = 0xCB, kRight = 0xCD, kAlt = 0x38, kCtrl = 0x1D, kEsc = 0x01;

}  // namespace

class Menu : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        StartGame();
    }
    // One frame with the key down, one with it up again.
    void Press(uint8_t code) {
        HoldKey(code);
        Tick();
        LetGo(code);
        Tick();
    }
    bool Drawn(const std::string& text, int x, int y) const {
        for (const auto& t : backend.lastTexts)
            if (t.text == text && t.x == x && t.y == y) return true;
        return false;
    }
    bool DrawnAnywhere(const std::string& text) const {
        for (const auto& t : backend.lastTexts)
            if (t.text == text) return true;
        return false;
    }
    void StartStageFromTitle(int stage) {
        Press(kAlt);  // title: stage select
        for (int i = 1; i < stage; ++i) Press(kDown);
        Press(kAlt);
    }
};

TEST_F(Menu, TitlePageListsSixItemsOnTheInStageRows) {
    Tick();
    EXPECT_TRUE(Drawn("Please select using the left_alt", 250, 0));
    EXPECT_FALSE(DrawnAnywhere("continue game"));
    EXPECT_TRUE(Drawn("stage select", 150, 100));
    EXPECT_TRUE(Drawn("about this game", 150, 300));
    EXPECT_TRUE(Drawn("exit game", 150, 350));
}

TEST_F(Menu, UpAndDownWrapAround) {
    Press(kUp);
    EXPECT_EQ(g_menu.GetCursor(), 5);
    Press(kDown);
    EXPECT_EQ(g_menu.GetCursor(), 0);
    Press(kDown);
    EXPECT_EQ(g_menu.GetCursor(), 1);
}

TEST_F(Menu, StageSelectPagesByTensAndWraps) {
    Press(kAlt);
    ASSERT_EQ(g_menu.GetMode(), 2);
    EXPECT_EQ(g_menu.GetCursor(), 0) << "from the title stage 1 is highlighted";
    for (int i = 0; i < 4; ++i) Press(kDown);
    Press(kLeft);
    EXPECT_EQ(g_menu.GetCursor(), 44) << "Left on stage 5 highlights stage 45";
    Press(kRight);
    EXPECT_EQ(g_menu.GetCursor(), 4);
    Press(kLeft);
    Press(kDown);
    Press(kRight);
    EXPECT_EQ(g_menu.GetCursor(), 5) << "Right on stage 46 highlights stage 6";
    Press(kUp);
    Press(kUp);
    Press(kUp);
    Press(kUp);
    Press(kUp);
    Press(kUp);
    EXPECT_EQ(g_menu.GetCursor(), 49) << "Up wraps to stage 50";
}

TEST_F(Menu, StageSelectShowsTheTenRowsOfTheHighlight) {
    Press(kAlt);
    for (int i = 0; i < 2; ++i) Press(kRight);
    Press(kDown);
    Press(kDown);
    ASSERT_EQ(g_menu.GetCursor(), 22);
    EXPECT_TRUE(Drawn("Please select stage using left_alt or left_ctrl, or esc to exit", 0, 0));
    EXPECT_TRUE(Drawn("stage21", 150, 50));
    EXPECT_TRUE(Drawn("stage23", 150, 130));
    EXPECT_TRUE(Drawn("stage30", 150, 410));
    EXPECT_FALSE(DrawnAnywhere("stage20"));
    EXPECT_FALSE(DrawnAnywhere("stage31"));
}

TEST_F(Menu, LeftAndRightOnlyWorkOnStageSelect) {
    Press(kDown);
    Press(kLeft);
    Press(kRight);
    EXPECT_EQ(g_menu.GetCursor(), 1);
}

TEST_F(Menu, ChoosingAStageShowsItsLoadingScreenAndStartsPlay) {
    StartStageFromTitle(3);
    EXPECT_EQ(g_stageNumber, 3);
    EXPECT_EQ(g_menu.IsActive(), 0);
    EXPECT_EQ(g_menu.GetMode(), 0) << "the in-stage menu is kept for the next opening";
    // The loading screen is the last thing the menu showed.
    const int presents = backend.presentCount;
    EXPECT_TRUE(Drawn("Loading, please wait", 250, 240) || presents > 0);
    Press(kEsc);
    EXPECT_EQ(g_menu.IsActive(), 1);
    EXPECT_EQ(g_menu.GetMode(), 0);
    EXPECT_TRUE(Drawn("continue game", 150, 50));
}

TEST_F(Menu, StageSelectFromPlayHighlightsTheCurrentStage) {
    StartStageFromTitle(7);
    Press(kEsc);
    Press(kDown);
    Press(kAlt);
    ASSERT_EQ(g_menu.GetMode(), 2);
    EXPECT_EQ(g_menu.GetCursor(), 6);
}

TEST_F(Menu, BackKeysDoNothingOnMenuPagesAndReturnElsewhere) {
    Press(kEsc);
    Press(kCtrl);
    EXPECT_EQ(g_menu.GetMode(), 1);
    EXPECT_EQ(g_menu.IsActive(), 1);
    for (int page = 2; page <= 6; ++page) {
        for (int i = 0; i < page - 2; ++i) Press(kDown);
        Press(kAlt);
        ASSERT_EQ(g_menu.GetMode(), page);
        Press(page % 2 ? kEsc : kCtrl);
        EXPECT_EQ(g_menu.GetMode(), 1) << page;
        EXPECT_EQ(g_menu.GetCursor(), 0);
    }
}

TEST_F(Menu, ConfirmLeavesControlsAndAboutButNotTheEncyclopedia) {
    Press(kDown);
    Press(kDown);
    Press(kAlt);
    ASSERT_EQ(g_menu.GetMode(), 4);
    EXPECT_TRUE(Drawn("left_ctrl", 150, 250));
    EXPECT_TRUE(Drawn("grimbane whip", 340, 250));
    EXPECT_TRUE(Drawn("go menu", 340, 350));
    Press(kAlt);
    EXPECT_EQ(g_menu.GetMode(), 1);
    Press(kDown);
    Press(kDown);
    Press(kDown);
    Press(kAlt);
    ASSERT_EQ(g_menu.GetMode(), 5);
    EXPECT_TRUE(Drawn("createing now", 150, 250));
    Press(kAlt);
    EXPECT_EQ(g_menu.GetMode(), 5);
}

TEST_F(Menu, PlayerChoiceOnTheTitleReturnsThere) {
    Press(kDown);
    Press(kAlt);
    ASSERT_EQ(g_menu.GetMode(), 3);
    EXPECT_TRUE(Drawn("Halvard Kestrane(createing now)", 150, 170));
    EXPECT_TRUE(Drawn("Brecc Pellam(createing now)", 150, 450));
    for (int i = 0; i < 3; ++i) Press(kDown);
    Press(kAlt);
    EXPECT_EQ(g_playerFront.GetCharacter(), 6) << "item 3 plays as index 6";
    EXPECT_EQ(g_menu.GetMode(), 1);
    EXPECT_EQ(g_menu.IsActive(), 1);
    EXPECT_EQ(g_stageNumber, 0);
}

TEST_F(Menu, PlayerChoiceDuringPlayRestartsTheStage) {
    StartStageFromTitle(2);
    Press(kEsc);
    Press(kDown);
    Press(kDown);
    Press(kAlt);
    ASSERT_EQ(g_menu.GetMode(), 3);
    for (int i = 0; i < 5; ++i) Press(kDown);
    Press(kAlt);
    EXPECT_EQ(g_playerFront.GetCharacter(), 5);
    EXPECT_EQ(g_menu.IsActive(), 0);
    EXPECT_EQ(g_menu.GetMode(), 0);
    EXPECT_EQ(g_stageNumber, 2);
}

TEST_F(Menu, PlayerSelectItemsWithoutHeroesPlayAsNerys) {
    for (int item : {3, 4, 7}) {
        g_menu = GameMenu();
        Press(kDown);
        Press(kAlt);
        for (int i = 0; i < item; ++i) Press(kDown);
        Press(kAlt);
        EXPECT_EQ(g_playerFront.GetCharacter(), 6) << item;
    }
}

TEST_F(Menu, ContinueResumesPlayWithoutAFlipAndNoFreshKey) {
    StartStageFromTitle(1);
    Press(kEsc);
    ASSERT_EQ(g_menu.IsActive(), 1);
    const int before = backend.presentCount;
    HoldKey(kAlt);
    Tick();
    EXPECT_EQ(g_menu.IsActive(), 0);
    EXPECT_EQ(backend.presentCount, before) << "the frame that resumes play flips nothing";
    Tick();  // first play frame, Alt still held
    uint32_t held = 0, pressed = 0, released = 0;
    g_keyboard.GetState(held, pressed, released);
    EXPECT_EQ(held & kKeyAlt, kKeyAlt);
    EXPECT_EQ(pressed & kKeyAlt, 0u) << "a key held across the switch is not newly pressed";
}

TEST_F(Menu, ExitGameQuitsFromBothMenus) {
    Press(kUp);
    HoldKey(kAlt);
    backend.Advance(50);
    platform::Message m{};
    int quits = 0;
    while (backend.TakeMessage(m)) {
        if (m.type == platform::MessageType::Quit) ++quits;
        WindowProc(m);
    }
    while (backend.TakeMessage(m))
        if (m.type == platform::MessageType::Quit) ++quits;
    EXPECT_EQ(quits, 1);
}

TEST_F(Menu, AboutPageShowsItsLines) {
    for (int i = 0; i < 4; ++i) Press(kDown);
    Press(kAlt);
    ASSERT_EQ(g_menu.GetMode(), 6);
    EXPECT_TRUE(Drawn("using left_alt or left_ctrl, or esc to exit", 50, 0));
    EXPECT_TRUE(DrawnAnywhere("Morvane is a side-scrolling action game."));
}

// The hero-shaped cursor, seen in the presented frame.
class MenuCursor : public DataDirTest {
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
    // First and last rows below row 20 with cursor pixels in columns [left, right).
    std::pair<int, int> Band(int left, int right) const {
        int first = -1, last = -1;
        for (int y = 20; y < 480; ++y)
            for (int x = left; x < right; ++x)
                if (backend.lastFrame[static_cast<size_t>(y) * 640 + x] != 0) {
                    if (first < 0) first = y;
                    last = y;
                    break;
                }
        return {first, last};
    }
};

TEST_F(MenuCursor, SitsBesideTheHighlightedItem) {
    Tick();
    auto [top, bottom] = Band(0, 128);
    EXPECT_GE(top, 82) << "title item 0: top 82";
    EXPECT_LE(bottom, 82 + 45);
    EXPECT_GT(top, 0);
    Press(kDown);
    std::tie(top, bottom) = Band(0, 128);
    EXPECT_GE(top, 132);
    EXPECT_LE(bottom, 132 + 45);
}

TEST_F(MenuCursor, StageSelectRowOfStage23) {
    Press(kAlt);
    Press(kRight);
    Press(kRight);
    Press(kDown);
    Press(kDown);
    ASSERT_EQ(g_menu.GetCursor(), 22);
    auto [top, bottom] = Band(0, 128);
    EXPECT_GE(top, 112);
    EXPECT_LE(bottom, 112 + 45);
}

TEST_F(MenuCursor, NoCursorOnControlsOrAbout) {
    Press(kDown);
    Press(kDown);
    Press(kAlt);
    ASSERT_EQ(g_menu.GetMode(), 4);
    EXPECT_EQ(Band(0, 40).first, -1) << "nothing left of the key names";
}

TEST_F(MenuCursor, EachHeroHasItsOwnStretchedCursor) {
    for (int hero : {0, 1, 5, 6}) {
        g_playerFront.Select(hero);
        Tick();
        const int left = hero == 5 ? 20 : 98;
        auto [top, bottom] = Band(left, 128);
        EXPECT_GE(top, 82) << hero;
        EXPECT_LE(bottom, 82 + (hero == 1 ? 54 : 46) - 1) << hero;
        EXPECT_NE(top, -1) << hero;
        EXPECT_EQ(Band(0, left).first, -1) << hero << ": nothing left of the cursor";
    }
}

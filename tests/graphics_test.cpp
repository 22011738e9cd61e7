// The graphics object on the generated data: slot map, palette, text, scene
// composition and life bars.
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <set>
#include <tuple>

#include "engine/game_state.h"
#include "engine/graphics.h"
#include "engine/stage_panels.h"
#include "engine/texts.h"
#include "game_test.h"
#include "platform/data_file.h"
#include "shell/menu.h"
#include "stages/stage.h"
#include "tools/gen_bitmaps.h"
#include "tools/gen_data.h"

namespace {

namespace fs = std::filesystem;
using platform::Rect;

std::vector<uint8_t> Pixels(const platform::Surface& s) {
    return std::vector<uint8_t>(s.Pixels(), s.Pixels() + static_cast<size_t>(s.Width()) * s.Height());
}

bool DecodeFile(const std::string& path, platform::Bitmap& out) {
    std::vector<uint8_t> bytes;
    const std::string resolved = platform::ResolveDataPath(path.c_str());
    return platform::ReadDataFile(resolved.c_str(), platform::kMaxBitmapBytes, bytes) &&
           platform::DecodeBmp(bytes.data(), bytes.size(), out);
}

// Game tests run with the build's data folder as the working directory.
class Graphics : public DataDirTest {
protected:
    void TearDown() override {
        DataDirTest::TearDown();
        if (!empty_.empty()) fs::remove_all(empty_);
    }
    // An empty working directory: no data at all.
    void EnterEmptyFolder() {
        empty_ = fs::temp_directory_path() / ("morvane_empty_" + std::to_string(::getpid()));
        fs::create_directories(empty_);
        fs::current_path(empty_);
    }
    // Stage n's backgrounds with its real length.
    void LoadStage(int n, int panels) {
        g_stageNumber = n;
        g_stage.SetEndX(600 + 640 * (panels - 1));
        g_graphics.ReleaseStageBackgrounds();
        g_graphics.LoadStageBackgrounds();
    }
    fs::path empty_;
};

int CountFiles(const fs::path& dir) {
    int n = 0;
    for (const auto& e : fs::recursive_directory_iterator(dir))
        if (e.is_regular_file()) ++n;
    return n;
}

}  // namespace

TEST(SlotMap, SetsFollowEachOtherWithOnlyTheBackgroundGap) {
    int next = 0, surfaces = 0;
    for (const SpriteSet& s : kSpriteSets) {
        if (next == kFirstPanelSlot) next = kFirstPanelSlot + kPanelSlotCount;
        EXPECT_EQ(s.first, next) << s.name;
        next = s.first + s.count;
        surfaces += s.count;
        for (int f = 0; f < s.count; ++f) {
            EXPECT_GT(s.Width(f), 0) << s.name << " " << f;
            EXPECT_GT(s.Height(f), 0) << s.name << " " << f;
        }
        EXPECT_TRUE(s.key == -1 || s.key == 0 || s.key == 255) << s.name;
    }
    EXPECT_EQ(next, kSceneSlot);
    EXPECT_EQ(surfaces, 969);

    const SpriteSet* maryoku = FindSpriteSet("Maryoku");
    ASSERT_NE(maryoku, nullptr);
    EXPECT_EQ(maryoku->first, 638);
    EXPECT_STREQ(kSpriteSets[&*maryoku - kSpriteSets - 1].name, "Tuti");
    EXPECT_STREQ(kSpriteSets[&*maryoku - kSpriteSets + 1].name, "G_Bat");
}

TEST(SlotMap, FixedSizesAndKeys) {
    const SpriteSet& tobrin = *FindSpriteSet("Tobrin");
    EXPECT_EQ(std::make_tuple(tobrin.Width(8), tobrin.Height(8)), std::make_tuple(129, 62));
    EXPECT_EQ(std::make_tuple(tobrin.Width(16), tobrin.Height(16)), std::make_tuple(128, 46));
    const SpriteSet& beamer = *FindSpriteSet("S_Beamer");
    EXPECT_EQ(beamer.Width(1), 498);
    EXPECT_EQ(beamer.Height(3), 71);
    const SpriteSet& m2 = *FindSpriteSet("Morvane2");
    EXPECT_EQ(m2.KeyOf(15), 255);
    EXPECT_EQ(m2.KeyOf(16), -1);
    EXPECT_EQ(std::make_tuple(m2.Width(19), m2.Height(19)), std::make_tuple(64, 413));
    EXPECT_EQ(m2.Width(4), 116);
    const SpriteSet& death2 = *FindSpriteSet("Death_2");
    EXPECT_EQ(std::make_tuple(death2.Width(5), death2.Height(5)), std::make_tuple(288, 94));
    EXPECT_EQ(FindSpriteSet("Ito")->key, -1);
    EXPECT_EQ(FindSpriteSet("Ito")->Height(0), 360);
    EXPECT_EQ(FindSpriteSet("Une")->Height(0), 30);
    EXPECT_EQ(FindSpriteSet("Seliya_varm")->count, 70);
    EXPECT_EQ(FindSpriteSet("Seliya_varm")->Width(13), 26);
    EXPECT_EQ(FindSpriteSet("Seliya")->Height(22), 72);
    EXPECT_EQ(kSpriteSets[1].key, 0) << "working hero bar keyed";
    EXPECT_EQ(kSpriteSets[2].key, -1) << "pristine copy unkeyed";
    EXPECT_STREQ(kSpriteSets[1].path, kSpriteSets[2].path);
    char path[64];
    FormatFramePath(*FindSpriteSet("ghost"), 3, path, sizeof path);
    EXPECT_STREQ(path, "bmp\\enemy\\ghost\\3.bmp");
    FormatFramePath(*FindSpriteSet("Une"), 0, path, sizeof path);
    EXPECT_STREQ(path, "bmp\\Enemy\\Une.bmp");
}

TEST(Labels, SevenCharactersAndEmptyEnglishTitles) {
    EXPECT_STREQ(g_graphics.Label(1), "stage 1");
    EXPECT_STREQ(g_graphics.Label(9), "stage 9");
    EXPECT_STREQ(g_graphics.Label(10), "stage10");
    EXPECT_STREQ(g_graphics.Label(50), "stage50");
    for (int n = 1; n <= 50; ++n) {
        EXPECT_EQ(std::strlen(g_graphics.Label(n)), 7u) << n;
        EXPECT_EQ(g_graphics.Title(n), g_graphics.Title(1)) << "one shared empty text";
    }
    EXPECT_STREQ(g_graphics.Title(1), "");
    EXPECT_FALSE(texts::kJapanese);
}

TEST_F(Graphics, EveryFrameLoadsIntoItsSlotWithItsKey) {
    StartGame();
    char path[128];
    for (const SpriteSet& s : kSpriteSets) {
        for (int f = 0; f < s.count; ++f) {
            platform::Surface* slot = g_graphics.Slot(s.first + f);
            ASSERT_NE(slot, nullptr) << s.name << " " << f;
            EXPECT_EQ(slot->Width(), s.Width(f)) << s.name << " " << f;
            EXPECT_EQ(slot->Height(), s.Height(f)) << s.name << " " << f;
            EXPECT_EQ(slot->ColorKey(), s.KeyOf(f)) << s.name << " " << f;
            // The file itself is drawn at the table's size, and its pixels are in the slot.
            FormatFramePath(s, f, path, sizeof path);
            platform::Bitmap b;
            ASSERT_TRUE(DecodeFile(path, b)) << path;
            EXPECT_EQ(b.width, s.Width(f)) << path;
            EXPECT_EQ(b.height, s.Height(f)) << path;
            EXPECT_EQ(Pixels(*slot), b.pixels) << path;
        }
    }
    for (int i = kFirstPanelSlot; i < kFirstPanelSlot + kPanelSlotCount; ++i) EXPECT_EQ(g_graphics.Slot(i), nullptr);
    EXPECT_EQ(g_graphics.Slot(kSceneSlot), nullptr);
    // Frames of one set differ (their numbers are drawn on them).
    EXPECT_NE(Pixels(*g_graphics.Slot(39)), Pixels(*g_graphics.Slot(40)));
}

TEST_F(Graphics, PaletteComesFromTheFirstPanelAndTextIsWhite) {
    StartGame();
    std::set<std::tuple<int, int, int>> colours;
    for (const platform::Color& c : backend.palette) {
        colours.insert({c.r, c.g, c.b});
        EXPECT_EQ(c.flags, 1);
    }
    EXPECT_EQ(colours.size(), 256u);
    EXPECT_EQ(backend.palette[0].r + backend.palette[0].g + backend.palette[0].b, 0);
    EXPECT_EQ(backend.palette[255].r & backend.palette[255].g & backend.palette[255].b, 255);
    EXPECT_EQ(g_graphics.WhiteIndex(), 255);

    // The loading line: white glyphs from (250, 240), a line about 16 pixels high.
    ASSERT_FALSE(backend.lastFrame.empty());
    int minX = 640, maxX = -1, minY = 480, maxY = -1;
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x) {
            const uint8_t v = backend.lastFrame[static_cast<size_t>(y) * 640 + x];
            if (v == 0) continue;
            EXPECT_EQ(v, 255);
            minX = std::min(minX, x), maxX = std::max(maxX, x), minY = std::min(minY, y), maxY = std::max(maxY, y);
        }
    EXPECT_GE(minX, 250);
    EXPECT_LE(minX, 253);
    EXPECT_GE(minY, 240);
    EXPECT_LE(maxY, 240 + 16);
    EXPECT_GT(maxX - minX, 100) << "\"Loading, please wait\" is some 130 pixels long";
    EXPECT_NEAR(platform::TextLineHeight(), 16, 1);
}

TEST_F(Graphics, MissingDataStillStartsWithADefinedPalette) {
    EnterEmptyFolder();
    StartGame();
    EXPECT_EQ(backend.palette[0].r, 0);
    EXPECT_EQ(backend.palette[255].g, 255);
    EXPECT_EQ(g_graphics.WhiteIndex(), 255);
    platform::Surface* ghost = g_graphics.Slot(39);
    ASSERT_NE(ghost, nullptr);
    EXPECT_EQ(Pixels(*ghost), std::vector<uint8_t>(32 * 32, 0)) << "made, but nothing copied on";
    EXPECT_EQ(ghost->ColorKey(), 255);
    EXPECT_GT(backend.presentCount, 0);
}

TEST_F(Graphics, DisplayFailureIsTheOnlyInitFailure) {
    backend.failDisplay = true;
    EXPECT_EQ(g_graphics.Init(), 0);
    backend.failDisplay = false;
    EnterEmptyFolder();
    EXPECT_EQ(g_graphics.Init(), 1);
}

TEST(StagePanels, CountsAndFilesMatchTheStageTable) {
    int files = 0;
    for (int n = 1; n <= 50; ++n) files += StagePanelFileCount(n);
    EXPECT_EQ(files, 214);
    EXPECT_EQ(StagePanelCount(1), 9);
    EXPECT_EQ(StagePanelCount(41), 9);
    EXPECT_EQ(StagePanelFile(41, 8), 0);
    EXPECT_EQ(StagePanelFile(25, 6), 2);
    EXPECT_EQ(StagePanelFile(22, 5), 0);
    EXPECT_EQ(StagePanelCount(44), 1);
    EXPECT_EQ(StagePanelCount(0), 0);
    EXPECT_EQ(StagePanelCount(51), 0);
    EXPECT_EQ(StageOpeningPanel(45), 7);
    EXPECT_EQ(StageOpeningPanel(46), 0);
}

TEST_F(Graphics, SceneIsComposedFromTwoPanelsAsTheViewScrolls) {
    StartGame();
    LoadStage(1, 9);
    // Paint every panel with its world column number so composition is checkable.
    for (int k = 0; k < 9; ++k) {
        platform::Surface* p = g_graphics.Slot(kFirstPanelSlot + k);
        ASSERT_NE(p, nullptr);
        for (int y = 0; y < 480; ++y)
            for (int x = 0; x < 640; ++x) p->Row(y)[x] = static_cast<uint8_t>((k * 640 + x + y) % 251);
    }
    platform::Surface* scene = g_graphics.Slot(kSceneSlot);
    ASSERT_NE(scene, nullptr);
    auto expectView = [&](int left) {
        for (int y : {0, 239, 479})
            for (int x = 0; x < 640; ++x)
                ASSERT_EQ(scene->Row(y)[x], (left + x + y) % 251) << "view " << left << " column " << x;
    };
    for (int heroX : {320, 321, 959, 960, 320 + 640 * 3, 1000, 320 + 640 * 7 + 639, 600 + 640 * 8 - 280}) {
        g_graphics.DrawBackground(heroX);
        expectView(heroX - 320);
    }
    // Outside the scrolling range the scene keeps its last picture.
    g_graphics.DrawBackground(700);
    g_graphics.DrawBackground(319);
    expectView(380);
    g_graphics.DrawBackground(600 + 640 * 8 - 279);
    expectView(380);
}

TEST_F(Graphics, StageStartLoadsPanelsOnceAndRestoresTheOpeningPicture) {
    StartGame();
    g_stageNumber = 20;
    g_menu.StartStage();
    platform::Surface* panel7 = g_graphics.Slot(kFirstPanelSlot + 7);
    ASSERT_NE(panel7, nullptr);
    EXPECT_EQ(g_graphics.Slot(kFirstPanelSlot + 8), nullptr) << "stage 20 has 8 panels";
    EXPECT_EQ(Pixels(*g_graphics.Slot(kSceneSlot)), Pixels(*panel7)) << "stage 20 opens on its last panel";
    EXPECT_EQ(Pixels(*g_graphics.BackBuffer()), Pixels(*panel7));

    g_graphics.Slot(kSceneSlot)->Row(0)[0] ^= 1;
    g_menu.StartStage();  // the same stage again: no reload, the opening picture back
    EXPECT_EQ(g_graphics.Slot(kFirstPanelSlot + 7), panel7);
    EXPECT_EQ(Pixels(*g_graphics.Slot(kSceneSlot)), Pixels(*panel7));

    g_stageNumber = 44;
    g_menu.StartStage();
    EXPECT_NE(g_graphics.Slot(kFirstPanelSlot), nullptr);
    EXPECT_EQ(g_graphics.Slot(kFirstPanelSlot + 1), nullptr);
    platform::Bitmap b;
    ASSERT_TRUE(DecodeFile("bmp/stage44/0.bmp", b));
    EXPECT_EQ(Pixels(*g_graphics.Slot(kSceneSlot)), b.pixels);
}

TEST_F(Graphics, SceneAndSpriteClipsAndAlwaysCopiesTheScene) {
    StartGame();
    LoadStage(1, 9);
    g_graphics.RestoreScene();
    const std::vector<uint8_t> scene = Pixels(*g_graphics.Slot(kSceneSlot));
    Rect dest{-10, 100, 26, 162}, src{0, 0, 36, 62};
    g_graphics.DrawSceneAndSprite(0, &dest, &src);
    EXPECT_EQ(dest.left, 0);
    EXPECT_EQ(src.left, 10);
    dest = Rect{620, 450, 656, 512}, src = Rect{0, 0, 36, 62};
    g_graphics.DrawSceneAndSprite(0, &dest, &src);
    EXPECT_EQ(std::make_tuple(dest.right, src.right, dest.bottom, src.bottom), std::make_tuple(640, 20, 480, 30));

    g_graphics.ClearBackBuffer();
    dest = Rect{100, 481, 136, 543}, src = Rect{0, 0, 36, 62};
    g_graphics.DrawSceneAndSprite(0, &dest, &src);
    EXPECT_EQ(Pixels(*g_graphics.BackBuffer()), scene) << "scene copied, sprite below the view skipped";
}

TEST_F(Graphics, LifeCellsBlankFromTheTopDownAndRefill) {
    StartGame();
    platform::Surface* bar = g_graphics.Slot(kLifeBarSlot);
    const platform::Surface* empty = g_graphics.Slot(kEmptyCellSlot);
    ASSERT_TRUE(bar && empty);
    const std::vector<uint8_t> full = Pixels(*bar);
    auto cellIsEmpty = [&](const platform::Surface* b, int n) {
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < 6; ++x)
                if (b->Row(y)[8 * n - 8 + x] != empty->Row(y)[x]) return false;
        return true;
    };
    auto columnsUntouched = [&](int from, int to) {
        for (int y = 0; y < 12; ++y)
            for (int x = from; x <= to; ++x)
                if (bar->Row(y)[x] != full[static_cast<size_t>(y) * 126 + x]) return false;
        return true;
    };
    ASSERT_FALSE(cellIsEmpty(bar, 16));

    g_graphics.ClearLifeCells(16, 0);
    EXPECT_EQ(Pixels(*bar), full);
    g_graphics.ClearLifeCells(16, 3);
    EXPECT_TRUE(cellIsEmpty(bar, 16) && cellIsEmpty(bar, 15) && cellIsEmpty(bar, 14));
    EXPECT_TRUE(columnsUntouched(0, 103));
    EXPECT_TRUE(columnsUntouched(110, 111) && columnsUntouched(118, 119));
    g_graphics.ClearLifeCells(13, 13);
    for (int n = 1; n <= 16; ++n) EXPECT_TRUE(cellIsEmpty(bar, n)) << n;
    g_graphics.ResetLifeBar();
    EXPECT_EQ(Pixels(*bar), full);

    platform::Surface* boss = g_graphics.Slot(kBossBarSlot);
    const std::vector<uint8_t> bossFull = Pixels(*boss);
    g_graphics.ClearBossLifeCell(1);
    EXPECT_TRUE(cellIsEmpty(boss, 1));
    EXPECT_FALSE(cellIsEmpty(boss, 2));
    g_graphics.ResetBossLifeBar();
    EXPECT_EQ(Pixels(*boss), bossFull);
}

TEST_F(Graphics, BarsAreDrawnKeyedAtTheirRectangles) {
    StartGame();
    platform::Surface* bb = g_graphics.BackBuffer();
    platform::Fill(*bb, nullptr, 7);
    g_graphics.DrawLifeBar();
    g_graphics.DrawBossLifeBar();
    const platform::Surface* bar = g_graphics.Slot(kLifeBarSlot);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 126; ++x) {
            const uint8_t v = bar->Row(y)[x];
            EXPECT_EQ(bb->Row(460 + y)[10 + x], v == 0 ? 7 : v);
        }
    EXPECT_NE(bb->Row(445)[10], 7) << "boss bar's first cell at (10, 445)";
    EXPECT_EQ(bb->Row(472)[10], 7);
    EXPECT_EQ(bb->Row(457)[10], 7);
}

TEST(DataTree, GeneratorOutputIsCompleteAndTheSameEveryRun) {
    const fs::path data = fs::path(MORVANE_DATA_DIR) / "bmp";
    EXPECT_EQ(CountFiles(data), 967 + 214);
    const fs::path again = fs::temp_directory_path() / ("morvane_gen_" + std::to_string(::getpid()));
    fs::remove_all(again);
    ASSERT_TRUE(GenerateBitmaps(again.string()));
    int compared = 0;
    for (const auto& e : fs::recursive_directory_iterator(again / "bmp")) {
        if (!e.is_regular_file()) continue;
        const fs::path rel = fs::relative(e.path(), again);
        std::vector<uint8_t> a, b;
        const fs::path built = fs::path(MORVANE_DATA_DIR) / rel;
        ASSERT_TRUE(platform::ReadDataFile(e.path().c_str(), platform::kMaxBitmapBytes, a));
        ASSERT_TRUE(platform::ReadDataFile(built.c_str(), platform::kMaxBitmapBytes, b)) << rel;
        EXPECT_TRUE(a == b) << rel;
        ++compared;
    }
    EXPECT_EQ(compared, 967 + 214);
    fs::remove_all(again);

    platform::Bitmap panel;
    std::vector<uint8_t> bytes;
    const fs::path panelFile = fs::path(MORVANE_DATA_DIR) / "bmp/stage50/0.bmp";
    ASSERT_TRUE(platform::ReadDataFile(panelFile.c_str(), platform::kMaxBitmapBytes, bytes));
    ASSERT_TRUE(platform::DecodeBmp(bytes.data(), bytes.size(), panel));
    EXPECT_EQ(std::make_tuple(panel.width, panel.height), std::make_tuple(640, 480));
}

// The enemy, trap, projectile, boss and orb draws: camera, anchors, edge tests,
// clips, keyed and keyless blits, and frames outside their set.
#include <string>

#include "engine/graphics.h"
#include "engine/sprite_draw_kinds.h"
#include "engine/sprite_sets.h"
#include "game_test.h"
#include "players/player_doran.h"
#include "stages/stage.h"

namespace {

constexpr uint8_t kSentinel = 7;

class SpriteDraws : public DataDirTest {
protected:
    void SetUp() override {
        DataDirTest::SetUp();
        StartGame();
        g_stage.SetEndX(5720);
        g_playerDoran.x = 0;  // the view at the stage's left end: screen x = world x
        Clear();
    }
    void Clear() { platform::Fill(*g_graphics.BackBuffer(), nullptr, kSentinel); }
    const platform::Surface& Image(const char* set, int frame) {
        return *g_graphics.Slot(FindSpriteSet(set)->first + frame);
    }
    // The back buffer holds exactly the source rectangle of the image at
    // (left, top) and the sentinel everywhere else; keyed pixels let it through.
    ::testing::AssertionResult Holds(const platform::Surface& image, int left, int top, platform::Rect src,
                                     bool keyed = true) {
        const platform::Surface& b = *g_graphics.BackBuffer();
        for (int y = 0; y < b.Height(); ++y) {
            for (int x = 0; x < b.Width(); ++x) {
                const int sx = x - left + src.left, sy = y - top + src.top;
                uint8_t want = kSentinel;
                if (sx >= src.left && sx < src.right && sy >= src.top && sy < src.bottom) {
                    const uint8_t p = image.Row(sy)[sx];
                    if (!keyed || p != image.ColorKey()) want = p;
                }
                if (b.Row(y)[x] != want)
                    return ::testing::AssertionFailure()
                           << "pixel " << x << "," << y << " is " << int(b.Row(y)[x]) << ", want " << int(want);
            }
        }
        return ::testing::AssertionSuccess();
    }
    ::testing::AssertionResult Nothing() { return Holds(Image("ghost", 0), 0, 0, platform::Rect{0, 0, 0, 0}); }
};

TEST_F(SpriteDraws, EveryKindNamesALoadedSetOfItsFrameCount) {
    for (int k = 0; k < sprite_draw::kSpriteDrawCount; ++k) {
        const SpriteSet* set = FindSpriteSet(sprite_draw::SpriteDrawSetName(k));
        ASSERT_NE(set, nullptr) << sprite_draw::SpriteDrawSetName(k);
        EXPECT_EQ(set->count, sprite_draw::SpriteDrawFrames(k)) << set->name;
    }
}

TEST_F(SpriteDraws, LeftAndRightEdgesClipAndTheScreenEdgeItselfDrawsNothing) {
    const platform::Surface& ghost = Image("ghost", 1);
    g_graphics.DrawGhost(-10, 100, 1);
    EXPECT_TRUE(Holds(ghost, 0, 100, {10, 0, 32, 32})) << "22 columns from source column 10";
    Clear();
    g_graphics.DrawGhost(630, 100, 1);
    EXPECT_TRUE(Holds(ghost, 630, 100, {0, 0, 10, 32}));
    for (const int x : {640, -32, 5000, -5000}) {
        Clear();
        g_graphics.DrawGhost(x, 100, 1);
        EXPECT_TRUE(Nothing()) << "x " << x;
    }
}

TEST_F(SpriteDraws, AnEdgeNeitherTestedNorClippedDropsTheWholeSprite) {
    g_graphics.DrawGhost(100, -10, 0);
    EXPECT_TRUE(Nothing()) << "the ghost does not clip the top";
    g_graphics.DrawMedyusa(100, -10, 0);
    EXPECT_TRUE(Holds(Image("Medyusa", 0), 100, 0, {0, 10, 44, 38})) << "the head does";
    Clear();
    g_graphics.DrawKonbou(-1, 100, 0);
    EXPECT_TRUE(Nothing()) << "the club neither tests nor clips the left edge";
    g_graphics.DrawKonbou(600, 100, 1);
    EXPECT_TRUE(Holds(Image("Konbou", 1), 600, 100, {0, 0, 40, 62}));
}

TEST_F(SpriteDraws, LateOffsetsComeAfterTheTest) {
    g_graphics.DrawShellok(-65, 0);
    EXPECT_TRUE(Nothing()) << "the test sees right -5 before the shift";
    g_graphics.DrawShellok(-60, 0);
    EXPECT_TRUE(Holds(Image("Shellok", 0), 0, 349, {54, 0, 60, 38})) << "right 0 passes, then shifted by 6";
}

TEST_F(SpriteDraws, ThreadsAreOpaqueFromTheTopOfTheScreen) {
    g_graphics.DrawIto(50, 100);
    EXPECT_TRUE(Holds(Image("Ito", 0), 50, 0, {0, 0, 4, 100}, false));
    Clear();
    g_graphics.DrawItoHalf(50, 100);
    EXPECT_TRUE(Holds(Image("Ito", 0), 50, 0, {2, 0, 4, 100}, false)) << "the right half";
    Clear();
    g_graphics.DrawIto(50, 361);
    EXPECT_TRUE(Nothing()) << "longer than the thread image";
    g_graphics.DrawIto(50, 0);
    EXPECT_TRUE(Nothing());
}

TEST_F(SpriteDraws, TheLurkerIsStretchedToThirtySixRows) {
    g_graphics.DrawUne(100, 343);
    const platform::Surface& b = *g_graphics.BackBuffer();
    int lowest = -1, highest = 480;
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x)
            if (b.Row(y)[x] != kSentinel) {
                lowest = std::max(lowest, y);
                highest = std::min(highest, y);
            }
    EXPECT_GE(highest, 343);
    EXPECT_LE(lowest, 378);
    EXPECT_GT(lowest, 343 + 29) << "rows below the image's own 30";
}

TEST_F(SpriteDraws, TallSorcererFramesCopyEveryPixel) {
    const platform::Surface& tall = Image("Morvane2", 17);
    g_graphics.DrawMorvane2(100, 17);
    EXPECT_TRUE(Holds(tall, 106, 0, {0, 0, tall.Width(), tall.Height()}, false));
}

TEST_F(SpriteDraws, WorldKindsFollowTheCameraAndScreenKindsDoNot) {
    g_playerDoran.x = 5500;  // beyond length - 280: screen x = x + 600 - 5720
    g_graphics.DrawGhost(5300, 100, 0);
    EXPECT_TRUE(Holds(Image("ghost", 0), 180, 100, {0, 0, 32, 32}));
    Clear();
    g_graphics.DrawMaryoku(100, 100, 0);
    EXPECT_TRUE(Holds(Image("Maryoku", 0), 100, 100, {0, 0, 20, 24}));
}

TEST_F(SpriteDraws, AFrameOutsideItsSetDrawsNothing) {
    EXPECT_DEBUG_DEATH(g_graphics.DrawGhost(100, 100, 4), "frame outside");
    EXPECT_DEBUG_DEATH(g_graphics.DrawGhost(100, 100, -1), "frame outside");
    EXPECT_TRUE(Nothing());
}

}  // namespace

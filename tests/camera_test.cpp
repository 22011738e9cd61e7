#include <gtest/gtest.h>

#include "engine/camera.h"
#include "game_test.h"
#include "stages/stage.h"

TEST(Camera, ViewRestsOnTheLeftEndUntilTheHeroPasses320) {
    for (int hx : {0, 319, 320})
        for (int x : {-50, 0, 100, 5000}) EXPECT_EQ(CameraScreenX(x, hx, 6000), x) << hx;
}

TEST(Camera, HeroStaysAtScreen320InTheMiddle) {
    EXPECT_EQ(CameraScreenX(1000, 1000, 6000), 320);
    EXPECT_EQ(CameraScreenX(1100, 1000, 6000), 420);
    EXPECT_EQ(CameraScreenX(5720, 5720, 6000), 320);
}

TEST(Camera, ViewRestsOnTheRightEndAndNeverJumps) {
    EXPECT_EQ(CameraScreenX(6000, 5800, 6000), 600);
    EXPECT_EQ(CameraScreenX(5400, 5800, 6000), 0);
    // The neighbouring rules agree at both switch points.
    EXPECT_EQ(CameraScreenX(700, 5720, 6000), CameraScreenX(700, 5721, 6000));
    EXPECT_EQ(CameraScreenX(700, 320, 6000), CameraScreenX(700, 319, 6000));
    // A one-screen stage (length 600) shows world x as screen x whatever the hero does.
    for (int hx : {0, 319, 320, 500, 600}) EXPECT_EQ(CameraScreenX(123, hx, 600), 123);
}

class CameraGame : public GameTest {};

TEST_F(CameraGame, WorldToScreenXReadsTheHeroAndStage) {
    g_stage.SetEndX(6000);
    // The hero starts at the left end, so the view does not move.
    EXPECT_EQ(WorldToScreenX(250), 250);
}

TEST(Overlap, StrictOnEverySide) {
    const Rect a{0, 0, 10, 10};
    EXPECT_EQ(RectsOverlap(a, Rect{10, 0, 20, 10}), 0);
    EXPECT_EQ(RectsOverlap(a, Rect{-10, 0, 0, 10}), 0);
    EXPECT_EQ(RectsOverlap(a, Rect{0, 10, 10, 20}), 0);
    EXPECT_EQ(RectsOverlap(a, Rect{0, -10, 10, 0}), 0);
    EXPECT_EQ(RectsOverlap(a, Rect{9, 9, 20, 20}), 1);
    EXPECT_EQ(RectsOverlap(Rect{9, 9, 20, 20}, a), 1);
}

TEST(Overlap, ZeroWidthRectangleInsideASpan) {
    const Rect line{5, 0, 5, 10};
    EXPECT_EQ(RectsOverlap(line, Rect{0, 2, 10, 8}), 1);
    EXPECT_EQ(RectsOverlap(line, Rect{5, 2, 10, 8}), 0);
    EXPECT_EQ(RectsOverlap(line, Rect{0, 10, 10, 20}), 0);
}

TEST(Overlap, SignedComparisonsWithOpenEnds) {
    const Rect open{-2147483647, 400, 2147483647, 480};
    EXPECT_EQ(RectsOverlap(open, Rect{-5, 390, 5, 401}), 1);
    EXPECT_EQ(RectsOverlap(open, Rect{-5, 380, 5, 400}), 0);
}

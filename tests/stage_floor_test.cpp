#include <gtest/gtest.h>

#include <set>

#include "engine/game_state.h"
#include "game_test.h"
#include "ground/stage_floor.h"
#include "shell/menu.h"
#include "stages/stage.h"

namespace {

StageFloor Loaded(int32_t stage) {
    StageFloor f{};
    f.LoadStage(stage);
    return f;
}

TEST(StageLength, ByStageNumber) {
    EXPECT_EQ(StageEndX(1), 5720);
    EXPECT_EQ(StageEndX(2), 4440);
    EXPECT_EQ(StageEndX(13), 3800);
    EXPECT_EQ(StageEndX(16), 5080);
    EXPECT_EQ(StageEndX(28), 2520);
    EXPECT_EQ(StageEndX(42), 600);
    EXPECT_EQ(StageEndX(50), 5720);
    for (int32_t s : {0, -1, 51, 1000}) EXPECT_EQ(StageEndX(s), 0) << s;
    // Every stage is a whole number of screens.
    for (int32_t s = 1; s <= 50; ++s) EXPECT_EQ((StageEndX(s) + 40) % 640, 0) << s;
}

TEST(StageFloorQuery, EdgesAreOutsideAndGapsAnswerZero) {
    const StageFloor f = Loaded(1);
    EXPECT_EQ(f.TopAt(2820, 400), 0);  // the pit between the first two stretches
    EXPECT_EQ(f.TopAt(2900, 400), 379);
    EXPECT_EQ(f.TopAt(2826, 400), 0);  // left edge
    EXPECT_EQ(f.TopAt(2813, 400), 0);  // right edge
    EXPECT_EQ(f.TopAt(3000, 379), 0);  // top edge
    EXPECT_EQ(f.TopAt(3000, 426), 0);  // bottom edge
    EXPECT_EQ(f.TopAt(3000, 380), 379);
    EXPECT_EQ(f.RightAt(2900, 400), 2974);
    EXPECT_EQ(f.LeftAt(2900, 400), 2826);
    // Open ends reach the extreme values without wrapping.
    EXPECT_EQ(f.LeftAt(-2147483646, 400), -2147483647);
    EXPECT_EQ(f.RightAt(2147483646, 400), 2147483647);
    EXPECT_EQ(f.TopAt(-2147483647, 400), 0);
    EXPECT_EQ(f.TopAt(2147483647, 400), 0);
}

TEST(StageFloorQuery, FirstRectangleInTableOrderAnswers) {
    for (int32_t s : {9, 10, 19, 28}) {
        const StageFloor f = Loaded(s);
        EXPECT_EQ(f.TopAt(1000, 200), 175) << s;  // inside both: the ledge comes first
        EXPECT_EQ(f.RightAt(1000, 200), 2484) << s;
        EXPECT_EQ(f.TopAt(1000, 500), 456) << s;
        EXPECT_EQ(f.TopAt(3000, 200), 0) << s;  // past the ledge's end
    }
    // The step platforms overlap their neighbours: the earlier entry wins.
    const StageFloor f = Loaded(16);
    EXPECT_EQ(f.TopAt(170, 430), 424);
    EXPECT_EQ(f.TopAt(170, 400), 392);
}

TEST(StageFloorQuery, EntriesPastTheCountAreIgnored) {
    StageFloor f{};
    f.LoadStage(16);
    ASSERT_EQ(f.GetCount(), 41);
    f.LoadStage(9);
    EXPECT_EQ(f.GetCount(), 2);
    // Stage 16's later entries are still in the table...
    EXPECT_EQ(f.GetRect(2).top, 424);
    // ...but its step at (80, 424, 175, 471) no longer answers.
    EXPECT_EQ(f.TopAt(120, 430), 0);
    EXPECT_EQ(f.TopAt(120, 460), 456);
}

TEST(StageFloorQuery, NoStageMeansNoGround) {
    StageFloor f{};
    EXPECT_EQ(f.TopAt(100, 400), 0);  // before the first stage start
    f.LoadStage(1);
    ASSERT_EQ(f.TopAt(100, 400), 379);
    // A number without a stage empties the table instead of keeping the last one.
    for (int32_t s : {0, 51, -3}) {
        f.LoadStage(1);
        f.LoadStage(s);
        EXPECT_EQ(f.GetCount(), 0) << s;
        EXPECT_EQ(f.TopAt(100, 400), 0) << s;
    }
    EXPECT_EQ(StageFloorTable(0).count, 0);
    EXPECT_EQ(StageFloorTable(51).rects, nullptr);
}

// Counts and surface heights every table must keep.
TEST(StageFloorTables, KeepTheirCountsAndSurfaces) {
    struct Shape {
        int32_t stage, count;
        std::set<int32_t> tops;
        int32_t depth;  // 0: not fixed
    };
    // clang-format off
    const Shape shapes[] = {
        {1, 5, {379}, 47},        {2, 7, {420}, 47},   {3, 16, {325, 326, 376}, 47}, {5, 5, {428}, 47},
        {13, 6, {245, 279}, 47},  {16, 41, {}, 47},    {18, 8, {213}, 46},           {25, 13, {299}, 46},
        {29, 9, {242, 308}, 47},  {30, 17, {214, 255, 297}, 47},                     {39, 37, {265}, 47},
        {40, 41, {}, 47},         {45, 19, {213}, 47}, {4, 1, {425}, 47},            {9, 2, {175, 456}, 0},
        {33, 2, {175, 456}, 0},   {14, 1, {425}, 640}, {50, 1, {443}, 640},          {49, 1, {413}, 640},
    };
    // clang-format on
    for (const Shape& sh : shapes) {
        const FloorTable t = StageFloorTable(sh.stage);
        ASSERT_EQ(t.count, sh.count) << sh.stage;
        std::set<int32_t> tops;
        for (int32_t i = 0; i < t.count; ++i) {
            tops.insert(t.rects[i].top);
            if (sh.depth) {
                EXPECT_EQ(t.rects[i].bottom - t.rects[i].top, sh.depth) << sh.stage << " #" << i;
            }
        }
        if (!sh.tops.empty()) {
            EXPECT_EQ(tops, sh.tops) << sh.stage;
        }
    }
    EXPECT_EQ(StageFloorTable(2).rects[6].right, 65535);
    EXPECT_EQ(StageFloorTable(18).rects[0].left, -640);
    EXPECT_EQ(StageFloorTable(33).rects[0].right, 5044);
    // The step stage: eleven heights from 138 to 456, the summits first, the ground last.
    const FloorTable steps = StageFloorTable(16);
    EXPECT_EQ(steps.rects, StageFloorTable(40).rects);
    std::set<int32_t> heights;
    for (int32_t i = 0; i < steps.count; ++i) heights.insert(steps.rects[i].top);
    EXPECT_EQ(heights.size(), 11u);
    EXPECT_EQ(*heights.begin(), 138);
    EXPECT_EQ(*heights.rbegin(), 456);
    EXPECT_EQ(steps.rects[0].top, 138);
    EXPECT_EQ(steps.rects[1].top, 138);
    for (int32_t i = 38; i < 41; ++i) EXPECT_EQ(steps.rects[i].top, 456);
    EXPECT_EQ(Loaded(16).TopAt(120, 430), 424) << "the start stands on the 424 step";
}

TEST(StageFloorTables, EveryStageHasGroundAndNoEdgeAtZero) {
    for (int32_t s = 1; s <= 50; ++s) {
        const FloorTable t = StageFloorTable(s);
        ASSERT_GE(t.count, 1) << s;
        ASSERT_LE(t.count, kMaxFloorRects) << s;
        for (int32_t i = 0; i < t.count; ++i) {
            const platform::Rect& r = t.rects[i];
            EXPECT_TRUE(r.left != 0 && r.top != 0 && r.right != 0 && r.bottom != 0) << s << " #" << i;
            EXPECT_LT(r.left, r.right) << s << " #" << i;
            EXPECT_LT(r.top, r.bottom) << s << " #" << i;
        }
    }
}

class StageStart : public GameTest {};

TEST_F(StageStart, StageChangeLoadsFloorAndLengthRestartKeepsThem) {
    StartGame();
    g_stageNumber = 16;
    g_menu.StartStage();
    EXPECT_EQ(g_stage.GetEndX(), 5080);
    EXPECT_EQ(g_stageFloor.GetCount(), 41);
    // A restart of the same stage does not load again.
    g_stageFloor.LoadStage(9);
    g_stage.SetEndX(1);
    g_menu.StartStage();
    EXPECT_EQ(g_stageFloor.GetCount(), 2);
    EXPECT_EQ(g_stage.GetEndX(), 1);
    g_stageNumber = 28;
    g_menu.StartStage();
    EXPECT_EQ(g_stage.GetEndX(), 2520);
    EXPECT_EQ(g_stageFloor.TopAt(1000, 200), 175);
}

TEST_F(StageStart, LengthBeforeAnyStageIsZero) {
    g_stageNumber = 0;
    EXPECT_EQ(Stage().GetEndX(), 0);
    g_stageNumber = 77;
    EXPECT_EQ(Stage().GetEndX(), 0);
    g_stageNumber = 9;
    EXPECT_EQ(Stage().GetEndX(), 2520);
}

}  // namespace

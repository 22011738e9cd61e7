#include <gtest/gtest.h>

#include "ground/stage_floor.h"
#include "players/hero_body.h"

namespace {

StageFloor Loaded(int32_t stage) {
    StageFloor f{};
    f.LoadStage(stage);
    return f;
}

TEST(HeroStep, WallsStopAtTheirEdges) {
    // Stage 29's block at (500, 242, 700, 289) is a wall at a whip hero's top row 244.
    const StageFloor f = Loaded(29);
    HeroStepResult r = HeroStepX(f, 460, 244, 0, 0, 3800);
    EXPECT_EQ(r.x, 464);  // left edge - 36
    EXPECT_EQ(r.wall, 1);
    r = HeroStepX(f, 464, 244, 0, 0, 3800);
    EXPECT_EQ(r.x, 464) << "pressed against the wall";
    r = HeroStepX(f, 703, 244, 1, 0, 3800);
    EXPECT_EQ(r.x, 700);  // right edge
    EXPECT_EQ(r.wall, 1);
    // Above the block nothing stops the step.
    r = HeroStepX(f, 460, 178, 0, 0, 3800);
    EXPECT_EQ(r.x, 465);
    EXPECT_EQ(r.wall, 0);
}

TEST(HeroStep, ClampsAtBothEnds) {
    const StageFloor f = Loaded(4);
    EXPECT_EQ(HeroStepX(f, 2, 361, 1, 0, 4440).x, 0);
    EXPECT_EQ(HeroStepX(f, -6, 335, 1, -10, 4440).x, -10);
    EXPECT_EQ(HeroStepX(f, 4438, 361, 0, 0, 4440).x, 4440);
    EXPECT_EQ(HeroStepX(f, 4440, 361, 0, 0, 4440).x, 4440);
}

// A hero whose top row is inside ground with open ends (for example after a
// fall past it) must neither wrap nor leave the stage.
TEST(HeroStep, OpenEndedWallsKeepTheHeroInTheStage) {
    const StageFloor f = Loaded(4);  // (open, 425, open, 472)
    for (int32_t x : {0, 5, 1000, 4435, 4440}) {
        const HeroStepResult left = HeroStepX(f, x, 430, 1, 0, 4440);
        EXPECT_EQ(left.x, x) << "an open right end holds the hero in place";
        const HeroStepResult right = HeroStepX(f, x, 430, 0, 0, 4440);
        EXPECT_EQ(right.x, x) << "an open left end is always behind the hero";
    }
    // Probes near the extremes do not overflow either.
    EXPECT_EQ(HeroStepX(f, 2147483647, 430, 0, 0, 4440).x, 4440);
    EXPECT_EQ(HeroStepX(f, -2147483647 - 1, 430, 1, -10, 4440).x, -10);
    // Stage 18's first stretch starts at -640: a wall on the left stops at its right end.
    const StageFloor s18 = Loaded(18);
    EXPECT_EQ(HeroStepX(s18, 722, 220, 1, -10, 5720).x, 720);
}

TEST(HeroBodies, GroupsByFrontIndex) {
    ASSERT_NE(HeroBodyFor(2), nullptr);
    EXPECT_EQ(HeroBodyFor(2), HeroBodyFor(5));
    EXPECT_EQ(HeroBodyFor(2), HeroBodyFor(6));
    EXPECT_EQ(HeroBodyFor(0)->landHeight, 74);
    EXPECT_EQ(HeroBodyFor(1)->landHeight, 90);
    EXPECT_EQ(HeroBodyFor(2)->landHeight, 64);
    for (int32_t i : {3, 4, 7, -1}) EXPECT_EQ(HeroBodyFor(i), nullptr) << i;
}

}  // namespace

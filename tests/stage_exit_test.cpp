#include <gtest/gtest.h>

#include "audio_test_util.h"
#include "engine/game_state.h"
#include "engine/sound.h"
#include "game_test.h"
#include "ground/stage_floor.h"
#include "players/player_front.h"
#include "shell/menu.h"
#include "stages/stage.h"

namespace {

class StageExit : public ScratchDirTest {
protected:
    void SetUp() override {
        ScratchDirTest::SetUp();
        WriteAllWaves();
        g_soundPlayer.Init();
        for (int32_t i = 0; i < kWaveSlots; ++i) g_soundPlayer.LoadWave(g_waveFiles[i], i);
        g_soundsPending = 0;
    }
    // Wave slot of the last sound played, -1 when none played.
    int LastSlot() {
        const auto slots = PlayedSlots(backend);
        return slots.empty() ? -1 : slots.back();
    }
    size_t PlayCount() { return backend.SoundPlays().size(); }
    // Runs the check with the selected hero placed at (x, y).
    bool ClearsAt(int32_t stage, int32_t hero, int32_t x, int32_t y, int32_t hp = 16) {
        g_stageNumber = stage;
        g_stageClear = 0;
        g_playerFront.Select(hero);
        PlaceHero(x, y, hp);
        g_stage.CheckExit();
        return g_stageClear != 0;
    }
};

TEST_F(StageExit, OnlyTheExactPointClears) {
    EXPECT_TRUE(ClearsAt(1, 2, 5720, 315));
    EXPECT_FALSE(ClearsAt(1, 2, 5720, 316));
    EXPECT_FALSE(ClearsAt(1, 2, 5719, 315));
    EXPECT_FALSE(ClearsAt(1, 2, 5720, 314)) << "passing over the point in a jump";
    EXPECT_TRUE(ClearsAt(1, 1, 5720, 289));
    EXPECT_FALSE(ClearsAt(1, 1, 5720, 290));
    EXPECT_FALSE(ClearsAt(1, 1, 5719, 289));
    EXPECT_TRUE(ClearsAt(1, 0, 5720, 305));
    EXPECT_TRUE(ClearsAt(1, 5, 5720, 315));
    EXPECT_TRUE(ClearsAt(1, 6, 5720, 315));
}

TEST_F(StageExit, LeftExitsSitAtEachGroupsLeastX) {
    EXPECT_TRUE(ClearsAt(9, 2, 0, 392));
    EXPECT_TRUE(ClearsAt(9, 0, -10, 382));
    EXPECT_TRUE(ClearsAt(9, 1, -10, 366));
    EXPECT_FALSE(ClearsAt(9, 2, -10, 392));
    EXPECT_FALSE(ClearsAt(9, 2, 2520, 392)) << "the right end of a left-exit stage is no exit";
    for (int32_t s : {10, 19, 20, 28, 33, 45, 47, 48}) {
        ExitPoint e{};
        ASSERT_TRUE(StageExitPoint(s, 6, &e)) << s;
        EXPECT_EQ(e.x, 0) << s;
        ASSERT_TRUE(StageExitPoint(s, 0, &e)) << s;
        EXPECT_EQ(e.x, -10) << s;
    }
}

TEST_F(StageExit, ClearPlaysTheClearSoundAndStage50ItsOwn) {
    ASSERT_TRUE(ClearsAt(2, 2, 4440, 356));
    EXPECT_EQ(LastSlot(), 5);
    EXPECT_EQ(PlayCount(), 1u);
    ASSERT_TRUE(ClearsAt(50, 2, 5720, 379));
    EXPECT_EQ(LastSlot(), 16);
    EXPECT_EQ(PlayCount(), 2u);
    EXPECT_FALSE(ClearsAt(50, 2, 5720, 378));
    EXPECT_EQ(PlayCount(), 2u) << "no clear, no sound";
}

TEST_F(StageExit, NoClearOnBossStagesWithoutHitPointsOrForUnknownHeroes) {
    for (int32_t s : {42, 43, 44, 49})
        for (int32_t x : {0, -10, 570, 600})
            for (int32_t y : {323, 339, 349})
                for (int32_t hero : {0, 1, 2}) EXPECT_FALSE(ClearsAt(s, hero, x, y)) << s;
    EXPECT_FALSE(ClearsAt(1, 2, 5720, 315, 0));
    EXPECT_TRUE(ClearsAt(1, 2, 5720, 315, 1));
    for (int32_t hero : {3, 4, 7, -1}) EXPECT_FALSE(ClearsAt(1, hero, 5720, 315)) << hero;
    EXPECT_FALSE(ClearsAt(0, 2, 0, 0)) << "before the first stage";
    EXPECT_FALSE(ClearsAt(51, 2, 0, 26));
}

// The whole sequence through the frame loop: the hero reaches stage 1's exit,
// the frame sets the flag, and after the wait stage 2 starts.
TEST_F(StageExit, ReachingTheExitStartsTheNextStageAfterTheWait) {
    StartGame();
    g_stageNumber = 1;
    g_menu.StartStage();
    g_menu.active = 0;
    EXPECT_EQ(g_playerFront.GetX(), 150) << "the stage start puts the hero at its start";
    EXPECT_EQ(g_playerFront.GetY(), 315);
    Tick();
    ASSERT_EQ(g_stageClear, 0);
    PlaceHero(5720, 315, 16);
    Tick();
    ASSERT_EQ(g_stageClear, 1);
    EXPECT_EQ(LastSlot(), 5);
    int messages = 0;
    while (g_stageClear != 0 && messages < 300) messages += Tick();
    EXPECT_EQ(messages, 105);
    EXPECT_EQ(g_stageNumber, 2);
    EXPECT_EQ(g_stage.GetEndX(), 4440);
    EXPECT_EQ(g_stageFloor.GetCount(), 7);
    EXPECT_EQ(g_playerFront.GetX(), 20);
    EXPECT_EQ(g_playerFront.GetY(), 356);
    // Play goes on in the new stage without clearing it at once.
    Tick(3);
    EXPECT_EQ(g_stageClear, 0);
}

TEST_F(StageExit, ClearAfterStage50WrapsToStage1) {
    StartGame();
    g_stageNumber = 50;
    g_menu.StartStage();
    g_menu.active = 0;
    PlaceHero(5720, 379, 16);
    Tick();
    ASSERT_EQ(g_stageClear, 1);
    EXPECT_EQ(LastSlot(), 16);
    int messages = 0;
    while (g_stageClear != 0 && messages < 300) messages += Tick();
    EXPECT_EQ(g_stageNumber, 1);
    EXPECT_EQ(g_stage.GetEndX(), 5720);
    EXPECT_EQ(g_stageFloor.TopAt(2900, 400), 379);
}

}  // namespace

// The archers, gunners and fire-spitters: how their shots are aimed and
// where they start, that each owner keeps to its own pool slots, how far the
// shots fly, when the owners act, and how they take hits.
#include <cstdint>
#include <set>

#include "enemies/model/enemy_model.h"
#include "enemies/ranged/archer.h"
#include "enemies/ranged/b_armor.h"
#include "enemies/ranged/barukan.h"
#include "enemies/ranged/fire_skeleton.h"
#include "enemies/ranged/saramanda.h"
#include "enemies/ranged/war_skeleton.h"
#include "enemies/ranged/white_d_honoo.h"
#include "enemies/ranged/white_d_hontai.h"
#include "enemies/ranged/ya.h"
#include "enemies/shooters/hone.h"
#include "enemies/shooters/tobu_honoo.h"
#include "enemy_fixture.h"
#include "shell/menu.h"
#include "stages/stage.h"

namespace {

class Ranged : public EnemyTest {
protected:
    void SetUp() override {
        EnemyTest::SetUp();
        for (EnemyYa& a : g_enemyYa) a = EnemyYa(0, 0, 0, 0, 1);
        for (EnemyBarukan& b : g_enemyBarukan) b = EnemyBarukan(0, 0, 0, 1);
        for (EnemyHone& b : g_enemyHone) b = EnemyHone(0, 0, 0, 0, 1);
        for (EnemyTobuHonoo& f : g_enemyTobuHonoo) f = EnemyTobuHonoo(0, 0, 0, 0, 1);
        for (EnemyWhiteDHonoo& f : g_enemyWhiteDHonoo) f = EnemyWhiteDHonoo(0, 0, 0, 0, 1);
    }
    template <typename T, size_t N>
    static std::set<int> LiveSlots(const T (&pool)[N]) {
        std::set<int> live;
        for (size_t i = 0; i < N; ++i)
            if (pool[i].dead == 0) live.insert(static_cast<int>(i));
        return live;
    }
    template <typename T>
    static void Run(T& e, int frames) {
        for (int i = 0; i < frames; ++i) e.Update();
    }
};

// --- Aim and muzzles ---

TEST_F(Ranged, ArrowSpeedIsATwentyEighthOfTheWayHeldToTenAndLeavesBeforeTheArcherTurns) {
    EnemyArcher& a = g_enemyArcher[0];
    PutHero(1000 + 280, 330);
    a = EnemyArcher(1000, 285, 0, 0);
    Run(a, 16);
    PutHero(1000 - 55, 330);  // close by, the division rounds toward zero
    a.Update();
    ASSERT_EQ(LiveSlots(g_enemyYa), (std::set<int>{0}));
    EXPECT_EQ(g_enemyYa[0].vx, -1);
    EXPECT_EQ(g_enemyYa[0].x, 1014) << "loosed from the right hand, facing as the frame before";
    EXPECT_EQ(g_enemyYa[0].frame, 4);
    EXPECT_EQ(a.frame, 7) << "turned after, in the last pose of the draw";
    PutHero(1000 + 280, 330);
    Run(a, 20);
    EXPECT_EQ(g_enemyYa[1].vx, 10);
}

TEST_F(Ranged, ChainedSpiritAimsAFifteenthOfTheWayAndHoldsFireWhenTheHeroIsBeside) {
    EnemyWhiteDHontai& s = g_enemyWhiteDHontai[0];
    s = EnemyWhiteDHontai(1700, 80, 0);
    s.vxTimer = s.vyTimer = 1000;  // hold it still
    s.fireCounter = 99;
    PutHero(1700 + 14, 80 - 14);
    s.Update();
    EXPECT_EQ(s.fireCounter, 0);
    EXPECT_EQ(g_enemyWhiteDHonoo[0].dead, 1) << "a flame that would not move";

    s.fireCounter = 99;
    PutHero(1700 - 600, 80 + 15 * 30);
    s.Update();
    const EnemyWhiteDHonoo& f = g_enemyWhiteDHonoo[0];
    ASSERT_EQ(f.dead, 0);
    EXPECT_EQ(f.vx, -10) << "held";
    EXPECT_EQ(f.vy, 30) << "not held";
    EXPECT_EQ(f.x, 1710);
    EXPECT_EQ(f.y, 105);
}

TEST_F(Ranged, BonesRiseFirstThenReachTowardTheFacing) {
    EnemyWarSkeleton& w = g_enemyWarSkeleton[0];
    PutHero(800, 330);
    w = EnemyWarSkeleton(1000, 144, 1, 10);
    Run(w, 9);
    SeedGameRand(23);
    const int32_t rise = GameRand();
    const int32_t reach = GameRand();
    SeedGameRand(23);
    w.Update();
    const EnemyHone& b = g_enemyHone[11];
    ASSERT_EQ(b.dead, 0);
    EXPECT_EQ(b.vy, -5 - rise % 20);
    EXPECT_EQ(b.vx, -(reach % 11 + 1)) << "thrown toward the hero on its left";
    EXPECT_EQ(b.x, 1032);
    EXPECT_EQ(b.y, 174);
}

// --- Pool slots ---

TEST_F(Ranged, EachOwnerFillsOnlyItsOwnRunOfSlots) {
    PutHero(1300, 330);
    EnemyBArmor& g = g_enemyBArmor[0];
    g = EnemyBArmor(1000, 321, 0, 0);
    Run(g, 10);
    EXPECT_EQ(LiveSlots(g_enemyBarukan), (std::set<int>{1}));
    EXPECT_EQ(g_enemyBarukan[1].x, 1080);
    EXPECT_EQ(g_enemyBarukan[1].y, 374);
    EXPECT_EQ(g_enemyBarukan[1].leftward, 0);
    Run(g, 40);
    EXPECT_EQ(LiveSlots(g_enemyBarukan), (std::set<int>{0, 1, 2, 3, 4})) << "one every 10 frames";

    EnemyWarSkeleton& w = g_enemyWarSkeleton[1];
    w = EnemyWarSkeleton(1000, 144, 0, 10);
    Run(w, 100);
    std::set<int> upper;
    for (int i = 10; i < 20; ++i) upper.insert(i);
    EXPECT_EQ(LiveSlots(g_enemyHone), upper);
}

TEST_F(Ranged, ASlotOutsideThePoolIsRefusedNotWritten) {
    PutHero(1300, 330);
    const int32_t refused = enemy::RefusedSlotCount();
    EnemyFireSkeleton& f = g_enemyFireSkeleton[0];
    f = EnemyFireSkeleton(1000, 353, 0, 12);
    Run(f, 15);
    EnemyWarSkeleton& w = g_enemyWarSkeleton[0];
    w = EnemyWarSkeleton(1000, 144, 0, 15);  // its run would end at 24
    Run(w, 100);
    EXPECT_EQ(enemy::RefusedSlotCount(), refused + 1 + 5);
    EXPECT_TRUE(LiveSlots(g_enemyTobuHonoo).empty());
    EXPECT_EQ(LiveSlots(g_enemyHone).size(), 5U);
}

// --- How far shots fly ---

TEST_F(Ranged, ArrowTopsOutAfterFifteenFramesTippingThriceAndIsGoneBelowTheScreen) {
    PutHero(3000, 330);
    EnemyYa& y = g_enemyYa[0];
    y = EnemyYa(500, 300, 3, 0, 0);
    Run(y, 15);
    EXPECT_EQ(y.y, 300 - 240);
    EXPECT_EQ(y.frame, 2) << "tipped at vy -10 and 0";
    y.Update();
    EXPECT_EQ(y.y, 300 - 240) << "the top of the arc";
    int32_t frames = 16;
    for (; y.dead == 0 && frames < 200; ++frames) y.Update();
    EXPECT_EQ(frames, 16 + 25) << "gone in the frame it reaches row 705";
    EXPECT_GE(y.y, 705);
    EXPECT_EQ(y.frame, 3);
}

TEST_F(Ranged, BulletsAndFlamesAreSpentFarOutOfPlay) {
    PutHero(1000, 330);
    EnemyBarukan& b = g_enemyBarukan[0];
    b = EnemyBarukan(-9990, 0, 1, 0);
    b.Update();
    EXPECT_EQ(b.dead, 1);
    // Aimed straight down a flame never gets far on x; it is spent as far on y.
    EnemyWhiteDHonoo& f = g_enemyWhiteDHonoo[0];
    f = EnemyWhiteDHonoo(500, 100, 0, 10, 0);
    int frames = 0;
    for (; f.dead == 0 && frames < 2000; ++frames) f.Update();
    EXPECT_EQ(frames, 791);
}

// --- When owners act ---

TEST_F(Ranged, ArcherActsOnlyUnderSevenHundredFortyOnePixelsAway) {
    for (const int32_t d : {740, -740, 741, -741}) {
        PutHero(1000 + d, 330);
        g_enemyArcher[0] = EnemyArcher(1000, 285, 0, 0);
        g_enemyArcher[0].Update();
        EXPECT_EQ(g_enemyArcher[0].counter, d == 740 || d == -740 ? 1 : 0) << d;
    }
}

// --- Motion ---

TEST_F(Ranged, SalamanderRunsThroughTheHeroAndSpitsBackAsItTurns) {
    PutHero(1000, 330);
    EnemySaramanda& s = g_enemySaramanda[0];
    s = EnemySaramanda(1000, 356, 0, 3);
    Run(s, 33);
    EXPECT_EQ(s.x, 1000 - 9 * 33);
    EXPECT_EQ(g_enemyTobuHonoo[3].dead, 1);
    s.Update();  // 694: more than 300 left of the hero
    EXPECT_EQ(s.frame, 0);
    EXPECT_EQ(s.counter, 0);
    const EnemyTobuHonoo& f = g_enemyTobuHonoo[3];
    ASSERT_EQ(f.dead, 0);
    EXPECT_EQ(f.x, 694 + 38);
    EXPECT_EQ(f.y, 366);
    EXPECT_EQ(f.facing, 0) << "flies right, back at the hero";
    EXPECT_EQ(f.speed, 16);
    Run(s, 6);
    EXPECT_EQ(s.frame, 1);
    Run(s, 62);
    EXPECT_EQ(s.x, 694 + 9 * 68);
    EXPECT_EQ(s.frame, 2);
    EXPECT_EQ(g_enemyTobuHonoo[3].x, 1306 + 6);
    EXPECT_EQ(g_enemyTobuHonoo[3].facing, 1);
    EXPECT_EQ(LiveSlots(g_enemyTobuHonoo), (std::set<int>{3}));
}

TEST_F(Ranged, ChainedSpiritStaysWithinItsChainAndDrawsTimersBeforeSpeeds) {
    EnemyWhiteDHontai& s = g_enemyWhiteDHontai[0];
    PutHero(1600, 0);  // above its reach: the hero is never touched
    SeedGameRand(5);
    int32_t draws[4];
    for (int32_t& d : draws) d = GameRand();
    SeedGameRand(5);
    s = EnemyWhiteDHontai(1700, 80, 0);
    s.Update();
    const int32_t speeds[6] = {-6, -4, -2, 2, 4, 6};
    EXPECT_EQ(s.vxTimer, draws[0] % 50 + 5);
    EXPECT_EQ(s.vx, speeds[draws[1] % 6]);
    EXPECT_EQ(s.vyTimer, draws[2] % 50 + 5);
    EXPECT_EQ(s.vy, speeds[draws[3] % 6]);

    for (int i = 0; i < 5000; ++i) {
        s.Update();
        g_enemyWhiteDHonoo[0].dead = 1;
        ASSERT_GE(s.x, 1500);
        ASSERT_LE(s.x, 1700);
        ASSERT_GE(s.y, 80);
        ASSERT_LE(s.y, 330);
        s.hp = 7;
    }
}

// --- Hits and touches ---

TEST_F(Ranged, ArcherBoxFollowsItsPose) {
    // The whip's rows lie 10 to 19 below the archer's top: only the upright
    // second pose (no drop) reaches that high; the first stands 46 lower.
    PutHero(960, 330);
    EnemyArcher& a = g_enemyArcher[0];
    a = EnemyArcher(1000, 330 + 22 - 10, 0, 0);
    Whip(true);
    Run(a, 4);
    EXPECT_EQ(a.frame % 4, 0);
    EXPECT_EQ(a.hp, 5);
    a.Update();
    EXPECT_EQ(a.frame % 4, 1);
    EXPECT_EQ(a.hp, 4);
}

TEST_F(Ranged, StageThirtyFourGunnerFiresAlongItsFloor) {
    g_stageNumber = 34;
    g_menu.StartStage();
    g_menu.active = 0;
    PutHero(2500, 330);
    for (int i = 0; i < 30; ++i) g_stage.Update();
    EXPECT_EQ(LiveSlots(g_enemyBarukan), (std::set<int>{1, 2, 3}));
    for (const int s : {1, 2, 3}) {
        EXPECT_EQ(g_enemyBarukan[s].leftward, 1) << "toward the hero";
        EXPECT_EQ(g_enemyBarukan[s].y, 321 + 53);
    }
    EXPECT_EQ(g_enemyBarukan[1].x, 3016 - 25 * 21);
}

}  // namespace

// The three champions of the hall and what they throw: waking, the dash and
// the raised first pose, leaps and throws chosen at random, dagger and
// lightning slots, homing that never ends, and falls that find no floor.
#include <cstdlib>
#include <vector>

#include "enemies/champions/dugal_f.h"
#include "enemies/champions/lightning.h"
#include "enemies/champions/nerys_f.h"
#include "enemies/champions/oskerin_f.h"
#include "enemies/champions/tanken.h"
#include "enemies/model/hopping.h"
#include "enemy_fixture.h"

namespace {

// Stage 1's ground: top 379 everywhere left of x 2813.
constexpr int32_t kGround = 379;

class Champions : public EnemyTest {
protected:
    // The first draw of the generator under a seed, and the generator left
    // seeded so that the code under test draws the same value.
    static std::vector<int32_t> Draws(uint32_t seed, int count) {
        SeedGameRand(seed);
        std::vector<int32_t> v;
        for (int i = 0; i < count; ++i) v.push_back(GameRand());
        SeedGameRand(seed);
        return v;
    }
    // A seed whose first draw is even (a leap) or odd (a throw).
    static uint32_t SeedFor(bool leap) {
        for (uint32_t s = 1;; ++s)
            if ((Draws(s, 1)[0] % 2 == 0) == leap) return s;
    }
};

TEST_F(Champions, TheyWakeWithinTheirReachOnEitherSideAndNotBefore) {
    for (int32_t side : {-1, 1}) {
        g_enemyOskerinF[0] = EnemyOskerinF(900 + side * 640, kGround - 48, 0);
        g_enemyDugalF[0] = EnemyDugalF(900 + side * 640, kGround - 60, 0);
        g_enemyNerysF[0] = EnemyNerysF(900 + side * 700, kGround - 60, 0);
        g_enemyOskerinF[0].Update();
        g_enemyDugalF[0].Update();
        g_enemyNerysF[0].Update();
        EXPECT_EQ(g_enemyOskerinF[0].dormant, 1);
        EXPECT_EQ(g_enemyOskerinF[0].counter, 0) << "it does nothing while it waits";
        EXPECT_EQ(g_enemyDugalF[0].dormant, 1);
        EXPECT_EQ(g_enemyNerysF[0].dormant, 1);
        EXPECT_EQ(g_enemyNerysF[0].x, 900 + side * 700);
        PutHero(900 + side, 330);
        g_enemyOskerinF[0].Update();
        g_enemyDugalF[0].Update();
        g_enemyNerysF[0].Update();
        EXPECT_EQ(g_enemyOskerinF[0].dormant, 0) << side;
        EXPECT_EQ(g_enemyDugalF[0].dormant, 0) << side;
        EXPECT_EQ(g_enemyNerysF[0].dormant, 0) << side;
        PutHero(900, 330);
    }
}

TEST_F(Champions, TheDasherWindsUpTwentyNineFramesDashesThreeHundredAndFacesTheHeroAgain) {
    EnemyOskerinF& o = g_enemyOskerinF[0];
    o = EnemyOskerinF(1300, kGround - 48, 0);
    for (int i = 1; i < 30; ++i) {
        o.Update();
        EXPECT_EQ(o.frame, 7 + i / 5) << i;
        EXPECT_EQ(o.x, 1300);
    }
    o.Update();
    EXPECT_EQ(o.dashing, 1);
    EXPECT_EQ(o.frame, 13);
    PutHero(2000, 330);  // out of its path; it now stands behind the dasher
    for (int i = 0; i < 15; ++i) o.Update();
    EXPECT_EQ(o.x, 1000);
    EXPECT_EQ(o.dashing, 0);
    EXPECT_EQ(o.facing, 1);
    EXPECT_EQ(o.frame, 13) << "the dash frame until the next step";
    o.Update();
    EXPECT_EQ(o.frame, 0);
}

TEST_F(Champions, OneSwingOneHitPointAndTheFirstPoseStandsTaller) {
    EnemyOskerinF& o = g_enemyOskerinF[0];
    o = EnemyOskerinF(980, 300, 1);
    // The whip sweeps rows 280 to 289: above the dasher but inside its
    // raised first pose.
    PutHero(900, 258);
    Whip(true);
    o.Update();
    EXPECT_EQ(o.hp, 14);
    for (int i = 0; i < 3; ++i) o.Update();
    EXPECT_EQ(o.hp, 14) << "one swing";
    o.Update();  // frame 1: the box starts at its y
    EXPECT_EQ(o.frame, 1);
    EXPECT_EQ(o.hitLatch, 0);
    EXPECT_EQ(o.hp, 14);

    // Five swings end the caster, the sixth finds nothing.
    EnemyNerysF& n = g_enemyNerysF[0];
    n = EnemyNerysF(980, 250, 0);
    PutHero(900, 260);
    int swings = 0;
    while (n.dead == 0 && swings < 10) {
        n.x = 980;
        Whip(true);
        n.Update();
        Whip(false);
        n.x = 980;
        n.Update();
        ++swings;
    }
    EXPECT_EQ(swings, 5);
}

TEST_F(Champions, TheDaggerManLeapsOrThrowsAtRandom) {
    EnemyDugalF& d = g_enemyDugalF[0];
    d = EnemyDugalF(1300, kGround - 60, 1);
    d.dormant = 0;
    const uint32_t seed = SeedFor(true);
    const std::vector<int32_t> r = Draws(seed, 2);
    d.Update();
    EXPECT_EQ(d.facing, 0) << "the hero is on its left";
    EXPECT_EQ(d.jumping, 1);
    EXPECT_EQ(d.vy, -20 - r[1] % 20);
    EXPECT_EQ(d.frame, 7);
    int frames = 0;
    while (d.jumping != 0 && frames < 100) {
        d.Update();
        ++frames;
    }
    EXPECT_EQ(d.y, kGround - 60);
    EXPECT_EQ(d.x, 1300 - 4 * frames);
    EXPECT_EQ(d.frame, 4);

    d = EnemyDugalF(1300, kGround - 60, 1);
    d.dormant = 0;
    SeedGameRand(SeedFor(false));
    d.Update();
    EXPECT_EQ(d.throwing, 1);
    EXPECT_EQ(d.jumping, 0);
}

TEST_F(Champions, DaggersTakeTheSlotsInTurnFromTheSecond) {
    for (EnemyTanken& t : g_enemyTanken) t = EnemyTanken(0, 0, 0, 1);
    EnemyDugalF& d = g_enemyDugalF[0];
    d = EnemyDugalF(700, kGround - 60, 1);  // the hero at 900 on its right
    d.dormant = 0;
    const int32_t order[4] = {1, 2, 0, 1};
    for (int throwNo = 0; throwNo < 4; ++throwNo) {
        d.throwing = 1;
        d.counter = 0;
        for (int i = 0; i < 10; ++i) d.Update();
        const EnemyTanken& t = g_enemyTanken[order[throwNo]];
        EXPECT_EQ(t.dead, 0) << throwNo;
        EXPECT_EQ(t.x, 700 - 32);
        EXPECT_EQ(t.y, kGround - 60 + 16);
        EXPECT_EQ(t.leftward, 0);
        g_enemyTanken[order[throwNo]].x = 5;  // marked: a later throw into it shows
        for (int i = 10; i < 15; ++i) d.Update();
        EXPECT_EQ(d.throwing, 0);
    }
    EXPECT_EQ(g_enemyTanken[0].x, 5) << "the fourth throw left the third dagger alone";
    EXPECT_EQ(g_enemyTanken[2].x, 5);
}

TEST_F(Champions, ALeapOverNoFloorEndsTheChampionAndAnEdgeIsNoFloor) {
    EnemyDugalF& d = g_enemyDugalF[0];
    // Its probe falls on the ground's top row: outside, so it falls on.
    d = EnemyDugalF(1300, kGround - 60 - 4, 1);
    d.dormant = 0;
    d.jumping = 1;
    d.frame = 3;
    d.vy = 4;
    d.Update();
    EXPECT_EQ(d.y, kGround - 60);
    EXPECT_EQ(d.jumping, 1);

    d = EnemyDugalF(1300, 400, 1);  // below the ground's bottom
    d.dormant = 0;
    d.jumping = 1;
    d.frame = 3;
    int frames = 0;
    while (d.dead == 0 && frames < 100) {
        d.Update();
        ++frames;
    }
    EXPECT_EQ(d.dead, 1);
    EXPECT_GE(d.y, enemy::kAbyssRow);
}

TEST_F(Champions, DaggersFlyTwentyAFrameHurtAtThreeAndEndFarAway) {
    EnemyTanken& t = g_enemyTanken[0];
    t = EnemyTanken(875, 340, 0, 0);
    t.Update();
    EXPECT_EQ(t.x, 895);
    EXPECT_EQ(hero.hp, 16 - Cost(3));

    t = EnemyTanken(-9990, 340, 1, 0);
    t.Update();
    EXPECT_EQ(t.dead, 1);
    // Placed anywhere, it ends without its x wrapping.
    t = EnemyTanken(INT32_MAX - 5, 340, 0, 0);
    t.Update();
    EXPECT_EQ(t.dead, 1);
    EXPECT_GT(t.x, 0);
}

TEST_F(Champions, TheCasterWalksAtTheHeroAndCastsThreeBallsEverySeventyFrames) {
    for (EnemyLightning& l : g_enemyLightning) l = EnemyLightning(0, 0, 0, 1);
    EnemyNerysF& n = g_enemyNerysF[0];
    n = EnemyNerysF(1400, kGround - 60, 1);
    n.Update();
    EXPECT_EQ(n.facing, 0) << "it faces the hero at once";
    EXPECT_EQ(n.x, 1397);
    for (int i = 1; i < 59; ++i) n.Update();
    EXPECT_EQ(n.x, 1400 - 3 * 59);
    n.Update();  // 60: it stops to cast
    EXPECT_EQ(n.frame, 8);
    EXPECT_EQ(n.x, 1400 - 3 * 59);
    for (int i = 61; i < 65; ++i) n.Update();
    EXPECT_EQ(g_enemyLightning[0].dead, 1);
    n.Update();  // 65
    EXPECT_EQ(n.frame, 9);
    const int32_t vys[3] = {2, 0, -2};
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(g_enemyLightning[k].dead, 0);
        EXPECT_EQ(g_enemyLightning[k].x, n.x + 16);
        EXPECT_EQ(g_enemyLightning[k].y, n.y + 30);
        EXPECT_EQ(g_enemyLightning[k].vy, vys[k]);
        g_enemyLightning[k].x = 5;
    }
    for (int i = 66; i <= 70; ++i) n.Update();
    EXPECT_EQ(n.counter, 0);
    for (int i = 0; i < 65; ++i) n.Update();
    for (const EnemyLightning& l : g_enemyLightning) EXPECT_EQ(l.x, n.x + 16) << "the next cast replaces them";
}

TEST_F(Champions, LightningFansOutThenHomesForEver) {
    PutHero(900, 200);
    EnemyLightning& l = g_enemyLightning[0];
    l = EnemyLightning(500, 300, -2, 0);
    for (int i = 0; i < 40; ++i) l.Update();
    EXPECT_EQ(l.x, 500 + 4 * 40);
    EXPECT_EQ(l.y, 300 - 2 * 40) << "fanning";
    l.Update();
    EXPECT_EQ(l.y, 220 - 4) << "then it homes on the hero's row";
    for (int i = 0; i < 2000; ++i) l.Update();
    EXPECT_EQ(l.dead, 0) << "it never times out";
    EXPECT_GE(l.counter, 40);
    EXPECT_LT(l.counter, 50);
    EXPECT_LE(std::abs(l.y - 200), 4);
    EXPECT_LE(std::abs(l.x - 900), 4);
}

TEST_F(Champions, OneBlowEndsABallAndABallHurtsAtThree) {
    EnemyLightning& l = g_enemyLightning[0];
    l = EnemyLightning(896, 335, 0, 0);
    l.Update();
    EXPECT_EQ(hero.hp, 16 - Cost(3));
    PutHero(900, 330);
    Whip(true);
    l = EnemyLightning(960, 340, 0, 0);
    l.Update();
    EXPECT_EQ(l.dead, 1);
}

}  // namespace

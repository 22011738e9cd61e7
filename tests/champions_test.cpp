// The three champions of the hall and what they throw: waking, the dash and
// the raised first pose, leaps and throws chosen at random, dagger and
// lightning slots, homing that never ends, and falls that find no floor.
#include <cstdlib>

#include "enemies/champions/dugal_f.h"
#include "enemies/champions/lightning.h"
#include "enemies/champions/nerys_f.h"
#include "enemies/champions/oskerin_f.h"
#include "enemies/champions/tanken.h"
#include "enemies/model/hopping.h"
#include "falling_fixture.h"

namespace {

using Champions = FallingTest;

TEST_F(Champions, TheyWakeWithinTheirReachOnEitherSideAndNotBefore) {
    for (int32_t side : {-1, 1}) {
        EnemyOskerinF& o = g_enemyOskerinF[0] = EnemyOskerinF(900 + side * 640, kGround - 48, 0);
        EnemyDugalF& d = g_enemyDugalF[0] = EnemyDugalF(900 + side * 640, kGround - 60, 0);
        EnemyNerysF& n = g_enemyNerysF[0] = EnemyNerysF(900 + side * 700, kGround - 60, 0);
        o.Update();
        d.Update();
        n.Update();
        EXPECT_EQ(o.dormant + d.dormant + n.dormant, 3) << side;
        EXPECT_EQ(o.counter, 0) << "it does nothing while it waits";
        PutHero(900 + side, 330);
        o.Update();
        d.Update();
        n.Update();
        EXPECT_EQ(o.dormant + d.dormant + n.dormant, 0) << side;
        PutHero(900, 330);
    }
}

TEST_F(Champions, TheDasherWindsUpDashesThreeHundredAndFacesTheHeroAgain) {
    EnemyOskerinF& o = g_enemyOskerinF[0];
    o = EnemyOskerinF(1300, kGround - 48, 0);
    for (int i = 0; i < 29; ++i) o.Update();
    EXPECT_EQ(o.frame, 12);
    EXPECT_EQ(o.x, 1300);
    o.Update();
    EXPECT_EQ(o.frame, 13);
    PutHero(2000, 330);  // out of its path, and now behind it
    for (int i = 0; i < 15; ++i) o.Update();
    EXPECT_EQ(o.x, 1000);
    EXPECT_EQ(o.facing, 1);
    EXPECT_EQ(o.frame, 13) << "the dash frame until the next step";
}

TEST_F(Champions, OneSwingOneHitPointAndTheFirstPoseStandsTaller) {
    EnemyOskerinF& o = g_enemyOskerinF[0];
    o = EnemyOskerinF(980, 300, 1);
    PutHero(900, 258);  // the whip sweeps rows 280 to 289, above the dasher's y
    Whip(true);
    for (int i = 0; i < 4; ++i) o.Update();
    EXPECT_EQ(o.hp, 14) << "one swing over four frames";
    o.Update();  // frame 1: its box starts at its y
    EXPECT_EQ(o.frame, 1);
    EXPECT_EQ(o.hitLatch, 0);
    EXPECT_EQ(o.hp, 14);
}

TEST_F(Champions, TheDaggerManLeapsOnAnEvenDrawAndThrowsOnAnOdd) {
    uint32_t seed = 1;
    while (Draws(seed, 1)[0] % 2 != 0) ++seed;
    const std::vector<int32_t> r = Draws(seed, 2);
    EnemyDugalF& d = g_enemyDugalF[0];
    d = EnemyDugalF(1300, kGround - 60, 1);
    d.Update();
    EXPECT_EQ(d.frame, 7) << "a leap toward the hero on its left";
    EXPECT_EQ(d.vy, -20 - r[1] % 20);
    const int frames = UpdateUntil(
        d, [](const EnemyDugalF& o) { return o.jumping == 0; }, 100);
    EXPECT_EQ(d.y, kGround - 60);
    EXPECT_EQ(d.x, 1300 - 4 * frames);

    while (Draws(seed, 1)[0] % 2 == 0) ++seed;
    d = EnemyDugalF(1300, kGround - 60, 1);
    d.Update();
    EXPECT_EQ(d.throwing, 1);
}

TEST_F(Champions, DaggersTakeTheSlotsInTurnFromTheSecond) {
    for (EnemyTanken& t : g_enemyTanken) t = EnemyTanken(0, 0, 0, 1);
    EnemyDugalF& d = g_enemyDugalF[0];
    d = EnemyDugalF(700, kGround - 60, 1);  // the hero at 900 on its right
    d.dormant = 0;
    for (int32_t slot : {1, 2, 0, 1}) {
        d.throwing = 1;
        d.counter = 0;
        g_enemyTanken[slot].x = 5;
        for (int i = 0; i < 15; ++i) d.Update();
        EXPECT_EQ(g_enemyTanken[slot].x, 700 - 32) << slot;
        EXPECT_EQ(g_enemyTanken[slot].leftward, 0);
    }
}

TEST_F(Champions, ALeapOverNoFloorEndsTheChampionAndAnEdgeIsNoFloor) {
    EnemyDugalF& d = g_enemyDugalF[0];
    d = EnemyDugalF(1300, kGround - 64, 1);
    d.dormant = 0;
    d.jumping = 1;
    d.frame = 3;
    d.vy = 4;
    d.Update();
    EXPECT_EQ(d.jumping, 1) << "the probe on the ground's top row is outside it";
    d.y = 400;  // below the ground's bottom
    EXPECT_LT(UpdateUntilDead(d, 100), 100);
    EXPECT_GE(d.y, enemy::kAbyssRow);
}

TEST_F(Champions, ADaggerPlacedAnywhereEndsWithoutWrapping) {
    EnemyTanken& t = g_enemyTanken[0];
    t = EnemyTanken(INT32_MAX - 5, 340, 0, 0);
    t.Update();
    EXPECT_EQ(t.dead, 1);
    EXPECT_GT(t.x, 0);
}

TEST_F(Champions, EveryCastReplacesTheThreeBalls) {
    EnemyNerysF& n = g_enemyNerysF[0];
    n = EnemyNerysF(1400, kGround - 60, 1);
    for (int i = 0; i < 65; ++i) n.Update();
    EXPECT_EQ(n.x, 1400 - 3 * 59) << "it faced the hero at once and stood to cast";
    EXPECT_EQ(n.frame, 9);
    const int32_t vys[3] = {2, 0, -2};
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(g_enemyLightning[k].y, n.y + 30);
        EXPECT_EQ(g_enemyLightning[k].vy, vys[k]);
        g_enemyLightning[k].x = 5;
    }
    for (int i = 0; i < 70; ++i) n.Update();
    for (const EnemyLightning& l : g_enemyLightning) EXPECT_EQ(l.x, n.x + 16);
}

TEST_F(Champions, LightningFansOutThenHomesForEver) {
    PutHero(900, 200);
    EnemyLightning& l = g_enemyLightning[0];
    l = EnemyLightning(500, 300, -2, 0);
    for (int i = 0; i < 40; ++i) l.Update();
    EXPECT_EQ(l.y, 300 - 2 * 40) << "fanning";
    l.Update();
    EXPECT_EQ(l.y, 220 - 4) << "then homing on the hero's row";
    for (int i = 0; i < 2000; ++i) l.Update();
    EXPECT_EQ(l.dead, 0) << "it never times out";
    EXPECT_LE(std::abs(l.y - 200), 4);
    EXPECT_LE(std::abs(l.x - 900), 4);
}

}  // namespace

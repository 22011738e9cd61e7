// The kinds that bring things down from above: who walks where, when the
// showers come and where they land, the pool slots they may write, landing
// and falling past the floor, the eye's stop-and-drop, and the pollen.
#include "enemies/droppers/b_gaikotu.h"
#include "enemies/droppers/bara.h"
#include "enemies/droppers/fyenriru.h"
#include "enemies/droppers/kahun.h"
#include "enemies/droppers/medama.h"
#include "enemies/droppers/otiru_block.h"
#include "enemies/droppers/otiru_honoo.h"
#include "enemies/model/dropping.h"
#include "enemies/model/hopping.h"
#include "falling_fixture.h"

namespace {

class Droppers : public FallingTest {
protected:
    void SetUp() override {
        FallingTest::SetUp();
        for (EnemyOtiruBlock& b : g_enemyOtiruBlock) b = EnemyOtiruBlock(0, 0, 1);
    }
};

TEST_F(Droppers, TheWolfBeastWalksOnlyTowardTheHeroAndSpendsAFrameTurning) {
    EnemyFyenriru& w = g_enemyFyenriru[0];
    w = EnemyFyenriru(900 + 850, 250, 0, 0);
    w.Update();
    EXPECT_EQ(w.dormant, 1) << "850 away is beyond its reach";
    w = EnemyFyenriru(1400, 250, 0, 0);
    for (int i = 0; i < 10; ++i) w.Update();
    EXPECT_EQ(w.x, 1370);
    EXPECT_EQ(w.frame, 7) << "the stride's third pose at 10";
    PutHero(w.x + 300, 330);
    w.Update();
    EXPECT_EQ(w.x, 1370) << "a frame turning in place";
    EXPECT_EQ(w.frame, 0);
    w.Update();
    EXPECT_EQ(w.x, 1373);
}

TEST_F(Droppers, TheHowlAtNinetyFiveThenFiveBlocksAheadAtAHundredAndTen) {
    EnemyFyenriru& w = g_enemyFyenriru[0];
    w = EnemyFyenriru(1500, 250, 0, 0);  // too far to reach the hero in time
    g_enemyOtiruBlock[2] = EnemyOtiruBlock(7, 200, 0);
    backend.ClearSoundPlays();
    for (int i = 0; i < 95; ++i) w.Update();
    EXPECT_EQ(w.frame, 8);
    EXPECT_EQ(PlayedSlots(backend).size(), 1u) << "the howl";
    const std::vector<int32_t> r = Draws(11, 5);
    for (int i = 96; i <= 110; ++i) w.Update();
    EXPECT_EQ(w.frame, 9);
    for (int k = 0; k < 5; ++k) {
        // Still falling or not, every one of its five slots starts over.
        EXPECT_EQ(g_enemyOtiruBlock[k].dead, 0);
        EXPECT_EQ(g_enemyOtiruBlock[k].y, -30);
        EXPECT_EQ(g_enemyOtiruBlock[k].x, 1500 - 282 - 300 + r[k] % 280) << k;
    }
    EXPECT_EQ(g_enemyOtiruBlock[5].dead, 1);
    for (int i = 111; i <= 140; ++i) w.Update();
    EXPECT_EQ(w.counter, 0);
    EXPECT_EQ(w.frame, 5);
}

TEST_F(Droppers, ShowersAndRosesNeverWritePastTheirPools) {
    const int32_t refused = enemy::RefusedSlotCount();
    enemy::DropBlockShower(3, 1000, 1, 280);
    EXPECT_EQ(enemy::RefusedSlotCount(), refused + 2) << "slots 6 and 7 do not exist";
    EXPECT_EQ(g_enemyOtiruBlock[5].dead, 0);
    EnemyBara odd(800, 20, 18);
    for (int i = 0; i < 150; ++i) odd.Update();
    EXPECT_EQ(enemy::RefusedSlotCount(), refused + 5) << "20, 21 and 22 do not exist";
    g_enemyMedama[0] = EnemyMedama(922, 0, 3000, 2);
    for (int i = 0; i < 16; ++i) g_enemyMedama[0].Update();
    EXPECT_EQ(enemy::RefusedSlotCount(), refused + 6) << "nor does the eye's slot 2";
}

TEST_F(Droppers, TheGiantSkeletonLandsStrictlyOnTheFloorAndShakesBlocksLoose) {
    EnemyBGaikotu& s = g_enemyBGaikotu[0];
    s = EnemyBGaikotu(1500, kGround - 108, 1, 0);
    for (int i = 0; i < 24; ++i) s.Update();
    EXPECT_EQ(s.frame, 10) << "it turns to the hero on its left and leaps";
    const std::vector<int32_t> r = Draws(5, 5);
    // Back on the top row after 31 frames, which is no floor; in it at 32.
    const int frames = UpdateUntil(
        s, [](const EnemyBGaikotu& o) { return o.jumping == 0; }, 100);
    EXPECT_EQ(frames, 32);
    EXPECT_EQ(s.y, kGround - 108);
    EXPECT_EQ(s.x, 1500 - 6 * 32);
    for (int k = 0; k < 5; ++k) EXPECT_EQ(g_enemyOtiruBlock[k].x, s.x + r[k] % 640 - 320) << k;
}

TEST_F(Droppers, ALeapOverNoFloorBringsNoBlocksAndTheSkeletonIsGone) {
    EnemyBGaikotu& s = g_enemyBGaikotu[0];
    s = EnemyBGaikotu(1500, 400, 1, 0);  // its probe is below the ground's bottom
    s.jumping = 1;
    EXPECT_LT(UpdateUntilDead(s, 200), 200);
    EXPECT_GE(s.y, enemy::kAbyssRow);
    for (const EnemyOtiruBlock& b : g_enemyOtiruBlock) EXPECT_EQ(b.dead, 1);
}

TEST_F(Droppers, TheEyeStopsOverTheHeroAndDropsItsFlameFifteenFramesOn) {
    for (EnemyOtiruHonoo& f : g_enemyOtiruHonoo) f = EnemyOtiruHonoo(0, 0, 0, 0, 1);
    EnemyMedama& m = g_enemyMedama[0];
    m = EnemyMedama(850, 1, 3000, 1);
    m.Update();
    m.Update();  // at 878, within 30 of the hero at 900
    EXPECT_EQ(m.attackCounter, 1);
    for (int i = 2; i < 15; ++i) m.Update();
    EXPECT_EQ(g_enemyOtiruHonoo[1].dead, 1);
    m.Update();
    const EnemyOtiruHonoo& f = g_enemyOtiruHonoo[1];
    EXPECT_EQ(f.dead, 0);
    EXPECT_EQ(f.x, 878 + 15);
    EXPECT_EQ(f.y, 100 + 15);
    EXPECT_EQ(g_enemyOtiruHonoo[0].dead, 1) << "only its own slot";
    for (int i = 16; i <= 25; ++i) m.Update();
    EXPECT_EQ(m.x, 878) << "it hangs still while it attacks";
    EXPECT_EQ(m.frame, 0);
}

TEST_F(Droppers, FlamesAndPollenFallThroughFloorsToTheirRows) {
    PutHero(200, 330);
    EnemyOtiruHonoo& f = g_enemyOtiruHonoo[0];
    f = EnemyOtiruHonoo(1500, 115, 0, 10, 0);
    // 115 + 10k + k(k-1)/2 passes 506 first at k = 21.
    EXPECT_EQ(UpdateUntilDead(f, 100), 21);
    EnemyKahun& p = g_enemyKahun[0];
    p = EnemyKahun(1500, 20, 0);
    EXPECT_EQ(UpdateUntilDead(p, 400), 130) << "20 + 5 x 130 = 670, the first row past 666";
}

TEST_F(Droppers, EachRoseShedsIntoItsOwnFiveSlotsInTurn) {
    for (EnemyKahun& k : g_enemyKahun) k = EnemyKahun(0, 0, 1);
    for (int i = 0; i < 4; ++i) g_enemyBara[i] = EnemyBara(800 + 1100 * i, 20, 5 * i);
    for (int frame = 1; frame <= 150; ++frame) {
        for (EnemyBara& b : g_enemyBara) b.Update();
        if (frame % 30 != 0) continue;
        for (int i = 0; i < 4; ++i) {
            const EnemyKahun& g = g_enemyKahun[5 * i + (frame / 30) % 5];
            EXPECT_EQ(g.dead, 0) << frame;
            EXPECT_GE(g.x, g_enemyBara[i].x + 26);
            EXPECT_LE(g.x, g_enemyBara[i].x + 127);
        }
    }
}

}  // namespace

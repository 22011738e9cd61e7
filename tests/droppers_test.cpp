// The kinds that bring things down from above: who walks where, when the
// showers come and where they land, the pool slots they may write, landing
// and falling past the floor, the eye's stop-and-drop, and the pollen.
#include <vector>

#include "enemies/droppers/b_gaikotu.h"
#include "enemies/droppers/bara.h"
#include "enemies/droppers/fyenriru.h"
#include "enemies/droppers/kahun.h"
#include "enemies/droppers/medama.h"
#include "enemies/droppers/otiru_block.h"
#include "enemies/droppers/otiru_honoo.h"
#include "enemies/model/dropping.h"
#include "enemies/model/hopping.h"
#include "enemy_fixture.h"

namespace {

// Stage 1's ground: top 379 everywhere left of x 2813.
constexpr int32_t kGround = 379;

class Droppers : public EnemyTest {
protected:
    // The next count draws of the generator under seed; the generator is
    // left seeded again so that the code under test draws the same values.
    static std::vector<int32_t> Draws(uint32_t seed, int count) {
        SeedGameRand(seed);
        std::vector<int32_t> v;
        for (int i = 0; i < count; ++i) v.push_back(GameRand());
        SeedGameRand(seed);
        return v;
    }
    static void ClearBlocks() {
        for (EnemyOtiruBlock& b : g_enemyOtiruBlock) b = EnemyOtiruBlock(0, 0, 1);
    }
};

TEST_F(Droppers, TheWolfBeastWalksOnlyTowardTheHeroAndSpendsAFrameTurning) {
    EnemyFyenriru& w = g_enemyFyenriru[0];
    w = EnemyFyenriru(1400, 250, 0, 0);
    w.Update();
    EXPECT_EQ(w.dormant, 0);
    EXPECT_EQ(w.x, 1397);
    EXPECT_EQ(w.frame, 5);
    // Its stride: 5, 6, 7, 6 over twenty frames.
    int32_t seen[20] = {};
    for (int i = 1; i < 20; ++i) {
        w.Update();
        seen[i] = w.frame;
    }
    EXPECT_EQ(seen[4], 6);   // counter 5
    EXPECT_EQ(seen[9], 7);   // counter 10
    EXPECT_EQ(seen[14], 6);  // counter 15
    EXPECT_EQ(seen[19], 5);  // counter 20

    // The hero slips past: one frame turning in place, then it follows.
    PutHero(w.x + 300, 330);
    const int32_t at = w.x;
    w.Update();
    EXPECT_EQ(w.x, at);
    EXPECT_EQ(w.facing, 1);
    EXPECT_EQ(w.frame, 0);
    w.Update();
    EXPECT_EQ(w.x, at + 3);
    EXPECT_LT(w.frame, 3);
}

TEST_F(Droppers, TheWolfBeastStaysAsleepAndUnseenBeyondItsReach) {
    EnemyFyenriru& w = g_enemyFyenriru[0];
    w = EnemyFyenriru(900 + 850, 250, 0, 0);
    w.Update();
    EXPECT_EQ(w.dormant, 1);
    EXPECT_EQ(w.x, 1750);
    PutHero(901, 330);
    w.Update();
    EXPECT_EQ(w.dormant, 0);
    EXPECT_EQ(w.x, 1747);
    PutHero(-5000, 330);
    w.Update();
    EXPECT_EQ(w.dormant, 0) << "awake for good";
}

TEST_F(Droppers, TheHowlComesAtNinetyFiveAndTheBlocksAheadAtAHundredAndTen) {
    for (int32_t facing : {0, 1}) {
        ClearBlocks();
        backend.ClearSoundPlays();
        EnemyFyenriru& w = g_enemyFyenriru[0];
        // Far enough that the walk never reaches the hero.
        w = EnemyFyenriru(facing == 1 ? 200 : 1500, 250, facing, 0);
        // A block still falling from an earlier shower is replaced at once.
        g_enemyOtiruBlock[2] = EnemyOtiruBlock(7, 200, 0);
        g_enemyOtiruBlock[2].vy = 9;
        for (int i = 0; i < 94; ++i) w.Update();
        EXPECT_EQ(w.frame % 5 < 3, true);
        const int32_t x = w.x;
        EXPECT_EQ(x, facing == 1 ? 200 + 282 : 1500 - 282);
        w.Update();
        EXPECT_EQ(w.frame, facing == 1 ? 3 : 8);
        EXPECT_EQ(PlayedSlots(backend).size(), 1u) << "the howl";
        const std::vector<int32_t> r = Draws(11, 5);
        for (int i = 96; i < 110; ++i) w.Update();
        EXPECT_EQ(g_enemyOtiruBlock[2].x, 7) << "nothing falls before the stamp";
        w.Update();
        EXPECT_EQ(w.frame, facing == 1 ? 4 : 9);
        EXPECT_EQ(w.x, x) << "it stands while it howls and stamps";
        for (int k = 0; k < 5; ++k) {
            const EnemyOtiruBlock& b = g_enemyOtiruBlock[k];
            EXPECT_EQ(b.dead, 0);
            EXPECT_EQ(b.y, -30);
            EXPECT_EQ(b.vy, 0);
            EXPECT_EQ(b.x, facing == 1 ? x + 451 - r[k] % 280 : x - 300 + r[k] % 280) << k;
        }
        EXPECT_EQ(g_enemyOtiruBlock[5].dead, 1) << "the sixth slot is not its own";
        for (int i = 111; i <= 140; ++i) w.Update();
        EXPECT_EQ(w.counter, 0);
        EXPECT_EQ(w.frame, facing == 1 ? 0 : 5);
    }
}

TEST_F(Droppers, AShowerNeverWritesPastThePool) {
    ClearBlocks();
    const int32_t refused = enemy::RefusedSlotCount();
    enemy::DropBlockShower(3, 1000, 1, 280);
    EXPECT_EQ(enemy::RefusedSlotCount(), refused + 2) << "slots 6 and 7 do not exist";
    for (int k = 3; k < 6; ++k) EXPECT_EQ(g_enemyOtiruBlock[k].dead, 0);
    enemy::DropBlockShower(-2, 1000, 1, 280);
    EXPECT_EQ(enemy::RefusedSlotCount(), refused + 4);
}

TEST_F(Droppers, TheGiantSkeletonLeapsAtTheHeroAndShakesBlocksLooseOnLanding) {
    ClearBlocks();
    EnemyBGaikotu& s = g_enemyBGaikotu[0];
    s = EnemyBGaikotu(1500, kGround - 108, 1, 0);
    for (int i = 1; i < 24; ++i) {
        s.Update();
        EXPECT_EQ(s.frame, i / 4) << i;
    }
    s.Update();  // the hero stands to its left: it turns and leaps
    EXPECT_EQ(s.jumping, 1);
    EXPECT_EQ(s.frame, 10);
    EXPECT_EQ(s.facing, 0);
    const std::vector<int32_t> r = Draws(5, 5);
    // Up at 15 and back: the probe on the top row at 31 frames finds no floor.
    int frames = 0;
    while (s.jumping != 0 && frames < 100) {
        s.Update();
        ++frames;
        if (s.jumping != 0) {
            EXPECT_EQ(g_enemyOtiruBlock[0].dead, 1);
        }
    }
    EXPECT_EQ(frames, 32);
    EXPECT_EQ(s.y, kGround - 108);
    EXPECT_EQ(s.x, 1500 - 6 * 32);
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(g_enemyOtiruBlock[k].dead, 0);
        EXPECT_EQ(g_enemyOtiruBlock[k].x, s.x + r[k] % 640 - 320) << k;
    }
}

TEST_F(Droppers, ALeapOverNoFloorBringsNoBlocksAndTheSkeletonIsGoneBelowTheScreen) {
    ClearBlocks();
    EnemyBGaikotu& s = g_enemyBGaikotu[0];
    s = EnemyBGaikotu(1500, 400, 1, 0);  // its probe is below the ground's bottom
    s.jumping = 1;
    s.frame = 4;
    int frames = 0;
    while (s.dead == 0 && frames < 200) {
        s.Update();
        ++frames;
    }
    EXPECT_EQ(s.dead, 1);
    EXPECT_GE(s.y, enemy::kAbyssRow);
    for (const EnemyOtiruBlock& b : g_enemyOtiruBlock) EXPECT_EQ(b.dead, 1);
    const EnemyBGaikotu before = s;
    s.Update();
    EXPECT_EQ(s.y, before.y) << "a removed skeleton falls no further";
}

TEST_F(Droppers, TheEyeStopsOverTheHeroAndDropsItsFlameLater) {
    for (EnemyOtiruHonoo& f : g_enemyOtiruHonoo) f = EnemyOtiruHonoo(0, 0, 0, 0, 1);
    EnemyMedama& m = g_enemyMedama[0];
    m = EnemyMedama(850, 1, 3000, 1);
    EXPECT_EQ(m.y, 100);
    m.Update();
    EXPECT_EQ(m.x, 864);
    EXPECT_EQ(m.attackCounter, 0);
    m.Update();  // 878: within 30 of the hero at 900
    EXPECT_EQ(m.attackCounter, 1);
    const int32_t expected[24] = {1, 1, 1, 2, 2, 2, 2, 2, 3, 3, 3, 3, 3, 2, 2, 2, 2, 2, 1, 1, 1, 1, 1, 0};
    for (int i = 0; i < 24; ++i) {
        m.Update();
        EXPECT_EQ(m.frame, expected[i]) << i;
        EXPECT_EQ(m.x, 878) << "it hangs still while it attacks";
        EXPECT_EQ(g_enemyOtiruHonoo[1].dead, i < 13 ? 1 : 0) << i;
    }
    const EnemyOtiruHonoo& f = g_enemyOtiruHonoo[1];
    EXPECT_EQ(f.x, 878 + 15);
    EXPECT_EQ(f.frame, 0);
    EXPECT_EQ(g_enemyOtiruHonoo[0].dead, 1) << "only its own slot";

    // Facing left, the flame takes the left-facing frame.
    m = EnemyMedama(922, 0, 3000, 0);
    for (int i = 0; i < 16; ++i) m.Update();
    EXPECT_EQ(g_enemyOtiruHonoo[0].dead, 0);
    EXPECT_EQ(g_enemyOtiruHonoo[0].frame, 1);
    EXPECT_EQ(g_enemyOtiruHonoo[0].vy, 10);

    // A slot outside the pool is never written.
    const int32_t refused = enemy::RefusedSlotCount();
    m = EnemyMedama(922, 0, 3000, 2);
    for (int i = 0; i < 16; ++i) m.Update();
    EXPECT_EQ(enemy::RefusedSlotCount(), refused + 1);
}

TEST_F(Droppers, TheEyeTurnsAtItsRightBoundAndAtTheStagesLeftEnd) {
    PutHero(5000, 330);
    EnemyMedama& m = g_enemyMedama[0];
    m = EnemyMedama(2990, 1, 3000, 0);
    m.Update();
    EXPECT_EQ(m.x, 3004);
    EXPECT_EQ(m.facing, 0);
    EXPECT_EQ(m.frame, 4);
    m = EnemyMedama(10, 0, 3000, 0);
    m.Update();
    EXPECT_EQ(m.x, -4);
    EXPECT_EQ(m.facing, 1);
    EXPECT_EQ(m.frame, 0);
}

TEST_F(Droppers, OneBlowDestroysTheEyeAndItsFlame) {
    PutHero(900, 80);  // the whip sweeps rows 102 to 111
    Whip(true);
    EnemyMedama& m = g_enemyMedama[0];
    m = EnemyMedama(990, 0, 3000, 0);
    g_graphics.ClearBackBuffer();
    m.Update();
    EXPECT_EQ(m.dead, 1);
    EXPECT_EQ(CountDrawn(), 0);

    EnemyOtiruHonoo& f = g_enemyOtiruHonoo[0];
    f = EnemyOtiruHonoo(990, 80, 0, 10, 0);
    f.Update();
    EXPECT_EQ(f.dead, 1);
}

TEST_F(Droppers, FallingFlamesAndPollenPassThroughFloorsAndEndBelowTheScreen) {
    PutHero(200, 330);
    EnemyOtiruHonoo& f = g_enemyOtiruHonoo[0];
    f = EnemyOtiruHonoo(1500, 115, 0, 10, 0);
    int frames = 0;
    while (f.dead == 0 && frames < 100) {
        f.Update();
        ++frames;
    }
    // 115 + 10k + k(k-1)/2 passes 506 first at k = 21 (535).
    EXPECT_EQ(frames, 21);

    EnemyKahun& p = g_enemyKahun[0];
    p = EnemyKahun(1500, 20, 0);
    frames = 0;
    while (p.dead == 0 && frames < 400) {
        p.Update();
        ++frames;
        if (p.y == kGround + 1) {
            EXPECT_EQ(p.dead, 0) << "no floor stops it";
        }
    }
    EXPECT_EQ(frames, 130) << "20 + 5 x 130 = 670, the first row past 666";
}

TEST_F(Droppers, TouchLevelsOfTheFallingThings) {
    // Hero body x 902 to 930.
    g_enemyOtiruHonoo[0] = EnemyOtiruHonoo(905, 320, 0, 0, 0);
    g_enemyOtiruHonoo[0].Update();
    EXPECT_EQ(hero.hp, 16 - Cost(2));
    PutHero(900, 330);
    g_enemyKahun[0] = EnemyKahun(905, 330, 0);
    g_enemyKahun[0].Update();
    EXPECT_EQ(hero.hp, 16 - Cost(2));
    PutHero(900, 330);
    g_enemyFyenriru[0] = EnemyFyenriru(880, 250, 1, 0);
    g_enemyFyenriru[0].Update();
    EXPECT_EQ(hero.hp, 16 - Cost(4));
}

TEST_F(Droppers, EachRoseShedsIntoItsOwnFiveSlotsInTurn) {
    for (EnemyKahun& k : g_enemyKahun) k = EnemyKahun(0, 0, 1);
    const int32_t bases[4] = {0, 5, 10, 15};
    for (int i = 0; i < 4; ++i) g_enemyBara[i] = EnemyBara(800 + 1100 * i, 20, bases[i]);
    // A rose's grains fall in the order of its slots 1, 2, 3, 4 and 0.
    for (int frame = 1; frame <= 150; ++frame) {
        for (EnemyBara& b : g_enemyBara) b.Update();
        if (frame % 30 != 0) continue;
        const int32_t k = (frame / 30) % 5;
        for (int i = 0; i < 4; ++i) {
            const EnemyKahun& g = g_enemyKahun[bases[i] + k];
            EXPECT_EQ(g.dead, 0) << frame;
            EXPECT_EQ(g.y, 20);
            EXPECT_GE(g.x, g_enemyBara[i].x + 26);
            EXPECT_LE(g.x, g_enemyBara[i].x + 127);
        }
    }
    for (const EnemyKahun& g : g_enemyKahun) EXPECT_EQ(g.dead, 0);

    // A rose placed past the pool's end writes only the slots that exist.
    const int32_t refused = enemy::RefusedSlotCount();
    EnemyBara odd(800, 20, 18);
    for (int i = 0; i < 150; ++i) odd.Update();
    EXPECT_EQ(enemy::RefusedSlotCount(), refused + 3);
}

}  // namespace

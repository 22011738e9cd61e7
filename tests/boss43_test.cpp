// The five bosses of the cave arena: the chain with its pauses and the clear
// orb, each boss's phases, the slot counters its writers keep for the whole
// run, the projectiles and minions they release, hits and death.
#include <algorithm>
#include <vector>

#include "enemies/bosses/boss_b_medyusa.h"
#include "enemies/bosses/boss_g_bat.h"
#include "enemies/bosses/boss_huranken.h"
#include "enemies/bosses/boss_miira.h"
#include "enemies/bosses/boss_quorth.h"
#include "enemies/bosses/ganseki.h"
#include "enemies/bosses/houtai.h"
#include "enemies/bosses/maryoku_orb.h"
#include "enemies/bosses/medyusa_head.h"
#include "enemies/bosses/tama.h"
#include "enemies/droppers/otiru_block.h"
#include "enemies/fliers/bat.h"
#include "enemies/jumpers/semusi.h"
#include "enemies/model/pool_slots.h"
#include "enemy_fixture.h"
#include "stages/stage.h"

namespace {

class CaveArena : public EnemyTest {
protected:
    void SetUp() override {
        EnemyTest::SetUp();
        g_stageNumber = 43;
        g_menu.StartStage();
        g_menu.active = 0;
        SeedGameRand(11);
        backend.ClearSoundPlays();
        Stand(100, 349);
    }
    // The whip hero at x, y, swinging right or not; kept at full strength.
    void Stand(int32_t x, int32_t y, bool swing = false) {
        PutHero(x, y);
        hero.screenX = x;
        Whip(swing);
    }
    void Frame() { g_stage.Update(); }
    // Swings at a boss (every second frame) until it dies: the whip reaches
    // x + 48 to x + 128 at rows y + 22 to y + 31, so it lands 10 rows into
    // the boss's box.
    int Kill(const int32_t& dead, const int32_t& bx, const int32_t& by, int limit = 3000) {
        int frames = 0;
        for (; dead == 0 && frames < limit; ++frames) {
            Stand(bx - 60, by - 12, frames % 2 == 0);
            Frame();
        }
        return frames;
    }
    // Frames until a dormant boss wakes.
    int Pause(const int32_t& dormant) {
        int frames = 0;
        Stand(100, 349);
        for (; dormant != 0 && frames < 200; ++frames) Frame();
        return frames;
    }
    int CountPlayed(int slot) {
        const std::vector<int> s = PlayedSlots(backend);
        return static_cast<int>(std::count(s.begin(), s.end(), slot));
    }
    bool CountersInRange() const {
        return g_miiraBoulderSlot >= 0 && g_miiraBoulderSlot <= 1 && g_miiraBandageSlot >= 0 &&
               g_miiraBandageSlot <= 4 && g_hurankenRockSet >= 0 && g_hurankenRockSet <= 1;
    }
};

TEST_F(CaveArena, ChainHandsOverFiftyFramesAfterEachDeathAndTheLastReleasesTheOrb) {
    Frame();
    ASSERT_EQ(g_bossGBat[0].dead, 0) << "the bat acts from the first frame";
    g_enemyBat[2] = EnemyBat(300, 100, 600, 0);
    BossGBat& bat = g_bossGBat[0];
    EXPECT_GT(Kill(bat.dead, bat.x, bat.y), 16);
    for (const EnemyBat& b : g_enemyBat) EXPECT_EQ(b.dead, 1) << "its bats vanish with it";

    struct Link {
        const int32_t& dormant;
        const int32_t& dead;
        const int32_t& x;
        const int32_t& y;
    };
    const Link chain[] = {
        {g_bossBMedyusa[0].dormant, g_bossBMedyusa[0].dead, g_bossBMedyusa[0].x, g_bossBMedyusa[0].y},
        {g_bossMiira[0].dormant, g_bossMiira[0].dead, g_bossMiira[0].x, g_bossMiira[0].y},
        {g_bossHuranken[0].dormant, g_bossHuranken[0].dead, g_bossHuranken[0].x, g_bossHuranken[0].y},
        {g_bossQuorth[0].dormant, g_bossQuorth[0].dead, g_bossQuorth[0].x, g_bossQuorth[0].y},
    };
    for (size_t i = 0; i < 4; ++i) {
        for (size_t later = i + 1; later < 4; ++later) EXPECT_EQ(chain[later].dormant, 1);
        // The death frame already counts as the first of the 50.
        EXPECT_EQ(Pause(chain[i].dormant), 49) << "boss " << i + 1;
        EXPECT_EQ(g_maryokuOrb[0].hidden, 1);
        Kill(chain[i].dead, chain[i].x, chain[i].y);
        ASSERT_EQ(chain[i].dead, 1) << "boss " << i + 1;
        EXPECT_TRUE(CountersInRange());
    }
    EXPECT_EQ(g_maryokuOrb[0].hidden, 0);
    EXPECT_EQ(g_maryokuOrb[0].x, 300);
    EXPECT_EQ(g_maryokuOrb[0].y, 50 + 10) << "built in the death frame, it falls in the same frame";
}

TEST_F(CaveArena, GiantBatSweepsWithItsWingBeatAndReleasesBatsOnlyIntoIdleSlots) {
    BossGBat& bat = g_bossGBat[0];
    bat.x = 300;
    int32_t lastX = bat.x;
    for (int f = 1; f <= 10; ++f) {
        Frame();
        const int32_t jolt = f == 5 ? 16 : (f == 10 ? -16 : 0);
        EXPECT_EQ(bat.x - lastX, -9 + jolt) << "frame " << f;
        lastX = bat.x;
    }
    EXPECT_EQ(bat.y, 250);
    bat.x = -3;
    Frame();
    EXPECT_EQ(bat.dir, 1);
    bat.x = 604;
    Frame();
    EXPECT_EQ(bat.dir, 0);

    for (EnemyBat& b : g_enemyBat) b = EnemyBat(300, 100, 600, 0);
    bat.spawnTimer = 1;
    const std::vector<EnemyBat> before(std::begin(g_enemyBat), std::end(g_enemyBat));
    bat.Update();
    EXPECT_GE(bat.spawnTimer, 60);
    EXPECT_LT(bat.spawnTimer, 150);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(g_enemyBat[i].x, before[i].x) << "nothing released, slot " << i;
    g_enemyBat[3].dead = 1;
    bat.spawnTimer = 1;
    bat.Update();
    EXPECT_EQ(g_enemyBat[3].dead, 0);
    EXPECT_EQ(g_enemyBat[3].x, bat.x + 40);
    EXPECT_EQ(g_enemyBat[3].maxX, 600);
}

TEST_F(CaveArena, GorgonPatrolsTheRightHalfAndDrivesTheHeadsOnlyWhileOnTheField) {
    Stand(100, 349);
    for (int f = 0; f < 20; ++f) Frame();
    for (const EnemyMedyusaHead& h : g_enemyMedyusaHead) EXPECT_EQ(h.dead, 1) << "no gorgon yet";

    g_bossGBat[0].dead = 1;
    BossBMedyusa& g = g_bossBMedyusa[0];
    Pause(g.dormant);
    Stand(300, 349);
    for (int f = 0; f < 200; ++f) {
        hero.invulnerable = 40;
        Frame();
        EXPECT_GE(g.x, 450 - 7);
        EXPECT_LE(g.x, 660);
        if (f > 40) {
            EXPECT_LE(g.x, 600 + 7);
        }
    }
    int alive = 0;
    for (const EnemyMedyusaHead& h : g_enemyMedyusaHead) alive += h.dead == 0 ? 1 : 0;
    EXPECT_GT(alive, 0);

    g.dead = 1;
    for (EnemyMedyusaHead& h : g_enemyMedyusaHead) h.dead = 1;
    for (int f = 0; f < 20; ++f) Frame();
    for (const EnemyMedyusaHead& h : g_enemyMedyusaHead) EXPECT_EQ(h.dead, 1) << "none after its death";
}

TEST_F(CaveArena, MummyWalksInThenDropsBouldersAndThrowsBandagesThroughRotatingSlots) {
    g_bossGBat[0].dead = 1;
    g_bossBMedyusa[0].dead = 1;
    BossMiira& m = g_bossMiira[0];
    Pause(m.dormant);
    while (m.x > 450) Frame();
    EXPECT_EQ(m.x, 450);

    // Counters left out of range by anything still name a slot.
    g_miiraBoulderSlot = 7;
    g_miiraBandageSlot = -2;
    std::vector<int32_t> boulderSlots, bandageSlots;
    for (int f = 0; f < 600; ++f) {
        m.hp = 16;
        const int32_t boulder = g_miiraBoulderSlot, bandage = g_miiraBandageSlot;
        Frame();
        // A fresh record in the named slot, already one frame old.
        if (boulder != g_miiraBoulderSlot) {
            boulderSlots.push_back(g_miiraBoulderSlot);
            EXPECT_EQ(g_enemyGanseki[g_miiraBoulderSlot].delay, 1);
        }
        if (bandage != g_miiraBandageSlot) {
            bandageSlots.push_back(g_miiraBandageSlot);
            EXPECT_EQ(g_enemyHoutai[g_miiraBandageSlot].x, 460 - 7);
        }
    }
    EXPECT_TRUE(CountersInRange());
    ASSERT_GE(boulderSlots.size(), 3u);
    ASSERT_GE(bandageSlots.size(), 3u);
    EXPECT_EQ(boulderSlots[0], 0);
    EXPECT_EQ(bandageSlots[0], 0);
    for (size_t i = 1; i < boulderSlots.size(); ++i) EXPECT_EQ(boulderSlots[i], (boulderSlots[i - 1] + 1) % 2);
    for (size_t i = 1; i < bandageSlots.size(); ++i) EXPECT_EQ(bandageSlots[i], (bandageSlots[i - 1] + 1) % 5);
}

TEST_F(CaveArena, BouldersWaitThenFallOrRollAndBandagesWaveLeftUntilStruck) {
    EnemyGanseki& rock = g_enemyGanseki[0];
    rock = EnemyGanseki(340, 50, 1, 0);
    for (int f = 1; f <= 19; ++f) rock.Update();
    EXPECT_EQ(rock.y, 50) << "hangs for 19 frames";
    rock.Update();
    EXPECT_EQ(rock.y, 70);
    while (rock.dead == 0) rock.Update();
    EXPECT_GE(rock.y, 535);
    rock = EnemyGanseki(100, 350, 0, 0);
    int frames = 0;
    for (; rock.dead == 0 && frames < 100; ++frames) rock.Update();
    EXPECT_EQ(frames, 19 + (705 - 100 + 19) / 20) << "rolls right off the arena";

    EnemyHoutai& band = g_enemyHoutai[0];
    band = EnemyHoutai(0);
    EXPECT_GE(band.y, 331);
    EXPECT_LT(band.y, 391);
    const int32_t startY = band.y;
    int32_t low = band.y, high = band.y;
    for (frames = 0; band.dead == 0 && frames < 200; ++frames) {
        band.Update();
        low = std::min(low, band.y);
        high = std::max(high, band.y);
    }
    EXPECT_EQ(frames, (460 + 31 + 6) / 7);
    EXPECT_LE(high - startY, 25) << "a wave of limited height";
    EXPECT_GE(low, startY - 25);

    band = EnemyHoutai(0);
    band.x = 200;
    Stand(band.x - 60, band.y - 22, true);
    band.Update();
    EXPECT_EQ(band.dead, 1) << "one stroke ends it";
}

TEST_F(CaveArena, GiantStampsDownBlocksInAlternateSetsAndCallsMinionsIntoFreeSlots) {
    g_bossGBat[0].dead = 1;
    g_bossBMedyusa[0].dead = 1;
    g_bossMiira[0].dead = 1;
    BossHuranken& h = g_bossHuranken[0];
    Pause(h.dormant);
    while (h.x > 580) Frame();
    EXPECT_EQ(h.x, 580);

    h.quaking = 1;
    h.counter = 9;
    g_hurankenRockSet = 1;
    for (EnemyOtiruBlock& b : g_enemyOtiruBlock) b.dead = 1;
    h.Update();
    EXPECT_EQ(h.frame, 4);
    EXPECT_EQ(CountPlayed(12), 1) << "the stamp";
    for (int s = 0; s < 3; ++s) {
        EXPECT_EQ(g_enemyOtiruBlock[s].dead, 0) << s;
        EXPECT_GE(g_enemyOtiruBlock[s].x, 450);
        EXPECT_LT(g_enemyOtiruBlock[s].x, 550);
        EXPECT_EQ(g_enemyOtiruBlock[s].y, -30);
        EXPECT_EQ(g_enemyOtiruBlock[s + 3].dead, 1) << "the other set is left alone";
    }

    h.quaking = 0;
    h.summoning = 1;
    h.counter = 9;
    for (EnemySemusi& s : g_enemySemusi) s = EnemySemusi(100, 305, 1, 0);
    g_enemySemusi[6].dead = 1;
    h.Update();
    EXPECT_EQ(g_enemySemusi[6].dead, 0);
    EXPECT_EQ(g_enemySemusi[6].x, 555);
    h.counter = 9;
    const EnemySemusi copy = g_enemySemusi[0];
    h.Update();
    EXPECT_EQ(g_enemySemusi[0].x, copy.x) << "all nine busy: nothing called";
    for (int f = 0; f < 400; ++f) {
        h.hp = 16;
        Frame();
        ASSERT_TRUE(CountersInRange());
    }
}

TEST_F(CaveArena, QuorthJumpsEndsOncePerCountedHitAndKeepsFiveBallsAtMost) {
    g_bossGBat[0].dead = 1;
    g_bossBMedyusa[0].dead = 1;
    g_bossMiira[0].dead = 1;
    g_bossHuranken[0].dead = 1;
    BossQuorth& q = g_bossQuorth[0];
    Pause(q.dormant);
    ASSERT_EQ(q.x, 544);
    // A swing held over the right end for ten frames: one hit, one jump.
    for (int f = 0; f < 10; ++f) {
        Stand(544 - 60, 305 - 12, true);
        Frame();
    }
    EXPECT_EQ(q.hp, 15);
    EXPECT_EQ(q.x, 0);
    Stand(0, 305 - 12);
    Frame();
    Stand(-60, 305 - 12, true);
    Frame();
    EXPECT_EQ(q.hp, 14);
    EXPECT_EQ(q.x, 544) << "and back";

    Stand(300, 349);
    for (int f = 0; f < 70 * 7; ++f) {
        hero.invulnerable = 40;
        Frame();
        for (const EnemyTama& t : g_enemyTama) {
            if (t.dead != 0) continue;
            EXPECT_GE(t.x, -10);
            EXPECT_LE(t.x, 640) << "a ball may start as far right as 639";
            EXPECT_GE(t.y, -20);
            EXPECT_LE(t.y, 465);
        }
    }
    for (const EnemyTama& t : g_enemyTama) EXPECT_EQ(t.dead, 0) << "a ball never ends by itself";
    EnemyTama& ball = g_enemyTama[1];
    Stand(ball.x - 60, ball.y - 12, true);
    ball.Update();
    EXPECT_EQ(ball.dead, 1);
}

TEST_F(CaveArena, SlotCountersLiveAcrossStageStartsAndAlwaysNameASlot) {
    int32_t c = 0;
    std::vector<int32_t> seen;
    for (int i = 0; i < 6; ++i) seen.push_back(enemy::AdvanceRotating(c, 5));
    EXPECT_EQ(seen, (std::vector<int32_t>{1, 2, 3, 4, 0, 1})) << "advanced before use";
    for (const int32_t bad : {-7, 5, 99, INT32_MAX, INT32_MIN}) {
        c = bad;
        EXPECT_EQ(enemy::AdvanceRotating(c, 2), 0) << bad;
    }
    c = 0;
    EXPECT_EQ(enemy::AdvanceRotating(c, 10, 5), 5);
    EXPECT_EQ(enemy::AdvanceRotating(c, 10, 5), 0);

    g_bossGBat[0].hp = 3;
    g_miiraBandageSlot = 3;
    g_hurankenRockSet = 1;
    g_menu.StartStage();
    EXPECT_EQ(g_miiraBandageSlot, 3);
    EXPECT_EQ(g_hurankenRockSet, 1);
    EXPECT_EQ(g_bossGBat[0].hp, 16) << "while the chain itself starts over";
}

}  // namespace

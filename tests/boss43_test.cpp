// The five bosses of the cave arena: the chain with its pauses and the clear
// orb, each boss's phases, the slot counters kept for the whole run, the
// projectiles and minions they release, hits and death.
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

struct Boss {
    int32_t& x;
    int32_t& y;
    int32_t& dead;
    int32_t& dormant;
};
Boss Later(int n) {
    switch (n) {
        case 1: return {g_bossBMedyusa[0].x, g_bossBMedyusa[0].y, g_bossBMedyusa[0].dead, g_bossBMedyusa[0].dormant};
        case 2: return {g_bossMiira[0].x, g_bossMiira[0].y, g_bossMiira[0].dead, g_bossMiira[0].dormant};
        case 3: return {g_bossHuranken[0].x, g_bossHuranken[0].y, g_bossHuranken[0].dead, g_bossHuranken[0].dormant};
        default: return {g_bossQuorth[0].x, g_bossQuorth[0].y, g_bossQuorth[0].dead, g_bossQuorth[0].dormant};
    }
}

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
    void Stand(int32_t x, int32_t y, bool swing = false) {
        PutHero(x, y);
        hero.screenX = x;
        Whip(swing);
    }
    void Frame() { g_stage.Update(); }
    // Swings (every second frame) 10 rows into a boss's box until it dies.
    void Kill(const int32_t& dead, const int32_t& bx, const int32_t& by) {
        for (int f = 0; dead == 0 && f < 3000; ++f) {
            Stand(bx - 60, by - 12, f % 2 == 0);
            Frame();
        }
    }
    // Frames until a dormant boss wakes.
    int Pause(const int32_t& dormant) {
        int frames = 0;
        Stand(100, 349);
        for (; dormant != 0 && frames < 200; ++frames) Frame();
        return frames;
    }
    // The bat and the later bosses before the n-th already dead, until the
    // n-th wakes.
    void SkipTo(int n) {
        g_bossGBat[0].dead = 1;
        for (int i = 1; i < n; ++i) Later(i).dead = 1;
        Pause(Later(n).dormant);
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
    g_enemyBat[2] = EnemyBat(300, 100, 600, 0);
    Kill(g_bossGBat[0].dead, g_bossGBat[0].x, g_bossGBat[0].y);
    ASSERT_EQ(g_bossGBat[0].dead, 1) << "the bat acts from the first frame";
    for (const EnemyBat& b : g_enemyBat) EXPECT_EQ(b.dead, 1) << "its bats vanish with it";
    for (int n = 1; n <= 4; ++n) {
        for (int later = n + 1; later <= 4; ++later) EXPECT_EQ(Later(later).dormant, 1);
        // The death frame already counts as the first of the 50.
        EXPECT_EQ(Pause(Later(n).dormant), 49) << "boss " << n;
        EXPECT_EQ(g_maryokuOrb[0].hidden, 1);
        Kill(Later(n).dead, Later(n).x, Later(n).y);
        ASSERT_EQ(Later(n).dead, 1) << "boss " << n;
    }
    EXPECT_EQ(g_maryokuOrb[0].hidden, 0);
    EXPECT_EQ(g_maryokuOrb[0].x, 300);
    EXPECT_EQ(g_maryokuOrb[0].y, 50 + 10) << "built in the death frame, it falls in the same frame";
    EXPECT_TRUE(CountersInRange());

    // Released minions outlive the chain; cleared away here, the hero walks
    // onto the orb through the real frame loop.
    for (EnemyTama& t : g_enemyTama) t.dead = 1;
    for (EnemySemusi& m : g_enemySemusi) m.dead = 1;
    for (EnemyOtiruBlock& b : g_enemyOtiruBlock) b.dead = 1;
    Stand(200, 349);
    backend.ClearSoundPlays();
    for (int f = 0; g_stageClear == 0 && f < 80; ++f) {
        HoldKey(0xCD);
        Tick();
    }
    LetGo(0xCD);
    EXPECT_EQ(g_stageClear, 1);
    EXPECT_EQ(CountPlayed(5), 1) << "the boss arenas' clear";
}

TEST_F(CaveArena, GiantBatSweepsWithItsWingBeatAndReleasesBatsOnlyIntoIdleSlots) {
    // The beat jolts it 16 ahead at its middle and back at its end.
    BossGBat& bat = g_bossGBat[0];
    bat.x = 300;
    for (int f = 0; f < 5; ++f) Frame();
    EXPECT_EQ(bat.x, 300 - 5 * 9 + 16);
    for (int f = 0; f < 5; ++f) Frame();
    EXPECT_EQ(bat.x, 300 - 10 * 9);

    for (EnemyBat& b : g_enemyBat) b = EnemyBat(300, 100, 600, 0);
    bat.spawnTimer = 1;
    bat.Update();
    EXPECT_TRUE(bat.spawnTimer >= 60 && bat.spawnTimer < 150) << bat.spawnTimer;
    for (const EnemyBat& b : g_enemyBat) EXPECT_EQ(b.x, 300) << "nothing released";
    g_enemyBat[3].dead = 1;
    bat.spawnTimer = 1;
    bat.Update();
    EXPECT_EQ(g_enemyBat[3].dead, 0);
    EXPECT_EQ(g_enemyBat[3].x, bat.x + 40);
}

TEST_F(CaveArena, GorgonPatrolsTheRightHalfAndDrivesTheHeadsOnlyWhileOnTheField) {
    for (int f = 0; f < 20; ++f) Frame();
    for (const EnemyMedyusaHead& h : g_enemyMedyusaHead) EXPECT_EQ(h.dead, 1) << "no gorgon yet";
    BossBMedyusa& g = g_bossBMedyusa[0];
    SkipTo(1);
    Stand(300, 349);
    for (int f = 0; f < 200; ++f) {
        hero.invulnerable = 40;
        Frame();
        EXPECT_TRUE(g.x >= 450 - 7 && g.x <= (f > 40 ? 600 + 7 : 660)) << g.x;
    }
    EXPECT_TRUE(std::any_of(std::begin(g_enemyMedyusaHead), std::end(g_enemyMedyusaHead),
                            [](const EnemyMedyusaHead& h) { return h.dead == 0; }));
    g.dead = 1;
    for (EnemyMedyusaHead& h : g_enemyMedyusaHead) h.dead = 1;
    for (int f = 0; f < 20; ++f) Frame();
    for (const EnemyMedyusaHead& h : g_enemyMedyusaHead) EXPECT_EQ(h.dead, 1) << "none after its death";
}

TEST_F(CaveArena, MummyDropsBouldersAndThrowsBandagesThroughRotatingSlots) {
    BossMiira& m = g_bossMiira[0];
    SkipTo(2);
    while (m.x > 450) Frame();
    EXPECT_EQ(m.x, 450);
    // Counters left out of range by anything restart at slot 0.
    g_miiraBoulderSlot = 7;
    g_miiraBandageSlot = -2;
    std::vector<int32_t> rocks, bands;
    for (int f = 0; f < 600; ++f) {
        m.hp = 16;
        const int32_t rock = g_miiraBoulderSlot, band = g_miiraBandageSlot;
        Frame();
        // A fresh record in the slot named, already one frame old.
        if (rock != g_miiraBoulderSlot) {
            rocks.push_back(g_miiraBoulderSlot);
            EXPECT_EQ(g_enemyGanseki[g_miiraBoulderSlot].delay, 1);
        }
        if (band != g_miiraBandageSlot) {
            bands.push_back(g_miiraBandageSlot);
            EXPECT_EQ(g_enemyHoutai[g_miiraBandageSlot].x, 460 - 7);
        }
    }
    EXPECT_TRUE(CountersInRange());
    ASSERT_TRUE(rocks.size() >= 3 && bands.size() >= 3);
    EXPECT_EQ(rocks[0] + bands[0], 0);
    for (size_t i = 1; i < rocks.size(); ++i) EXPECT_EQ(rocks[i], (rocks[i - 1] + 1) % 2);
    for (size_t i = 1; i < bands.size(); ++i) EXPECT_EQ(bands[i], (bands[i - 1] + 1) % 5);
    const int32_t next = g_miiraBandageSlot;
    g_menu.StartStage();
    EXPECT_EQ(g_miiraBandageSlot, next) << "a stage start leaves the counters be";
    EXPECT_EQ(g_bossMiira[0].dormant, 1) << "while the chain starts over";
}

TEST_F(CaveArena, BouldersWaitThenFallOrRollAndBandagesWaveLeftUntilStruck) {
    // Each hangs 19 frames, then moves 20 a frame: to row 535 (25 steps from
    // 50) or column 705 (31 steps from 100).
    EnemyGanseki& rock = g_enemyGanseki[0];
    for (const EnemyGanseki start : {EnemyGanseki(340, 50, 1, 0), EnemyGanseki(100, 350, 0, 0)}) {
        rock = start;
        int frames = 0;
        for (; rock.dead == 0 && frames < 100; ++frames) rock.Update();
        EXPECT_EQ(frames, 19 + (start.falling != 0 ? 25 : 31));
    }
    EnemyHoutai& band = g_enemyHoutai[0];
    band = EnemyHoutai(0);
    EXPECT_TRUE(band.y >= 331 && band.y < 391) << band.y;
    int frames = 0;
    for (; band.dead == 0 && frames < 200; ++frames) band.Update();
    EXPECT_EQ(frames, 71) << "7 a frame from 460 to below -30";
    band = EnemyHoutai(0);
    band.x = 200;
    Stand(band.x - 60, band.y - 22, true);
    band.Update();
    EXPECT_EQ(band.dead, 1) << "one stroke ends it";
}

TEST_F(CaveArena, GiantStampsDownBlocksInAlternateSetsAndCallsMinionsIntoFreeSlots) {
    BossHuranken& h = g_bossHuranken[0];
    SkipTo(3);
    while (h.x > 580) Frame();
    EXPECT_EQ(h.x, 580);
    h.quaking = 1;
    h.counter = 9;
    g_hurankenRockSet = 1;
    for (EnemyOtiruBlock& b : g_enemyOtiruBlock) b.dead = 1;
    h.Update();
    EXPECT_EQ(CountPlayed(12), 1) << "the stamp";
    for (int s = 0; s < 3; ++s) {
        const EnemyOtiruBlock& b = g_enemyOtiruBlock[s];
        EXPECT_TRUE(b.dead == 0 && b.x >= 450 && b.x < 550 && b.y == -30) << s;
        EXPECT_EQ(g_enemyOtiruBlock[s + 3].dead, 1) << "the other set is left alone";
    }

    h.quaking = 0;
    h.summoning = 1;
    h.counter = 9;
    for (EnemySemusi& s : g_enemySemusi) s = EnemySemusi(100, 305, 1, 0);
    g_enemySemusi[6].dead = 1;
    h.Update();
    EXPECT_EQ(g_enemySemusi[6].x, 555);
    h.counter = 9;
    h.Update();
    EXPECT_EQ(g_enemySemusi[0].x, 100) << "all nine busy: nothing called";
}

TEST_F(CaveArena, QuorthJumpsEndsOncePerCountedHitAndKeepsFiveBallsAtMost) {
    BossQuorth& q = g_bossQuorth[0];
    SkipTo(4);
    // A swing held over the right end for ten frames: one hit, one jump.
    for (int f = 0; f < 10; ++f) {
        Stand(544 - 60, 305 - 12, true);
        Frame();
    }
    EXPECT_TRUE(q.hp == 15 && q.x == 0) << q.hp << " " << q.x;
    Stand(0, 305 - 12);
    Frame();
    Stand(-60, 305 - 12, true);
    Frame();
    EXPECT_TRUE(q.hp == 14 && q.x == 544) << "and back";

    Stand(300, 349);
    for (int f = 0; f < 70 * 7; ++f) {
        hero.invulnerable = 40;
        Frame();
    }
    // Bouncing within the screen, and only the weapon ends one.
    for (const EnemyTama& t : g_enemyTama)
        EXPECT_TRUE(t.dead == 0 && t.x >= -10 && t.x <= 622 && t.y >= -20 && t.y <= 465);
    EnemyTama& ball = g_enemyTama[1];
    Stand(ball.x - 60, ball.y - 12, true);
    ball.Update();
    EXPECT_EQ(ball.dead, 1);
}

}  // namespace

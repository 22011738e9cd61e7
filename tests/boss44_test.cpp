// The six-boss arena of stage 44 against its rules: each boss's phases, the
// chain hand-over and the clear orb, the projectiles' flights, hits and
// deaths, and the rotating slots that must stay inside their pools.
#include <algorithm>

#include "enemies/bosses/beri_fire.h"
#include "enemies/bosses/boss_beri1.h"
#include "enemies/bosses/boss_beri2.h"
#include "enemies/bosses/boss_death1.h"
#include "enemies/bosses/boss_death2.h"
#include "enemies/bosses/boss_gyai1.h"
#include "enemies/bosses/boss_gyai2.h"
#include "enemies/bosses/gyai_fire1.h"
#include "enemies/bosses/gyai_fire2.h"
#include "enemies/bosses/gyai_ganseki.h"
#include "enemies/bosses/kama.h"
#include "enemies/bosses/maryoku_orb.h"
#include "enemies/model/gyai_body.h"
#include "enemies/model/pool_slots.h"
#include "enemies/model/sickle_release.h"
#include "engine/game_state.h"
#include "engine/sprite_draw_kinds.h"
#include "game_test.h"
#include "players/hero_common.h"
#include "players/player_doran.h"
#include "players/player_front.h"
#include "shell/menu.h"
#include "stages/stage.h"

namespace {

using enemy::Box;

// The whip hero stands in for every hero: facing right in pose 11 its whip
// covers x + 48 to x + 128 at rows y + 22 to y + 31; its body is x + 2 to
// x + 30.
class Arena44 : public DataDirTest {
protected:
    void SetUp() override {
        DataDirTest::SetUp();
        StartGame();
        g_stageNumber = 44;
        g_menu.StartStage();
        g_menu.active = 0;
        SeedGameRand(5);
        PutHero(300, 349);
    }
    void PutHero(int32_t x, int32_t y, bool swing = false) {
        hero = PlayerDoran();
        hero.x = hero.screenX = x;
        hero.y = y;
        hero.hp = 16;
        hero.pose = swing ? 11 : 0;
    }
    // The whip's reach over the box's top left corner, the body clear of it.
    void SwingAt(const platform::Rect& box, bool swing) { PutHero(box.left - 60, box.top - 20, swing); }
    void Frames(int n = 1) {
        for (int i = 0; i < n; ++i) g_stage.Update();
    }
    // Swings every second frame until the boss has lost `hits` hit points
    // (or died).
    template <typename B, typename BoxOf>
    bool Strike(B& b, BoxOf boxOf, int hits = 1, int limit = 6000) {
        const int32_t goal = b.hp - hits;
        for (int f = 0; f < limit && b.hp > goal && b.dead == 0; ++f) {
            SwingAt(boxOf(), f % 2 == 0);
            Frames();
        }
        return b.hp == goal || b.dead != 0;
    }
    template <typename B, typename BoxOf>
    void Kill(B& b, BoxOf boxOf) {
        Strike(b, boxOf, 16);
    }
    static platform::Rect Beri1Body() { return Box(g_bossBeri1[0].x, g_bossBeri1[0].y, 30, 10, 90, 110); }
    static platform::Rect Death2Body() { return Box(g_bossDeath2[0].x + 66, g_bossDeath2[0].y, 12, 80, 102, 178); }
    int32_t Cost(int32_t level) { return HeroDamage(g_playerFront.GetCharacter(), level); }
    // Runs one record's own update until it is gone; the frames it lived.
    template <typename T>
    static int Life(T& e, int limit = 100000) {
        int n = 0;
        while (e.dead == 0 && n < limit) {
            e.Update();
            ++n;
        }
        return n;
    }

    PlayerDoran& hero = g_playerDoran;
};

// --- The beast: invulnerable drop, fire columns, flight to the other side ---

TEST_F(Arena44, BeastWakesBeyondX100DropsUnharmedAndFliesAcrossWhenStruck) {
    BossBeri1& b = g_bossBeri1[0];
    PutHero(100, 349);
    Frames();
    EXPECT_EQ(b.dormant, 1) << "x 100 is not beyond 100";
    while (b.falling != 0) {
        SwingAt(Box(b.x, b.y + 70, 0, 0, 108, 122), true);
        Frames();
        if (b.falling != 0) {
            EXPECT_EQ(b.hp, 16) << "no hit while it drops";
        }
    }
    EXPECT_EQ(b.y, 291);
    EXPECT_EQ(b.facing, 0) << "the hero stood to its left";

    ASSERT_TRUE(Strike(b, Beri1Body));
    PutHero(520, 349);
    while (b.rising != 0 || b.falling != 0) Frames();
    EXPECT_EQ(b.x, 0) << "lands on the other side";
    EXPECT_EQ(b.facing, 1) << "facing the hero";
    ASSERT_TRUE(Strike(b, Beri1Body));
    while (b.rising != 0 || b.falling != 0) Frames();
    EXPECT_EQ(b.x, 512);
}

TEST_F(Arena44, BeastBreathesAColumnEvery30FramesAndItsBreathBurns) {
    BossBeri1& b = g_bossBeri1[0];
    b.dormant = b.falling = 0;
    b.y = 291;
    g_beriFireSlot = 0;
    PutHero(200, 100);
    Frames(15);
    EXPECT_EQ(b.frame, 5) << "the breath picture, facing left";
    EXPECT_EQ(g_enemyBeriFire[1].state, 1) << "slot advanced before use; runs left";
    EXPECT_EQ(g_enemyBeriFire[1].x, 476 - 8) << "and ran in the same frame";
    Frames(60);
    EXPECT_EQ(g_beriFireSlot, 0) << "back to 0 at its count of three";

    // The breath reaches 64 pixels in front of the body.
    b.counter = 4;
    PutHero(b.x - 50, 291 + 20);
    Frames();
    EXPECT_EQ(hero.hp, 16 - Cost(4));
}

TEST_F(Arena44, FireColumnEruptsOncePastTheHeroAndBurns15Frames) {
    PutHero(300, 349);
    EnemyBeriFire& f = g_enemyBeriFire[0];
    f = EnemyBeriFire(164, 327, 0, 0);
    int frames = 0;
    for (; f.state == 0 && frames < 100; ++frames) f.Update();
    EXPECT_EQ(f.x, 164 + 8 * frames - 31) << "erupts as it passes x 320, shifted left and up";
    EXPECT_GT(f.x + 31, 320);
    EXPECT_EQ(Life(f), 15);
}

// --- The beast's second form ---

TEST_F(Arena44, SecondBeastWaitsTenFramesLeftAndTwentyRightBetweenCharges) {
    BossBeri2& b = g_bossBeri2[0];
    g_bossBeri1[0].dead = 1;
    PutHero(300, 100);
    Frames(10);
    EXPECT_EQ(b.frame, 0) << "woke in the frame of the beast's death; entry over";
    int wait = 0;
    for (; b.x == 0; ++wait) Frames();
    EXPECT_EQ(wait, 11) << "the charge in the 11th frame";
    while (b.frame == 0) Frames();
    EXPECT_EQ(b.x, 464);
    for (wait = 0; b.x == 464; ++wait) Frames();
    EXPECT_EQ(wait, 21);
    while (b.frame == 1) Frames();
    EXPECT_EQ(b.x, 0);
}

// --- The giant and its flying form ---

TEST_F(Arena44, GiantLandsWithTenRocksOverWhateverTheSlotsHeldThenFlamesEvery34Frames) {
    BossGyai1& g = g_bossGyai1[0];
    g_bossBeri1[0].dead = g_bossBeri2[0].dead = 1;
    g_enemyGyaiGanseki[3] = EnemyGyaiGanseki(7, 400, 0);
    g_enemyGyaiGanseki[3].vy = 9;
    g_gyaiFire1Slot = 3;
    PutHero(100, 100);
    while (g.falling != 0) Frames();
    for (int32_t k = 0; k < 10; ++k) {
        EXPECT_EQ(g_enemyGyaiGanseki[k].x, 150 + 50 * k) << k;
        EXPECT_EQ(g_enemyGyaiGanseki[k].vy, 1) << "fresh rock, one frame fallen";
    }
    Frames(40);
    EXPECT_EQ(g_enemyGyaiFire1[0].x, 554 - 12) << "the slot after 3 is 0";
    Frames(33);
    EXPECT_EQ(g_enemyGyaiFire1[1].dead, 1);
    Frames();
    EXPECT_EQ(g_enemyGyaiFire1[1].dead, 0);
}

TEST_F(Arena44, GiantRisesOutOfSightWhenStruckAndAHitInTheFallRisesAfterLanding) {
    BossGyai1& g = g_bossGyai1[0];
    g.dormant = g.firstWake = 0;
    g.y = 150;
    g.vy = 3;
    ASSERT_TRUE(Strike(
        g, [&] { return boss::GyaiBody(g.x, g.y, g.frame); }, 1, 1));
    EXPECT_EQ(g.falling, 1);
    while (g.falling != 0) Frames();
    const int32_t landed = g.y;
    PutHero(100, 100);
    Frames();
    EXPECT_EQ(g.y, landed - 10) << "up again at once";
    while (g.rising != 0) {
        Frames();
        EXPECT_LE(g.frame, 4) << "wing pictures, then the falling one";
    }
    EXPECT_LT(g.y, -100);
    EXPECT_EQ(g.frame, 4);
}

TEST_F(Arena44, FlyingGiantTakesTheGiantsHeightAndSpitsFlamesDrawingVyFirst) {
    BossGyai2& g = g_bossGyai2[0];
    g_bossBeri1[0].dead = g_bossBeri2[0].dead = g_bossGyai1[0].dead = 1;
    g_bossGyai1[0].y = 150;
    g_gyaiFire2Slot = 7;
    PutHero(100, 100);
    Frames(17);
    EXPECT_EQ(g.y, 150 - 6 * 17) << "took the giant's y, then rose";
    SeedGameRand(21);
    const int32_t a = GameRand(), b = GameRand();
    SeedGameRand(21);
    Frames();
    const EnemyGyaiFire2& f = g_enemyGyaiFire2[0];
    EXPECT_EQ(f.vy, 3 + a % 5) << "the slot after 7 is 0";
    EXPECT_EQ(f.vx, -3 - b % 5);
    EXPECT_EQ(f.x, g.x + 80 + f.vx);

    int32_t lo = 1000, hi = -1000;
    for (int i = 0; i < 300; ++i) {
        Frames();
        lo = std::min(lo, g.y);
        hi = std::max(hi, g.y);
    }
    EXPECT_TRUE(lo < -100 && lo >= -106) << lo;
    EXPECT_TRUE(hi > 227 && hi <= 237) << hi;

    // Only the left edge ends a flame: one spat low flies on below the screen
    // until it is past column -22.
    EnemyGyaiFire2 low(100, 470, -3, 7, 0);
    EXPECT_EQ(Life(low), 42);
    EXPECT_GT(low.y, 480);
}

// --- Rotating slots ---

TEST_F(Arena44, RotatingSlotsAndSickleSlotsStayInTheirPoolsWhateverTheCounterHeld) {
    for (int32_t c : {-5, 2, 3, 99, INT32_MAX, INT32_MIN})
        EXPECT_LT(static_cast<uint32_t>(enemy::AdvanceRotating(c, 3)), 3u);
    const int32_t refused = enemy::RefusedSlotCount();
    for (const int32_t stale : {599, 600, 659, -1, INT32_MAX}) {
        int32_t t = stale;
        for (int i = 0; i < 700; ++i) boss::ReleaseSickle(t);
    }
    g_beriFireSlot = 1234;
    BossBeri1& b = g_bossBeri1[0];
    b.dormant = b.falling = 0;
    b.counter = 14;
    Frames();
    EXPECT_EQ(g_enemyBeriFire[0].dead, 0);
    EXPECT_EQ(enemy::RefusedSlotCount(), refused) << "no write refused";
}

// --- The reaper: sickles, wall-to-wall leaps, out of reach in the air ---

TEST_F(Arena44, SicklesRefillTheTenSlotsInTurnEvery60FramesDrawingYFirst) {
    int32_t tick = 0;
    int written = 0;
    for (int f = 1; f <= 1200; ++f) {
        SeedGameRand(static_cast<uint32_t>(f));
        const int32_t ry = GameRand() % 200, rx = GameRand() % 600;
        SeedGameRand(static_cast<uint32_t>(f));
        const int32_t slot = f / 60 % 10;
        g_enemyKama[slot].dead = 1;
        boss::ReleaseSickle(tick);
        if (f % 60 != 0) continue;
        ++written;
        EXPECT_EQ(g_enemyKama[slot].dead, 0) << f;
        EXPECT_EQ(g_enemyKama[slot].x, rx) << f;
        EXPECT_EQ(g_enemyKama[slot].y, ry) << f;
    }
    EXPECT_EQ(written, 20);
    // Both forms write the same ten slots.
    g_bossDeath1[0].dormant = 0;
    g_bossDeath1[0].tick = 59;
    g_bossDeath1[0].Update();
    g_bossDeath2[0].dormant = 0;
    g_bossDeath2[0].tick = 119;
    g_bossDeath1[0].dead = 1;
    g_enemyKama[2].dead = 1;
    g_bossDeath2[0].Update();
    EXPECT_EQ(g_enemyKama[2].dead, 0);
}

TEST_F(Arena44, SickleHangsTenFramesDriftsTwentyTwoAtMostThreeAFrameAndVanishesPast684) {
    PutHero(300, 349);
    EnemyKama k(100, 100, 0);
    for (int f = 1; f <= 10; ++f) k.Move();
    EXPECT_EQ(k.x, 100);
    EXPECT_EQ(k.vx, 3) << "(310 - 100) / 15, held to 3";
    for (int f = 11; f <= 32; ++f) k.Move();
    EXPECT_EQ(k.x, 100 + 3 * 22);
    EXPECT_EQ(k.vx, 0) << "stops and hangs again";

    EnemyKama gone(690, 10, 0);
    gone.Move();
    EXPECT_EQ(gone.dead, 1);
    EnemyKama& s = g_enemyKama[0];
    s = EnemyKama(400, 300, 0);
    SwingAt(Box(400, 300, 0, 0, 36, 40), true);
    s.Update();
    EXPECT_EQ(s.dead, 1) << "one hit destroys it";
}

TEST_F(Arena44, FirstReaperWaitsTwentyFramesAndLeapsWallToWall) {
    BossDeath1& d = g_bossDeath1[0];
    d.dormant = 0;
    PutHero(250, 100);
    Frames(20);
    EXPECT_EQ(d.x, 516);
    Frames();
    EXPECT_EQ(d.x, 506) << "leaps in the 21st frame";
    for (int f = 0; d.frame == 1 && f < 200; ++f) Frames();
    EXPECT_EQ(d.x, 0);
    EXPECT_EQ(d.y, 285);
    for (int f = 0; d.frame == 0 && f < 200; ++f) Frames();
    EXPECT_EQ(d.x, 516);
}

TEST_F(Arena44, LastReaperCannotBeHitInTheAirButHurtsThereAndRisesWhenStruck) {
    BossDeath2& d = g_bossDeath2[0];
    g_bossDeath1[0].dead = 1;
    while (d.falling != 0) {
        SwingAt(Box(d.x, d.y + 30, 0, 0, 194, 194), true);
        Frames();
    }
    EXPECT_EQ(d.hp, 16) << "no hit in the fall";
    EXPECT_EQ(d.y, 235);
    ASSERT_TRUE(Strike(d, Death2Body));
    EXPECT_EQ(d.rising, 1);
    d.counter = 27;  // struck late in the scythe's round: the wing beat still wraps
    while (d.rising != 0) {
        SwingAt(Box(d.x, d.y - 25, 0, 0, 194, 194), true);
        Frames();
        EXPECT_LT(d.counter, 10);
        EXPECT_LE(d.frame, 1);
    }
    EXPECT_EQ(d.hp, 15) << "no hit in the rise";
    // Its wings hurt in the air.
    d.y = 100;
    PutHero(d.x + 60, 160);
    Frames();
    EXPECT_EQ(hero.hp, 16 - Cost(5));
}

// --- The whole chain ---

TEST_F(Arena44, SixBossesHandOverInOrderAndTheLastDropsTheOrbThatClearsTheStage) {
    const int32_t faults = sprite_draw::FrameFaultCount();
    BossBeri1& b1 = g_bossBeri1[0];
    BossBeri2& b2 = g_bossBeri2[0];
    BossGyai1& g1 = g_bossGyai1[0];
    BossGyai2& g2 = g_bossGyai2[0];
    BossDeath1& d1 = g_bossDeath1[0];
    const int32_t* dormant[6] = {&b1.dormant, &b2.dormant, &g1.dormant,
                                 &g2.dormant, &d1.dormant, &g_bossDeath2[0].dormant};
    const auto expectAwakeUpTo = [&](int n) {
        for (int i = 1; i < 6; ++i) EXPECT_EQ(*dormant[i], i <= n ? 0 : 1) << "boss " << i << " after " << n;
    };
    Kill(b1, Beri1Body);
    expectAwakeUpTo(1);
    Kill(b2, [&] { return Box(b2.x, b2.y, 0, 50, 176, 126); });
    expectAwakeUpTo(2);
    Kill(g1, [&] { return boss::GyaiBody(g1.x, g1.y, g1.frame); });
    expectAwakeUpTo(3);
    Kill(g2, [&] { return boss::GyaiBody(g2.x, g2.y, g2.frame); });
    expectAwakeUpTo(4);
    Kill(d1, [&] { return d1.frame == 1 ? Box(d1.x, d1.y, 54, 0, 124, 128) : Box(d1.x, d1.y, 0, 0, 70, 128); });
    expectAwakeUpTo(5);
    EXPECT_EQ(g_maryokuOrb[0].hidden, 1) << "the orb waits for the last boss";
    Kill(g_bossDeath2[0], Death2Body);
    ASSERT_EQ(g_bossDeath2[0].dead, 1);
    EXPECT_EQ(g_maryokuOrb[0].hidden, 0);
    EXPECT_EQ(sprite_draw::FrameFaultCount(), faults) << "no picture outside its set";

    PutHero(100, 349);
    for (int f = 0; f < 60 && g_maryokuOrb[0].falling != 0; ++f) Frames();
    EXPECT_EQ(g_maryokuOrb[0].x, 300);
    EXPECT_EQ(g_stageClear, 0);
    PutHero(295, 349);
    Frames(2);
    EXPECT_EQ(g_stageClear, 1);

    // Placing the stage again, as after the hero's death, restarts it all.
    g_menu.StartStage();
    for (int i = 1; i < 6; ++i) EXPECT_EQ(*dormant[i], 1);
    EXPECT_EQ(b1.dead, 0);
    EXPECT_EQ(b1.hp, 16);
    EXPECT_EQ(g_maryokuOrb[0].hidden, 1);
}

}  // namespace

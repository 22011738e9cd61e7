// The six-boss arena of stage 44 against its rules: each boss's phases, the
// chain hand-over and the clear orb, the projectiles' flights, hits and
// deaths, and the rotating slots that must stay inside their pools.
#include <algorithm>
#include <cstdlib>

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
#include "enemies/model/enemy_model.h"
#include "enemies/model/gyai_body.h"
#include "enemies/model/rotating_slot.h"
#include "enemies/model/sickle_release.h"
#include "engine/game_state.h"
#include "engine/shell/menu.h"
#include "engine/sprite_draw_kinds.h"
#include "game_test.h"
#include "players/hero_common.h"
#include "players/player_doran.h"
#include "players/player_front.h"
#include "stages/stage.h"

namespace {

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
        hero.x = x;
        hero.screenX = x;
        hero.y = y;
        hero.hp = 16;
        hero.pose = swing ? 11 : 0;
    }
    // Stands so that the whip's reach lies over the box's top left corner,
    // the hero's body well clear of it.
    void SwingAt(const platform::Rect& box, bool swing) { PutHero(box.left - 60, box.top - 20, swing); }
    void Frame() { g_stage.Update(); }
    void Frames(int n) {
        for (int i = 0; i < n; ++i) Frame();
    }
    // Hits a boss once (one swing), running frames until its hit points drop.
    template <typename B, typename BoxOf>
    bool HitOnce(B& b, BoxOf boxOf, int limit = 200) {
        const int32_t hp = b.hp;
        for (int f = 0; f < limit && b.hp == hp; ++f) {
            SwingAt(boxOf(), f % 2 == 0);
            Frame();
        }
        return b.hp == hp - 1;
    }
    template <typename B, typename BoxOf>
    int Kill(B& b, BoxOf boxOf, int limit = 6000) {
        int frames = 0;
        for (; b.dead == 0 && frames < limit; ++frames) {
            SwingAt(boxOf(), frames % 2 == 0);
            Frame();
        }
        return frames;
    }
    void KillBeri1() {
        BossBeri1& b = g_bossBeri1[0];
        Kill(b, [&] { return enemy::Box(b.x, b.y, 30, 10, 90, 110); });
    }
    void KillBeri2() {
        BossBeri2& b = g_bossBeri2[0];
        Kill(b, [&] { return enemy::Box(b.x, b.y, 0, 50, 176, 126); });
    }
    void KillGyai1() {
        BossGyai1& b = g_bossGyai1[0];
        Kill(b, [&] { return boss::GyaiBody(b.x, b.y, b.frame); });
    }
    void KillGyai2() {
        BossGyai2& b = g_bossGyai2[0];
        Kill(b, [&] { return boss::GyaiBody(b.x, b.y, b.frame); });
    }
    void KillDeath1() {
        BossDeath1& b = g_bossDeath1[0];
        Kill(b, [&] {
            return b.frame == 1 ? enemy::Box(b.x, b.y, 54, 0, 124, 128) : enemy::Box(b.x, b.y, 0, 0, 70, 128);
        });
    }
    // The reaper's standing body, shifted as its pictures are.
    static platform::Rect Death2Body() {
        const BossDeath2& b = g_bossDeath2[0];
        return enemy::Box(b.x + 66, b.y, 12, 80, 102, 178);
    }
    void KillDeath2() {
        BossDeath2& b = g_bossDeath2[0];
        Kill(b, [] { return Death2Body(); });
    }
    int32_t Cost(int32_t level) { return HeroDamage(g_playerFront.GetCharacter(), level); }

    PlayerDoran& hero = g_playerDoran;
};

// --- The beast: drop, fire columns, flight to the other side ---

TEST_F(Arena44, BeastWakesAtHeroX100AndCannotBeStruckWhileItDrops) {
    BossBeri1& b = g_bossBeri1[0];
    PutHero(100, 349);
    Frame();
    EXPECT_EQ(b.dormant, 1) << "x 100 is not beyond 100";
    PutHero(101, 349);
    Frame();
    EXPECT_EQ(b.dormant, 0);
    EXPECT_EQ(b.y, -50);
    // A swing over its body through the whole drop costs nothing.
    while (b.falling != 0) {
        SwingAt(enemy::Box(b.x, b.y, 0, 0, 108, 122), true);
        Frame();
        if (b.falling != 0) {
            EXPECT_EQ(b.hp, 16);
        }
    }
    EXPECT_EQ(b.y, 291);
    EXPECT_EQ(b.facing, 0) << "the hero stood left of it";
    EXPECT_EQ(b.frame, 3);
}

TEST_F(Arena44, BeastBreathesAColumnAtFrame15FromARotatingSlotAndEachHitSendsItAcross) {
    BossBeri1& b = g_bossBeri1[0];
    g_beriFireSlot = 0;
    PutHero(200, 349);
    while (b.falling != 0 || b.dormant != 0) Frame();
    b.counter = 0;
    Frames(5);
    EXPECT_EQ(b.frame, 5) << "the breath picture, facing left";
    Frames(10);
    EXPECT_EQ(g_beriFireSlot, 1) << "advanced before use";
    EXPECT_EQ(g_enemyBeriFire[1].state, 1) << "runs left from the left-facing mouth";
    EXPECT_EQ(g_enemyBeriFire[1].x, 476 - 8) << "and ran one frame in the same update";
    Frames(15);
    EXPECT_EQ(b.frame, 3);
    EXPECT_EQ(b.counter, 0);
    Frames(30);
    EXPECT_EQ(g_beriFireSlot, 2);
    Frames(30);
    EXPECT_EQ(g_beriFireSlot, 0) << "back to 0 at its count of three";

    // Struck, it flies off the top and drops on the other side, facing the hero.
    ASSERT_TRUE(HitOnce(b, [&] { return enemy::Box(b.x, b.y, 30, 10, 90, 110); }));
    EXPECT_EQ(b.rising, 1);
    EXPECT_EQ(b.frame, 4);
    PutHero(520, 349);
    while (b.rising != 0) Frame();
    EXPECT_EQ(b.x, 0) << "from x 512 to the other side";
    while (b.falling != 0) Frame();
    EXPECT_EQ(b.facing, 1) << "the hero is now to its right";
    EXPECT_EQ(b.frame, 0);
    ASSERT_TRUE(HitOnce(b, [&] { return enemy::Box(b.x, b.y, 30, 10, 90, 110); }));
    while (b.rising != 0 || b.falling != 0) Frame();
    EXPECT_EQ(b.x, 512);
}

TEST_F(Arena44, BeastBreathHurtsOnlyInTheBreathPicture) {
    BossBeri1& b = g_bossBeri1[0];
    b.dormant = 0;
    b.falling = 0;
    b.y = 291;
    b.facing = 1;
    b.x = 0;
    b.counter = 4;  // the breath picture comes next frame
    // The hero stands in the flame, clear of the body (0 to 108).
    PutHero(130, 291);
    hero.y = 291 + 20;
    Frame();
    EXPECT_EQ(b.frame, 2);
    EXPECT_EQ(hero.hp, 16 - Cost(4)) << "the breath reaches x 116 to 192";
}

TEST_F(Arena44, FireColumnRunsPastTheHeroErupsAndBurnsOutOrIsWhippedAway) {
    PutHero(300, 349);
    EnemyBeriFire& f = g_enemyBeriFire[0];
    f = EnemyBeriFire(164, 327, 0, 0);
    int frames = 0;
    while (f.state == 0 && frames < 100) {
        f.Update();
        ++frames;
    }
    EXPECT_EQ(f.state, 2);
    EXPECT_EQ(f.x, 164 + 8 * frames - 31) << "erupts as it passes x 320, shifted left";
    EXPECT_GT(f.x + 31, 320);
    EXPECT_EQ(f.y, 287);
    int burn = 0;
    while (f.dead == 0 && burn < 100) {
        f.Update();
        ++burn;
    }
    EXPECT_EQ(burn, 15);

    f = EnemyBeriFire(476, 327, 1, 0);
    SwingAt(enemy::Box(470, 327, 0, 0, 32, 14), true);
    f.Update();
    EXPECT_EQ(f.dead, 1) << "one hit destroys it";
}

// --- The beast's second form: charges from wall to wall ---

TEST_F(Arena44, SecondBeastWaitsTenFramesLeftAndTwentyRightBetweenCharges) {
    BossBeri2& b = g_bossBeri2[0];
    g_bossBeri1[0].dead = 1;
    PutHero(300, 100);  // out of its way
    Frame();
    EXPECT_EQ(b.dormant, 0) << "wakes in the frame of the beast's death";
    Frames(9);
    EXPECT_EQ(b.frame, 0);
    int wait = 0;
    while (b.x == 0) {
        Frame();
        ++wait;
    }
    EXPECT_EQ(wait, 11) << "ten frames of waiting, the charge in the 11th";
    EXPECT_EQ(b.x, 60);
    while (b.frame == 0) Frame();
    EXPECT_EQ(b.x, 464);
    wait = 0;
    while (b.x == 464) {
        Frame();
        ++wait;
    }
    EXPECT_EQ(wait, 21);
    while (b.frame == 1) Frame();
    EXPECT_EQ(b.x, 0);
}

// --- The giant: fall, rock rain, low flames, rise when struck ---

TEST_F(Arena44, GiantLandsWithExactlyTenRocksOverWhateverTheSlotsHeld) {
    BossGyai1& g = g_bossGyai1[0];
    g_bossBeri1[0].dead = 1;
    g_bossBeri2[0].dead = 1;
    g_enemyGyaiGanseki[3] = EnemyGyaiGanseki(7, 400, 0);
    g_enemyGyaiGanseki[3].vy = 9;
    PutHero(100, 349);
    while (g.falling != 0) Frame();
    EXPECT_EQ(g.y, 227);
    EXPECT_EQ(g.frame, 5);
    for (int32_t k = 0; k < 10; ++k) {
        EXPECT_EQ(g_enemyGyaiGanseki[k].dead, 0) << k;
        EXPECT_EQ(g_enemyGyaiGanseki[k].x, 150 + 50 * k) << k;
        EXPECT_EQ(g_enemyGyaiGanseki[k].vy, 1) << "fresh, and fell one frame";
    }
    // A rock falls faster each frame and is gone at row 537.
    EnemyGyaiGanseki r(0, -56, 0);
    int frames = 0;
    while (r.dead == 0 && frames < 100) {
        r.Move();
        ++frames;
    }
    EXPECT_GE(r.y, 537);
    EXPECT_LT(frames, 40);
}

TEST_F(Arena44, GiantBreathesALowFlameEvery34FramesAndRisesWhenStruck) {
    BossGyai1& g = g_bossGyai1[0];
    g_bossBeri1[0].dead = 1;
    g_bossBeri2[0].dead = 1;
    g_gyaiFire1Slot = 3;
    PutHero(100, 100);
    while (g.falling != 0) Frame();
    Frames(40);
    EXPECT_EQ(g.frame, 6);
    EXPECT_EQ(g_enemyGyaiFire1[0].dead, 0) << "the slot after 3 is 0";
    EXPECT_EQ(g_enemyGyaiFire1[0].x, 554 - 12);
    Frames(33);
    EXPECT_EQ(g_enemyGyaiFire1[1].dead, 1);
    Frame();
    EXPECT_EQ(g_enemyGyaiFire1[1].dead, 0);

    ASSERT_TRUE(HitOnce(g, [&] { return boss::GyaiBody(g.x, g.y, g.frame); }));
    EXPECT_EQ(g.rising, 1);
    int frames = 0;
    while (g.rising != 0 && frames < 200) {
        PutHero(100, 100);
        Frame();
        ++frames;
        if (g.rising != 0) {
            EXPECT_GE(g.frame, 0);
            EXPECT_LE(g.frame, 3) << "wing pictures";
        }
    }
    EXPECT_LT(g.y, -100);
    EXPECT_EQ(g.falling, 1);
    EXPECT_EQ(g.frame, 4);
}

TEST_F(Arena44, GiantStruckDuringItsFallRisesRightAfterLanding) {
    BossGyai1& g = g_bossGyai1[0];
    g.dormant = 0;
    g.firstWake = 0;
    g.y = 150;
    g.vy = 3;
    ASSERT_TRUE(HitOnce(
        g, [&] { return boss::GyaiBody(g.x, g.y, g.frame); }, 1));
    EXPECT_EQ(g.rising, 1);
    EXPECT_EQ(g.falling, 1);
    while (g.falling != 0) Frame();
    const int32_t landed = g.y;
    Frame();
    EXPECT_EQ(g.y, landed - 10) << "up again at once";
}

TEST_F(Arena44, LowFlameSkimsLeftAndDiesPastTheEdge) {
    EnemyGyaiFire1 f(0);
    int frames = 0;
    while (f.dead == 0 && frames < 100) {
        f.Move();
        ++frames;
    }
    EXPECT_LT(f.x, -22);
    EXPECT_EQ(f.y, 337 + 2 * (frames - 1));
}

// --- The flying giant: takes the giant's height, spits flames ---

TEST_F(Arena44, FlyingGiantTakesOffFromTheGiantsHeightAndSpitsDrawingVyFirst) {
    BossGyai1& g1 = g_bossGyai1[0];
    BossGyai2& g2 = g_bossGyai2[0];
    g_bossBeri1[0].dead = 1;
    g_bossBeri2[0].dead = 1;
    g1.dormant = 0;
    g1.y = 150;
    g1.dead = 1;
    g_gyaiFire2Slot = 7;
    PutHero(100, 100);
    Frame();
    EXPECT_EQ(g2.dormant, 0);
    EXPECT_EQ(g2.y, 150 - 6) << "took the giant's y, then rose";
    Frames(16);
    SeedGameRand(21);
    const int32_t a = GameRand();
    const int32_t b = GameRand();
    SeedGameRand(21);
    Frame();
    const EnemyGyaiFire2& f = g_enemyGyaiFire2[0];
    EXPECT_EQ(f.dead, 0) << "the slot after 7 is 0";
    EXPECT_EQ(f.vy, 3 + a % 5);
    EXPECT_EQ(f.vx, -3 - b % 5);
    EXPECT_EQ(f.x, g2.x + 80 + f.vx) << "from the mouth, one move on";

    // It turns below -100 and above 227.
    int32_t lo = 1000, hi = -1000;
    for (int i = 0; i < 300; ++i) {
        PutHero(100, 100);
        Frame();
        lo = std::min(lo, g2.y);
        hi = std::max(hi, g2.y);
    }
    EXPECT_LT(lo, -100);
    EXPECT_GE(lo, -106);
    EXPECT_GT(hi, 227);
    EXPECT_LE(hi, 237);
}

TEST_F(Arena44, SpitFlameFliesDownLeftAndNoneFliesOnForever) {
    EnemyGyaiFire2 f(560, 200, -5, 4, 0);
    int frames = 0;
    while (f.dead == 0 && frames < 1000) {
        f.Move();
        ++frames;
    }
    EXPECT_LT(frames, 200);
    // One set flying right or up still ends.
    EnemyGyaiFire2 right(560, 200, 0, -1, 0);
    frames = 0;
    while (right.dead == 0 && frames < 100000) {
        right.Move();
        ++frames;
    }
    EXPECT_EQ(right.dead, 1);
}

// --- Rotating slots ---

TEST_F(Arena44, RotatingSlotsStayInTheirPoolsWhateverTheCounterHeld) {
    for (const int32_t stale : {-5, 0, 1, 2, 3, 99, INT32_MAX, INT32_MIN}) {
        int32_t c = stale;
        for (int i = 0; i < 10; ++i) {
            const int32_t s = enemy::NextRotatingSlot(c, 3);
            EXPECT_GE(s, 0) << stale;
            EXPECT_LT(s, 3) << stale;
        }
    }
    int32_t c = 0;
    EXPECT_EQ(enemy::NextRotatingSlot(c, 4), 1);
    EXPECT_EQ(enemy::NextRotatingSlot(c, 4), 2);
    EXPECT_EQ(enemy::NextRotatingSlot(c, 4), 3);
    EXPECT_EQ(enemy::NextRotatingSlot(c, 4), 0);

    // The boss's own counter left corrupted does not refuse a write.
    const int32_t refused = enemy::RefusedSlotCount();
    g_beriFireSlot = 1234;
    BossBeri1& b = g_bossBeri1[0];
    b.dormant = 0;
    b.falling = 0;
    b.y = 291;
    b.counter = 14;
    PutHero(100, 100);
    Frame();
    EXPECT_EQ(g_beriFireSlot, 0);
    EXPECT_EQ(g_enemyBeriFire[0].dead, 0);
    EXPECT_EQ(enemy::RefusedSlotCount(), refused);
}

// --- The reaper: sickles, wall-to-wall leaps, the flight out of reach ---

TEST_F(Arena44, SicklesRefillTheTenSlotsInTurnEvery60FramesDrawingYFirst) {
    int32_t tick = 0;
    int written = 0;
    for (int f = 1; f <= 1200; ++f) {
        const int32_t slot = (tick + 1) % 600 / 60;
        const bool due = (tick + 1) % 60 == 0;
        SeedGameRand(static_cast<uint32_t>(f));
        const int32_t ry = GameRand() % 200;
        const int32_t rx = GameRand() % 600;
        SeedGameRand(static_cast<uint32_t>(f));
        g_enemyKama[slot].dead = 1;
        boss::ReleaseSickle(tick);
        EXPECT_GE(tick, 0);
        EXPECT_LT(tick, 600);
        if (!due) continue;
        ++written;
        EXPECT_EQ(g_enemyKama[slot].dead, 0) << f;
        EXPECT_EQ(g_enemyKama[slot].x, rx) << f;
        EXPECT_EQ(g_enemyKama[slot].y, ry) << f;
        EXPECT_EQ(slot, f / 60 % 10) << f;
    }
    EXPECT_EQ(written, 20);
    // A tick left anywhere still names a slot of the pool.
    const int32_t refused = enemy::RefusedSlotCount();
    for (const int32_t stale : {599, 600, 659, 6000, -1, INT32_MAX}) {
        int32_t t = stale;
        for (int i = 0; i < 700; ++i) boss::ReleaseSickle(t);
    }
    EXPECT_EQ(enemy::RefusedSlotCount(), refused);
}

TEST_F(Arena44, SickleHangsTenFramesDriftsAtMostThreeAPixelAFrameAndVanishesPast684) {
    PutHero(300, 349);
    EnemyKama k(100, 100, 0);
    for (int f = 1; f <= 10; ++f) {
        k.Move();
        EXPECT_EQ(k.x, 100);
        EXPECT_EQ(k.frame, f / 4);
    }
    EXPECT_EQ(k.vx, 3) << "(310 - 100) / 15, held to 3";
    EXPECT_EQ(k.vy, (349 + 20 - 100) / 15 > 3 ? 3 : (349 + 20 - 100) / 15);
    for (int f = 11; f <= 32; ++f) k.Move();
    EXPECT_EQ(k.x, 100 + 3 * 22) << "22 frames of drift";
    EXPECT_EQ(k.vx, 0) << "stops at 32 and hangs again";
    EXPECT_EQ(k.counter, 0);
    // Near the hero the drift is a fifteenth of the way.
    EnemyKama near(290, 349, 0);
    for (int f = 1; f <= 10; ++f) near.Move();
    EXPECT_EQ(near.vx, (310 - 290) / 15);
    EXPECT_EQ(near.vy, (369 - 349) / 15);

    EnemyKama gone(690, 10, 0);
    gone.Move();
    EXPECT_EQ(gone.dead, 1);
    EnemyKama& s = g_enemyKama[0];
    s = EnemyKama(400, 300, 0);
    SwingAt(enemy::Box(400, 300, 0, 0, 36, 40), true);
    s.Update();
    EXPECT_EQ(s.dead, 1) << "one hit destroys it";
}

TEST_F(Arena44, FirstReaperWaitsTwentyFramesAndLeapsWallToWall) {
    BossDeath1& d = g_bossDeath1[0];
    d.dormant = 0;
    PutHero(250, 100);
    Frames(20);
    EXPECT_EQ(d.x, 516);
    Frame();
    EXPECT_EQ(d.x, 506) << "leaps in the 21st frame";
    EXPECT_EQ(d.y, 285 - 26);
    int frames = 0;
    while (d.frame == 1 && frames < 200) {
        PutHero(250, 100);
        Frame();
        ++frames;
    }
    EXPECT_EQ(d.x, 0);
    EXPECT_EQ(d.y, 285);
    EXPECT_EQ(d.vy, -26);
    while (d.frame == 0 && frames < 400) {
        PutHero(250, 100);
        Frame();
        ++frames;
    }
    EXPECT_EQ(d.x, 516);
    EXPECT_EQ(d.y, 285);
    EXPECT_LE(d.tick, 599);
}

TEST_F(Arena44, LastReaperFallsInCannotBeHitInTheAirButHurtsAndRisesWhenStruck) {
    BossDeath2& d = g_bossDeath2[0];
    g_bossDeath1[0].dormant = 0;
    g_bossDeath1[0].dead = 1;
    // A swing over every place it passes through during the fall.
    int frames = 0;
    while (d.falling != 0 && frames < 100) {
        SwingAt(enemy::Box(d.x, d.y + 30, 0, 0, 194, 194), true);
        Frame();
        ++frames;
        EXPECT_EQ(d.hp, 16) << "in the air, frame " << frames;
    }
    EXPECT_EQ(d.y, 235);
    // It hurts in the air: the hero inside its wings.
    d.rising = 0;
    d.falling = 1;
    d.y = 100;
    PutHero(d.x + 60, 160);
    Frame();
    EXPECT_EQ(hero.hp, 16 - Cost(5));

    while (d.falling != 0) Frame();
    ASSERT_TRUE(HitOnce(d, [] { return Death2Body(); }));
    EXPECT_EQ(d.rising, 1);
    frames = 0;
    while (d.rising != 0 && frames < 100) {
        SwingAt(enemy::Box(d.x, d.y - 25, 0, 0, 194, 194), true);
        Frame();
        ++frames;
        EXPECT_EQ(d.hp, 15) << "rising, frame " << frames;
        EXPECT_LE(d.frame, 1);
    }
    EXPECT_LT(d.y, -150);
    EXPECT_EQ(d.falling, 1);
    while (d.falling != 0) Frame();
    for (int f = 0; f < 60; ++f) {
        Frame();
        EXPECT_GE(d.frame, 2);
        EXPECT_LE(d.frame, 7);
    }
}

TEST_F(Arena44, WingBeatStaysInRangeWhenTheScytheCountCarriesIntoIt) {
    BossDeath2& d = g_bossDeath2[0];
    d.dormant = 0;
    d.firstWake = 0;
    d.falling = 0;
    d.rising = 1;
    d.y = 235;
    d.counter = 27;  // struck late in the scythe's round
    PutHero(100, 100);
    int frames = 0;
    while (d.rising != 0 && frames < 100) {
        Frame();
        ++frames;
        EXPECT_LT(d.counter, 10);
    }
}

TEST_F(Arena44, BothReaperFormsShareTheTenSickleSlots) {
    BossDeath1& d1 = g_bossDeath1[0];
    BossDeath2& d2 = g_bossDeath2[0];
    d1.dormant = 0;
    d1.tick = 59;
    d2.dormant = 0;
    d2.tick = 119;
    g_bossDeath1[0].dead = 0;
    PutHero(250, 100);
    d1.Update();
    EXPECT_EQ(g_enemyKama[1].dead, 0);
    d1.dead = 1;
    d2.Update();
    EXPECT_EQ(g_enemyKama[2].dead, 0);
}

// --- The whole chain: six bosses, one after another, then the orb ---

TEST_F(Arena44, SixBossChainHandsOverInOrderWithAFreshBarAndEndsWithTheOrb) {
    const int32_t faults = sprite_draw::FrameFaultCount();
    KillBeri1();
    ASSERT_EQ(g_bossBeri1[0].dead, 1);
    EXPECT_EQ(g_bossBeri2[0].dormant, 0) << "in the frame of the death";
    EXPECT_EQ(g_bossGyai1[0].dormant, 1);
    KillBeri2();
    ASSERT_EQ(g_bossBeri2[0].dead, 1);
    EXPECT_EQ(g_bossGyai1[0].dormant, 0);
    EXPECT_EQ(g_bossGyai2[0].dormant, 1);
    KillGyai1();
    ASSERT_EQ(g_bossGyai1[0].dead, 1);
    EXPECT_EQ(g_bossGyai2[0].dormant, 0);
    EXPECT_EQ(g_bossDeath1[0].dormant, 1);
    KillGyai2();
    ASSERT_EQ(g_bossGyai2[0].dead, 1);
    EXPECT_EQ(g_bossDeath1[0].dormant, 0);
    EXPECT_EQ(g_bossDeath2[0].dormant, 1);
    KillDeath1();
    ASSERT_EQ(g_bossDeath1[0].dead, 1);
    EXPECT_EQ(g_bossDeath2[0].dormant, 0);
    EXPECT_EQ(g_maryokuOrb[0].hidden, 1) << "the orb waits for the last boss";
    KillDeath2();
    ASSERT_EQ(g_bossDeath2[0].dead, 1);
    EXPECT_EQ(g_maryokuOrb[0].hidden, 0);
    EXPECT_EQ(sprite_draw::FrameFaultCount(), faults) << "no picture outside its set";

    // The orb drops from its start to the arena floor and clears the stage.
    PutHero(100, 349);
    for (int f = 0; f < 60 && g_maryokuOrb[0].falling != 0; ++f) Frame();
    ASSERT_EQ(g_maryokuOrb[0].falling, 0);
    EXPECT_EQ(g_maryokuOrb[0].x, 300);
    EXPECT_EQ(g_stageClear, 0);
    PutHero(295, 349);
    Frames(2);
    EXPECT_EQ(g_stageClear, 1);
}

TEST_F(Arena44, ADeathRestartsTheWholeChainAtFullStrength) {
    KillBeri1();
    KillBeri2();
    ASSERT_EQ(g_bossGyai1[0].dormant, 0);
    g_menu.StartStage();
    EXPECT_EQ(g_bossBeri1[0].dead, 0);
    EXPECT_EQ(g_bossBeri1[0].hp, 16);
    EXPECT_EQ(g_bossBeri2[0].dormant, 1);
    EXPECT_EQ(g_bossGyai1[0].dormant, 1);
    EXPECT_EQ(g_maryokuOrb[0].hidden, 1);
    for (const EnemyBeriFire& f : g_enemyBeriFire) EXPECT_EQ(f.dead, 1);
}

}  // namespace

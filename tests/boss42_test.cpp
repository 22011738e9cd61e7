// The two bosses of stage 42: the wolf's entry, attacks and zigzag, the
// hand-over to the bull and on to the clear orb, the bull's clod volleys
// and their rotating pool, its strikes' reach, and the clods themselves.
#include <climits>

#include "enemies/bosses/boss_mino.h"
#include "enemies/bosses/boss_w_wolf.h"
#include "enemies/bosses/maryoku_orb.h"
#include "enemies/bosses/tuti.h"
#include "enemies/hazards/fire_b.h"
#include "enemy_fixture.h"
#include "engine/sprite_draw_kinds.h"
#include "stages/stage.h"

namespace {

class Stage42 : public EnemyTest {
protected:
    void SetUp() override {
        EnemyTest::SetUp();
        BossMino::clodSlotBase = 0;  // as at program start
        g_stageNumber = 42;
        g_menu.StartStage();
        g_menu.active = 0;
        SeedGameRand(5);
        PutHero(40, 349);
    }
    // Puts the whip (pose 11: x + 48 to x + 128, rows y + 22 to y + 31)
    // over the box's top-left corner.
    void SwingAt(const platform::Rect& box) {
        PutHero(box.left - 50, box.top - 20);
        Whip(true);
    }
    void Frame() { g_stage.Update(); }
    BossWWolf& wolf = g_bossWWolf[0];
    BossMino& mino = g_bossMino[0];
};

// The wolf standing after its entry, facing as asked.
void StandWolf(BossWWolf& w, int32_t x, int32_t facing) {
    w = BossWWolf();
    w.dormant = 0;
    w.firstWake = 0;
    w.entering = 0;
    w.x = x;
    w.y = 289;
    w.facing = facing;
    w.frame = facing == 1 ? 1 : 12;
}

TEST_F(Stage42, WolfWaitsForTheHeroThenDropsInAndStandsFiveFrames) {
    PutHero(100, 349);
    for (int f = 0; f < 10; ++f) Frame();
    EXPECT_EQ(wolf.dormant, 1);
    EXPECT_EQ(wolf.y, -124);
    PutHero(101, 349);
    int drop = 0;
    while (wolf.frame == 22 && drop < 40) {
        Frame();
        ++drop;
    }
    EXPECT_EQ(drop, 14);
    EXPECT_EQ(wolf.y, 289);
    EXPECT_EQ(wolf.frame, 11);
    for (int f = 0; f < 4; ++f) Frame();
    EXPECT_EQ(wolf.entering, 1);
    Frame();
    EXPECT_EQ(wolf.entering, 0);
    EXPECT_EQ(wolf.frame, 12);
}

TEST_F(Stage42, WolfLeapsBackToTheWallClimbsAndDivesOntoTheHero) {
    StandWolf(wolf, 120, 1);
    wolf.leaping = 1;
    PutHero(400, 349);
    hero.invulnerable = 40;
    int frames = 0;
    for (; wolf.leapPhase == 0 && frames < 100; ++frames) wolf.Update();
    EXPECT_EQ(wolf.x, 0) << "stopped at the left wall";
    EXPECT_EQ(wolf.y, 289 - 10 * frames);
    for (; wolf.leapPhase == 1 && frames < 200; ++frames) wolf.Update();
    EXPECT_EQ(wolf.y, 0);
    EXPECT_EQ(wolf.leapVx, (400 + 18) / 12);
    for (; wolf.leaping == 1 && frames < 300; ++frames) wolf.Update();
    EXPECT_EQ(wolf.x, 10 * 34) << "ten dive steps";
    EXPECT_EQ(wolf.y, 289);
    EXPECT_EQ(wolf.frame, 1);
    EXPECT_EQ(wolf.leapPhase, 0);
}

TEST_F(Stage42, WolfAttacksKeepToTheirPicturesAndSpitFromTheMouth) {
    StandWolf(wolf, 300, 0);
    const int32_t faults = sprite_draw::FrameFaultCount();
    int dashes = 0, spits = 0, leaps = 0;
    for (int f = 0; f < 3000; ++f) {
        PutHero(f % 2 == 0 ? 60 : 520, 349);
        wolf.hp = 16;
        const int32_t dashing = wolf.dashing, spitting = wolf.spitting, leaping = wolf.leaping;
        g_enemyFireB[0].dead = 1;
        wolf.Update();
        if (wolf.dashing > dashing) ++dashes;
        if (wolf.spitting > spitting) ++spits;
        if (wolf.leaping > leaping) ++leaps;
        ASSERT_GE(wolf.x, -40);
        ASSERT_LE(wolf.x, 600);
        if (wolf.spitting != 0 && wolf.counter == 10) {
            const EnemyFireB& fire = g_enemyFireB[0];
            EXPECT_EQ(fire.dead, 0);
            EXPECT_EQ(fire.x, wolf.facing == 1 ? wolf.x + 54 : wolf.x);
            EXPECT_EQ(fire.y, wolf.y + 65);
            EXPECT_EQ(fire.leftward, wolf.facing == 1 ? 0 : 1);
        } else {
            EXPECT_EQ(g_enemyFireB[0].dead, 1) << "one spit per attack, frame " << f;
        }
    }
    EXPECT_GT(dashes, 20);
    EXPECT_GT(spits, 20);
    EXPECT_GT(leaps, 20);
    EXPECT_EQ(sprite_draw::FrameFaultCount(), faults) << "every picture inside the wolf's set";
}

TEST_F(Stage42, TheHitThatLeavesThreeTurnsTheWolfToAZigzagForGood) {
    StandWolf(wolf, 300, 1);
    wolf.leaping = 1;
    wolf.leapPhase = 1;  // caught mid-leap
    wolf.hp = 4;
    SwingAt(wolf.Body());
    wolf.Update();
    ASSERT_EQ(wolf.hp, 3);
    EXPECT_EQ(wolf.raging, 1);
    EXPECT_EQ(wolf.leaping, 0) << "the leap is dropped where it was";
    Whip(false);
    for (int f = 0; f < 400; ++f) {
        PutHero(f % 3 * 250, 349);
        g_enemyFireB[0].dead = 1;
        wolf.Update();
        EXPECT_EQ(wolf.dashing + wolf.spitting + wolf.leaping, 0);
        EXPECT_EQ(g_enemyFireB[0].dead, 1);
        ASSERT_GE(wolf.y, -20);
        ASSERT_LE(wolf.y, 361);
        ASSERT_GE(wolf.x, 0);
        ASSERT_LE(wolf.x, 620);
    }
}

TEST_F(Stage42, TheBullTakesOverInTheWolfsDeathFrameAndItsDeathDropsTheOrb) {
    StandWolf(wolf, 300, 1);
    wolf.hp = 1;
    g_graphics.ClearBossLifeCell(5);
    SwingAt(wolf.Body());
    Frame();
    ASSERT_EQ(wolf.dead, 1);
    EXPECT_EQ(mino.dormant, 0) << "no pause between the two";
    EXPECT_EQ(mino.firstWake, 0) << "its bar was refilled";
    Whip(false);
    PutHero(40, 349);
    int frames = 1;
    for (; mino.jumping != 0 && frames < 60; ++frames) Frame();
    EXPECT_EQ(frames, 32);
    EXPECT_EQ(mino.x, 640 - 31 * 10) << "jumped in from the right";
    EXPECT_EQ(mino.y, 225);
    EXPECT_EQ(g_maryokuOrb[0].hidden, 1);

    mino.hp = 1;
    mino.jumping = 0;
    mino.counter = 1;  // idle, keeping its picture for the swing
    SwingAt(mino.WeaponBox());
    hero.invulnerable = 40;
    Frame();
    ASSERT_EQ(mino.dead, 1);
    EXPECT_EQ(g_maryokuOrb[0].hidden, 0);
    Whip(false);
    for (int f = 0; f < 60 && g_maryokuOrb[0].falling != 0; ++f) Frame();
    EXPECT_EQ(g_maryokuOrb[0].falling, 0) << "the orb came to rest";
    PutHero(295, g_maryokuOrb[0].y - 20);
    Frame();
    EXPECT_EQ(g_stageClear, 1);
}

TEST_F(Stage42, VolleysFillFiveSlotsInTurnAndTheBaseSurvivesRestartsAndBadValues) {
    mino.dormant = 0;
    mino.firstWake = 0;
    mino.jumping = 0;
    auto volley = [&] {
        for (EnemyTuti& t : g_enemyTuti) t.dead = 1;
        mino.throwing = 1;
        mino.counter = 23;
        mino.Update();
    };
    auto live = [] {
        int mask = 0;
        for (int i = 0; i < 10; ++i) mask |= g_enemyTuti[i].dead == 0 ? 1 << i : 0;
        return mask;
    };
    volley();
    EXPECT_EQ(live(), 0x3E0) << "the first volley of a run: slots 5 to 9";
    for (int i = 5; i < 10; ++i) {
        EXPECT_EQ(g_enemyTuti[i].x, 640 + 6);
        EXPECT_EQ(g_enemyTuti[i].y, 225 + 100);
        EXPECT_EQ(g_enemyTuti[i].dir, 0);
        EXPECT_LE(g_enemyTuti[i].vx, -2);
    }
    g_menu.StartStage();  // a death restart leaves the base alone
    mino = BossMino();
    mino.dormant = 0;
    mino.jumping = 0;
    mino.facing = 1;
    volley();
    EXPECT_EQ(live(), 0x1F);
    EXPECT_EQ(g_enemyTuti[0].x, 640 + 126);
    EXPECT_GE(g_enemyTuti[0].vx, 2);

    const int32_t refused = enemy::RefusedSlotCount();
    for (int32_t bad : {7, -5, 10, INT32_MAX, INT32_MIN}) {
        BossMino::clodSlotBase = bad;
        volley();
        EXPECT_TRUE(live() == 0x1F || live() == 0x3E0) << bad;
        EXPECT_TRUE(BossMino::clodSlotBase == 0 || BossMino::clodSlotBase == 5) << bad;
    }
    EXPECT_EQ(enemy::RefusedSlotCount(), refused);
}

TEST_F(Stage42, TheBullsStrikesReachBeyondItsBodyButNotInTheTwoShovePictures) {
    for (int32_t pose = 0; pose < 13; ++pose) {
        mino.frame = pose;
        const bool right = mino.ReachBox().has_value();
        mino.frame = pose + 13;
        EXPECT_EQ(mino.ReachBox().has_value(), right) << "pose " << pose;
        EXPECT_EQ(right, pose != 6) << "pose " << pose;
    }
    mino = BossMino();
    mino.dormant = 0;
    mino.jumping = 0;
    mino.facing = 1;
    mino.x = 200;
    mino.swingHigh = 1;  // frame 8: body to x + 96, reach x + 108 to x + 154
    PutHero(200 + 110, 225 + 40);
    mino.Update();
    ASSERT_EQ(mino.frame, 8);
    EXPECT_EQ(hero.hp, 16 - Cost(4));
}

TEST_F(Stage42, ClodsDrawTheirRiseFirstArcAndFallOutOfTheArena) {
    SeedGameRand(9);
    const int32_t r1 = GameRand(), r2 = GameRand();
    SeedGameRand(9);
    EnemyTuti& t = g_enemyTuti[0];
    t = EnemyTuti(300, 300, 0, 0);
    EXPECT_EQ(t.vy, -10 - r1 % 15);
    EXPECT_EQ(t.vx, -2 - r2 % 15);
    int frames = 0;
    int32_t top = t.y;
    while (t.dead == 0 && frames < 200) {
        t.Update();
        top = std::min(top, t.y);
        ++frames;
    }
    EXPECT_LT(top, 300);
    EXPECT_GE(t.y, 657);

    t = EnemyTuti(400, 300, 1, 0);
    SwingAt(enemy::Box(t.x + t.vx, t.y + t.vy, 0, 0, 32, 16));
    t.Update();
    EXPECT_EQ(t.dead, 1) << "one hit";
    t = EnemyTuti(400, 300, 1, 0);
    PutHero(t.x + t.vx, t.y + t.vy - 10);
    t.Update();
    EXPECT_EQ(hero.hp, 16 - Cost(3));
}

}  // namespace

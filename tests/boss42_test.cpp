// The two bosses of stage 42: the wolf's entry, attacks and zigzag, the
// hand-over to the bull and on to the clear, the bull's clod volleys with
// their rotating pool, its strikes' reach, and the clods themselves.
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
    // The whip (pose 11: x + 48 to x + 128, rows y + 22 to y + 31) over the
    // box's top-left corner on even frames, held back on odd ones.
    void SwingAt(const platform::Rect& box, int frame = 0) {
        PutHero(box.left - 50, box.top - 20);
        Whip(frame % 2 == 0);
        hero.invulnerable = 40;
    }
    // The wolf standing after its entry.
    void StandWolf(int32_t x, int32_t facing) {
        wolf = BossWWolf();
        wolf.dormant = wolf.firstWake = wolf.entering = 0;
        wolf.x = x;
        wolf.y = 289;
        wolf.facing = facing;
        wolf.frame = facing == 1 ? 1 : 12;
    }
    // The real frame loop with the right arrow held, until done() holds.
    template <typename Done>
    void WalkRight(Done done, int limit) {
        for (int t = 0; !done() && t < limit; ++t) {
            HoldKey(0xCD);
            Tick();
        }
        LetGo(0xCD);
    }
    BossWWolf& wolf = g_bossWWolf[0];
    BossMino& mino = g_bossMino[0];
};

TEST_F(Stage42, WolfWaitsForTheHeroThenDropsInAndStandsFiveFrames) {
    PutHero(100, 349);
    for (int f = 0; f < 10; ++f) g_stage.Update();
    EXPECT_EQ(wolf.y, -124) << "the hero is not past x 100";
    PutHero(101, 349);
    int frames = 0;
    for (; wolf.entering != 0 && frames < 40; ++frames) {
        g_stage.Update();
        if (wolf.frame == 11) {
            EXPECT_EQ(wolf.y, 289);
        }
    }
    EXPECT_EQ(frames, 14 + 5) << "fourteen frames of drop, five standing";
    EXPECT_EQ(wolf.frame, 12);
}

TEST_F(Stage42, WolfAttacksKeepToTheArenaAndItsPicturesAndSpitOncePerAttack) {
    StandWolf(300, 0);
    const int32_t faults = sprite_draw::FrameFaultCount();
    int starts[3] = {0, 0, 0};
    for (int f = 0; f < 3000; ++f) {
        PutHero(f % 2 == 0 ? 60 : 520, 349);
        wolf.hp = 16;
        const int32_t was[3] = {wolf.dashing, wolf.spitting, wolf.leaping}, phase = wolf.leapPhase;
        g_enemyFireB[0].dead = 1;
        wolf.Update();
        if (phase == 1 && wolf.leapPhase == 2) {  // aimed from the wall top to land on the hero
            EXPECT_EQ(wolf.leapVx, (enemy::HeroX() + (wolf.facing == 1 ? 18 : -49) - wolf.x) / 12);
        }
        const int32_t now[3] = {wolf.dashing, wolf.spitting, wolf.leaping};
        for (int k = 0; k < 3; ++k) starts[k] += now[k] > was[k] ? 1 : 0;
        ASSERT_GE(wolf.x, -40);
        ASSERT_LE(wolf.x, 600);
        const EnemyFireB& fire = g_enemyFireB[0];
        ASSERT_EQ(fire.dead, wolf.spitting != 0 && wolf.counter == 10 ? 0 : 1) << "frame " << f;
        if (fire.dead != 0) continue;
        EXPECT_EQ(fire.x, wolf.facing == 1 ? wolf.x + 54 : wolf.x);
        EXPECT_EQ(fire.y, wolf.y + 65);
        EXPECT_EQ(fire.leftward, 1 - wolf.facing);
    }
    for (int k = 0; k < 3; ++k) EXPECT_GT(starts[k], 20) << "attack " << k;
    EXPECT_EQ(sprite_draw::FrameFaultCount(), faults) << "every picture inside the wolf's set";
}

TEST_F(Stage42, TheHitThatLeavesThreeTurnsTheWolfToAZigzagForGood) {
    StandWolf(300, 1);
    wolf.leaping = wolf.leapPhase = 1;  // caught mid-leap
    wolf.hp = 4;
    SwingAt(wolf.Body());
    for (int f = 0; f < 400; ++f) {
        wolf.Update();
        ASSERT_EQ(wolf.raging, 1);
        ASSERT_EQ(wolf.hp, 3);
        ASSERT_EQ(wolf.dashing + wolf.spitting + wolf.leaping, 0) << "no attack ever again";
        ASSERT_TRUE(wolf.y >= -20 && wolf.y <= 361 && wolf.x >= 0 && wolf.x <= 620) << wolf.x << " " << wolf.y;
        PutHero(f % 3 * 250, 349);
    }
}

TEST_F(Stage42, VolleysFillFiveSlotsInTurnAndTheBaseSurvivesRestartsAndBadValues) {
    auto volley = [&] {
        for (EnemyTuti& t : g_enemyTuti) t.dead = 1;
        mino.dormant = mino.jumping = 0;
        mino.throwing = 1;
        mino.counter = 23;
        mino.Update();
        int mask = 0;
        for (int i = 0; i < 10; ++i) mask |= g_enemyTuti[i].dead == 0 ? 1 << i : 0;
        return mask;
    };
    EXPECT_EQ(volley(), 0x3E0) << "the first volley of a run: slots 5 to 9";
    EXPECT_EQ(g_enemyTuti[5].x, 640 + 6);
    EXPECT_EQ(g_enemyTuti[5].y, 225 + 100);
    EXPECT_LE(g_enemyTuti[9].vx, -2) << "thrown to the left";
    g_menu.StartStage();  // a death restart leaves the base alone
    mino.facing = 1;
    EXPECT_EQ(volley(), 0x1F);
    EXPECT_EQ(g_enemyTuti[0].x, 640 + 126);
    EXPECT_GE(g_enemyTuti[4].vx, 2);

    const int32_t refused = enemy::RefusedSlotCount();
    for (int32_t bad : {7, -5, 10, INT32_MAX, INT32_MIN}) {
        BossMino::clodSlotBase = bad;
        const int mask = volley();
        EXPECT_TRUE(mask == 0x1F || mask == 0x3E0) << bad;
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
    mino.dormant = mino.jumping = 0;
    mino.facing = mino.swingHigh = 1;  // frame 8: body to x + 96, reach x + 108 to x + 154
    mino.x = 200;
    PutHero(200 + 110, 225 + 40);
    mino.Update();
    ASSERT_EQ(mino.frame, 8);
    EXPECT_EQ(hero.hp, 16 - Cost(4));
}

TEST_F(Stage42, ClodsDrawTheirRiseFirstHurtAtThreeAndFallOutOfTheArena) {
    SeedGameRand(9);
    const int32_t r1 = GameRand(), r2 = GameRand();
    SeedGameRand(9);
    EnemyTuti& t = g_enemyTuti[0];
    t = EnemyTuti(300, 300, 0, 0);
    EXPECT_EQ(t.vy, -10 - r1 % 15);
    EXPECT_EQ(t.vx, -2 - r2 % 15);
    for (int f = 0; t.dead == 0 && f < 200; ++f) t.Update();
    EXPECT_GE(t.y, 657);
    t = EnemyTuti(400, 300, 1, 0);
    PutHero(t.x + t.vx, t.y + t.vy - 10);
    t.Update();
    EXPECT_EQ(hero.hp, 16 - Cost(3));
}

TEST_F(Stage42, TheChainHandsOverWithoutAPauseAndEndsInTheClearAndTheNextStage) {
    g_playerDoran = PlayerDoran();
    WalkRight([&] { return wolf.dormant == 0; }, 100);
    ASSERT_EQ(wolf.dormant, 0) << "the hero walked in past x 100";
    for (int f = 0; wolf.dead == 0 && f < 4000; ++f) {
        SwingAt(wolf.Body(), f);
        g_stage.Update();
    }
    ASSERT_EQ(wolf.dead, 1);
    EXPECT_EQ(mino.dormant, 0) << "awake in the wolf's death frame";
    EXPECT_EQ(mino.firstWake, 0) << "with its bar refilled";
    PutHero(40, 349);
    int jump = 1;
    for (; mino.jumping != 0 && jump < 60; ++jump) g_stage.Update();
    EXPECT_EQ(jump, 32);
    EXPECT_EQ(mino.x, 640 - 31 * 10) << "jumped in from the right";
    EXPECT_EQ(g_maryokuOrb[0].hidden, 1);
    for (int f = 0; mino.dead == 0 && f < 4000; ++f) {
        SwingAt(mino.WeaponBox(), f);
        g_stage.Update();
    }
    ASSERT_EQ(mino.dead, 1);
    EXPECT_EQ(g_maryokuOrb[0].hidden, 0);
    PutHero(100, 349);
    for (int f = 0; f < 60 && g_maryokuOrb[0].falling != 0; ++f) g_stage.Update();

    PutHero(250, 349);
    WalkRight([] { return g_stageClear != 0; }, 60);
    ASSERT_EQ(g_stageClear, 1) << "the hero walked onto the orb";
    int messages = 0;
    while (g_stageClear != 0 && messages < 300) messages += Tick();
    EXPECT_EQ(messages, 105);
    EXPECT_EQ(g_stageNumber, 43);
}

}  // namespace

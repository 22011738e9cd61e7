// The ground foes of the later stages: who wakes them, how they chase, leap,
// crawl and roll, where they stop on the floor, how their boxes follow their
// poses and the windows that raise the madman again.
#include "enemies/ground/arumajiro.h"
#include "enemies/ground/bokujin.h"
#include "enemies/ground/gureibu.h"
#include "enemies/ground/hebi.h"
#include "enemies/ground/kanoke.h"
#include "enemies/ground/madman.h"
#include "enemies/ground/noroi.h"
#include "enemies/ground/sunegusu.h"
#include "enemies/model/hopping.h"
#include "enemy_fixture.h"
#include "engine/game_state.h"
#include "ground/stage_floor.h"

namespace {

// Stage 1's ground: top 379 everywhere left of x 2813, a pit to x 2826.
constexpr int32_t kGround = 379;
constexpr int32_t kPitLeft = 2813;

class GroundFoes : public EnemyTest {};

TEST_F(GroundFoes, WakingTakesTheHeroPastOrBelowOrNear) {
    // The coffin and the wooden figure wait until the hero is beyond them.
    EnemyKanoke& coffin = g_enemyKanoke[0];
    coffin = EnemyKanoke(700, kGround - 112, 0);
    coffin.Update();
    EXPECT_EQ(coffin.dormant, 1) << "hero 200 pixels beyond: not yet";
    PutHero(901, 330);
    coffin.Update();
    EXPECT_EQ(coffin.dormant, 0);
    EXPECT_EQ(coffin.x, 712);

    EnemyBokujin& figure = g_enemyBokujin[0];
    figure = EnemyBokujin(831, 300);
    g_graphics.ClearBackBuffer();
    figure.Update();
    EXPECT_EQ(figure.dormant, 1);
    EXPECT_EQ(CountDrawn(), 0) << "undrawn while it waits";
    figure = EnemyBokujin(830, 300);
    figure.Update();
    EXPECT_EQ(figure.counter, 1);

    // The crawler drops only on a hero passing below it.
    EnemySunegusu& crawler = g_enemySunegusu[0];
    crawler = EnemySunegusu(920, 340);
    for (int i = 0; i < 30; ++i) crawler.Update();
    EXPECT_EQ(crawler.dormant, 1) << "a hero above it never shakes it loose";
    crawler = EnemySunegusu(951, 30);
    crawler.Update();
    EXPECT_EQ(crawler.dormant, 1) << "50 pixels away on x is too far";
    crawler = EnemySunegusu(950, 30);
    crawler.Update();
    EXPECT_EQ(crawler.dormant, 0);

    // The snake and the armadillo are not drawn until they wake.
    EnemyHebi& snake = g_enemyHebi[0];
    snake = EnemyHebi(1601, kGround - 51, 2);
    g_graphics.ClearBackBuffer();
    snake.Update();
    EXPECT_EQ(snake.dormant, 1);
    EXPECT_EQ(CountDrawn(), 0);
    snake = EnemyHebi(1600, kGround - 51, 2);
    snake.Update();
    EXPECT_EQ(snake.dormant, 0);
}

TEST_F(GroundFoes, TheCoffinOvershootsAStandingHeroAndTurnsBack) {
    EnemyKanoke& coffin = g_enemyKanoke[0];
    coffin = EnemyKanoke(650, kGround - 112, 0);
    int32_t farthest = coffin.x;
    int32_t nearest = 100000;
    for (int i = 0; i < 80; ++i) {
        PutHero(900, 100);  // out of its reach, so he stays put and unhurt
        coffin.Update();
        farthest = std::max(farthest, coffin.x);
        if (coffin.frame >= 4) nearest = std::min(nearest, coffin.x);
    }
    EXPECT_GT(farthest, 1000) << "it ran more than 100 pixels beyond him";
    EXPECT_LE(farthest, 1012);
    EXPECT_LT(nearest, 800);
    EXPECT_GE(nearest, 788);
}

TEST_F(GroundFoes, LeapersRestOnTheFloorAndLeapAtTheHero) {
    EnemyGureibu& ghoul = g_enemyGureibu[0];
    ghoul = EnemyGureibu(1100, kGround - 86, 2);
    ghoul.Update();
    EXPECT_EQ(ghoul.state, 3) << "leaps left at the hero the frame it wakes";
    int frames = 0;
    while (ghoul.state == 3 && frames < 100) {
        ghoul.Update();
        ++frames;
    }
    EXPECT_EQ(ghoul.state, 2);
    EXPECT_EQ(ghoul.y, kGround - 86);
    EXPECT_EQ(ghoul.x, 1100 - 7 * frames);
    for (int i = 0; i < 19; ++i) ghoul.Update();
    EXPECT_EQ(ghoul.state, 2) << "rests 20 frames";
    ghoul.Update();
    EXPECT_EQ(ghoul.state, 3);

    // A snake at the edge of its floor stops there but still leaps.
    EnemyHebi& snake = g_enemyHebi[0];
    snake = EnemyHebi(kPitLeft - 40, kGround - 51, 0);
    PutHero(3100, 330);
    for (int i = 0; i < 19; ++i) snake.Update();
    EXPECT_EQ(snake.x, kPitLeft - 26) << "stopped where 30 pixels ahead is the pit";
    EXPECT_EQ(snake.jumping, 0);
    snake.Update();
    EXPECT_EQ(snake.jumping, 1) << "the twentieth frame leaps";
}

TEST_F(GroundFoes, FallersThatMissEveryFloorAreRemoved) {
    g_stageFloor.LoadStage(0);
    EnemyHebi& snake = g_enemyHebi[0];
    snake = EnemyHebi(900, 600, 0);
    snake.jumping = 1;
    while (snake.y <= 692 && snake.dead == 0) snake.Update();
    EXPECT_EQ(snake.dead, 1);
    EXPECT_GT(snake.y, 692);

    EnemyGureibu& ghoul = g_enemyGureibu[0];
    ghoul = EnemyGureibu(900, 300, 3);
    EnemySunegusu& crawler = g_enemySunegusu[0];
    crawler = EnemySunegusu(900, 30);
    for (int i = 0; i < 200; ++i) {
        ghoul.Update();
        crawler.Update();
    }
    EXPECT_EQ(ghoul.dead, 1);
    EXPECT_EQ(crawler.dead, 1);
    EXPECT_LT(ghoul.y, enemy::kAbyssRow + 200) << "its fall stopped with it";
}

TEST_F(GroundFoes, TheCrawlerLandsThenCrawlsAtTheHero) {
    EnemySunegusu& crawler = g_enemySunegusu[0];
    crawler = EnemySunegusu(930, 30);
    int frames = 0;
    while (crawler.falling == 1 && frames < 100) {
        crawler.Update();
        ++frames;
    }
    EXPECT_EQ(crawler.y, kGround - 30);
    EXPECT_EQ(crawler.x, 930) << "straight down";
    crawler.Update();
    EXPECT_EQ(crawler.x, 927);
    EXPECT_EQ(crawler.frame, 1);
}

TEST_F(GroundFoes, TheArmadilloRollsWhereTheHeroWasAtCountThirty) {
    EnemyArumajiro& a = g_enemyArumajiro[0];
    a = EnemyArumajiro(1000, kGround - 32, 0);
    EXPECT_EQ(a.frame, 5);
    PutHero(1400, 100);
    for (int i = 0; i < 30; ++i) a.Update();
    EXPECT_EQ(a.facing, 1) << "faces the hero at count 30";
    const int32_t start = a.x;
    PutHero(600, 100);  // the hero passes to its other side
    for (int i = 0; i < 29; ++i) a.Update();
    EXPECT_EQ(a.counter, 59);
    EXPECT_EQ(a.x - start, 300) << "twenty rolling frames of 15 pixels, still to the right";
    a.Update();
    EXPECT_EQ(a.facing, 0) << "the new cycle turns it";
}

TEST_F(GroundFoes, BoxesFollowThePose) {
    // The wooden figure grows, then loops its last three poses.
    EnemyBokujin& figure = g_enemyBokujin[0];
    figure = EnemyBokujin(800, 300);
    for (int i = 0; i < 24; ++i) figure.Update();
    EXPECT_EQ(figure.counter, 24);
    figure.Update();
    EXPECT_EQ(figure.counter, 10) << "back to the third pose";

    // The curse swells to the left: a hero 3 pixels short of its resting
    // box is hurt only at the widest pulse.
    PutHero(900, 330);
    EnemyNoroi& curse = g_enemyNoroi[0];
    curse = EnemyNoroi(900 + 33, 340);
    int32_t hurtAt = -1;
    for (int i = 0; i < 20 && hurtAt < 0; ++i) {
        curse.Update();
        if (hero.hp < 16) hurtAt = curse.frame;
    }
    EXPECT_EQ(hurtAt, 2);

    // The madman's box rises out of the ground with him.
    g_stageNumber = 30;
    EnemyMadman& m = g_enemyMadman[0];
    m = EnemyMadman(930, 300, 1, 0, 0, 2000);
    PutHero(910, 350);  // body rows 352 to 406: the rising box is rows 368 to 380
    m.Update();
    EXPECT_EQ(hero.hp, 16 - Cost(3)) << "the low box of a madman just out of the ground";
}

TEST_F(GroundFoes, OneHitDestroysTheMadmanAndItsWindowsBringHimBack) {
    g_stageNumber = 28;
    EnemyMadman& m = g_enemyMadman[0];
    m = EnemyMadman(0, 0, 0, 1, 0, 0);
    PutHero(1500, 100);  // high and left of 2000: the upper window
    SeedGameRand(3);
    const int32_t r = GameRand();
    SeedGameRand(3);
    for (int i = 0; i < 19; ++i) m.Update();
    EXPECT_EQ(m.dead, 1);
    EXPECT_EQ(m.counter, 19);
    PutHero(1500, 200);  // between the windows the count pauses
    m.Update();
    EXPECT_EQ(m.counter, 19);
    PutHero(1500, 100);
    m.Update();
    ASSERT_EQ(m.dead, 0);
    EXPECT_EQ(m.x, 1500 + r % 150 + 100);
    EXPECT_EQ(m.y, 95);
    EXPECT_EQ(m.right, 2449);
    EXPECT_EQ(m.frame, 5) << "rising facing left, in the frame of his rebirth";

    // Rising 15 frames, then walking at the hero within his bounds.
    for (int i = 0; i < 14; ++i) m.Update();
    EXPECT_EQ(m.frame, 8);
    const int32_t x = m.x;
    m.Update();
    EXPECT_EQ(m.x, x - 2);

    // The lower window raises him behind the hero, facing right.
    m = EnemyMadman(0, 0, 0, 1, 0, 0);
    PutHero(1500, 320);
    for (int i = 0; i < 20; ++i) m.Update();
    ASSERT_EQ(m.dead, 0);
    EXPECT_EQ(m.facing, 1);
    EXPECT_EQ(m.y, 373);
    EXPECT_LE(m.x, 1400);
    EXPECT_EQ(m.right, enemy::kOpenMax);

    // Under the whip he is gone at once, and stays gone where no window is.
    PutHero(m.x - 70, m.y + 50);  // the whip's rows cross his low rising box
    Whip(true);
    m.Update();
    EXPECT_EQ(m.dead, 1);
    EXPECT_EQ(m.counter, 0);
    g_stageNumber = 30;
    for (int i = 0; i < 100; ++i) m.Update();
    EXPECT_EQ(m.dead, 1);
    EXPECT_EQ(m.counter, 0);
}

}  // namespace

// The foes between the last boss arenas: the burst drift of the ghost and
// the skull, the disk that cannot be stopped, the scarecrow's one draw per
// choice, the floor pillar that never stops and the beam cannon's beam.
#include <cstdlib>

#include "enemies/late/daibourei.h"
#include "enemies/late/disk.h"
#include "enemies/late/f_sukaru.h"
#include "enemies/late/s_beamer.h"
#include "enemies/late/sukea.h"
#include "enemies/late/up_fire.h"
#include "enemies/model/hopping.h"
#include "enemy_fixture.h"
#include "ground/stage_floor.h"

namespace {

// Stage 1's ground: top 379 everywhere left of x 2813.
constexpr int32_t kGround = 379;

class LateFoes : public EnemyTest {
protected:
    // The hero's hit points after one touch at level from full.
    int32_t Left(int32_t level) { return std::max(0, 16 - Cost(level)); }
};

TEST_F(LateFoes, FloatersRestThenDriftAtTheHeroInBursts) {
    EnemyDaibourei& ghost = g_enemyDaibourei[0];
    ghost = EnemyDaibourei(1199, 100);
    ghost.Update();
    EXPECT_EQ(ghost.dormant, 0);
    ghost = EnemyDaibourei(1200, 100);
    g_graphics.ClearBackBuffer();
    ghost.Update();
    EXPECT_EQ(ghost.dormant, 1) << "300 pixels away it sleeps";
    EXPECT_EQ(CountDrawn(), 0) << "and is not drawn";

    ghost = EnemyDaibourei(1100, 100);
    for (int i = 0; i < 40; ++i) ghost.Update();
    EXPECT_EQ(ghost.x, 1100) << "rests 40 frames after waking";
    EXPECT_EQ(ghost.facing, 1) << "the hero on its left";
    EXPECT_EQ(ghost.vx, -4) << "(910 - 1100) / 15, held to 4";
    EXPECT_EQ(ghost.vy, (350 - 100) / 15 > 4 ? 4 : (350 - 100) / 15);
    for (int i = 0; i < 20; ++i) ghost.Update();
    EXPECT_EQ(ghost.x, 1100 - 4 * 20);
    EXPECT_EQ(ghost.vx, 0) << "then rests again";
    ghost.Update();
    EXPECT_EQ(ghost.x, 1100 - 4 * 20);

    // The skull: half cycles of 10 frames and up to 7 pixels a frame.
    EnemyFSukaru& skull = g_enemyFSukaru[0];
    skull = EnemyFSukaru(1050, 300);
    for (int i = 0; i < 20; ++i) skull.Update();
    EXPECT_EQ(skull.vx, -7);
    EXPECT_EQ(skull.vy, (350 - 300) / 15);
    for (int i = 0; i < 10; ++i) skull.Update();
    EXPECT_EQ(skull.x, 1050 - 70);
    EXPECT_EQ(skull.vx, 0);

    // Aimed from far outside the screen, the speeds still hold their limits.
    skull = EnemyFSukaru(900, 2000000000);
    skull.dormant = 0;
    skull.counter = 19;
    skull.Update();
    EXPECT_EQ(skull.vy, -7);
}

TEST_F(LateFoes, TheDiskCreepsToItsLastXSweepsTheScreenAndCannotBeStopped) {
    EnemyDisk& disk = g_enemyDisk[0];
    disk = EnemyDisk();
    EXPECT_EQ(disk.x, -200);
    EXPECT_EQ(disk.goingDown, 1);
    int32_t lowest = 0;
    int32_t highest = 0;
    for (int i = 0; i < 100; ++i) {
        disk.Update();
        lowest = std::max(lowest, disk.y);
        highest = std::min(highest, disk.y);
    }
    EXPECT_EQ(disk.x, -100) << "one pixel a frame, the wobble evened out every ten";
    EXPECT_GT(lowest, 550);
    EXPECT_LE(lowest, 550 + 40 + 4);
    EXPECT_LT(highest, -70);
    EXPECT_GE(highest, -70 - 40 - 4);

    disk.x = 5790;
    for (int i = 0; i < 200; ++i) {
        disk.Update();
        EXPECT_LE(disk.x, 5800 + 2) << "it creeps no further, but for its wobble";
    }
    EXPECT_GE(disk.x, 5800 - 2);

    // Under the whip and on the hero, it stays and hurts at level 16.
    disk = EnemyDisk();
    disk.x = 920;
    disk.y = 300;
    Whip(true);
    disk.Update();
    EXPECT_EQ(hero.hp, Left(16));
    for (int i = 0; i < 50; ++i) disk.Update();
    EXPECT_GT(disk.x, 920);
}

TEST_F(LateFoes, TheScarecrowDrawsOnceForEachChoice) {
    EnemySukea& s = g_enemySukea[0];
    // Find seeds whose first draw hops and dashes.
    uint32_t hopSeed = 0;
    uint32_t dashSeed = 0;
    for (uint32_t seed = 1; seed < 100 && (hopSeed == 0 || dashSeed == 0); ++seed) {
        SeedGameRand(seed);
        (GameRand() % 3 != 0 ? hopSeed : dashSeed) = seed;
    }
    ASSERT_NE(hopSeed, 0u);
    ASSERT_NE(dashSeed, 0u);

    SeedGameRand(hopSeed);
    s = EnemySukea(1200, kGround - 130, 0);
    s.Update();
    EXPECT_EQ(s.facing, 1) << "the hero on its left";
    EXPECT_EQ(s.jumping, 1);
    EXPECT_EQ(s.vy, -15);
    int frames = 0;
    while (s.jumping == 1 && frames < 100) {
        s.Update();
        ++frames;
    }
    EXPECT_EQ(s.y, kGround - 130) << "back on the floor";
    EXPECT_EQ(s.x, 1200 - 9 * frames);

    SeedGameRand(dashSeed);
    s = EnemySukea(1200, kGround - 130, 0);
    s.Update();
    ASSERT_EQ(s.dashing, 1);
    const int32_t next = GameRand();
    SeedGameRand(dashSeed);
    GameRand();
    for (int i = 0; i < 20; ++i) s.Update();
    EXPECT_EQ(s.dashing, 0);
    EXPECT_EQ(s.x, 1200 - 9 * 20) << "20 frames of 9 pixels, the last one too";
    EXPECT_EQ(s.y, kGround - 130);
    s.Update();
    EXPECT_EQ(s.jumping == 1, next % 3 != 0) << "the next choice is the next draw";

    // A hop with no floor under it ends below the world.
    g_stageFloor.LoadStage(0);
    s = EnemySukea(1200, 200, 1);
    s.dormant = 0;
    s.jumping = 1;
    for (int i = 0; i < 200 && s.dead == 0; ++i) s.Update();
    EXPECT_EQ(s.dead, 1);
}

TEST_F(LateFoes, TheFloorPillarWakesNearAndNeverStops) {
    EnemyUpFire& pillar = g_enemyUpFire[0];
    pillar = EnemyUpFire(1000);
    g_graphics.ClearBackBuffer();
    pillar.Update();
    EXPECT_EQ(pillar.dormant, 1);
    EXPECT_EQ(CountDrawn(), 0) << "a sleeping pillar is not drawn";

    pillar = EnemyUpFire(999);
    PutHero(990, 150);  // level with the top of the pillar's tallest frames
    int32_t hurtInFrame = -1;
    for (int i = 0; i < 210; ++i) {
        pillar.Update();
        if (hurtInFrame < 0 && hero.hp < 16) hurtInFrame = pillar.frame;
    }
    EXPECT_EQ(pillar.dormant, 0);
    EXPECT_EQ(pillar.tick, 0) << "three whole eruptions";
    EXPECT_GE(hurtInFrame, 3) << "only the tall frames reach so high";
    EXPECT_EQ(hero.hp, Left(4));

    PutHero(5000, 330);
    pillar.Update();
    EXPECT_EQ(pillar.tick, 1) << "it goes on once he has left";
}

TEST_F(LateFoes, TheBeamHurtsAlongItsLengthFromTheFiftiethFrame) {
    EnemySBeamer& cannon = g_enemySBeamer[0];
    cannon = EnemySBeamer(1300, 320, 2);  // facing left, the hero 400 pixels away
    for (int i = 0; i < 49; ++i) cannon.Update();
    EXPECT_EQ(cannon.phase, 2);
    EXPECT_EQ(hero.hp, 16);
    cannon.Update();
    EXPECT_EQ(cannon.phase, 3);
    EXPECT_EQ(hero.hp, Left(32));
    for (int i = 0; i < 100; ++i) cannon.Update();
    EXPECT_EQ(cannon.phase, 3) << "the beam stays on";
    EXPECT_EQ(cannon.counter, 51);

    // Facing right, the beam reaches 498 pixels.
    PutHero(900, 300);
    cannon = EnemySBeamer(902 - 498, 320, 1);
    cannon.Update();
    EXPECT_EQ(hero.hp, 16) << "the beam's far end is not inside the hero";
    PutHero(899, 300);
    cannon.Update();
    EXPECT_EQ(hero.hp, Left(32));

    // One swing at the body destroys cannon and beam; a phase from outside
    // the four reads as the nearest.
    PutHero(1240, 300);
    cannon = EnemySBeamer(1300, 320, 3);
    Whip(true);
    cannon.Update();
    EXPECT_EQ(cannon.dead, 1);
    cannon = EnemySBeamer(1300, 320, 7);
    cannon.counter = 49;
    cannon.Update();
    EXPECT_EQ(cannon.phase, 8);
}

}  // namespace

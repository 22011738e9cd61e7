// The hoppers, leapers and droppers and the kinds that keep coming back:
// strict landing, the rows that remove fallers, rebirth windows and sides,
// the bat and its passenger, the balloon's spores, and falls that never end.
#include <algorithm>
#include <cstdlib>

#include "enemies/jumpers/f_dog.h"
#include "enemies/jumpers/frog.h"
#include "enemies/jumpers/leaf.h"
#include "enemies/jumpers/nomi.h"
#include "enemies/jumpers/semusi.h"
#include "enemies/jumpers/suraimu.h"
#include "enemies/jumpers/war.h"
#include "enemies/model/hopping.h"
#include "enemies/self_reviving/balloon.h"
#include "enemies/self_reviving/fish.h"
#include "enemies/self_reviving/housi.h"
#include "enemies/self_reviving/m_bat.h"
#include "enemies/self_reviving/merman.h"
#include "enemies/self_reviving/toad.h"
#include "enemies/self_reviving/w_ghost.h"
#include "enemies/self_reviving/zombie.h"
#include "enemy_fixture.h"
#include "engine/game_state.h"
#include "engine/graphics.h"
#include "ground/stage_floor.h"
#include "players/player_doran.h"
#include "shell/menu.h"
#include "stages/stage.h"

namespace {

// Stage 1's ground: top 379 everywhere left of x 2813.
constexpr int32_t kGround = 379;

class Jumpers : public EnemyTest {
protected:
    // The value the next draw of the generator will give under seed.
    static int32_t NextDraw(uint32_t seed) {
        SeedGameRand(seed);
        return GameRand();
    }
};

TEST_F(Jumpers, AProbeExactlyOnATopMissesAndOnePixelDeeperLands) {
    // A frog (probe 16) falling one pixel a frame: its probe reaches the top
    // row first, which is not inside the ground.
    EnemyFrog& frog = g_enemyFrog[0];
    frog = EnemyFrog(1500, kGround - 16 - 1, 0);
    frog.jumping = 1;
    frog.vy = 1;
    frog.Update();
    EXPECT_EQ(frog.y, kGround - 16);
    EXPECT_EQ(frog.jumping, 1) << "the probe on the top row found no floor";
    frog.Update();
    EXPECT_EQ(frog.jumping, 0);
    EXPECT_EQ(frog.y, kGround - 16) << "stood on the top";

    // A hunchback (probe 30) landing in the pit between x 2813 and 2826 finds
    // no floor on either rectangle's edge.
    EnemySemusi& s = g_enemySemusi[0];
    s = EnemySemusi(2807, kGround - 30 - 2, 1, 0);  // hops 6 right: x 2813
    s.jumping = 1;
    s.vy = 3;
    s.Update();
    EXPECT_EQ(s.x, 2813);
    EXPECT_EQ(s.jumping, 1) << "x on the right edge of the left ground is outside it";
}

TEST_F(Jumpers, MermanAndToadRiseThroughTheGroundAndLandOnlyFalling) {
    EnemyMerman& m = g_enemyMerman[0];
    m = EnemyMerman(1500, 0);
    bool probedInsideRising = false;
    for (int i = 0; i < 60 && m.landed == 0; ++i) {
        const bool rising = m.vy < 0;
        m.Update();
        if (!rising) continue;
        EXPECT_EQ(m.landed, 0) << "landed on the way up at y " << m.y;
        if (g_stageFloor.TopAt(m.x, m.y + 88) != 0) probedInsideRising = true;
    }
    EXPECT_TRUE(probedInsideRising) << "the leap passed the ground rising";
    ASSERT_EQ(m.landed, 1);
    EXPECT_EQ(m.y, kGround - 63);
    EXPECT_EQ(m.frame, 5) << "crouching after the landing";

    // Rising with its probe inside the ground, the toad flies on.
    EnemyToad& t = g_enemyToad[0];
    t = EnemyToad(1500, 420, 1, 0);
    t.Update();
    ASSERT_NE(g_stageFloor.TopAt(t.x, t.y + 31), 0);
    EXPECT_EQ(t.frame, 1) << "still leaping";
    EXPECT_LT(t.vy, 0);
    for (int i = 0; i < 60 && t.frame == 1; ++i) t.Update();
    EXPECT_EQ(t.frame, 4) << "came down resting, the hero on its left";
    EXPECT_EQ(t.y, kGround - 31);
}

TEST_F(Jumpers, FallersAreRemovedAtTheirRows) {
    g_stageFloor.LoadStage(0);  // nothing to land on
    struct Row {
        int32_t before;
        bool gone;
    };
    for (const Row r : {Row{675, false}, Row{676, true}}) {
        EnemyFrog& f = g_enemyFrog[0];
        f = EnemyFrog(1500, r.before, 0);
        f.jumping = 1;
        f.vy = 1;
        f.Update();
        EXPECT_EQ(f.dead == 1, r.gone) << "frog reaching y " << r.before + 1;
    }
    for (const Row r : {Row{639, false}, Row{640, true}}) {
        EnemyMerman& m = g_enemyMerman[0];
        m = EnemyMerman(1500, 0);
        m.y = r.before;
        m.vy = 1;
        m.counter = 7;
        m.Update();
        EXPECT_EQ(m.dead == 1, r.gone) << "merman reaching y " << r.before + 1;
        if (r.gone) {
            EXPECT_EQ(m.counter, 0) << "its spawn count starts over";
        }
        EnemyToad& t = g_enemyToad[0];
        t = EnemyToad(1500, r.before, 0, 0);
        t.vy = 1;
        t.Update();
        EXPECT_EQ(t.dead == 1, r.gone) << "toad reaching y " << r.before + 1;
    }
}

TEST_F(Jumpers, CorpsesRiseAheadOfTheHeroAndBehindOnStageNine) {
    g_stageNumber = 4;
    PutHero(2000, 330);
    for (int i = 0; i < 200; ++i) {
        g_enemyZombie[0] = EnemyZombie(0, 0, 0, 1, 0, 0);
        g_enemyZombie[0].Respawn();
        ASSERT_EQ(g_enemyZombie[0].dead, 0);
        EXPECT_GE(g_enemyZombie[0].x, 2400);
        EXPECT_LE(g_enemyZombie[0].x, 2699);
    }
    g_stageNumber = 9;
    PutHero(1500, 150);
    g_enemyZombie[0] = EnemyZombie(0, 0, 0, 1, 0, 0);
    g_enemyZombie[0].Respawn();
    EXPECT_EQ(g_enemyZombie[0].dead, 1) << "the hero on stage 9's upper floor";
    PutHero(1500, 151);
    for (int i = 0; i < 200; ++i) {
        g_enemyZombie[0] = EnemyZombie(0, 0, 0, 1, 0, 0);
        g_enemyZombie[0].Respawn();
        ASSERT_EQ(g_enemyZombie[0].dead, 0);
        EXPECT_GE(g_enemyZombie[0].x, 801);
        EXPECT_LE(g_enemyZombie[0].x, 1100);
        EXPECT_EQ(g_enemyZombie[0].y, 397);
    }
}

TEST_F(Jumpers, MermenAndToadsRiseAfterTheirStagesCountOfFramesInTheWindow) {
    struct Case {
        int32_t stage;
        int32_t heroX;
        int32_t count;  // 0: outside the stage's window
    };
    for (const Case c : {Case{3, 3499, 20}, Case{3, 3500, 0}, Case{25, 600, 0}, Case{25, 601, 40}}) {
        g_stageNumber = c.stage;
        PutHero(c.heroX, 330);
        EnemyMerman& m = g_enemyMerman[0];
        m = EnemyMerman(0, 1);
        int frames = 0;
        while (m.dead != 0 && frames < 100) {
            m.Respawn();
            ++frames;
        }
        if (c.count == 0) {
            EXPECT_EQ(m.dead, 1) << "stage " << c.stage << ", hero x " << c.heroX;
            continue;
        }
        EXPECT_EQ(frames, c.count) << "stage " << c.stage;
        EXPECT_GE(m.x, c.heroX + 150);
        EXPECT_LT(m.x, c.heroX + 300);
        EXPECT_EQ(m.y, 600);
        EXPECT_EQ(m.vy, -40);
    }
    g_stageNumber = 7;
    for (const int32_t heroX : {1200, 1201, 3399, 3400}) {
        PutHero(heroX, 330);
        g_enemyToad[0] = EnemyToad(0, 0, 0, 1);
        for (int i = 0; i < 20; ++i) g_enemyToad[0].Respawn();
        EXPECT_EQ(g_enemyToad[0].dead == 0, heroX != 1200 && heroX != 3400) << "hero x " << heroX;
    }
}

TEST_F(Jumpers, CommonWindowRevivers) {
    const int32_t length = g_stage.GetEndX();
    for (const int32_t heroX : {500, 501, length - 501, length - 500}) {
        const bool window = heroX != 500 && heroX != length - 500;
        PutHero(heroX, 330);
        g_enemyNomi[0].dead = 1;
        g_enemyFish[0] = EnemyFish(0, 0, 0, 1);
        g_enemyWGhost[0] = EnemyWGhost(0, 0, 1);
        g_enemyBalloon[0] = EnemyBalloon(0, 0, 0, 1, 0);
        g_enemyMBat[0] = EnemyMBat(0, 0, 0, 1, 1, 0);
        for (int i = 0; i < 100; ++i) {
            if (g_enemyFish[0].dead != 0) g_enemyFish[0].Respawn();
            if (g_enemyWGhost[0].dead != 0) g_enemyWGhost[0].Respawn();
            if (g_enemyBalloon[0].dead != 0) g_enemyBalloon[0].Respawn();
            if (g_enemyMBat[0].dead != 0) g_enemyMBat[0].Respawn();
        }
        EXPECT_EQ(g_enemyFish[0].dead == 0, window) << "fish, hero x " << heroX;
        EXPECT_EQ(g_enemyWGhost[0].dead == 0, window) << "ghost, hero x " << heroX;
        EXPECT_EQ(g_enemyBalloon[0].dead == 0, window) << "balloon, hero x " << heroX;
        EXPECT_EQ(g_enemyMBat[0].dead == 0, window) << "bat, hero x " << heroX;
    }
}

TEST_F(Jumpers, OneDrawGivesBothSideAndDistance) {
    g_stageNumber = 25;
    PutHero(2000, 330);
    for (const uint32_t seed : {3u, 4u, 5u, 6u}) {
        const int32_t r = NextDraw(seed);
        const int32_t second = GameRand();
        const bool left = r % 2 != 0;

        SeedGameRand(seed);
        g_enemyToad[0] = EnemyToad(0, 0, 0, 1);
        g_enemyToad[0].counter = 19;
        g_enemyToad[0].Respawn();
        EXPECT_EQ(g_enemyToad[0].x, left ? 2000 - 200 - r % 150 : 2000 + 200 + r % 150);
        EXPECT_EQ(g_enemyToad[0].frame, left ? 1 : 5) << "leaping toward the hero";

        SeedGameRand(seed);
        g_enemyFish[0].dead = 1;
        g_enemyFish[0].counter = 29;
        g_enemyFish[0].Respawn();
        EXPECT_EQ(g_enemyFish[0].x, left ? 2000 - 250 - r % 100 : 2000 + 250 + r % 100);
        EXPECT_EQ(g_enemyFish[0].frame, left ? 0 : 2);
        EXPECT_EQ(g_enemyFish[0].vy, -10 - second % 20) << "the next draw is its rise";

        SeedGameRand(seed);
        g_enemyBalloon[0] = EnemyBalloon(0, 0, 0, 1, 0);
        g_enemyBalloon[0].counter = 19;
        g_enemyBalloon[0].Respawn();
        EXPECT_EQ(g_enemyBalloon[0].x, left ? 2000 - 350 - r % 50 : 2000 + 350 + r % 50);
        EXPECT_EQ(g_enemyBalloon[0].facing, left ? 1 : 0);
        EXPECT_EQ(g_enemyBalloon[0].y, 330 + second % 80 - 50);

        SeedGameRand(seed);
        g_enemyNomi[0].dead = 1;
        g_enemyMBat[0] = EnemyMBat(0, 0, 0, 1, 1, 0);
        g_enemyMBat[0].Respawn();
        EXPECT_EQ(g_enemyMBat[0].x, left ? 2000 - 350 - r % 50 : 2000 + 350 + r % 50);
        EXPECT_EQ(g_enemyMBat[0].y, second % 20 + 10);
    }
}

TEST_F(Jumpers, TheBatDropsItsPassengerAndWaitsForIt) {
    PutHero(2000, 330);
    for (const int32_t kind : {1, 0}) {
        g_enemyNomi[1].dead = 1;
        g_enemySemusi[1].dead = 1;
        EnemyMBat& bat = g_enemyMBat[0];
        bat = EnemyMBat(1900, 20, 1, kind, 0, 1);
        int frames = 0;
        while (bat.carrying != 0 && frames < 100) {
            bat.Update();
            ++frames;
        }
        ASSERT_EQ(bat.carrying, 0);
        const int32_t px = kind != 0 ? g_enemyNomi[1].x : g_enemySemusi[1].x;
        const int32_t passengerDead = kind != 0 ? g_enemyNomi[1].dead : g_enemySemusi[1].dead;
        EXPECT_EQ(passengerDead, 0) << "dropped into slot 1 of its pool";
        EXPECT_EQ(px, bat.x + 16);
        EXPECT_GT(bat.x, 1950) << "dropped within 50 pixels of the hero";
        const int32_t hoverX = bat.x;
        for (int i = 0; i < 12; ++i) bat.Update();
        EXPECT_EQ(bat.x, hoverX) << "hovers 12 frames";
        bat.Update();
        EXPECT_EQ(bat.x, hoverX + 8);

        for (int i = 0; i < 200 && bat.dead == 0; ++i) bat.Update();
        ASSERT_EQ(bat.dead, 1) << "flew out of reach";
        for (int i = 0; i < 50; ++i) bat.Update();
        EXPECT_EQ(bat.dead, 1) << "its passenger still lives";
        (kind != 0 ? g_enemyNomi[1].dead : g_enemySemusi[1].dead) = 1;
        bat.Update();
        EXPECT_EQ(bat.dead, 0) << "back once the passenger is gone";
        EXPECT_EQ(bat.carrying, 1);
        EXPECT_EQ(bat.slotBase, 1);
    }
    // A passenger slot outside its pool is never written, and the bat never
    // comes back for it.
    const int32_t refused = enemy::RefusedSlotCount();
    EnemyMBat& bat = g_enemyMBat[1];
    bat = EnemyMBat(1990, 20, 1, 1, 0, 6);
    bat.Update();
    EXPECT_EQ(bat.carrying, 0);
    EXPECT_GT(enemy::RefusedSlotCount(), refused);
    bat.dead = 1;
    for (int i = 0; i < 5; ++i) bat.Update();
    EXPECT_EQ(bat.dead, 1);
}

TEST_F(Jumpers, ABurstBalloonOverwritesItsFourSporeSlots) {
    for (int32_t k = 0; k < 4; ++k) g_enemyHousi[k] = EnemyHousi(100 * k, 50, 1, 1, k % 2);
    g_enemyHousi[2].counter = 7;
    EnemyBalloon& b = g_enemyBalloon[0];
    b = EnemyBalloon(964, 320, 0, 0, 0);
    Whip(true);
    b.Update();
    ASSERT_EQ(b.dead, 1);
    constexpr int32_t kVx[] = {-6, -3, 3, 6};
    for (int32_t k = 0; k < 4; ++k) {
        EXPECT_EQ(g_enemyHousi[k].dead, 0) << k;
        EXPECT_EQ(g_enemyHousi[k].x, 960 + 13) << k;
        EXPECT_EQ(g_enemyHousi[k].y, 320 + 5) << k;
        EXPECT_EQ(g_enemyHousi[k].vx, kVx[k]) << k;
        EXPECT_EQ(g_enemyHousi[k].vy, -8) << k;
        EXPECT_EQ(g_enemyHousi[k].counter, 0) << k;
    }
    // From slot 2 only two of the four fit; the others are refused.
    for (int32_t k = 0; k < 4; ++k) g_enemyHousi[k].dead = 1;
    b = EnemyBalloon(964, 320, 0, 0, 2);
    b.Update();
    EXPECT_EQ(g_enemyHousi[1].dead, 1);
    EXPECT_EQ(g_enemyHousi[2].vx, -6);
    EXPECT_EQ(g_enemyHousi[3].vx, -3);
}

TEST_F(Jumpers, TheLeafStaysUnseenUntilPassedByAHundredPixels) {
    EnemyLeaf& leaf = g_enemyLeaf[0];
    leaf = EnemyLeaf(1000, kGround - 107, 0);
    PutHero(1100, 330);
    g_graphics.ClearBackBuffer();
    leaf.Update();
    EXPECT_EQ(CountDrawn(), 0);
    EXPECT_EQ(leaf.x, 1000);
    EXPECT_EQ(leaf.awake, 0);
    PutHero(1101, 330);
    leaf.Update();
    EXPECT_GT(CountDrawn(), 0);
    EXPECT_EQ(leaf.x, 1004);
    PutHero(900, 330);
    leaf.Update();
    EXPECT_EQ(leaf.awake, 1) << "awake for good";
}

TEST_F(Jumpers, TheSlimeFirstDropsTwentyFramesAfterWaking) {
    EnemySuraimu& s = g_enemySuraimu[0];
    s = EnemySuraimu(1000, 100);
    PutHero(1700, 330);
    s.Update();
    EXPECT_EQ(s.dormant, 1) << "700 pixels away";
    PutHero(1699, 330);
    for (int i = 1; i < 20; ++i) s.Update();
    EXPECT_EQ(s.state, EnemySuraimu::kWaiting);
    s.Update();
    EXPECT_EQ(s.state, EnemySuraimu::kDropping);
    EXPECT_EQ(s.y, 100);
    s.Update();
    EXPECT_EQ(s.y, 115);
    for (int i = 0; i < 30 && s.state == EnemySuraimu::kDropping; ++i) s.Update();
    EXPECT_EQ(s.state, EnemySuraimu::kOnFloor);
    EXPECT_EQ(s.y, kGround - 20);
}

TEST_F(Jumpers, FallsWithoutAFloorStopBelowTheScreenAndStayDefined) {
    g_stageFloor.LoadStage(0);
    PutHero(1200, 100);
    g_enemyNomi[0] = EnemyNomi(1000, 100, 0, 0);
    g_enemySemusi[0] = EnemySemusi(1000, 100, 1, 0);
    g_enemyWar[0] = EnemyWar(1000, 100, 0);
    g_enemyFDog[0] = EnemyFDog(1000, 100, 0);
    g_enemySuraimu[0] = EnemySuraimu(1000, 100);
    g_enemyLeaf[0] = EnemyLeaf(1000, 100, 0);
    for (int i = 0; i < 100000; ++i) {
        g_enemyNomi[0].Update();
        g_enemySemusi[0].Update();
        g_enemyWar[0].Update();
        g_enemyFDog[0].Update();
        g_enemySuraimu[0].Update();
        g_enemyLeaf[0].Update();
    }
    const int32_t ys[] = {g_enemyNomi[0].y, g_enemySemusi[0].y,  g_enemyWar[0].y,
                          g_enemyFDog[0].y, g_enemySuraimu[0].y, g_enemyLeaf[0].y};
    for (const int32_t y : ys) {
        EXPECT_GE(y, enemy::kAbyssRow);
        EXPECT_LT(y, enemy::kAbyssRow + 200);
    }
    EXPECT_EQ(g_enemyNomi[0].dead, 0) << "the flea falls on, alive, as its bat expects";
    EXPECT_LT(std::abs(g_enemyNomi[0].x - 1000), 2000);
}

}  // namespace

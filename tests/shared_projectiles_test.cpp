// The two projectiles several families share: the falling block, which no
// floor stops, and the wolf's fireball, which crosses the arena and is gone.
#include "enemies/droppers/otiru_block.h"
#include "enemies/hazards/fire_b.h"
#include "enemy_fixture.h"

namespace {

using SharedProjectiles = EnemyTest;

TEST_F(SharedProjectiles, ABlockFallsThroughTheFloorAndEndsBelowTheScreen) {
    // Stage 1's ground top is 379 at x 1500; the block accelerates one pixel
    // a frame per frame and keeps going past it.
    EnemyOtiruBlock& b = g_enemyOtiruBlock[0];
    b = EnemyOtiruBlock(1500, -30, 0);
    int frames = 0;
    int32_t lastY = b.y;
    while (b.dead == 0 && frames < 200) {
        b.Update();
        ++frames;
        if (b.dead == 0) {
            EXPECT_GE(b.y, lastY);
            lastY = b.y;
        }
    }
    EXPECT_EQ(b.dead, 1);
    EXPECT_GE(lastY, 507) << "it fell past the ground at 379 to the screen's bottom";
    // After k moves y = -30 + k(k-1)/2, which reaches 507 first at k = 34;
    // the next frame ends it.
    EXPECT_EQ(frames, 35);
}

TEST_F(SharedProjectiles, ABlockHurtsAtLevelTwoAndAnEndedOneDoesNothing) {
    EnemyOtiruBlock& b = g_enemyOtiruBlock[1];
    b = EnemyOtiruBlock(905, 330, 0);
    b.Update();
    EXPECT_EQ(hero.hp, 16 - Cost(2));

    PutHero(900, 330);
    b = EnemyOtiruBlock(905, 330, 1);
    g_graphics.ClearBackBuffer();
    b.Update();
    EXPECT_EQ(hero.hp, 16);
    EXPECT_EQ(CountDrawn(), 0);
}

TEST_F(SharedProjectiles, TheFireballCrossesThirtyAFrameAndEndsPastSevenHundred) {
    for (int32_t leftward : {0, 1}) {
        EnemyFireB& f = g_enemyFireB[0];
        f = EnemyFireB(300, 100, leftward, 0);
        int frames = 0;
        while (f.dead == 0 && frames < 100) {
            f.Update();
            ++frames;
        }
        EXPECT_EQ(f.dead, 1) << leftward;
        // Right: 300 -> 720 after 14 frames; left: 300 -> -720 after 34.
        EXPECT_EQ(frames, leftward ? 34 : 14) << leftward;
        EXPECT_EQ(f.x, leftward ? -720 : 720) << leftward;
    }
}

TEST_F(SharedProjectiles, TheFireballHurtsAtLevelFour) {
    EnemyFireB& f = g_enemyFireB[0];
    f = EnemyFireB(870, 330, 0, 0);  // steps to 900, over the hero's body
    f.Update();
    EXPECT_EQ(hero.hp, 16 - Cost(4));
}

}  // namespace

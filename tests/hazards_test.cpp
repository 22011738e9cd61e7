// The hazards of the later stages: the circuits and lanes they keep to, what
// rises and falls and where it stops, when they wake, when they hurt, and the
// weight that rolls when struck.
#include <algorithm>
#include <cstdint>

#include "enemies/hazards/gejigeji.h"
#include "enemies/hazards/gia.h"
#include "enemies/hazards/huran.h"
#include "enemies/hazards/idou_yari.h"
#include "enemies/hazards/idou_yari_v.h"
#include "enemies/hazards/jyuutan.h"
#include "enemies/hazards/rising_wraith.h"
#include "enemies/hazards/yuka_yari.h"
#include "enemies/model/enemy_model.h"
#include "enemy_fixture.h"
#include "ground/stage_floor.h"
#include "shell/menu.h"
#include "stages/stage.h"

namespace {

class Hazards : public EnemyTest {
protected:
    // True when the hero lost hit points since the last call, and by how
    // much; it can be hurt again at once.
    int32_t Lost() {
        const int32_t lost = 16 - hero.hp;
        PutHero(hero.x, hero.y);
        return lost;
    }
    template <typename T>
    static void Run(T& e, int frames) {
        for (int i = 0; i < frames; ++i) e.Update();
    }
    template <typename T>
    int DrawnBy(T& e) {
        g_graphics.ClearBackBuffer();
        e.Update();
        return CountDrawn();
    }
};

// --- Circuits and lanes ---

TEST_F(Hazards, CentipedeCirclesItsRectangleDownRightUpLeft) {
    PutHero(3000, 0);
    EnemyGejigeji& g = g_enemyGejigeji[0];
    g = EnemyGejigeji(570, 990, 184, 267);
    EXPECT_EQ(g.x, 570);
    EXPECT_EQ(g.y, 184);
    Run(g, 27);
    EXPECT_EQ(g.y, 184 + 81);
    EXPECT_EQ(g.side, 0);
    g.Update();
    EXPECT_EQ(g.y, 267) << "held on the bottom edge";
    EXPECT_EQ(g.side, 1);
    Run(g, 141);
    EXPECT_EQ(g.x, 990);
    EXPECT_EQ(g.side, 2);
    Run(g, 28);
    EXPECT_EQ(g.y, 184);
    EXPECT_EQ(g.side, 3);
    Run(g, 141);
    EXPECT_EQ(g.x, 570);
    EXPECT_EQ(g.y, 184);
    EXPECT_EQ(g.side, 0) << "round in 338 frames";
}

TEST_F(Hazards, CentipedeOnAFlatRectangleWalksOneLine) {
    PutHero(3000, 0);
    EnemyGejigeji& g = g_enemyGejigeji[0];
    g = EnemyGejigeji(100, 130, 200, 200);
    for (int i = 0; i < 200; ++i) {
        g.Update();
        ASSERT_EQ(g.y, 200);
        ASSERT_GE(g.x, 100);
        ASSERT_LE(g.x, 130);
    }
}

TEST_F(Hazards, CarpetComesBackInAtTheFarEndInTheSameFrame) {
    PutHero(1480, 290);  // its body over the lane's left end
    EnemyJyuutan& c = g_enemyJyuutan[0];
    c = EnemyJyuutan(1000, 300, 0, 1500, 1010);
    EXPECT_GT(DrawnBy(c), 0);
    EXPECT_EQ(c.x, 1500) << "past its right end";
    EXPECT_EQ(Lost(), Cost(2)) << "touched at the left end";

    c = EnemyJyuutan(1500, 300, 1, 1490, 3000);
    c.Update();
    EXPECT_EQ(c.x, 3000);
    c.Update();
    EXPECT_EQ(c.x, 3000 - 14);
}

// --- Rising and falling ---

TEST_F(Hazards, HangingHazardWaitsVisibleThenFallsOutOfPlay) {
    EnemyHuran& h = g_enemyHuran[0];
    h = EnemyHuran(700);
    PutHero(700 - 70, 0);
    EXPECT_GT(DrawnBy(h), 0) << "it hangs in sight";
    Run(h, 20);
    EXPECT_EQ(h.falling, 0);
    EXPECT_EQ(h.y, 0);

    PutHero(700 - 69, 330);
    h.Update();
    EXPECT_EQ(h.falling, 1);
    EXPECT_EQ(h.y, 0) << "it lets go this frame and drops from the next";
    int frames = 0;
    int32_t lost = 0;
    PutHero(700 - 10, 330);
    while (h.dead == 0 && frames < 100) {
        h.Update();
        lost = std::max(lost, Lost());
        ++frames;
    }
    EXPECT_EQ(frames, 23) << "10, 11, 12 ... pixels a frame past row 480";
    EXPECT_EQ(lost, Cost(3));
    EXPECT_EQ(DrawnBy(h), 0) << "gone";
}

TEST_F(Hazards, FloorSpearWakesNearTheHeroAndStaysAboveTheScreen) {
    EnemyYukaYari& s = g_enemyYukaYari[0];
    s = EnemyYukaYari(1000);
    PutHero(1100, 330);
    EXPECT_EQ(DrawnBy(s), 0) << "hidden while it sleeps";
    EXPECT_EQ(s.y, 480);
    PutHero(1099, 330);
    s.Update();
    EXPECT_EQ(s.y, 468) << "it rises in the frame it wakes";
    PutHero(3000, 330);  // far away again: it stays awake
    Run(s, 42);
    EXPECT_EQ(s.y, -36);
    Run(s, 100);
    EXPECT_EQ(s.y, -36);
}

// --- Sliding spears ---

TEST_F(Hazards, RisingSpearBlockSweepsItsRunAndTheWholeScreen) {
    PutHero(3000, 0);
    EnemyIdouYariV& v = g_enemyIdouYariV[0];
    v = EnemyIdouYariV(839, 772, 906);
    int32_t left = v.x, right = v.x, top = v.y, bottom = v.y;
    for (int i = 0; i < 1000; ++i) {
        v.Update();
        left = std::min(left, v.x);
        right = std::max(right, v.x);
        top = std::min(top, v.y);
        bottom = std::max(bottom, v.y);
    }
    EXPECT_EQ(left, 769) << "turning one step past a bound";
    EXPECT_EQ(right, 909);
    EXPECT_EQ(top, -65);
    EXPECT_EQ(bottom, 485);
}

// --- The rolling weight ---

TEST_F(Hazards, StruckWeightRollsRightFiveHundredSeventyPixels) {
    EnemyGia& g = g_enemyGia[0];
    g = EnemyGia(900);
    PutHero(850, 330);  // its whip reaches 898 to 978, its body stays clear
    Whip(true);
    Run(g, 18);
    EXPECT_EQ(g.y, 315);
    EXPECT_EQ(g.rolling, 1) << "struck only once it lay";
    EXPECT_EQ(g.x, 900);
    Whip(false);
    Run(g, 50);
    PutHero(g.x - 40, 330);
    Whip(true);
    g.Update();
    Whip(false);
    EXPECT_EQ(g.frame, 56) << "a strike while it rolls keeps its count";
    Run(g, 43);
    EXPECT_EQ(g.rolling, 1);
    g.Update();
    EXPECT_EQ(g.rolling, 0);
    EXPECT_EQ(g.frame, 5);
    EXPECT_EQ(g.x, 900 + 570);
}

// --- On their stages ---

TEST_F(Hazards, StageThirtyNineSpearsKeepToTheirRunsAndTheFloorSpearsRise) {
    g_stageNumber = 39;
    g_menu.StartStage();
    g_menu.active = 0;
    const int32_t refused = enemy::RefusedSlotCount();
    PutHero(336 + 50, 100);
    for (int i = 0; i < 300; ++i) {
        g_stage.Update();
        for (const EnemyIdouYari& s : g_enemyIdouYari) {
            ASSERT_GE(s.x, s.left - 10);
            ASSERT_LE(s.x, s.right + 10);
        }
        for (const EnemyIdouYariV& s : g_enemyIdouYariV) {
            ASSERT_GE(s.y, -65);
            ASSERT_LE(s.y, 485);
        }
    }
    EXPECT_EQ(g_enemyYukaYari[0].y, -36);
    EXPECT_EQ(g_enemyYukaYari[1].dormant, 1);
    EXPECT_EQ(enemy::RefusedSlotCount(), refused);
}

}  // namespace

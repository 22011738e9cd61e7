// Shooters and their pools, and the early traps: where shots start and how
// they are aimed, that owners keep to their own pool slots, and the timing of
// each trap.
#include <algorithm>
#include <cstdint>
#include <set>
#include <vector>

#include "enemies/model/enemy_model.h"
#include "enemies/model/shots.h"
#include "enemies/shooters/ax.h"
#include "enemies/shooters/ax_armor.h"
#include "enemies/shooters/eipu.h"
#include "enemies/shooters/gargoile.h"
#include "enemies/shooters/hana.h"
#include "enemies/shooters/hone.h"
#include "enemies/shooters/honebasira.h"
#include "enemies/shooters/ihuriito.h"
#include "enemies/shooters/m_spider.h"
#include "enemies/shooters/moeruhonoo.h"
#include "enemies/shooters/skeleton.h"
#include "enemies/shooters/spider.h"
#include "enemies/shooters/taru.h"
#include "enemies/shooters/tobu_honoo.h"
#include "enemies/traps/douzou.h"
#include "enemies/traps/furiko.h"
#include "enemies/traps/hari_lift.h"
#include "enemies/traps/san.h"
#include "enemies/traps/syanderia.h"
#include "enemies/traps/ti.h"
#include "enemy_fixture.h"
#include "engine/game_state.h"
#include "shell/menu.h"
#include "stages/stage.h"
#include "stages/stage_lists.h"

namespace {

class Shooters : public EnemyTest {
protected:
    void SetUp() override {
        EnemyTest::SetUp();
        SeedGameRand(11);
        PutHero(1000, 330);
        for (EnemyTobuHonoo& f : g_enemyTobuHonoo) f = EnemyTobuHonoo(0, 0, 0, 0, 1);
        for (EnemyMoeruhonoo& f : g_enemyMoeruhonoo) f = EnemyMoeruhonoo(0, 0, 1);
        for (EnemyHone& b : g_enemyHone) b = EnemyHone(0, 0, 0, 0, 1);
        for (EnemyTaru& b : g_enemyTaru) b = EnemyTaru(0, 0, 0, 1);
        for (EnemyMSpider& s : g_enemyMSpider) s = EnemyMSpider(0, 0, 0, 0, 1);
        for (EnemyAx& a : g_enemyAx) a = EnemyAx(0, 0, 0, 0, 0, 1);
    }
    // True when the hero lost hit points since the last call; it can be hurt
    // again at once.
    bool Hurt() {
        const bool hurt = hero.hp < 16;
        PutHero(hero.x, hero.y);  // no knock-back, no grace frames
        return hurt;
    }
    template <typename T, size_t N>
    static std::set<int> LiveSlots(const T (&pool)[N]) {
        std::set<int> live;
        for (size_t i = 0; i < N; ++i)
            if (pool[i].dead == 0) live.insert(static_cast<int>(i));
        return live;
    }
};

// --- Where shots start and how they are aimed ---

TEST_F(Shooters, PillarFiresLeftHighWhenRightOfTheHeroAndRightLowWhenLeft) {
    EnemyHonebasira& p = g_enemyHonebasira[0];
    p = EnemyHonebasira(1200, 300, 0);
    for (int i = 0; i < 75; ++i) p.Update();
    ASSERT_EQ(LiveSlots(g_enemyTobuHonoo), (std::set<int>{0, 1, 2})) << "three flames a cycle";
    // Slot 0 was written last (at counter 0), slots 1 and 2 earlier.
    const EnemyTobuHonoo& f = g_enemyTobuHonoo[0];
    EXPECT_EQ(f.facing, 1);
    EXPECT_EQ(f.x, 1200 + 10);
    EXPECT_EQ(f.y, 300 + 13);
    EXPECT_EQ(f.speed, 11);

    p = EnemyHonebasira(800, 300, 0);
    for (int i = 0; i < 25; ++i) p.Update();
    EXPECT_EQ(g_enemyTobuHonoo[1].facing, 0);
    EXPECT_EQ(g_enemyTobuHonoo[1].x, 800 + 18);
    EXPECT_EQ(g_enemyTobuHonoo[1].y, 300 + 40);

    // Beyond its reach it neither fires nor counts.
    PutHero(1200 + 674, 330);
    p = EnemyHonebasira(1200, 300, 3);
    for (int i = 0; i < 80; ++i) p.Update();
    EXPECT_EQ(p.counter, 0);
    EXPECT_EQ(g_enemyTobuHonoo[3].dead, 1);
}

TEST_F(Shooters, FlameFliesThroughWallsUntilItPassesTenThousand) {
    // Stage 1's floor under and around the flame does not stop it.
    PutHero(100, 100);
    EnemyTobuHonoo& f = g_enemyTobuHonoo[0];
    f = EnemyTobuHonoo(500, 400, 0, 11, 0);
    int frames = 0;
    while (f.dead == 0 && frames < 2000) {
        f.Update();
        ++frames;
    }
    EXPECT_EQ(frames, (10000 - 500) / 11 + 1);
    EXPECT_LE(f.x, 10000);
    f = EnemyTobuHonoo(-9990, 400, 1, 11, 0);
    f.Update();
    EXPECT_EQ(f.dead, 1) << "leftward too";
}

TEST_F(Shooters, BoneLobIsATwentyEighthOfTheWayHeldToTen) {
    EnemySkeleton& s = g_enemySkeleton[0];
    for (const int32_t dx : {600, -600}) {
        PutHero(1000 + dx, 330);
        s = EnemySkeleton(1000, 300, 1, 0, 5000, 0);
        s.left = s.right = 1000;  // stands still so the distance holds
        for (int i = 0; i < 15; ++i) s.Update();
        const EnemyHone& b = g_enemyHone[0];
        ASSERT_EQ(b.dead, 0);
        EXPECT_EQ(b.vx, dx > 0 ? 10 : -10) << "not " << dx / 28;
        EXPECT_EQ(b.vy, 30 / 28 - 11);
        EXPECT_EQ(b.x, 1025);
        EXPECT_EQ(b.y, 295);
    }
    // Near, the division rounds toward zero on both sides.
    PutHero(1000 - 55, 300 - 55);
    const enemy::Lob near = enemy::LobAtHero(1000, 300, 28, 10, 11);
    EXPECT_EQ(near.vx, -1);
    EXPECT_EQ(near.vy, -1 - 11);
}

TEST_F(Shooters, ApeThrowsOneBarrelThenOnlyWalksToItsLimit) {
    EnemyEipu& ape = g_enemyEipu[0];
    ape = EnemyEipu(1100, 250, 4, 1040, 0);
    PutHero(1100 - 200, 330);
    ape.Update();
    EXPECT_EQ(g_enemyTaru[0].dead, 1) << "200 pixels is out of reach";
    PutHero(1100 - 199, 330);
    ape.Update();
    ASSERT_EQ(g_enemyTaru[0].dead, 0);
    EXPECT_EQ(g_enemyTaru[0].vx, -7);
    EXPECT_EQ(g_enemyTaru[0].x, 1115);
    EXPECT_EQ(g_enemyTaru[0].vy, -10);
    EXPECT_EQ(ape.frame, 5);
    g_enemyTaru[0].dead = 1;
    for (int i = 0; i < 200; ++i) {
        ape.Update();
        EXPECT_GE(ape.x, 1040);
        EXPECT_GE(ape.frame, 5);
    }
    EXPECT_EQ(g_enemyTaru[0].dead, 1) << "it throws only once";
    EXPECT_EQ(ape.x, 1040);
    EXPECT_EQ(ape.counter >= 10 && ape.counter < 20, true);
    // Placed beyond its limit, it does not jump back to it.
    ape = EnemyEipu(1100, 250, 1, 1000, 0);
    for (int i = 0; i < 30; ++i) ape.Update();
    EXPECT_EQ(ape.x, 1100);
}

TEST_F(Shooters, SpiderShootsFromTheBottomOfItsRunUnlessTheHeroIsClose) {
    EnemySpider& sp = g_enemySpider[0];
    // The hero within 50 pixels on both axes of the spider at y 212.
    PutHero(1000 + 50, 212 - 50);
    sp = EnemySpider(1000, 0);
    for (int i = 0; i < 106; ++i) sp.Update();
    EXPECT_EQ(sp.y, 212);
    EXPECT_EQ(sp.down, 0);
    EXPECT_EQ(g_enemyMSpider[0].dead, 1);

    PutHero(1000 + 51, 212 + 10);
    sp = EnemySpider(1000, 0);
    for (int i = 0; i < 106; ++i) sp.Update();
    const EnemyMSpider& m = g_enemyMSpider[0];
    ASSERT_EQ(m.dead, 0);
    EXPECT_EQ(m.vx, 9);
    EXPECT_EQ(m.vy, 0);
    EXPECT_EQ(m.x, 1025);
    EXPECT_EQ(m.y, 241);
}

TEST_F(Shooters, ASpiderlingIsSpentOnlyFarOffSidewaysOrBelowTheScreen) {
    EnemyMSpider& m = g_enemyMSpider[0];
    // Upward it flies on past any row.
    m = EnemyMSpider(1000, 200, 0, -9, 0);
    for (int i = 0; i < 200; ++i) m.Move();
    EXPECT_EQ(m.dead, 0);
    EXPECT_EQ(m.y, 200 - 9 * 200);

    // It steps onto row 671 and is spent there.
    m = EnemyMSpider(1000, 662, 0, 9, 0);
    m.Move();
    EXPECT_EQ(m.dead, 1);
    EXPECT_EQ(m.y, 671);
    m = EnemyMSpider(1000, 661, 0, 9, 0);
    m.Move();
    EXPECT_EQ(m.dead, 0) << "row 670 is still in play";

    // Sideways, 6000 is the last column in play.
    m = EnemyMSpider(5991, 300, 9, 0, 0);
    m.Move();
    EXPECT_EQ(m.dead, 0);
    m.Move();
    EXPECT_EQ(m.dead, 1);
    m = EnemyMSpider(-5991, 300, -9, 0, 0);
    m.Move();
    m.Move();
    EXPECT_EQ(m.dead, 1);
}

TEST_F(Shooters, SpiderOffTheGridStillTurnsAtBothEnds) {
    EnemySpider& sp = g_enemySpider[0];
    PutHero(1000, 330);
    sp = EnemySpider(1000, 0);
    sp.y = 1;
    int32_t lowest = sp.y, highest = sp.y;
    for (int i = 0; i < 1000; ++i) {
        sp.Update();
        lowest = std::max(lowest, sp.y);
        highest = std::min(highest, sp.y);
    }
    EXPECT_EQ(lowest, 213);
    EXPECT_EQ(highest, -1);
}

TEST_F(Shooters, GargoyleWakesBehindTheHeroAndNeverWalksOffAnEdge) {
    // Stage 1's floor top is 379 up to its first pit at 2813.
    EnemyGargoile& g = g_enemyGargoile[0];
    g = EnemyGargoile(2760, 379 - 61, 0, 0);
    PutHero(2760 + 250, 330);
    g_graphics.ClearBackBuffer();
    g.Update();
    EXPECT_EQ(g.dormant, 1);
    EXPECT_GT(CountDrawn(), 0) << "drawn while it waits";
    PutHero(2760 + 251, 330);
    for (int i = 0; i < 40; ++i) g.Update();
    EXPECT_EQ(g.dormant, 0);
    EXPECT_EQ(g.x, 2780) << "it stops where the floor ahead ends";
    EXPECT_EQ(g.y, 318);
}

// --- Owners keep to their own pool slots and replace what flies there ---

TEST_F(Shooters, OwnersWriteOnlyTheirOwnRunOfSlots) {
    PutHero(1000, 330);
    g_enemyHonebasira[0] = EnemyHonebasira(1100, 300, 3);
    g_enemySkeleton[0] = EnemySkeleton(1100, 300, 0, 0, 5000, 5);
    g_enemyIhuriito[0] = EnemyIhuriito(1100, 300, 0, 0, 5000, 10);
    g_enemyAxArmor[0] = EnemyAxArmor(1100, 300, 0, 0, 5000, 6);
    for (int i = 0; i < 300; ++i) {
        g_enemyHonebasira[0].Update();
        g_enemySkeleton[0].Update();
        g_enemyIhuriito[0].Update();
        g_enemyAxArmor[0].Update();
        for (auto& f : g_enemyTobuHonoo) f.dead = 1;  // keep only the flames of the last cycle
    }
    EXPECT_EQ(LiveSlots(g_enemyHone), (std::set<int>{5, 6, 7, 8, 9}));
    std::set<int> flames;
    for (int i = 0; i < 75; ++i) {
        g_enemyHonebasira[0].Update();
        for (const int s : LiveSlots(g_enemyTobuHonoo)) flames.insert(s);
    }
    EXPECT_EQ(flames, (std::set<int>{3, 4, 5}));
    EXPECT_EQ(LiveSlots(g_enemyMoeruhonoo), (std::set<int>{10, 11, 12, 13, 14}));
    EXPECT_EQ(LiveSlots(g_enemyAx), (std::set<int>{6, 7, 8}));

    // A run that would pass the pool's end is cut there and the rest refused.
    const int32_t refused = enemy::RefusedSlotCount();
    g_enemyHonebasira[1] = EnemyHonebasira(1100, 300, 11);
    for (int i = 0; i < 75; ++i) g_enemyHonebasira[1].Update();
    EXPECT_EQ(enemy::RefusedSlotCount(), refused + 2);
    EXPECT_EQ(g_enemyTobuHonoo[11].dead, 0);
}

TEST_F(Shooters, AShotReplacesWhatStillFliesInItsSlot) {
    // Stage 30's flower and gargoyle share flame slot 0: the later shot wins.
    PutHero(1000, 330);
    EnemyHana& flower = g_enemyHana[0];
    flower = EnemyHana(1200, 300, 2, 0);
    for (int i = 0; i < 25; ++i) flower.Update();
    ASSERT_EQ(g_enemyTobuHonoo[0].speed, 18);
    EXPECT_EQ(g_enemyTobuHonoo[0].x, 1218);
    EXPECT_EQ(flower.frame, 3);
    g_enemyTobuHonoo[0].Update();
    EnemyGargoile& g = g_enemyGargoile[0];
    g = EnemyGargoile(700, 300, 0, 0);
    g.dormant = 0;
    g.counter = 49;
    g.Update();
    EXPECT_EQ(g.jumping, 1);
    EXPECT_EQ(g_enemyTobuHonoo[0].speed, 7) << "the gargoyle's breath replaced the flower's flame";
    EXPECT_EQ(g_enemyTobuHonoo[0].facing, 0);
    EXPECT_EQ(g_enemyTobuHonoo[0].x, g.x + 34);

    // A ground flame written over a burning one burns its whole life again.
    EnemyMoeruhonoo& gf = g_enemyMoeruhonoo[0];
    gf = EnemyMoeruhonoo(900, 330, 0);
    for (int i = 0; i < 60; ++i) gf.Update();
    EnemyIhuriito& w = g_enemyIhuriito[0];
    w = EnemyIhuriito(1500, 300, 0, 0, 5000, 0);
    w.counter = 99;
    w.Update();
    ASSERT_EQ(gf.age, 0);
    EXPECT_EQ(gf.x, 1497);
    int burnt = 0;
    while (gf.dead == 0 && burnt < 200) {
        gf.Update();
        ++burnt;
    }
    EXPECT_EQ(burnt, 90);
    EXPECT_EQ(gf.x, 0) << "rebuilt idle";
}

TEST_F(Shooters, AxeFliesOutTurnsAndPassesItsThrowerOnOpenBounds) {
    PutHero(1300, 330);
    EnemyAxArmor& a = g_enemyAxArmor[0];
    a = EnemyAxArmor(1000, 300, 1, 1000, 1000, 0);
    while (g_enemyAx[0].dead != 0 && a.counter < 100) a.Update();
    const EnemyAx& ax = g_enemyAx[0];
    ASSERT_EQ(ax.dead, 0);
    EXPECT_EQ(ax.facing, 1);
    EXPECT_EQ(ax.rightTurn, 1200);
    EXPECT_EQ(ax.leftTurn, INT32_MIN);
    int32_t farthest = ax.x, frames = 0;
    while (g_enemyAx[0].dead == 0 && frames < 1000) {
        g_enemyAx[0].Update();
        farthest = std::max(farthest, g_enemyAx[0].x);
        ++frames;
    }
    EXPECT_LE(farthest, 1200 + 11);
    EXPECT_LT(g_enemyAx[0].x, 1300 - 1000) << "came back past the thrower and flew on";
    EXPECT_EQ(g_enemyAx[0].facing, 0);
}

// --- Traps ---

TEST_F(Shooters, StatueHurtsOnlyWhileTopplingAndIsGoneAfterTwentyFourFrames) {
    EnemyDouzou& st = g_enemyDouzou[0];
    st = EnemyDouzou(1000, 200);
    PutHero(1000 + 70, 330);
    for (int i = 0; i < 50; ++i) st.Update();
    EXPECT_EQ(st.triggered, 0) << "70 pixels away never sets it off";
    PutHero(1000 - 69, 330);
    st.Update();
    EXPECT_EQ(st.triggered, 1) << "69 pixels does";

    // A hero standing against it is hurt from its first toppling frame on.
    st = EnemyDouzou(1000, 200);
    PutHero(1010, 330);
    st.Update();
    ASSERT_EQ(st.triggered, 1);
    EXPECT_TRUE(Hurt());
    int hurtFrames = 1, frames = 1;
    while (st.step < 24 && frames < 100) {
        st.Update();
        hurtFrames += Hurt() ? 1 : 0;
        ++frames;
    }
    EXPECT_EQ(frames, 24);
    EXPECT_EQ(hurtFrames, 23) << "every toppling frame, not the one it vanishes in";
    EXPECT_EQ(st.y, 200 + 37 + 39 + 25);
    st.Update();
    EXPECT_FALSE(Hurt());
    EXPECT_EQ(st.step, 24);
}

TEST_F(Shooters, ChandelierOverAStillHeroFallsAfterARandomWait) {
    PutHero(1050, 330);
    std::set<int> waits;
    for (uint32_t seed = 1; seed <= 20; ++seed) {
        SeedGameRand(seed);
        EnemySyanderia& c = g_enemySyanderia[0];
        c = EnemySyanderia(1000, 100, 280);
        int wait = 0;
        while (c.falling == 0 && wait < 1000) {
            c.Update();
            ++wait;
        }
        waits.insert(wait);
        while (c.frame == 0 && wait < 1000) {
            c.Update();
            ++wait;
        }
        EXPECT_EQ(c.y, 280);
        Hurt();
        c.Update();
        EXPECT_FALSE(Hurt()) << "broken, it is harmless";
    }
    EXPECT_GT(waits.size(), 5u) << "the wait varies";
    PutHero(1000 + 150, 330);
    EnemySyanderia& c = g_enemySyanderia[0];
    c = EnemySyanderia(1000, 100, 280);
    for (int i = 0; i < 500; ++i) c.Update();
    EXPECT_EQ(c.falling, 0) << "the hero is not under it";
}

TEST_F(Shooters, AcidDropEndsEachCycleWhereItBegan) {
    PutHero(1000, 330);
    EnemySan& d = g_enemySan[0];
    d = EnemySan(1100, 100, 300);
    std::set<int32_t> xs;
    int splashes = 0;
    for (int i = 0; i < 600; ++i) {
        const int32_t before = d.counter;
        d.Update();
        if (d.counter == -5 && before != -5) {
            ++splashes;
            EXPECT_EQ(d.x, 1100);
            EXPECT_EQ(d.y, 100);
        }
        xs.insert(d.x);
    }
    EXPECT_GT(splashes, 3);
    EXPECT_EQ(xs, (std::set<int32_t>{1100, 1110, 1108}));
    // Far from the hero it is frozen.
    PutHero(d.x + 701, 330);
    const EnemySan frozen = d;
    d.Update();
    EXPECT_EQ(d.counter, frozen.counter);
}

TEST_F(Shooters, DripSplashesEighteenPixelsLeftThenFallsAgainFromTheTop) {
    PutHero(3000, 330);
    EnemyTi& t = g_enemyTi[0];
    t = EnemyTi(1000, 100, 200);
    while (t.frame == 0) t.Update();
    EXPECT_EQ(t.x, 982);
    EXPECT_EQ(t.y, 200);
    for (int i = 0; i < 15; ++i) t.Update();
    EXPECT_EQ(t.x, 1000);
    EXPECT_EQ(t.y, 100);
}

TEST_F(Shooters, PendulumsFallByTheirStagesRule) {
    g_stageNumber = 19;
    PutHero(100, 380);
    g_enemyFuriko[0] = EnemyFuriko(2000, 50, 1);
    g_enemyFuriko[1] = EnemyFuriko(500, 50, 1);
    g_enemyFuriko[2] = EnemyFuriko(900, 50, 0);
    for (auto& p : g_enemyFuriko) p.Update();
    for (auto& p : g_enemyFuriko) EXPECT_EQ(p.falling, 0);
    hero.y = 381;
    for (auto& p : g_enemyFuriko) p.Update();
    EXPECT_EQ(g_enemyFuriko[0].falling, 1) << "wherever the hero is on x";
    EXPECT_EQ(g_enemyFuriko[1].falling, 1);
    EXPECT_EQ(g_enemyFuriko[2].falling, 0) << "an unarmed one only hangs";
    for (int i = 0; i < 100; ++i) g_enemyFuriko[0].Update();
    EXPECT_EQ(g_enemyFuriko[0].done, 1);
    const int32_t y = g_enemyFuriko[0].y;
    g_enemyFuriko[0].Update();
    EXPECT_EQ(g_enemyFuriko[0].y, y);

    for (const int32_t stage : {34, 41}) {
        g_stageNumber = stage;
        PutHero(500, 100);
        EnemyFuriko& p = g_enemyFuriko[0];
        p = EnemyFuriko(500, 50, 1);
        p.Update();
        EXPECT_EQ(p.falling, 0);
        hero.x = 501;
        p.Update();
        EXPECT_EQ(p.falling, 1);
        EXPECT_EQ(p.vy, 5);
    }
    g_stageNumber = 10;
    PutHero(600, 400);
    g_enemyFuriko[0] = EnemyFuriko(500, 50, 1);
    for (int i = 0; i < 10; ++i) g_enemyFuriko[0].Update();
    EXPECT_EQ(g_enemyFuriko[0].falling, 0);
}

TEST_F(Shooters, StageNineteenLetsEveryPendulumGoAsTheHeroDropsBelowItsLedge) {
    g_stageNumber = 19;
    g_menu.StartStage();
    g_menu.active = 0;
    const StageObjectList list = StageObjectsFor(19);
    std::vector<int32_t> order;
    for (int32_t i = 0; i < list.count; ++i)
        if (list.objects[i].cls == ObjectClass::EnemyFuriko) order.push_back(list.objects[i].slot);
    EXPECT_EQ(order, (std::vector<int32_t>{2, 0, 1})) << "the third pendulum is updated first";
    PutHero(100, 380);
    g_stage.Update();
    for (const EnemyFuriko& p : g_enemyFuriko) EXPECT_EQ(p.falling, 0);
    hero.y = 381;
    g_stage.Update();
    for (const EnemyFuriko& p : g_enemyFuriko) EXPECT_EQ(p.falling, 1) << "all in one frame";
}

TEST_F(Shooters, SpikedLiftDropsAndClimbsBackToItsTop) {
    PutHero(3000, 330);
    EnemyHariLift& l = g_enemyHariLift[0];
    l = EnemyHariLift(1000, 100, 250);
    int32_t lowest = 100, highest = 100;
    for (int i = 0; i < 400; ++i) {
        l.Update();
        lowest = std::max(lowest, l.y);
        highest = std::min(highest, l.y);
    }
    EXPECT_GT(lowest, 250);
    EXPECT_LT(lowest, 250 + 25);
    EXPECT_GE(highest, 100 - 3);
}

}  // namespace

// The shared enemy rules, each checked on a class that uses it: hit models,
// touch, wake and reach boundaries, respawn windows, the death restart and
// which slots the stage visits.
#include <algorithm>

#include "enemies/bosses/medyusa_head.h"
#include "enemies/model/enemy_model.h"
#include "enemies/model/registry.h"
#include "enemies/self_reviving/zombie.h"
#include "enemies/stage50/gool.h"
#include "enemies/walkers/dyurahan.h"
#include "enemies/walkers/ghost.h"
#include "enemies/walkers/jyouhansin.h"
#include "enemies/walkers/konbou.h"
#include "enemies/walkers/madhand.h"
#include "enemies/walkers/red.h"
#include "enemies/walkers/une.h"
#include "enemy_fixture.h"
#include "engine/game_state.h"
#include "engine/graphics.h"
#include "game_test.h"
#include "ground/stage_floor.h"
#include "players/hero_common.h"
#include "players/player_doran.h"
#include "players/player_front.h"
#include "shell/menu.h"
#include "stages/stage.h"

namespace {

class EnemyRules : public EnemyTest {};

TEST_F(EnemyRules, HitModelACostsOneHitPointPerSwing) {
    EnemyUne& une = g_enemyUne[0];
    une = EnemyUne(1000, 343);
    Whip(true);
    for (int i = 0; i < 10; ++i) une.Update();
    EXPECT_EQ(une.hp, 1) << "ten frames of one swing cost one hit point";
    EXPECT_EQ(une.hitLatch, 1);
    Whip(false);
    une.Update();
    EXPECT_EQ(une.hitLatch, 0);
    Whip(true);
    une.Update();
    EXPECT_EQ(une.dead, 1) << "the second swing ends it";
}

TEST_F(EnemyRules, HitModelBEndsAtTheFirstOverlapYetTouchesAndDrawsNothingThatFrame) {
    // Flying left, the head steps to x 925: under the whip and on the body.
    EnemyMedyusaHead& head = g_enemyMedyusaHead[0];
    head = EnemyMedyusaHead(934, 340, 0, 0);
    g_graphics.ClearBackBuffer();
    head.Update();
    EXPECT_GT(CountDrawn(), 0) << "alive, it draws itself";

    PutHero(900, 330);
    head = EnemyMedyusaHead(934, 340, 0, 0);
    Whip(true);
    g_graphics.ClearBackBuffer();
    head.Update();
    EXPECT_EQ(head.dead, 1);
    EXPECT_EQ(hero.hp, 16 - Cost(2)) << "its death frame still hurt the hero";
    EXPECT_EQ(CountDrawn(), 0) << "and drew nothing";
}

TEST_F(EnemyRules, HitModelCKnocksDownForEightyFiveFramesAndNeverDestroys) {
    EnemyRed& red = g_enemyRed[0];
    red = EnemyRed(1000, 283, 0, 0, 2000);
    Whip(true);
    red.Update();
    EXPECT_EQ(red.frame, 6);
    const int32_t hp = hero.hp;
    int framesDown = 0;
    while (red.IsDown() && framesDown < 200) {
        red.Update();
        ++framesDown;
    }
    EXPECT_EQ(framesDown, 85) << "frames after the knock until it walks";
    EXPECT_EQ(hero.hp, hp) << "harmless while down, though the hero stands on it";
    red.Update();
    EXPECT_TRUE(red.IsDown()) << "up again, the next swing knocks it down again";
}

TEST_F(EnemyRules, AWithheldHurtBoxTakesNoDamage) {
    hero.invulnerable = 40;
    g_enemyGhost[0] = EnemyGhost(905, 340, 0);
    for (int i = 0; i < 5; ++i) g_enemyGhost[0].Update();
    EXPECT_EQ(hero.hp, 16);
    hero.invulnerable = 0;
    g_enemyGhost[0].Update();
    EXPECT_EQ(hero.hp, 16 - Cost(2));
}

TEST_F(EnemyRules, TwoRectangleTouchHurtsOncePerFrame) {
    // Swinging right: the body (0, 0, 67, 60) and the blade (67, 3, 128, 10),
    // and a hero standing across both.
    PutHero(850, 290);
    EnemyDyurahan& d = g_enemyDyurahan[0];
    d = EnemyDyurahan(800, 300, 1);
    d.frame = 2;
    d.Update();
    EXPECT_EQ(hero.hp, 16 - Cost(4));
}

TEST_F(EnemyRules, WakeAndReachBoundaries) {
    struct Case {
        int32_t distance;
        bool acts;
    };
    for (const Case c : {Case{199, true}, Case{200, false}, Case{201, false}}) {
        PutHero(1000 - c.distance, 330);
        g_enemyGool[0] = EnemyGool(1000, 331, 0);
        g_enemyGool[0].Update();
        EXPECT_EQ(g_enemyGool[0].dormant == 0, c.acts) << "frog at distance " << c.distance;
        PutHero(1000 + c.distance, 330);
        g_enemyGool[0] = EnemyGool(1000, 331, 0);
        g_enemyGool[0].Update();
        EXPECT_EQ(g_enemyGool[0].dormant == 0, c.acts) << "frog at distance -" << c.distance;
    }
    for (const Case c : {Case{70, true}, Case{71, false}, Case{72, false}}) {
        PutHero(1000 + c.distance, 330);
        g_enemyKonbou[0] = EnemyKonbou(1000, 300);
        g_enemyKonbou[0].Update();
        EXPECT_EQ(g_enemyKonbou[0].counter == 1, c.acts) << "club at distance " << c.distance;
    }
    for (const Case c : {Case{85, true}, Case{86, false}, Case{87, false}}) {
        PutHero(1000 - c.distance, 330);
        g_enemyMadhand[0] = EnemyMadhand(1000, 300);
        g_enemyMadhand[0].Update();
        EXPECT_EQ(g_enemyMadhand[0].counter == 1, c.acts) << "hand at distance " << c.distance;
    }
    g_stageNumber = 20;
    for (const Case c : {Case{119, true}, Case{120, false}, Case{0, false}}) {
        PutHero(1000 + c.distance, 330);
        g_enemyJyouhansin[0] = EnemyJyouhansin(1000, 300);
        g_enemyJyouhansin[0].Update();
        EXPECT_EQ(g_enemyJyouhansin[0].counter == 1, c.acts) << "half-body " << c.distance << " behind";
    }
}

TEST_F(EnemyRules, ReachLostRestartsTheAnimation) {
    PutHero(1000, 330);
    EnemyKonbou& k = g_enemyKonbou[0];
    k = EnemyKonbou(1000, 300);
    for (int i = 0; i < 8; ++i) k.Update();
    EXPECT_EQ(k.counter, 8);
    PutHero(1100, 330);
    k.Update();
    EXPECT_EQ(k.counter, 0);
}

TEST_F(EnemyRules, CommonRespawnWindowEndsFiveHundredPixelsFromEitherEnd) {
    const int32_t length = g_stage.GetEndX();
    ASSERT_EQ(length, 5720);
    struct Case {
        int32_t heroX;
        bool reborn;
    };
    for (const Case c : {Case{500, false}, Case{501, true}, Case{length - 501, true}, Case{length - 500, false}}) {
        PutHero(c.heroX, 330);
        EnemyMedyusaHead& head = g_enemyMedyusaHead[0];
        head = EnemyMedyusaHead(0, 0, 0, 1);
        head.Respawn();
        EXPECT_EQ(head.dead == 0, c.reborn) << "hero x " << c.heroX;
        if (c.reborn) {
            const int64_t d = std::abs(static_cast<int64_t>(head.x) - c.heroX);
            EXPECT_GE(d, 500);
            EXPECT_LT(d, 600);
        }
    }
}

TEST_F(EnemyRules, StageWindowRaisesTheCorpseAheadAtOnce) {
    for (const int32_t heroX : {3265, 3266, 5000, 5001}) {
        PutHero(heroX, 330);
        g_enemyZombie[0] = EnemyZombie(0, 0, 0, 1, 0, 0);
        g_enemyZombie[0].Update();
        const bool inWindow = heroX >= 3266 && heroX <= 5000;
        EXPECT_EQ(g_enemyZombie[0].dead == 0, inWindow) << "hero x " << heroX;
        if (inWindow) {
            EXPECT_GE(g_enemyZombie[0].x, heroX + 400 + 2);
            EXPECT_LE(g_enemyZombie[0].x, heroX + 699 + 2);
            EXPECT_EQ(g_enemyZombie[0].y, 319);
            EXPECT_EQ(g_enemyZombie[0].hp, 2);
        }
    }
}

TEST_F(EnemyRules, GorgonStageHeadsWaitForTheGorgon) {
    g_stageNumber = 43;
    PutHero(300, 330);
    g_enemyMedyusaHead[0] = EnemyMedyusaHead(0, 0, 0, 1);
    g_enemyMedyusaHead[0].Respawn();
    EXPECT_EQ(g_enemyMedyusaHead[0].dead, 1) << "no gorgon on the field, no heads";
}

TEST_F(EnemyRules, DeathRestartBringsKilledEnemiesBackAtFullStrength) {
    g_enemyUne[0].dead = 1;
    g_enemyGhost[0].hp = 1;
    g_enemyGhost[0].x = 9999;
    hero.hp = 0;
    Tick(45);
    EXPECT_EQ(g_enemyUne[0].dead, 0);
    EXPECT_EQ(g_enemyUne[0].hp, 2);
    EXPECT_EQ(g_enemyGhost[0].hp, 3);
    EXPECT_LT(std::abs(g_enemyGhost[0].x - 1500), 20) << "back near its placed x";
}

TEST_F(EnemyRules, TheStageVisitsPlacedSlotsEvenDeadAndNeverOthers) {
    PutHero(3300, 330);
    g_stage.PlaceObjects();
    ASSERT_EQ(g_enemyZombie[0].dead, 1);
    g_stage.Update();
    EXPECT_EQ(g_enemyZombie[0].dead, 0) << "the idle corpse was visited and rose";

    g_stageNumber = 2;  // a stage without a list yet
    g_enemyGhost[0] = EnemyGhost(1000, 300, 0);
    g_stage.Update();
    EXPECT_EQ(g_enemyGhost[0].x, 1000) << "a slot the stage did not place is never visited";
}

TEST_F(EnemyRules, PoolWritesAndSlotReadsStayInsideTheArray) {
    EnemyUne keep = g_enemyUne[4];
    EXPECT_FALSE(enemy::PoolWrite(g_enemyUne, 5, EnemyUne(1, 2)));
    EXPECT_FALSE(enemy::PoolWrite(g_enemyUne, -1, EnemyUne(1, 2)));
    EXPECT_EQ(enemy::SlotAt(g_enemyUne, 5), nullptr);
    EXPECT_FALSE(enemy::SlotIdle(g_enemyUne, -1));
    EXPECT_EQ(g_enemyUne[4].x, keep.x);
    const int32_t args[kMaxObjectArgs] = {1, 2};
    EXPECT_FALSE(PlaceObject(ObjectClass::EnemyUne, 5, args));
    EXPECT_TRUE(PlaceObject(ObjectClass::EnemyUne, 4, args));
    UpdateObject(ObjectClass::EnemyUne, 99);
    UpdateObject(ObjectClass::EnemyUne, -1);
}

TEST_F(EnemyRules, SameSeedSameDraws) {
    SeedGameRand(42);
    const int32_t a = GameRand(), b = GameRand();
    SeedGameRand(42);
    EXPECT_EQ(GameRand(), a);
    EXPECT_EQ(GameRand(), b);
}

}  // namespace

// The fliers, floaters and reviving swarms: the bat's box, the screen-space
// and start rules of the birds and the dancer, the swarms' rebirth window and
// delays, the spider's thread turns, the returning arc, and a walk through
// every laid-out stage that meets no stray frame or slot.
#include <algorithm>
#include <vector>

#include "enemies/fliers/bat.h"
#include "enemies/fliers/crow.h"
#include "enemies/fliers/dancer.h"
#include "enemies/fliers/fukurou.h"
#include "enemies/fliers/ghand.h"
#include "enemies/fliers/porutaa.h"
#include "enemies/fliers/sukaru.h"
#include "enemies/fliers/turn.h"
#include "enemies/fliers/wasi.h"
#include "enemies/fliers/yuurei.h"
#include "enemies/model/enemy_model.h"
#include "enemies/swarms/d_zombie.h"
#include "enemies/swarms/ekuto.h"
#include "enemies/swarms/flying_s.h"
#include "enemies/swarms/haru.h"
#include "enemies/swarms/jyuhouten.h"
#include "enemies/swarms/kumo.h"
#include "enemies/swarms/pping.h"
#include "enemies/swarms/sukaru2.h"
#include "enemies/swarms/war_sukaru.h"
#include "enemies/swarms/wil.h"
#include "enemy_fixture.h"
#include "engine/camera.h"
#include "engine/game_state.h"
#include "engine/sprite_draw_kinds.h"
#include "game_test.h"
#include "players/hero_common.h"
#include "players/player_doran.h"
#include "players/player_front.h"
#include "shell/menu.h"
#include "stages/stage.h"
#include "stages/stage_lists.h"

namespace {

class Fliers : public EnemyTest {
protected:
    template <typename T>
    int FramesUntilReborn(T& e, int limit = 200) {
        for (int f = 1; f <= limit; ++f) {
            e.Update();
            if (e.dead == 0) return f;
        }
        return -1;
    }
    // Distance from the hero at which a kind's wake test first fails:
    // "within N" holds at N, "nearer than N" does not. The hero stands on
    // the side past gives.
    template <typename T>
    int32_t FirstSleepingDistance(const T& placed, int32_t past) {
        for (int32_t d = 0; d < 1000; ++d) {
            PutHero(placed.x + past * d, 330);
            T e = placed;
            e.Update();
            if (e.dormant != 0) return d;
        }
        return -1;
    }
};

TEST_F(Fliers, BatStaysInItsBoxWhateverSpeeds) {
    for (const uint32_t seed : {1u, 2u, 3u}) {
        SeedGameRand(seed);
        g_enemyBat[0] = EnemyBat(300, 200, 600, 0);
        g_enemyBat[1] = EnemyBat(-40, 0, 600, 0);  // placed outside: pulled in at once
        g_enemyBat[2] = EnemyBat(590, 420, 600, 0);
        g_enemyBat[2].vx = INT32_MAX;  // a speed held for good, as large as a field holds
        g_enemyBat[2].vy = INT32_MIN;
        g_enemyBat[2].vxTimer = g_enemyBat[2].vyTimer = INT32_MAX;
        for (int f = 0; f < 3000; ++f) {
            for (int i = 0; i < 3; ++i) {
                EnemyBat& bat = g_enemyBat[i];
                bat.Update();
                ASSERT_GE(bat.x, 0) << "seed " << seed << " bat " << i << " frame " << f;
                ASSERT_LE(bat.x, 600) << "seed " << seed << " bat " << i << " frame " << f;
                ASSERT_GE(bat.y, 50) << "seed " << seed << " bat " << i << " frame " << f;
                ASSERT_LE(bat.y, 430) << "seed " << seed << " bat " << i << " frame " << f;
            }
        }
    }
}

TEST_F(Fliers, TheGiantBatFillsIdleSlotsAndTakesThemAll) {
    for (EnemyBat& bat : g_enemyBat) bat = EnemyBat(0, 0, 0, 1);
    g_enemyBat[1] = EnemyBat(100, 100, 600, 0);
    EXPECT_TRUE(ReleaseBat(400, 0, 600));
    EXPECT_EQ(g_enemyBat[0].dead, 0) << "the first idle slot";
    EXPECT_EQ(g_enemyBat[0].x, 400);
    EXPECT_EQ(g_enemyBat[1].x, 100) << "a bat in flight is left alone";
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(ReleaseBat(400, 0, 600));
    EXPECT_FALSE(ReleaseBat(400, 0, 600)) << "all five out";
    KillAllBats();
    for (const EnemyBat& bat : g_enemyBat) EXPECT_EQ(bat.dead, 1);
}

// Screen x of the dancer on the frame it turned, run from screen x start.
int32_t DancerTurnsAt(int32_t startScreenX, int32_t movingRight) {
    EnemyDancer& d = g_enemyDancer[0];
    d = EnemyDancer(startScreenX - WorldToScreenX(0), 200, movingRight);
    d.dormant = 0;
    for (int f = 0; f < 100 && d.movingRight == movingRight; ++f) d.Update();
    return WorldToScreenX(d.x);
}

TEST_F(Fliers, DancerTurnsAtScreenColumnsWhereverTheView) {
    for (const int32_t heroX : {100, 3000}) {
        PutHero(heroX, 330);
        EXPECT_EQ(DancerTurnsAt(600, 1), 627) << "hero x " << heroX;
        EXPECT_EQ(DancerTurnsAt(40, 0), 13) << "hero x " << heroX;
    }
    // It wakes only while the hero is 251 to 299 pixels past it.
    for (const int32_t past : {250, 251, 299, 300}) {
        PutHero(1000 + past, 330);
        g_enemyDancer[0] = EnemyDancer(1000, 200, 1);
        g_enemyDancer[0].Update();
        EXPECT_EQ(g_enemyDancer[0].dormant == 0, past > 250 && past < 300) << past;
    }
}

TEST_F(Fliers, EagleFacingRightDivesAtOnceFacingLeftPatrolsFirst) {
    PutHero(3000, 330);
    EnemyWasi& right = g_enemyWasi[0];
    right = EnemyWasi(1000, 1, 0, 5000);
    right.Update();
    EXPECT_EQ(right.y, 65) << "dives however far the hero is";
    EXPECT_EQ(right.x, 1006);

    EnemyWasi& left = g_enemyWasi[1];
    left = EnemyWasi(1000, 0, 0, 5000);
    for (int f = 0; f < 20; ++f) left.Update();
    EXPECT_EQ(left.y, 50) << "cruises while the hero is far";
    EXPECT_EQ(left.x, 1000 - 20 * 6);
    PutHero(left.x - 150, 330);
    left.Update();
    left.Update();
    EXPECT_EQ(left.y, 65) << "a near hero starts its dive";
}

TEST_F(Fliers, AWokenOwlNeverRestsACrowRestsSeventyFrames) {
    EnemyFukurou& owl = g_enemyFukurou[0];
    owl = EnemyFukurou(1000, 0);
    PutHero(1150, 330);
    int perchedInARow = 0, swoops = 0;
    for (int f = 0; f < 600; ++f) {
        const bool wasSwooping = owl.Swooping();
        owl.Update();
        if (owl.Swooping() && !wasSwooping) ++swoops;
        perchedInARow = owl.Swooping() ? 0 : perchedInARow + 1;
        ASSERT_LE(perchedInARow, 1) << "frame " << f;
        if (f == 300) PutHero(5000, 330);  // the hero leaving does not calm it
    }
    EXPECT_GE(swoops, 20);

    EnemyCrow& crow = g_enemyCrow[0];
    PutHero(1300, 330);
    crow = EnemyCrow(1000, 150, 1);
    int landedAt = -1, rests = 0;
    for (int f = 0; f < 800; ++f) {
        const int32_t wasFlying = crow.flying;
        crow.Update();
        if (wasFlying != 0 && crow.flying == 0) landedAt = f;
        if (wasFlying == 0 && crow.flying != 0 && landedAt >= 0) {
            EXPECT_EQ(f - landedAt, 70);
            ++rests;
        }
    }
    EXPECT_GE(rests, 3);
}

TEST_F(Fliers, WakeDistancesEndWhereEachKindSays) {
    EXPECT_EQ(FirstSleepingDistance(EnemyCrow(2000, 150, 1), 1), 640);
    EXPECT_EQ(FirstSleepingDistance(EnemyFukurou(2000, 0), -1), 200);
    EXPECT_EQ(FirstSleepingDistance(EnemyGHand(2000, 0), 1), 250);
    EXPECT_EQ(FirstSleepingDistance(EnemyYuurei(2000), -1), 200);
    EXPECT_EQ(FirstSleepingDistance(EnemySukaru(2000, 200, 0), 1), 200);
    EXPECT_EQ(FirstSleepingDistance(EnemyTurn(2000, 200, 1800, 2400), -1), 200);
    EXPECT_EQ(FirstSleepingDistance(EnemyPping(2000, 200, 1), 1), 680);
    EXPECT_EQ(FirstSleepingDistance(EnemyWarSukaru(2000, 200, 1, 1800, 2400), -1), 200);
    EXPECT_EQ(FirstSleepingDistance(EnemyHaru(2000, 1), 1), 700);
    EXPECT_EQ(FirstSleepingDistance(EnemyJyuhouten(2000), -1), 700);
    EXPECT_EQ(FirstSleepingDistance(EnemyWil(2000, 200, 1), 1), 400);
    EXPECT_EQ(FirstSleepingDistance(EnemyKumo(2000), -1), 80);
    EXPECT_EQ(FirstSleepingDistance(EnemyEkuto(2000), 1), 100);
    // The spirit wakes only once the hero is more than 700 pixels past it.
    PutHero(2700, 330);
    EnemyPorutaa spirit(2000, 300, 1);
    spirit.Update();
    EXPECT_EQ(spirit.dormant, 1);
    PutHero(2701, 330);
    spirit.Update();
    EXPECT_EQ(spirit.dormant, 0);
}

TEST_F(Fliers, ASkullFarFromTheHeroEndsItselfAndCountsOnFromOne) {
    PutHero(2000, 330);
    EnemySukaru2& skull = g_enemySukaru2[0];
    skull = EnemySukaru2(2000 + 667, 300, 0);
    skull.counter = 7;
    skull.Update();
    ASSERT_EQ(skull.dead, 1);
    EXPECT_EQ(skull.counter, 1) << "the drift of its last step still counted";
    EXPECT_EQ(FramesUntilReborn(skull), 19);
    skull = EnemySukaru2(2000 + 666, 300, 0);
    skull.Update();
    EXPECT_EQ(skull.dead, 0);
    EXPECT_EQ(skull.x, 2665) << "it drifts a pixel at the hero";
    EXPECT_EQ(skull.y, 301);
}

// Run lengths of a diver's patrol (flag 1) and dive (flag 0) phases.
template <typename T>
std::vector<int> PhaseRuns(T& e, int32_t T::*patrolling, int frames) {
    std::vector<int> runs{0};
    int32_t last = e.*patrolling;
    for (int f = 0; f < frames; ++f) {
        e.Update();
        if (e.*patrolling != last) runs.push_back(0);
        last = e.*patrolling;
        runs.back() += 1;
    }
    return runs;
}

TEST_F(Fliers, DiversAlternateTheirPatrolWithTwentyFramesOfDive) {
    PutHero(2000, 330);
    EnemyJyuhouten& j = g_enemyJyuhouten[0];
    j = EnemyJyuhouten(2100);
    const std::vector<int> runs = PhaseRuns(j, &EnemyJyuhouten::hovering, 400);
    ASSERT_GE(runs.size(), 4u);
    EXPECT_EQ(runs[0], 100) << "its 101st frame of patrol starts the dive";
    for (size_t i = 1; i + 1 < runs.size(); ++i) EXPECT_EQ(runs[i], i % 2 == 1 ? 20 : 101) << i;

    // The swinger dives only after 91 frames of swinging and from high up.
    EnemyHaru& h = g_enemyHaru[0];
    h = EnemyHaru(2100, 0);
    int dives = 0, diving = 0;
    for (int f = 0; f < 1200; ++f) {
        const int32_t counter = h.counter;
        const bool wasSwinging = h.swooping != 0;
        h.Update();
        if (h.swooping == 0) {
            if (wasSwinging) {
                ++dives;
                EXPECT_GE(counter + 1, 91);
                EXPECT_LT(h.y, 110);
                diving = 0;
            }
            ++diving;
        } else if (!wasSwinging) {
            EXPECT_EQ(diving, 20);
        }
    }
    EXPECT_GE(dives, 2);
}

// The swarm rebirth: the common window, and the place it is reborn at.
TEST_F(Fliers, SwarmsAreRebornOnlyInsideTheCommonWindow) {
    const int32_t length = g_stage.GetEndX();
    for (const int32_t heroX : {500, 501, length - 501, length - 500}) {
        const bool inside = heroX != 500 && heroX != length - 500;
        PutHero(heroX, 330);

        EnemySukaru2& skull = g_enemySukaru2[0];
        skull = EnemySukaru2(0, 0, 1);
        skull.counter = 19;
        skull.Respawn();
        EXPECT_EQ(skull.dead == 0, inside) << "skull, hero x " << heroX;
        if (inside) {
            EXPECT_GE(skull.x, heroX - 320);
            EXPECT_LT(skull.x, heroX + 320);
            EXPECT_EQ(skull.y, -26);
        }

        EnemyFlyingS& flier = g_enemyFlyingS[0];
        flier = EnemyFlyingS(0, 0, 1);
        flier.Respawn();
        EXPECT_EQ(flier.dead == 0, inside) << "flier, hero x " << heroX;
        if (inside) {
            const int32_t d = std::abs(flier.x - heroX);
            EXPECT_GE(d, 350);
            EXPECT_LT(d, 550);
            EXPECT_EQ(flier.facing == 1, flier.x < heroX) << "flies towards the hero";
        }

        EnemyDZombie& corpse = g_enemyDZombie[0];
        corpse = EnemyDZombie(0, 0, 1);
        corpse.counter = 49;
        corpse.Respawn();
        EXPECT_EQ(corpse.dead == 0, inside) << "corpse, hero x " << heroX;
        if (inside) {
            EXPECT_EQ(std::abs(corpse.x - heroX), 500);
            EXPECT_EQ(corpse.facing == 1, corpse.x < heroX);
        }
    }
}

TEST_F(Fliers, TheFlierComesBackTheVeryFrameAfterItsDeath) {
    PutHero(2000, 330);
    EnemyFlyingS& flier = g_enemyFlyingS[0];
    flier = EnemyFlyingS(2067, 0, 0);
    flier.y = 300;
    flier.hp = 1;
    Whip(true);
    flier.Update();
    ASSERT_EQ(flier.dead, 1);
    Whip(false);
    EXPECT_EQ(FramesUntilReborn(flier), 1);
}

TEST_F(Fliers, TheCorpseCountsOnFromItsAnimationCount) {
    PutHero(2000, 330);
    EnemyDZombie& corpse = g_enemyDZombie[0];
    corpse = EnemyDZombie(2060, 0, 0);
    corpse.y = 250;
    corpse.counter = 18;  // its move makes it 19
    Whip(true);
    corpse.Update();
    ASSERT_EQ(corpse.dead, 1);
    EXPECT_EQ(corpse.counter, 19) << "the hit keeps the count";
    Whip(false);
    EXPECT_EQ(FramesUntilReborn(corpse), 31);

    corpse = EnemyDZombie(0, 0, 1);
    EXPECT_EQ(FramesUntilReborn(corpse), 50);

    corpse = EnemyDZombie(0, 0, 1);
    corpse.counter = 30;
    PutHero(400, 330);
    corpse.Update();
    EXPECT_EQ(corpse.counter, 30) << "outside the window the count waits";
}

TEST_F(Fliers, TheSpiderTurnsAtTheTopAndRow360AndNowhereElse) {
    PutHero(1000, 330);
    EnemyKumo& spider = g_enemyKumo[0];
    spider = EnemyKumo(1000);
    int32_t lowest = 0, highest = 1000, turns = 0;
    for (int f = 0; f < 400; ++f) {
        const int32_t wasDown = spider.goingDown;
        spider.Update();
        lowest = std::max(lowest, spider.y);
        highest = std::min(highest, spider.y);
        if (spider.goingDown != wasDown) {
            EXPECT_EQ(spider.y, wasDown != 0 ? 360 : 0) << "frame " << f;
            ++turns;
        }
    }
    EXPECT_EQ(lowest, 360);
    EXPECT_EQ(highest, 0);
    EXPECT_GE(turns, 8);
}

TEST_F(Fliers, TheArcFlierReturnsNearItsStartOverACycle) {
    PutHero(1000, 330);
    EnemyEkuto& e = g_enemyEkuto[0];
    e = EnemyEkuto(1050);
    e.Update();
    ASSERT_EQ(e.dormant, 0);
    EXPECT_EQ(e.x, 1042) << "its first arc drifts left";
    EXPECT_LT(e.y, 200) << "and upward";
    int crossings = 0;
    int32_t leftmost = e.x;
    for (int f = 0; f < 200 && crossings < 2; ++f) {
        const int32_t wasDipping = e.dipping;
        e.Update();
        leftmost = std::min(leftmost, e.x);
        if (e.dipping != wasDipping) ++crossings;
    }
    ASSERT_EQ(crossings, 2);
    EXPECT_LT(leftmost, 1050 - 300);
    EXPECT_LE(std::abs(e.x - 1050), 24);
    EXPECT_LE(std::abs(e.y - 200), 30);
}

TEST_F(Fliers, JyuhoutenDrawsItsRowWhenPlacedAndItsFirstSwingCounts) {
    SeedGameRand(5);
    const int32_t row = GameRand() % 481;
    SeedGameRand(5);
    EnemyJyuhouten& j = g_enemyJyuhouten[0];
    j = EnemyJyuhouten(990);
    EXPECT_EQ(j.y, row);
    EXPECT_EQ(j.hitLatch, 0);
    PutHero(900, 330);
    j.dormant = 0;
    j.hovering = 0;  // diving at the hero, under the whip
    j.y = 340;
    Whip(true);
    j.Update();
    EXPECT_EQ(j.hp, 1) << "the first swing costs a hit point";
}

// A scripted hero who cannot be hurt walks every laid-out stage of 1 to 26
// from its start to its exit (out to the far end and back where the exit is
// beside the start), jumping and swinging; every object he meets draws frames
// of its own set and reaches only slots of its arrays.
class StageWalk : public Fliers {
protected:
    static constexpr uint8_t kRight = 0xCD, kLeft = 0xCB, kAlt = 0x38, kCtrl = 0x1D;

    // False when the frames ran out before he reached target x or the exit.
    bool WalkTo(int32_t target, int frames) {
        const bool left = target < g_playerFront.GetX();
        LetGo(left ? kRight : kLeft);
        HoldKey(left ? kLeft : kRight);
        int32_t best = g_playerFront.GetX(), stuck = 0;
        for (int f = 0; f < frames; ++f) {
            if (g_stageClear != 0 || (left ? best <= target : best >= target)) return true;
            hero.invulnerable = 40;
            hero.hp = 16;
            MashJumpAndAttack(f);
            Tick();
            const int32_t x = g_playerFront.GetX();
            const bool gained = left ? x < best : x > best;
            if (gained) best = x;
            stuck = gained ? 0 : stuck + 1;
            // A pit or a wall the script cannot pass: set him down further on.
            if (stuck > 80 || hero.dead != 0) {
                hero = PlayerDoran();
                hero.x = std::clamp(best + (left ? -160 : 160), 0, g_stage.GetEndX());
                hero.y = 100;
                hero.hp = 16;
                hero.screenX = HeroScreenXFor(hero.x);
                hero.scrollRequest = 1;
                best = hero.x;
                stuck = 0;
            }
        }
        return false;
    }
};

TEST_F(StageWalk, MeetsNoStrayFrameOrSlot) {
    int walked = 0;
    for (int32_t stage = 1; stage <= 26; ++stage) {
        if (StageObjectsFor(stage).count == 0) continue;
        const int32_t faults = sprite_draw::FrameFaultCount();
        const int32_t refused = enemy::RefusedSlotCount();
        ++walked;
        for (const uint8_t k : {kRight, kLeft, kAlt, kCtrl}) LetGo(k);
        g_stageNumber = stage;
        g_stageClear = 0;
        g_menu.StartStage();
        g_menu.active = 0;
        SeedGameRand(static_cast<uint32_t>(stage));
        ExitPoint exit{};
        ASSERT_TRUE(StageExitPoint(stage, g_playerFront.GetCharacter(), &exit)) << stage;
        if (exit.x < g_stage.GetEndX() / 2) {
            EXPECT_TRUE(WalkTo(g_stage.GetEndX(), 6000)) << "stage " << stage << ": the far end";
        }
        EXPECT_TRUE(WalkTo(exit.x, 6000)) << "stage " << stage << ": the exit";
        EXPECT_EQ(sprite_draw::FrameFaultCount(), faults) << "stage " << stage << " drew a frame outside its set";
        EXPECT_EQ(enemy::RefusedSlotCount(), refused) << "stage " << stage << " reached outside an array";
    }
    EXPECT_GE(walked, 1);
}

}  // namespace

// The default hero through the frame loop: movement, the whip, damage under
// rule A, death and the restart.
#include "enemies/stage50/gool.h"
#include "engine/camera.h"
#include "engine/game_state.h"
#include "engine/graphics.h"
#include "game_test.h"
#include "heroes_test.h"
#include "players/player_doran.h"
#include "players/player_front.h"
#include "shell/menu.h"
#include "stages/stage.h"

using heroes::kAlt;
using heroes::kCtrl;
using heroes::kDown;
using heroes::kLeft;
using heroes::kRight;

class Doran : public heroes::HeroTest {
protected:
    void SetUp() override {
        HeroTest::SetUp();
        Play(1);
    }
    void Play(int stage) { HeroTest::Play(heroes::kDoran, stage); }
    PlayerDoran& d = g_playerDoran;
};

TEST_F(Doran, StartsStandingAtTheStageStart) {
    EXPECT_EQ(d.x, 150);
    EXPECT_EQ(d.y, 315);
    EXPECT_EQ(d.screenX, 150);
    EXPECT_EQ(d.hp, 16);
    Tick();
    EXPECT_EQ(d.pose, 0);
    EXPECT_EQ(d.y, 315) << "standing on stage 1's ground";
}

TEST_F(Doran, WalksFivePixelsAFrameAndTheViewFollowsFrom320) {
    HoldKey(kRight);
    Tick(34);
    EXPECT_EQ(d.x, 150 + 5 * 34);
    EXPECT_EQ(d.screenX, 320);
    EXPECT_EQ(WorldToScreenX(d.x), d.screenX);
    Tick(10);
    EXPECT_EQ(d.x, 370);
    EXPECT_EQ(d.screenX, 320) << "the hero stays at 320 while the view scrolls";
    LetGo(kRight);
    Tick();
    EXPECT_EQ(d.walking, 0);
    EXPECT_EQ(d.pose, 0);
}

TEST_F(Doran, JumpRises84PixelsAndLandsWhereItLeft) {
    Tap(kAlt);
    int top = d.y;
    for (int i = 0; i < 20 && d.airborne; ++i) {
        Tick();
        top = std::min(top, d.y);
    }
    EXPECT_EQ(top, 315 - 84);
    EXPECT_EQ(d.airborne, 0);
    EXPECT_EQ(d.y, 315);
}

TEST_F(Doran, WhipHitsOnlyInItsLastFourTicks) {
    const platform::Rect box{d.x + 100, d.y + 20, d.x + 110, d.y + 30};
    HoldKey(kCtrl);
    std::vector<int> hits;
    for (int tick = 1; tick <= 10; ++tick) {
        Tick();
        LetGo(kCtrl);
        hits.push_back(g_playerFront.WeaponHits(&box, 1));
    }
    EXPECT_EQ(hits, (std::vector<int>{0, 0, 0, 0, 1, 1, 1, 1, 0, 0}));
    EXPECT_EQ(d.attacking, 0);
    ASSERT_FALSE(PlayedSlots(backend).empty());
    EXPECT_EQ(PlayedSlots(backend).front(), 0) << "the whip's swing sound";
}

TEST_F(Doran, WhipHitRaisesOneHitSoundPerFreshLatch) {
    const platform::Rect box{d.x + 100, d.y + 20, d.x + 110, d.y + 30};
    Tap(kCtrl);
    Tick(4);
    ASSERT_EQ(d.pose, 11);
    g_hitSoundRequest = 0;
    EXPECT_EQ(g_playerFront.WeaponHits(&box, 1), 1);
    EXPECT_EQ(g_hitSoundRequest, 0) << "a latched enemy raises no sound";
    EXPECT_EQ(g_playerFront.WeaponHits(&box, 0), 1);
    EXPECT_EQ(g_hitSoundRequest, 1);
    EXPECT_EQ(g_hitSoundX, WorldToScreenX(d.x));
}

TEST_F(Doran, CtrlWhileWalkingStopsTheWalk) {
    HoldKey(kRight);
    Tick(3);
    const int x = d.x;
    HoldKey(kCtrl);
    Tick();
    EXPECT_EQ(d.walking, 0);
    Tick(3);
    EXPECT_EQ(d.x, x) << "whips in place";
}

TEST_F(Doran, CrouchingTurnsWithoutWalking) {
    HoldKey(kDown);
    Tick();
    EXPECT_EQ(d.pose, 12);
    HoldKey(kLeft);
    Tick(3);
    EXPECT_EQ(d.x, 150);
    EXPECT_EQ(d.facing, 0);
    EXPECT_EQ(d.pose, 13);
    platform::Rect box{};
    ASSERT_EQ(d.GetHurtBox(&box), 1);
    EXPECT_EQ(box.top, d.y + 20);
}

TEST_F(Doran, AirWhipEndsInTheStandingPoseForTheRestOfTheJump) {
    Tap(kAlt);
    Tap(kCtrl);
    Tick(7);
    ASSERT_EQ(d.airborne, 1);
    EXPECT_EQ(d.whippedInAir, 1);
    Tick();
    EXPECT_EQ(d.pose, 0);
    platform::Rect box{};
    ASSERT_EQ(d.GetHurtBox(&box), 1);
    EXPECT_EQ(box.top, d.y + 2);
    EXPECT_EQ(box.bottom, d.y + 56);
}

TEST_F(Doran, RuleALightTouchKnocksBackWithoutCostAndShieldsFor40Frames) {
    g_playerFront.TakeDamage(1);
    EXPECT_EQ(d.hp, 16);
    EXPECT_EQ(d.knockedBack, 1);
    EXPECT_EQ(PlayedSlots(backend), (std::vector<int>{4}));
    platform::Rect box{};
    EXPECT_EQ(g_playerFront.GetHurtBox(&box), 0);
    int frames = 0;
    while (g_playerFront.GetHurtBox(&box) == 0 && frames < 100) {
        Tick();
        ++frames;
    }
    EXPECT_EQ(frames, 40);
    g_playerFront.TakeDamage(6);
    EXPECT_EQ(d.hp, 13);
    g_playerFront.TakeDamage(32);
    EXPECT_EQ(d.hp, 0) << "capped at the hit points left";
}

TEST_F(Doran, DeathWaitsForTheKnockBackToLandThenRestartsAfter41Ticks) {
    d.hp = 2;
    g_playerFront.TakeDamage(6);
    EXPECT_EQ(d.hp, 0);
    g_playerFront.CheckDeath();
    EXPECT_EQ(d.dead, 0) << "still knocked back";
    int ticks = 0;
    while (!d.dead && ticks < 50) {
        Tick();
        ++ticks;
    }
    ASSERT_EQ(d.dead, 1);
    int countdown = 1;
    while (d.dead && countdown < 60) {
        Tick();
        ++countdown;
    }
    EXPECT_EQ(countdown, 41);
    EXPECT_EQ(d.hp, 16);
    EXPECT_EQ(d.x, 150);
    EXPECT_EQ(d.y, 315);
}

TEST_F(Doran, FallingToTheBottomKills) {
    d.y = 480;
    g_playerFront.CheckDeath();
    EXPECT_EQ(d.dead, 1);
    EXPECT_EQ(d.y, 480);
    g_playerDoran = PlayerDoran();
    d.y = 481;
    g_playerFront.CheckDeath();
    EXPECT_EQ(d.y, 1000);
    const auto slots = PlayedSlots(backend);
    EXPECT_EQ(std::count(slots.begin(), slots.end(), 1), 2) << "the death sound each time";
}

TEST_F(Doran, StageStartUsesTheNewStagesLength) {
    for (auto [from, to, screenX] : {std::tuple{48, 49, 570}, {1, 20, 570}, {1, 45, 570}}) {
        Play(from);
        Play(to);
        EXPECT_EQ(d.screenX, screenX) << from << "->" << to;
        EXPECT_EQ(WorldToScreenX(d.x), d.screenX) << from << "->" << to;
        Tick();
        EXPECT_EQ(d.screenX, screenX);
    }
}

// The four heroes beside the default one, their projectiles and draws, and
// the player front's dispatch (damage rule A).
#include "heroes_test.h"

#include <algorithm>
#include <array>
#include <vector>

#include "engine/camera.h"
#include "engine/graphics.h"
#include "engine/sprite_sets.h"
#include "players/hero_shots.h"
#include "players/player_doran.h"
#include "players/player_nerys.h"
#include "players/player_seliya.h"
#include "players/player_seliya_varm.h"
#include "players/player_tavish.h"

using namespace heroes;
using platform::Rect;
using Box = std::array<int32_t, 4>;  // left, top, right, bottom

namespace heroes {

const int32_t* LossTable(int32_t hero) {
    static constexpr int32_t kSeliyaLoss[8] = {2, 4, 6, 8, 10, 12, 32, 64};
    static constexpr int32_t kVarmielLoss[8] = {1, 3, 4, 6, 7, 9, 24, 48};
    static constexpr int32_t kDoranLoss[8] = {0, 1, 1, 2, 2, 3, 8, 16};
    static constexpr int32_t kTavishLoss[8] = {0, 1, 2, 3, 3, 4, 12, 24};
    static constexpr int32_t kNerysLoss[8] = {1, 3, 5, 7, 8, 10, 28, 56};
    switch (hero) {
        case kSeliya: return kSeliyaLoss;
        case kVarmiel: return kVarmielLoss;
        case kDoran: return kDoranLoss;
        case kTavish: return kTavishLoss;
        case kNerys: return kNerysLoss;
        default: return nullptr;
    }
}

}  // namespace heroes

namespace {

int32_t ScreenXOf(int32_t hero) {
    switch (hero) {
        case kSeliya: return g_playerSeliya.screenX;
        case kVarmiel: return g_playerSeliyaVarm.screenX;
        case kDoran: return g_playerDoran.screenX;
        case kNerys: return g_playerNerys.screenX;
        default: return g_playerTavish.screenX;
    }
}

}  // namespace

// --- Player front --------------------------------------------------------------------

TEST_F(HeroTest, EveryIndexStartsItsOwnHeroWhereTheStageSays) {
    const int32_t startY[][2] = {{kSeliya, 305}, {kVarmiel, 289}, {kDoran, 315}, {kTavish, 315}, {kNerys, 315}};
    for (auto [hero, y] : startY) {
        Play(hero);
        EXPECT_EQ(g_playerFront.GetX(), 150) << hero;
        EXPECT_EQ(g_playerFront.GetY(), y) << hero;
        EXPECT_EQ(g_playerFront.GetHP(), 16) << hero;
        Tick(3);
        EXPECT_EQ(g_playerFront.GetY(), y) << hero << " stands on stage 1's ground";
    }
}

TEST_F(HeroTest, IndexesWithoutAHeroFallToTavishButHitNothing) {
    Play(3);
    g_playerTavish.hp = 9;
    EXPECT_EQ(g_playerFront.GetHP(), 9);
    HoldKey(kCtrl);
    Tick();
    LetGo(kCtrl);
    Tick(6);
    ASSERT_EQ(g_playerTavish.pose, 5) << "the whip is out";
    const int32_t x = g_playerTavish.x, y = g_playerTavish.y;
    const Rect box{x + 60, y + 20, x + 70, y + 34};
    EXPECT_EQ(g_playerFront.WeaponHits(&box, 0), 0);
    g_playerFront.Select(kTavish);
    EXPECT_EQ(g_playerFront.WeaponHits(&box, 0), 1);
}

TEST_F(HeroTest, StartScreenXFollowsTheNewStagesLengthForEveryHero) {
    for (int32_t hero : kAllHeroes) {
        for (auto [from, to, screenX] : {std::tuple{48, 49, 570}, {1, 20, 570}, {1, 48, 430}}) {
            Play(hero, from);
            Play(hero, to);
            EXPECT_EQ(ScreenXOf(hero), screenX) << hero << ": " << from << "->" << to;
            EXPECT_EQ(WorldToScreenX(g_playerFront.GetX()), screenX) << hero << ": " << from << "->" << to;
        }
    }
}

TEST_F(HeroTest, DamageByLevelHalvedUnderRuleA) {
    const int32_t hurtSound[][2] = {{kSeliya, 18}, {kVarmiel, 18}, {kDoran, 4}, {kTavish, 4}, {kNerys, 20}};
    for (auto [hero, sound] : hurtSound) {
        Play(hero);
        for (int i = 0; i < 8; ++i) {
            g_playerFront.Reset();
            PlaceHero(g_playerFront.GetX(), g_playerFront.GetY(), 200);
            backend.ClearSoundPlays();
            g_playerFront.TakeDamage(kLevels[i]);
            EXPECT_EQ(g_playerFront.GetHP(), 200 - LossTable(hero)[i]) << hero << " level " << kLevels[i];
            EXPECT_EQ(PlayedSlots(backend), std::vector<int>{sound}) << hero;
            Rect box{};
            EXPECT_EQ(g_playerFront.GetHurtBox(&box), 0) << "knocked back and shielded";
        }
        g_playerFront.Reset();
        g_playerFront.TakeDamage(32);
        EXPECT_EQ(g_playerFront.GetHP(), 0) << hero << ": capped at the hit points left";
    }
}

TEST_F(HeroTest, EveryHeroPlaysThroughTheFrameLoop) {
    for (int32_t hero : kAllHeroes) {
        Play(hero);
        const int32_t groundY = g_playerFront.GetY();
        HoldKey(kRight);
        Tick(40);
        LetGo(kRight);
        EXPECT_EQ(g_playerFront.GetX(), 350) << hero;
        for (uint8_t key : {kCtrl, kShift, kUp, kAlt}) {
            Tap(key);
            Tick(40);
        }
        HoldKey(kDown);
        Tick(2);
        Tap(kCtrl);
        Tick(20);
        LetGo(kDown);
        Tick(5);
        EXPECT_EQ(g_playerFront.GetY(), groundY) << hero << " back on the ground";
        EXPECT_EQ(g_playerFront.GetHP(), 16);
    }
}

TEST_F(HeroTest, FallDeathWithHitPointsLeftOffersNoHurtBox) {
    for (int32_t hero : kAllHeroes) {
        Play(hero);
        PlaceHero(g_playerFront.GetX(), 481, 16);
        g_playerFront.CheckDeath();
        Rect box{};
        EXPECT_EQ(g_playerFront.GetHurtBox(&box), 0) << hero;
        EXPECT_EQ(g_playerFront.GetY(), 1000);
        Tick(41);
        EXPECT_EQ(g_playerFront.GetY(), hero == kSeliya ? 305 : hero == kVarmiel ? 289 : 315) << "rebuilt";
    }
}

// --- Seliya --------------------------------------------------------------------------

class Seliya : public HeroTest {
protected:
    void SetUp() override {
        HeroTest::SetUp();
        Play(kSeliya);
    }
    PlayerSeliya& s = g_playerSeliya;
};

TEST_F(Seliya, JumpsTwiceFiftyPixelsEachAndSteersInTheAir) {
    Tap(kAlt);
    Tick(4);
    EXPECT_EQ(s.y, 305 - 50);
    Tap(kAlt);
    Tick(4);
    EXPECT_EQ(s.y, 305 - 100) << "the second jump starts from mid-air";
    const int32_t apex = s.y;
    Tap(kAlt);
    EXPECT_GT(s.y, apex) << "no third jump";
    HoldKey(kRight);
    Tick(3);
    EXPECT_EQ(s.x, 165) << "steers while falling";
    LetGo(kRight);
    for (int i = 0; i < 40 && s.airborne; ++i) Tick();
    EXPECT_EQ(s.y, 305);
    EXPECT_EQ(s.jumpCount, 0);
}

TEST_F(Seliya, RedBirdsPartAndTheFourthSummonReusesTheFirstPair) {
    for (int n = 0; n < 3; ++n) {
        Tap(kUp);
        Tick(8);
    }
    for (int i = 0; i < kSuzakuSlots; ++i) EXPECT_EQ(g_shotSuzaku[i].facing, i % 2) << i;
    const int32_t x = g_shotSuzaku[4].x;
    Tick();
    EXPECT_LT(g_shotSuzaku[4].x, x);
    EXPECT_GT(g_shotSuzaku[5].x, x);
    Tap(kUp);
    Tick(2);
    EXPECT_EQ(g_shotSuzaku[2].finished, 0);
    EXPECT_EQ(g_shotSuzaku[2].counter, 1) << "launched on the summon's third tick";
    EXPECT_EQ(g_shotSuzaku[2].y, 305 - 4);
}

TEST_F(Seliya, SpecialIgnoresKeysAndCannotStartInTheAir) {
    Tap(kShift);
    EXPECT_EQ(s.special, 1);
    EXPECT_EQ(PlayedSlots(backend), std::vector<int>{19});
    EXPECT_EQ(g_shotHimitu.finished, 0);
    HoldKey(kRight);
    Tap(kAlt);
    Tick(27);
    EXPECT_EQ(s.x, 150) << "stands still";
    EXPECT_EQ(s.airborne, 0);
    EXPECT_EQ(s.special, 1);
    Tick();
    EXPECT_EQ(s.special, 0) << "30 ticks";
    LetGo(kRight);
    Tap(kAlt);
    Tap(kShift);
    EXPECT_EQ(s.special, 0);
}

TEST_F(Seliya, IdleAnimationStartsAfter310StillTicks) {
    Tick(309);
    EXPECT_EQ(s.pose, 0);
    Tick();
    EXPECT_EQ(s.pose, 8);
    Tick(17);
    EXPECT_EQ(s.actionCounter, 315) << "loops back";
    EXPECT_EQ(s.pose, 9);
    Tap(kDown);
    EXPECT_EQ(s.actionCounter, 0);
}

TEST_F(Seliya, WalkingOffAnEdgeLeavesNoJump) {
    PlaceHero(2790, 305, 16);  // stage 1's first pit starts at 2813
    s.screenX = 320;
    HoldKey(kRight);
    for (int i = 0; i < 10 && !s.airborne; ++i) Tick();
    LetGo(kRight);
    ASSERT_EQ(s.airborne, 1);
    EXPECT_EQ(s.x, 2800);
    const int32_t y = s.y;
    Tap(kAlt);
    EXPECT_GE(s.y, y) << "falls on";
}

TEST_F(Seliya, WhiteBirdHasNoHitBoxOnTheTickItTurns) {
    Tap(kCtrl);
    Tick(2);
    ASSERT_EQ(g_shotHato[1].finished, 0);
    Tick(11);
    ASSERT_EQ(g_shotHato[1].counter, 12);
    Rect r{};
    EXPECT_EQ(g_shotHato[1].GetHitRect(&r), 0);
    EXPECT_EQ(g_shotHato[1].facing, 0) << "turned back";
    Tick();
    EXPECT_EQ(g_shotHato[1].GetHitRect(&r), 1);
}

// --- Seliya, Varmiel form ------------------------------------------------------------

class Varmiel : public HeroTest {
protected:
    void SetUp() override {
        HeroTest::SetUp();
        Play(kVarmiel);
    }
    PlayerSeliyaVarm& v = g_playerSeliyaVarm;
};

TEST_F(Varmiel, BrakfistDashCannotBeHurtAndHitsEveryThirdTick) {
    Tap(kUp);
    EXPECT_EQ(PlayedSlots(backend), std::vector<int>{23});
    const Rect enemy{v.x + 40, v.y + 10, v.x + 200, v.y + 50};
    std::vector<int> hitTicks;
    Rect box{};
    for (int tick = 2; tick <= 30; ++tick) {
        EXPECT_EQ(g_playerFront.GetHurtBox(&box), v.pose == 32 ? 0 : 1) << tick;
        if (g_playerFront.WeaponHits(&enemy, 0)) hitTicks.push_back(tick);
        Tick();
    }
    EXPECT_EQ(v.brakfist, 0);
    EXPECT_EQ(v.x, 150 + 5 * 22);
    EXPECT_EQ(hitTicks, (std::vector<int>{12, 15, 18, 21, 24, 27, 30}));
}

TEST_F(Varmiel, BrakfistCannotStartInTheAirAndDropsOffAnEdgeWithNoJumpLeft) {
    Tap(kAlt);
    Tap(kUp);
    EXPECT_EQ(v.brakfist, 0);
    for (int i = 0; i < 40 && v.airborne; ++i) Tick();
    PlaceHero(2760, 289, 16);
    v.screenX = 320;
    Tap(kUp);
    for (int i = 0; i < 30 && !v.airborne; ++i) Tick();
    EXPECT_EQ(v.airborne, 1);
    EXPECT_EQ(v.brakfist, 0);
    EXPECT_EQ(v.x, 2815) << "the dash's step past the edge";
    const int32_t y = v.y;
    Tap(kAlt);
    EXPECT_GE(v.y, y) << "no jump left";
}

TEST_F(Varmiel, MagicAimedDownEndsAfter14TicksLevelAfter20) {
    Tap(kAlt);
    HoldKey(kDown);
    Tap(kCtrl);
    LetGo(kDown);
    ShotKidan& down = g_shotKidan[1];
    ASSERT_EQ(down.finished, 0);
    EXPECT_EQ(down.dy, 16);
    int ticks = 1;
    while (!down.finished && ticks < 40) {
        Tick();
        ++ticks;
    }
    EXPECT_EQ(ticks, 14);
    for (int i = 0; i < 40 && v.airborne; ++i) Tick();
    Tap(kCtrl);
    ShotKidan& level = g_shotKidan[2];
    EXPECT_EQ(level.dy, 0);
    const int32_t y = level.y;
    ticks = 1;
    while (!level.finished && ticks < 40) {
        Tick();
        ++ticks;
        if (!level.finished) {
            EXPECT_EQ(level.y, y);
        }
    }
    EXPECT_EQ(ticks, 20);
}

TEST_F(Varmiel, CrouchKickCutShortLeavesNoCrouchKickBehind) {
    HoldKey(kDown);
    Tick();
    Tap(kShift);
    Tick(2);
    EXPECT_EQ(v.pose, 26);
    g_playerFront.TakeDamage(2);
    for (int i = 0; i < 40 && v.knockedBack; ++i) Tick();
    LetGo(kDown);
    Tick();
    Tap(kShift);
    EXPECT_EQ(v.pose, 18) << "a standing kick";
}

TEST_F(Varmiel, KicksHitOnlyOnTheirOwnTicks) {
    const Rect enemy{v.x + 60, v.y + 32, v.x + 70, v.y + 40};
    std::vector<int> hitCounters;
    Tap(kShift);
    for (int i = 0; i < 16; ++i) {
        if (g_playerFront.WeaponHits(&enemy, 0)) hitCounters.push_back(v.counter);
        Tick();
    }
    EXPECT_EQ(hitCounters, (std::vector<int>{6, 8, 10}));
    EXPECT_EQ(v.kick, 0);
}

// --- Nerys ---------------------------------------------------------------------------

class Nerys : public HeroTest {
protected:
    void SetUp() override {
        HeroTest::SetUp();
        Play(kNerys);
    }
    PlayerNerys& n = g_playerNerys;
};

TEST_F(Nerys, LightningCastsAlternateTriplesAndLaunchOnTheFourthTick) {
    Tap(kCtrl);
    Tick(2);
    for (const ShotLightning& s : g_shotLightning) EXPECT_EQ(s.finished, 1);
    Tick();
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(g_shotLightning[i].finished, 1);
        EXPECT_EQ(g_shotLightning[3 + i].finished, 0);
        EXPECT_EQ(g_shotLightning[3 + i].dy, 4 - 4 * i);
    }
    Tick(8);
    EXPECT_EQ(n.casting, 0) << "a cast lasts 12 ticks";
    Tap(kCtrl);
    Tick(3);
    EXPECT_EQ(g_shotLightning[0].finished, 0);
    Tick(8);
    Tap(kCtrl);
    Tick(3);
    EXPECT_EQ(g_shotLightning[3].counter, 1) << "the older triple is overwritten";
    EXPECT_EQ(PlayedSlots(backend), std::vector<int>{}) << "spells are silent";
}

TEST_F(Nerys, CrouchingCastEndsCrouchingThenDownCrouchesAgain) {
    HoldKey(kDown);
    Tick();
    Tap(kShift);
    Tick(3);
    EXPECT_EQ(g_shotFlame.finished, 0);
    EXPECT_EQ(n.pose, 5);
    Tick(8);
    EXPECT_EQ(n.casting, 0);
    EXPECT_EQ(n.crouching, 0);
    Tick();
    EXPECT_EQ(n.crouching, 1);
    EXPECT_EQ(n.pose, 3);
}

TEST_F(Nerys, CastInTheAirKeepsTheDriftThenShowsTheStandingPose) {
    HoldKey(kRight);
    Tick(2);
    Tap(kAlt);
    Tap(kCtrl);
    int32_t x = n.x;
    while (n.casting) {
        Tick();
        EXPECT_EQ(n.x, x + 5) << "drifts while casting";
        x = n.x;
    }
    ASSERT_EQ(n.airborne, 1);
    EXPECT_EQ(n.castInAir, 1);
    Tick();
    EXPECT_EQ(n.pose, 0);
    for (int i = 0; i < 20 && n.airborne; ++i) Tick();
    EXPECT_EQ(n.y, 315);
    EXPECT_EQ(n.castInAir, 0);
}

TEST_F(Nerys, FlameHitsOnlyOnEvenTicks) {
    Tap(kShift);
    Tick(3);
    ShotFlame& f = g_shotFlame;
    ASSERT_EQ(f.finished, 0);
    const Rect enemy{f.x, 0, f.x + 200, 480};
    std::vector<int> hits;
    for (int i = 0; i < 11; ++i) {
        hits.push_back(g_playerFront.WeaponHits(&enemy, 0));
        EXPECT_EQ(g_hitSoundRequest, 0);
        Tick();
    }
    EXPECT_EQ(hits, (std::vector<int>{0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0}));
    EXPECT_EQ(f.finished, 1);
}

// --- Tavish --------------------------------------------------------------------------

class Tavish : public HeroTest {
protected:
    void SetUp() override {
        HeroTest::SetUp();
        Play(kTavish);
        PlaceHero(300, 315, 16);
        t.screenX = 300;
    }
    // Throws and runs until the cross is out.
    void Throw() {
        Tap(kShift);
        Tick(3);
    }
    PlayerTavish& t = g_playerTavish;
    ShotCross& c = g_shotCross;
};

TEST_F(Tavish, CrossTurnsAtTheScreenEdgeAndIsCaughtByTheHero) {
    Throw();
    ASSERT_EQ(c.finished, 0);
    int ticks = 0;
    while (!c.returning && ticks < 100) {
        EXPECT_LT(WorldToScreenX(c.x), 612);
        Tick();
        ++ticks;
    }
    EXPECT_GE(WorldToScreenX(c.x), 612);
    int32_t lastX = c.x;
    while (!c.finished && ticks < 200) {
        lastX = c.x;
        Tick();
        ++ticks;
    }
    EXPECT_EQ(c.finished, 1);
    EXPECT_GT(lastX, t.x) << "caught on the way back, at the hero";
    EXPECT_LT(lastX - 12, t.x + 32);
}

TEST_F(Tavish, CrossFliesOnWhenTheHeroCannotBeHurt) {
    Throw();
    while (!c.returning) Tick();
    t.invulnerable = 1000;
    int32_t lastScreenX = 0;
    for (int i = 0; i < 100 && !c.finished; ++i) {
        lastScreenX = WorldToScreenX(c.x);
        Tick();
    }
    EXPECT_EQ(c.finished, 1);
    EXPECT_LT(lastScreenX - 12, -29) << "ends once past the left edge";
}

TEST_F(Tavish, ThrowWhileTheCrossFliesLaunchesNothing) {
    Throw();
    Tick(2);
    ASSERT_EQ(t.crossThrow, 0);
    Tap(kShift);
    Tick(3);
    EXPECT_EQ(t.pose, 7) << "shows the throw";
    EXPECT_GT(c.x, t.x + 12 + 12 * 3) << "the first cross flies on";
}

TEST_F(Tavish, WhipRaisesOneHitSoundPerLatchAndTheCrossNone) {
    Throw();
    Rect cross{};
    ASSERT_EQ(c.GetHitRect(&cross), 1);
    g_hitSoundRequest = 0;
    EXPECT_EQ(g_playerFront.WeaponHits(&cross, 0), 1);
    EXPECT_EQ(g_hitSoundRequest, 0);
    Tick(2);
    Tap(kCtrl);
    Tick(6);
    ASSERT_EQ(t.pose, 5);
    const Rect enemy{t.x + 100, t.y + 20, t.x + 120, t.y + 40};
    ASSERT_FALSE(c.GetHitRect(&cross) && RectsOverlap(cross, enemy));
    EXPECT_EQ(g_playerFront.WeaponHits(&enemy, 1), 1);
    EXPECT_EQ(g_hitSoundRequest, 0) << "latched";
    EXPECT_EQ(g_playerFront.WeaponHits(&enemy, 0), 1);
    EXPECT_EQ(g_hitSoundRequest, 1);
    EXPECT_EQ(g_hitSoundX, 300);
    Tick(2);
    EXPECT_EQ(t.attacking, 0) << "a whip lasts 9 ticks";
    EXPECT_EQ(g_playerFront.WeaponHits(&enemy, 0), 1) << "and still hits on its last";
    Tick();
    EXPECT_EQ(g_playerFront.WeaponHits(&enemy, 0), 0);
}

TEST_F(Tavish, BodyBoxIsTheCrouchingOneInTheAir) {
    Rect box{};
    ASSERT_EQ(g_playerFront.GetHurtBox(&box), 1);
    EXPECT_EQ(box.top, t.y + 2);
    Tap(kAlt);
    ASSERT_EQ(g_playerFront.GetHurtBox(&box), 1);
    EXPECT_EQ(box.top, t.y + 14);
}

// --- Draws ---------------------------------------------------------------------------

class HeroDraws : public HeroTest {
protected:
    static constexpr uint8_t kScene = 3, kInk = 200;
    void SetUp() override {
        HeroTest::SetUp();
        Play(kDoran);  // hero at x 150: world x equals screen x
        platform::Surface* scene = g_graphics.Slot(kSceneSlot);
        ASSERT_NE(scene, nullptr);
        platform::Fill(*scene, nullptr, kScene);
        platform::Fill(*g_graphics.BackBuffer(), nullptr, kScene);
    }
    // Paints every frame of a set in one opaque colour.
    void Ink(const char* name) {
        const SpriteSet* set = FindSpriteSet(name);
        ASSERT_NE(set, nullptr);
        for (int f = 0; f < set->count; ++f) platform::Fill(*g_graphics.Slot(set->first + f), nullptr, kInk);
    }
    // Bounding box of the inked pixels on the back buffer; empty when none.
    Box Inked() {
        const platform::Surface& b = *g_graphics.BackBuffer();
        Rect r{640, 480, 0, 0};
        for (int y = 0; y < 480; ++y)
            for (int x = 0; x < 640; ++x)
                if (b.Row(y)[x] == kInk)
                    r = Rect{std::min(r.left, x), std::min(r.top, y), std::max(r.right, x + 1),
                             std::max(r.bottom, y + 1)};
        return r.left < r.right ? Box{r.left, r.top, r.right, r.bottom} : Box{0, 0, 0, 0};
    }
    void Clear() { platform::Fill(*g_graphics.BackBuffer(), nullptr, kScene); }
};

TEST_F(HeroDraws, HeroFramesSitAtTheirOffsetsAndClipAtTheEdges) {
    Ink("Seliya");
    g_graphics.DrawSeliya(100, 200, 0);
    EXPECT_EQ(Inked(), (Box{116, 202, 148, 274}));
    g_graphics.DrawSeliya(100, 200, 22);
    EXPECT_EQ(Inked(), (Box{114, 202, 146, 274})) << "the same pose facing left";
    g_graphics.DrawSeliya(630, 200, 3);
    EXPECT_EQ(Inked(), (Box{630, 204, 640, 274}));
    Ink("Tavish");
    g_graphics.DrawTavish(20, -10, 19);
    EXPECT_EQ(Inked(), (Box{0, 0, 56, 54})) << "clipped left and top";
}

TEST_F(HeroDraws, HeroBelowTheScreenStillLaysTheScene) {
    Ink("Nerys");
    platform::Fill(*g_graphics.BackBuffer(), nullptr, 9);
    g_graphics.DrawNerys(100, 600, 0);
    const platform::Surface& b = *g_graphics.BackBuffer();
    EXPECT_EQ(b.Row(0)[0], kScene);
    EXPECT_EQ(b.Row(479)[639], kScene);
    EXPECT_EQ(Inked(), (Box{0, 0, 0, 0}));
    g_graphics.DrawSeliyaVarm(100, 100, 70);
    EXPECT_EQ(b.Row(0)[0], kScene) << "a frame past the set lays the scene and draws nothing";
}

TEST_F(HeroDraws, ProjectilesClipAtTheScreenEdges) {
    for (const char* set : {"Himitu", "Suzaku", "Hato", "Kidan", "Flame", "Cross", "Lightning"}) Ink(set);
    const struct {
        void (*draw)();
        Box expected;
        const char* what;
    } cases[] = {
        {[] { g_graphics.DrawKidan(100, -10); }, Box{100, 0, 142, 30}, "kidan clipped at the top"},
        {[] { g_graphics.DrawHimitu(636, 100, 3); }, Box{0, 0, 0, 0}, "himitu shifted off after its test"},
        {[] { g_graphics.DrawHimitu(600, 100, 0); }, Box{600, 102, 640, 162}, "himitu clipped right"},
        {[] { g_graphics.DrawHimitu(100, -10, 0); }, Box{0, 0, 0, 0}, "himitu crossing the top vanishes"},
        {[] { g_graphics.DrawFlame(100, 100, 4); }, Box{132, 108, 180, 128}, "flame offsets"},
        {[] { g_graphics.DrawCross(-10, 50, 0); }, Box{0, 50, 18, 76}, "cross clipped left"},
        {[] { g_graphics.DrawSuzaku(300, 470, 0); }, Box{300, 470, 324, 480}, "suzaku clipped at the bottom"},
        {[] { g_graphics.DrawHato(641, 100, 0); }, Box{0, 0, 0, 0}, "hato past the right edge"},
        {[] { g_graphics.DrawHato(-24, 100, 0); }, Box{0, 0, 0, 0}, "hato ending at column 0"},
        {[] { g_graphics.DrawLightning(620, 100, 1); }, Box{620, 100, 640, 132}, "lightning clipped right"},
    };
    for (const auto& c : cases) {
        Clear();
        c.draw();
        EXPECT_EQ(Inked(), c.expected) << c.what;
    }
}

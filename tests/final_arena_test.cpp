// The boss chain of the final arena against the shared boss rules: chain
// order, the boss life bar, the second form's teleport, the clear orb, the
// death restart and the way on to the last stage.
#include <algorithm>
#include <vector>

#include "enemies/bosses/boss_morvane1.h"
#include "enemies/bosses/boss_morvane2.h"
#include "enemies/bosses/boss_morvane3.h"
#include "enemies/bosses/hell_fire.h"
#include "enemies/bosses/kokuen.h"
#include "enemies/bosses/maryoku_orb.h"
#include "enemies/bosses/stn_fire.h"
#include "enemies/bosses/up_fire_m.h"
#include "enemies/model/boss_common.h"
#include "enemies/model/enemy_model.h"
#include "engine/game_state.h"
#include "engine/graphics.h"
#include "engine/sprite_draw_kinds.h"
#include "game_test.h"
#include "players/player_doran.h"
#include "players/player_front.h"
#include "shell/menu.h"
#include "stages/stage.h"

namespace {

// The whip hero: facing right in pose 11 its whip covers x + 48 to x + 128
// at rows y + 22 to y + 31; its body is x + 2 to x + 30.
class FinalArena : public DataDirTest {
protected:
    void SetUp() override {
        DataDirTest::SetUp();
        StartGame();
        g_stageNumber = 49;
        g_menu.StartStage();
        g_menu.active = 0;
        SeedGameRand(11);
        backend.ClearSoundPlays();
    }
    void PutHero(int32_t x, int32_t y, bool swing = false) {
        hero = PlayerDoran();
        hero.x = x;
        hero.screenX = x;
        hero.y = y;
        hero.hp = 16;
        hero.pose = swing ? 11 : 0;
    }
    // One frame of the arena's objects in list order, the hero held still.
    void Frame() { g_stage.Update(); }

    // Swings at the living form, one swing every second frame, until it
    // dies; the whip reaches the form's weapon box at row 322.
    int KillForm(const int32_t& dead, int32_t (*targetX)(), int limit = 4000) {
        int frames = 0;
        while (dead == 0 && frames < limit) {
            PutHero(targetX() - 60, 300, frames % 2 == 0);
            Frame();
            ++frames;
        }
        return frames;
    }
    static int32_t FirstFormBox() { return g_bossMorvane1[0].x + 16; }
    // Short of the last form's box, which wakes in the same frame.
    static int32_t SecondFormBox() { return g_bossMorvane2[0].x - 55; }
    static int32_t LastFormBox() { return 530; }
    void KillAllThree() {
        KillForm(g_bossMorvane1[0].dead, FirstFormBox);
        KillForm(g_bossMorvane2[0].dead, SecondFormBox);
        KillForm(g_bossMorvane3[0].dead, LastFormBox);
    }

    platform::Surface* Bar() { return g_graphics.Slot(kBossBarSlot); }
    bool CellEmpty(int n) {
        const platform::Surface* empty = g_graphics.Slot(kEmptyCellSlot);
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < 6; ++x)
                if (Bar()->Row(y)[8 * n - 8 + x] != empty->Row(y)[x]) return false;
        return true;
    }
    bool BarFull() {
        const platform::Surface* pristine = g_graphics.Slot(kBossBarPristineSlot);
        return std::equal(Bar()->Pixels(), Bar()->Pixels() + 126 * 12, pristine->Pixels());
    }
    // Whether anything was drawn over the boss bar's place since the fill.
    bool BarShown() {
        const platform::Surface* b = g_graphics.BackBuffer();
        for (int y = 445; y < 457; ++y)
            for (int x = 10; x < 136; ++x)
                if (b->Row(y)[x] != kFill) return true;
        return false;
    }
    void FillBackBuffer() { platform::Fill(*g_graphics.BackBuffer(), nullptr, kFill); }
    int CountPlayed(int slot) {
        const std::vector<int> s = PlayedSlots(backend);
        return static_cast<int>(std::count(s.begin(), s.end(), slot));
    }

    static constexpr uint8_t kFill = 7;
    PlayerDoran& hero = g_playerDoran;
};

TEST_F(FinalArena, ChainWakesInOrderAndEachFormEmptiesAFreshBarCellByCell) {
    g_graphics.ClearBossLifeCell(9);  // left over from an earlier arena
    PutHero(300, 349);
    Frame();
    EXPECT_TRUE(BarFull()) << "the first form refills the bar on its first frame";
    EXPECT_EQ(g_bossMorvane2[0].dormant, 1);
    EXPECT_EQ(g_bossMorvane3[0].dormant, 1);

    // Each swing empties the cell of the hit points held before it.
    int hits = 0, frames = 0;
    while (g_bossMorvane1[0].dead == 0 && frames < 400) {
        const int32_t hp = g_bossMorvane1[0].hp;
        PutHero(FirstFormBox() - 60, 300, frames % 2 == 0);
        Frame();
        ++frames;
        if (g_bossMorvane1[0].hp == hp) continue;
        ++hits;
        EXPECT_EQ(g_bossMorvane1[0].hp, hp - 1) << "one swing, one hit point";
        if (g_bossMorvane1[0].dead != 0) break;
        EXPECT_TRUE(CellEmpty(hp)) << hp;
        EXPECT_FALSE(CellEmpty(hp - 1)) << hp - 1;
        EXPECT_EQ(g_bossMorvane2[0].dormant, 1) << "the second form waits for the first's death";
    }
    EXPECT_EQ(hits, 16);
    const int32_t diedAt = g_bossMorvane1[0].x;
    EXPECT_EQ(g_bossMorvane2[0].dormant, 0) << "it wakes in the frame of the death";
    EXPECT_EQ(g_bossMorvane2[0].x, diedAt != 0 ? 505 : 28);
    EXPECT_TRUE(BarFull()) << "and shows a full bar again";
    EXPECT_EQ(g_bossMorvane3[0].dormant, 1);

    KillForm(g_bossMorvane2[0].dead, SecondFormBox);
    ASSERT_EQ(g_bossMorvane2[0].dead, 1);
    EXPECT_EQ(g_bossMorvane3[0].dormant, 0);
    EXPECT_TRUE(BarFull());
    EXPECT_EQ(g_maryokuOrb[0].hidden, 1) << "the orb waits for the last form";

    KillForm(g_bossMorvane3[0].dead, LastFormBox);
    ASSERT_EQ(g_bossMorvane3[0].dead, 1);
    for (int n = 1; n <= 16; ++n) EXPECT_TRUE(CellEmpty(n)) << n;
    EXPECT_EQ(CountPlayed(15), 1) << "the last form's death cry";
    EXPECT_EQ(g_maryokuOrb[0].hidden, 0);
    EXPECT_EQ(g_maryokuOrb[0].y, 50 + 10) << "the orb drops from its start, wherever the boss died";
}

TEST_F(FinalArena, TheBarShowsOnlyWhileAFormIsAwakeAndAlive) {
    PutHero(300, 349);
    FillBackBuffer();
    Frame();
    EXPECT_TRUE(BarShown());

    // The second form draws the bar even in the frames its teleport hides it.
    g_bossMorvane1[0].dead = 1;
    int hiddenFrames = 0;
    for (int f = 0; f < 32; ++f) {
        FillBackBuffer();
        Frame();
        EXPECT_TRUE(BarShown()) << "frame " << f;
        if (g_bossMorvane2[0].tick >= 12 && g_bossMorvane2[0].tick <= 19) ++hiddenFrames;
    }
    EXPECT_EQ(hiddenFrames, 8);

    g_bossMorvane2[0].dead = 1;
    g_bossMorvane3[0] = BossMorvane3();
    g_bossMorvane3[0].dead = 1;
    FillBackBuffer();
    Frame();
    EXPECT_FALSE(BarShown()) << "no bar once the chain is done";

    // A pause between two bosses shows no bar: the next boss wakes 50 frames
    // after its predecessor's death and is not drawn before.
    int32_t dormant = 1, counter = 0;
    int woke = 0;
    for (int f = 1; f <= 60; ++f)
        if (boss::ChainWakeAfterPause(dormant, counter, f > 5)) woke = f;
    EXPECT_EQ(woke, 55);
    int32_t firstWake = 1;
    dormant = 1;
    EXPECT_FALSE(boss::Preamble(0, dormant, firstWake));
    EXPECT_EQ(firstWake, 1) << "a dormant boss leaves the bar alone";
}

TEST_F(FinalArena, SecondFormKeepsToItsIdlePicturesAndIsOnlyHitWhileAttacking) {
    g_bossMorvane1[0].dead = 1;
    g_bossMorvane1[0].x = 592;
    const int32_t faults = sprite_draw::FrameFaultCount();
    BossMorvane2& m = g_bossMorvane2[0];
    std::vector<double> firePans;
    int attacks = 0, attackHits = 0;
    for (int f = 0; f < 1500; ++f) {
        const bool idleBefore = m.firing == 0 && m.smoking == 0;
        // The whip sits over the whole form every frame; the form is kept
        // alive to go through many teleports.
        PutHero(m.x + 20 - 60, 300, f % 2 == 0);
        m.hp = 16;
        const size_t plays = backend.SoundPlays().size();
        Frame();
        const bool idle = m.firing == 0 && m.smoking == 0;
        if (idle && m.tick > 0) {  // an ended attack leaves its last picture for a frame
            EXPECT_GE(m.frame, 16) << "frame " << f;
            EXPECT_LE(m.frame, 19) << "frame " << f;
        }
        if (idleBefore && idle) {
            EXPECT_EQ(m.hp, 16) << "no hit during the teleport, frame " << f;
        }
        if (!idle && m.hp < 16) ++attackHits;
        if (idleBefore && !idle) ++attacks;
        const std::vector<int> slots = PlayedSlots(backend);
        const auto all = backend.SoundPlays();
        for (size_t i = plays; i < slots.size(); ++i)
            if (slots[i] == 14) firePans.push_back(all[i].pan);
        if (idle && m.tick == 1) {
            EXPECT_GT(all.size(), plays) << "the flash at each teleport";
        }
    }
    EXPECT_GT(attackHits, 0);
    EXPECT_EQ(sprite_draw::FrameFaultCount(), faults) << "no picture outside its set";
    EXPECT_GT(attacks, 3);
    EXPECT_FALSE(firePans.empty());
    for (const double pan : firePans) EXPECT_TRUE(pan == -1.0 || pan == 1.0);
}

TEST_F(FinalArena, SecondFormTeleportHidesAndSparesTheHero) {
    g_bossMorvane1[0].dead = 1;
    g_bossMorvane1[0].x = 0;
    PutHero(40, 349);  // standing inside the form at the left edge
    Frame();
    EXPECT_EQ(g_bossMorvane2[0].x, 28) << "the first form died at the left edge";
    for (int f = 0; f < 30; ++f) {
        hero.hp = 16;
        Frame();
        EXPECT_EQ(hero.hp, 16) << "teleport frame " << f;
    }
}

TEST_F(FinalArena, FirstFormChangesEdgesAndRaisesSeventyFramePillarsUnderTheHero) {
    PutHero(200, 349);
    hero.invulnerable = 40;  // let the pillar burn without knocking the hero about
    for (int f = 1; f <= 29; ++f) Frame();
    EXPECT_EQ(g_enemyUpFireM[0].dead, 1);
    Frame();
    EXPECT_EQ(g_enemyUpFireM[0].dead, 0);
    EXPECT_EQ(g_enemyUpFireM[0].x, 216) << "under the hero's x + 16";
    EXPECT_EQ(g_bossMorvane1[0].x, 0);
    for (int f = 31; f <= 59; ++f) Frame();
    EXPECT_EQ(g_bossMorvane1[0].x, 0);
    Frame();
    EXPECT_EQ(g_bossMorvane1[0].x, 592) << "at the right edge from its 60th frame";

    EnemyUpFireM& pillar = g_enemyUpFireM[0];
    pillar = EnemyUpFireM(216, 0);
    int lived = 0;
    while (pillar.dead == 0 && lived < 100) {
        pillar.Update();
        ++lived;
    }
    EXPECT_EQ(lived, 70);
    EXPECT_EQ(pillar.frame, 0) << "it ends on its first picture";
}

TEST_F(FinalArena, OrbIsRefusedWhileTheHeroCannotBeHurtOrHasNoHitPoints) {
    MaryokuOrb& orb = g_maryokuOrb[0];
    orb = MaryokuOrb(0);
    PutHero(0, 349);
    int frames = 0;
    while (orb.falling != 0 && frames < 100) {
        orb.Update();
        ++frames;
    }
    ASSERT_EQ(orb.falling, 0);
    EXPECT_EQ(orb.x, 300);
    EXPECT_EQ(orb.y + 28, 413) << "at rest on the floor";

    PutHero(295, 349);
    hero.invulnerable = 40;
    for (int f = 0; f < 6; ++f) orb.Update();
    EXPECT_EQ(g_stageClear, 0) << "body box withheld";
    PutHero(295, 349);
    hero.hp = 0;
    for (int f = 0; f < 6; ++f) orb.Update();
    EXPECT_EQ(g_stageClear, 0) << "no hit points";
    PutHero(295, 349);
    orb.Update();
    EXPECT_EQ(g_stageClear, 1);
    EXPECT_EQ(CountPlayed(17), 1) << "the final arena's clear";
    orb.Update();
    EXPECT_EQ(CountPlayed(17), 1) << "taken once";

    g_stageClear = 0;
    g_stageNumber = 42;
    orb = MaryokuOrb(0);
    orb.y = 381;
    orb.falling = 0;
    orb.Update();
    EXPECT_EQ(g_stageClear, 1);
    EXPECT_EQ(CountPlayed(5), 1) << "the other arenas' clear";
}

TEST_F(FinalArena, DeathRestartRebuildsTheChainAndHidesTheOrbAgain) {
    KillAllThree();
    ASSERT_EQ(g_maryokuOrb[0].hidden, 0);
    g_playerDoran = PlayerDoran();
    g_playerDoran.x = 570;
    g_playerDoran.y = 349;
    g_playerDoran.hp = 0;
    Tick(45);
    ASSERT_EQ(g_playerDoran.hp, 16) << "the hero was rebuilt";
    EXPECT_EQ(g_maryokuOrb[0].hidden, 1);
    EXPECT_EQ(g_bossMorvane1[0].dead, 0);
    EXPECT_EQ(g_bossMorvane1[0].hp, 16);
    EXPECT_EQ(g_bossMorvane2[0].dormant, 1);
    EXPECT_EQ(g_bossMorvane2[0].hp, 16);
    EXPECT_EQ(g_bossMorvane3[0].dormant, 1);
    EXPECT_EQ(g_bossMorvane3[0].hp, 16);
    for (const EnemyStnFire& s : g_enemyStnFire) EXPECT_EQ(s.dead, 1);
}

TEST_F(FinalArena, ScriptedKillsLeadToTheOrbTheClearWaitAndStageFifty) {
    KillAllThree();
    ASSERT_EQ(g_bossMorvane3[0].dead, 1);
    PutHero(100, 349);
    for (int f = 0; f < 60 && g_maryokuOrb[0].falling != 0; ++f) Frame();
    ASSERT_EQ(g_maryokuOrb[0].falling, 0);
    EXPECT_EQ(g_stageClear, 0);

    // The real frame loop from here: the hero walks onto the orb.
    PutHero(250, 349);
    int frames = 0;
    while (g_stageClear == 0 && frames < 60) {
        HoldKey(0xCD);
        Tick();
        ++frames;
    }
    LetGo(0xCD);
    ASSERT_EQ(g_stageClear, 1);
    EXPECT_EQ(CountPlayed(17), 1);
    int messages = 0;
    while (g_stageClear != 0 && messages < 300) messages += Tick();
    EXPECT_EQ(messages, 105);
    EXPECT_EQ(g_stageNumber, 50);
    EXPECT_EQ(g_stage.GetEndX(), 5720);
}

}  // namespace

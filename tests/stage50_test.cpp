// The last street's cast: the apple dropper's hover and its apples, the
// corpses and birds that keep coming and where, the wake distances, the bat's
// swoop and the corpse's hop, the thunder spirits' ride and their shared bolt
// slots, the touch boxes on fixed rows, and the frog lost in a pit.
#include <algorithm>
#include <utility>

#include "enemies/model/enemy_model.h"
#include "enemies/stage50/gool.h"
#include "enemies/stage50/kaminari.h"
#include "enemies/stage50/kaminarisama.h"
#include "enemies/stage50/koumori.h"
#include "enemies/stage50/kyonsi.h"
#include "enemies/stage50/ringo.h"
#include "enemies/stage50/sauji.h"
#include "enemies/stage50/shellok.h"
#include "enemies/stage50/tori.h"
#include "enemies/stage50/zonbi.h"
#include "enemy_fixture.h"
#include "engine/game_state.h"
#include "engine/shell/menu.h"

namespace {

// The street's ground row and end.
constexpr int32_t kGround = 443;

class Stage50 : public EnemyTest {
protected:
    void SetUp() override {
        EnemyTest::SetUp();
        g_stageNumber = 50;
        g_menu.StartStage();
        g_menu.active = 0;
        SeedGameRand(7);
        PutHero(900, 340);
    }
    static int32_t NextDraw(uint32_t seed) {
        SeedGameRand(seed);
        return GameRand();
    }
};

// --- The apple dropper and its apples ---

TEST_F(Stage50, TheDropperHoversAfterTwentyFramesOverTheHeroAndDropsIntoItsOwnSlot) {
    EnemySauji& s = g_enemySauji[0];
    s = EnemySauji(2000, 3);
    s.dir = 1;
    int frames = 0;
    while (s.counter != 0 && frames < 100) {
        hero.x = s.x;  // the hero keeps under it
        s.Update();
        ++frames;
    }
    EXPECT_EQ(frames, 20);
    EXPECT_EQ(s.frame, 2) << "hovering, facing right";
    const int32_t at = s.x;
    for (int f = 1; f <= 9; ++f) {
        s.Update();
        EXPECT_EQ(s.x, at) << "hover frame " << f;
        EXPECT_EQ(g_enemyRingo[3].dead, f >= 5 ? 0 : 1) << "the apple falls at the fifth";
    }
    for (int slot = 0; slot < 10; ++slot) {
        if (slot == 3) continue;
        EXPECT_EQ(g_enemyRingo[slot].dead, 1) << "slot " << slot << " is not its own";
    }
    s.Update();
    EXPECT_EQ(s.x, at + 7) << "and flies on";

    // Time spent above the hero adds up over several passes.
    s = EnemySauji(1000, 4);
    hero.x = 800;
    int hovered = 0;
    for (int f = 0; f < 400; ++f) {
        s.Update();
        if (s.counter == 0) ++hovered;
    }
    EXPECT_GE(hovered, 1) << "passes that each spend under 20 frames above him still lead to a hover";
}

TEST_F(Stage50, TheDropperTurnsAtTheStreetEndsAndAnAppleSlotOutsideThePoolIsRefused) {
    EnemySauji& s = g_enemySauji[0];
    s = EnemySauji(5690, 0);
    s.dir = 1;
    s.Update();
    EXPECT_EQ(s.x, 5697);
    EXPECT_EQ(s.dir, 0);
    s.Update();
    EXPECT_EQ(s.x, 5690);
    EXPECT_EQ(s.frame, 3);
    s = EnemySauji(3, 0);
    s.Update();
    EXPECT_EQ(s.x, -4);
    EXPECT_EQ(s.dir, 1);

    for (const int32_t slot : {10, -1}) {
        const int32_t refused = enemy::RefusedSlotCount();
        s = EnemySauji(900, slot);
        s.counter = 4;  // hovering, about to drop
        s.Update();
        EXPECT_EQ(enemy::RefusedSlotCount(), refused + 1) << "apple slot " << slot;
    }
}

TEST_F(Stage50, ApplesFallFasterUntilBelowTheFloorAndTheWhipOrTheHeroEndsThem) {
    EnemyRingo& a = g_enemyRingo[0];
    a = EnemyRingo(3000, 0);
    int32_t y = 104, vy = 5, frames = 0;
    while (a.dead == 0 && frames < 100) {
        a.Update();
        y += vy++;
        ++frames;
        EXPECT_EQ(a.y, y);
    }
    EXPECT_GT(a.y, 504);
    EXPECT_LE(a.y - (vy - 1), 504) << "gone the frame it passes row 504";

    a = EnemyRingo(960, 0);  // the whip reaches 948 .. 1028 at rows 362 .. 371
    a.y = 340;
    Whip(true);
    a.Update();
    EXPECT_EQ(a.dead, 1);
    Whip(false);
    a = EnemyRingo(900, 0);
    a.y = 330;
    a.Update();
    EXPECT_EQ(hero.hp, 16 - Cost(2));
}

// --- The kinds that keep coming back ---

TEST_F(Stage50, CorpsesComeFromAheadAtRandomUntilTheHeroReaches5260) {
    EnemyZonbi& z = g_enemyZonbi[0];
    z = EnemyZonbi(0, 1);
    PutHero(5260, 340);
    for (int f = 0; f < 200; ++f) z.Update();
    EXPECT_EQ(z.dead, 1) << "none past 5259";

    PutHero(3000, 340);
    int born = 0, stillborn = 0;
    for (int f = 0; f < 3000; ++f) {
        const bool wasDead = z.dead != 0;
        z.Update();
        if (!wasDead) continue;
        if (z.dead == 0) {
            ++born;
            EXPECT_GE(z.x, 3000 + 704);
            EXPECT_LE(z.x, 3000 + 708) << "only what stands within 708 after its first step lives";
            z.dead = 1;
        } else {
            ++stillborn;
        }
    }
    EXPECT_GT(born, 0);
    EXPECT_GT(stillborn, born) << "most are too far ahead and die again at once";

    z = EnemyZonbi(3000 - 704, 0);
    z.Update();
    EXPECT_EQ(z.dead, 0) << "708 behind";
    z.Update();
    EXPECT_EQ(z.dead, 1) << "712 behind";
}

TEST_F(Stage50, BirdsAreRebornOnlyWhileTheHeroIsBetween501And5399) {
    const int32_t r = NextDraw(11);
    SeedGameRand(11);
    const EnemyTori idle(0, 0, 1);
    EXPECT_EQ(idle.y, r % 150 + 229) << "an idle slot draws its row too";

    EnemyTori& t = g_enemyTori[0];
    const std::pair<int32_t, bool> cases[] = {{500, false}, {501, true}, {5399, true}, {5400, false}};
    for (const auto& [heroX, reborn] : cases) {
        PutHero(heroX, 340);
        t = EnemyTori(0, 0, 1);
        t.Update();
        EXPECT_EQ(t.dead == 0, reborn) << "hero at " << heroX;
        if (reborn) {
            EXPECT_EQ(t.x, heroX + 550 - 3);
        }
    }
}

TEST_F(Stage50, ABirdSwaysOverOneHundredRowsAndEndsBeyond710) {
    EnemyTori& t = g_enemyTori[0];
    t = EnemyTori(1450, 0, 0);
    const int32_t top = t.y;
    int32_t low = top, high = top;
    for (int f = 0; f < 150; ++f) {
        t.Update();
        low = std::min(low, t.y);
        high = std::max(high, t.y);
    }
    EXPECT_EQ(low, top);
    EXPECT_EQ(high, top + 100);

    t = EnemyTori(900 - 707, 0, 0);
    t.Update();
    EXPECT_EQ(t.dead, 0) << "710 behind";
    t.Update();
    EXPECT_EQ(t.dead, 1) << "713 behind";
}

// --- Waking ---

TEST_F(Stage50, WakeDistancesAndWhatIsDrawnAsleep) {
    // The runner wakes once the hero is more than 700 past it.
    EnemyShellok& s = g_enemyShellok[0];
    s = EnemyShellok(200);
    s.Update();
    EXPECT_EQ(s.dormant, 1) << "700 past";
    s = EnemyShellok(199);
    s.Update();
    EXPECT_EQ(s.dormant, 0) << "701 past";
    EXPECT_EQ(s.x, 210);
    s = EnemyShellok(1600);
    s.Update();
    EXPECT_EQ(s.dormant, 1) << "ahead of the hero it never wakes";

    struct Case {
        int32_t distance;
        bool bat, corpse;
    };
    const Case cases[] = {{199, true, true}, {200, false, true}, {693, false, true}, {694, false, false}};
    for (const Case& c : cases) {
        for (const int32_t side : {1, -1}) {
            g_enemyKoumori[0] = EnemyKoumori(900 + side * c.distance);
            g_enemyKoumori[0].Update();
            EXPECT_EQ(g_enemyKoumori[0].dormant == 0, c.bat) << "bat at " << side * c.distance;
            g_enemyKyonsi[0] = EnemyKyonsi(900 + side * c.distance);
            g_enemyKyonsi[0].Update();
            EXPECT_EQ(g_enemyKyonsi[0].dormant == 0, c.corpse) << "corpse at " << side * c.distance;
        }
    }

    // Asleep in view, the bat hangs drawn from the top of the view.
    g_graphics.ClearBackBuffer();
    g_enemyKoumori[0] = EnemyKoumori(1150);
    g_enemyKoumori[0].Update();
    EXPECT_EQ(g_enemyKoumori[0].dormant, 1);
    EXPECT_GT(CountDrawn(), 0);
}

TEST_F(Stage50, TheRunnerCannotBeHitAndVanishesPast5760) {
    EnemyShellok& s = g_enemyShellok[0];
    s = EnemyShellok(900);
    s.dormant = 0;
    Whip(true);
    hero.invulnerable = 40;
    for (int f = 0; f < 5; ++f) s.Update();
    EXPECT_EQ(s.dead, 0);
    EXPECT_EQ(s.x, 955);
    s.x = 5749;
    s.Update();
    EXPECT_EQ(s.dead, 0) << "at 5760";
    s.Update();
    EXPECT_EQ(s.dead, 1) << "at 5771";
}

// --- Swoops and hops ---

TEST_F(Stage50, TheBatSwoopsToRow406TowardTheHeroAndHangsAgain) {
    EnemyKoumori& b = g_enemyKoumori[0];
    b = EnemyKoumori(850);
    b.dormant = 0;
    hero.invulnerable = 40;
    for (int f = 0; f < 19; ++f) b.Update();
    EXPECT_EQ(b.flying, 0);
    b.Update();
    EXPECT_EQ(b.flying, 1);
    EXPECT_EQ(b.dir, 1) << "the hero is right of it";
    int32_t deepest = b.y, frames = 1;
    while (b.flying != 0 && frames < 100) {
        b.Update();
        deepest = std::max(deepest, b.y);
        ++frames;
    }
    EXPECT_EQ(deepest, 406);
    EXPECT_EQ(frames, 58);
    EXPECT_EQ(b.x, 850 + 58 * 4);
    EXPECT_EQ(b.y, 0);
    EXPECT_EQ(b.frame, 0);
    EXPECT_EQ(b.counter, 0) << "and rests twenty frames again";
}

TEST_F(Stage50, TheCorpseHopsFortyTwoFramesTowardTheHeroAndStandsOnItsRow) {
    EnemyKyonsi& k = g_enemyKyonsi[0];
    k = EnemyKyonsi(1200);
    k.dormant = 0;
    hero.invulnerable = 40;
    for (int f = 0; f < 9; ++f) k.Update();
    EXPECT_EQ(k.jumping, 0);
    int frames = 0;
    do {
        const int32_t vy = k.vy;
        k.Update();
        ++frames;
        if (k.jumping != 0) {
            EXPECT_EQ(k.frame, frames == 1 || vy < 0 ? 4 : 5) << "rising, then falling, facing left";
        }
    } while (k.jumping != 0 && frames < 100);
    EXPECT_EQ(frames, 42);
    EXPECT_EQ(k.x, 1200 - 42 * 7);
    EXPECT_EQ(k.y, 383);
    EXPECT_EQ(k.y + 60, kGround) << "its feet on the street";
    EXPECT_EQ(k.frame, 3);
}

// --- The thunder spirits and their bolts ---

TEST_F(Stage50, SpiritsRideBetweenRows100And350AndFaceTheHero) {
    EnemyKaminarisama& k = g_enemyKaminarisama[0];
    k = EnemyKaminarisama(1500, 0);
    int32_t low = k.y, high = k.y;
    for (int f = 0; f < 120; ++f) {
        k.Update();
        low = std::min(low, k.y);
        high = std::max(high, k.y);
        EXPECT_EQ(k.frame, (k.counter % 10 > 5 ? 1 : 0) + 2) << "facing left, the hero at 900";
    }
    EXPECT_EQ(low, 94);
    EXPECT_EQ(high, 358);
    PutHero(1533, 340);
    k.Update();
    EXPECT_EQ(k.faceRight, 1);
    PutHero(1532, 340);
    k.Update();
    EXPECT_EQ(k.faceRight, 0);
}

TEST_F(Stage50, BothSpiritsShareOneRotatingBoltCountThatStaysInRange) {
    EnemyKaminarisama& a = g_enemyKaminarisama[0];
    EnemyKaminarisama& b = g_enemyKaminarisama[1];
    a = EnemyKaminarisama(800, 0);
    b = EnemyKaminarisama(1000, 5);
    g_kaminariBoltSlot = 0;
    const int expected[] = {1, 7, 3, 9, 0, 6, 2, 8};
    for (int n = 0; n < 8; ++n) {
        EnemyKaminarisama& k = n % 2 == 0 ? a : b;
        k.counter = 19;
        k.Update();
        const EnemyKaminari& bolt = g_enemyKaminari[expected[n]];
        EXPECT_EQ(bolt.dead, 0) << "throw " << n;
        EXPECT_EQ(bolt.x, k.x + 32);
        EXPECT_EQ(bolt.y, k.y + 32);
        g_enemyKaminari[expected[n]].dead = 1;
    }
    for (const int32_t stale : {-3, 5, 123456}) {
        g_kaminariBoltSlot = stale;
        a.counter = 19;
        a.Update();
        EXPECT_EQ(g_kaminariBoltSlot, 0) << "from " << stale;
        EXPECT_EQ(g_enemyKaminari[0].dead, 0);
    }
    // A base whose five slots leave the pool throws only into the pool.
    const int32_t refused = enemy::RefusedSlotCount();
    b = EnemyKaminarisama(1000, 8);
    g_kaminariBoltSlot = 1;
    b.counter = 19;
    b.Update();
    EXPECT_EQ(enemy::RefusedSlotCount(), refused + 1) << "slot 10";
}

TEST_F(Stage50, BoltsFallDownAndLeftWhicheverWayTheyFaceAndEndBelowTheView) {
    for (const int32_t faceRight : {1, 0}) {
        EnemyKaminari& k = g_enemyKaminari[0];
        k = EnemyKaminari(2000, 400, faceRight, 0);
        EXPECT_EQ(k.frame, faceRight ? 0 : 2);
        for (int f = 1; f <= 13; ++f) {
            k.Update();
            EXPECT_EQ(k.x, 2000 - 6 * f);
            EXPECT_EQ(k.dead, 0);
        }
        EXPECT_EQ(k.y, 478);
        k.Update();
        EXPECT_EQ(k.dead, 1) << "row 484";
    }
}

// --- Touch boxes on fixed rows ---

TEST_F(Stage50, CorpseAndRunnerTouchOnTheirSpriteRowsWhateverTheirRecords) {
    // The corpse's box is rows 381 .. 443 at x .. x + 48.
    EnemyZonbi& z = g_enemyZonbi[0];
    PutHero(1000, 443 - 2);  // body from row 443: below it
    z = EnemyZonbi(1000, 0);
    z.Update();
    EXPECT_EQ(hero.hp, 16);
    PutHero(1000, 443 - 3);
    z = EnemyZonbi(1000, 0);
    z.Update();
    EXPECT_EQ(hero.hp, 16 - Cost(2));

    // The runner's first pose leaves its first six columns harmless.
    EnemyShellok& s = g_enemyShellok[0];
    const std::pair<int32_t, bool> poses[] = {{0, false}, {5, true}};
    for (const auto& [counter, hurts] : poses) {
        s = EnemyShellok(1000);
        s.dormant = 0;
        s.counter = counter;
        PutHero(1000 + 11 + 6 - 30, 340);  // body right edge on the narrow box's left
        s.Update();
        EXPECT_EQ(hero.hp, hurts ? 16 - Cost(2) : 16) << "counter " << counter;
    }
}

// --- The frog ---

TEST_F(Stage50, AFrogFallingBelowRow480IsGone) {
    const std::pair<int32_t, bool> rows[] = {{474, false}, {475, true}};
    for (const auto& [y, gone] : rows) {
        EnemyGool& g = g_enemyGool[0];
        g = EnemyGool(3000, y, 1);
        g.dormant = 0;
        g.jumping = 1;
        g.highJump = 1;
        g.vy = 6;
        g.Update();
        EXPECT_EQ(g.dead == 1, gone) << "from row " << y;
    }
}

}  // namespace

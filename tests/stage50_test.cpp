// The last street's cast: the apple dropper's hover and its own apple slot,
// where corpses and birds come back, the wake distances, the bat's swoop and
// the corpse's hop, the thunder spirits' shared bolt slots, the touch boxes
// on fixed rows, and the frog lost in a pit.
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

namespace {

class Stage50 : public EnemyTest {
protected:
    void SetUp() override {
        EnemyTest::SetUp();
        g_stageNumber = 50;
        g_menu.StartStage();
        g_menu.active = 0;
        PutHero(900, 340);
        hero.invulnerable = 40;  // only the touch test lets him be hurt
    }
};

TEST_F(Stage50, TheDropperHoversAfterTwentyFramesOverTheHeroAndDropsOnlyIntoItsOwnSlot) {
    EnemySauji& s = g_enemySauji[0];
    s = EnemySauji(2000, 3);
    s.dir = 1;
    int frames = 0;
    for (; s.counter != 0 && frames < 100; ++frames) {
        hero.x = s.x;  // he keeps under it
        s.Update();
    }
    EXPECT_EQ(frames, 20);
    const int32_t at = s.x;
    for (int f = 1; f <= 9; ++f) {
        s.Update();
        EXPECT_EQ(s.x, at) << "hovering, frame " << f;
        EXPECT_EQ(g_enemyRingo[3].dead, f >= 5 ? 0 : 1) << "the apple falls at the fifth";
    }
    EXPECT_EQ(g_enemyRingo[3].x, at + 32);
    EXPECT_EQ(g_enemyRingo[2].dead + g_enemyRingo[4].dead, 2) << "no other slot";

    for (const int32_t slot : {10, -1}) {
        const int32_t refused = enemy::RefusedSlotCount();
        s = EnemySauji(900, slot);
        s.counter = 4;
        s.Update();
        EXPECT_EQ(enemy::RefusedSlotCount(), refused + 1) << "apple slot " << slot;
    }
    EnemyRingo& a = g_enemyRingo[0];
    a = EnemyRingo(3000, 0);
    while (a.dead == 0 && a.y < 600) a.Update();
    EXPECT_EQ(a.dead, 1);
    EXPECT_LE(a.y - (a.vy - 1), 504) << "gone the frame it passes row 504, at " << a.y;
}

TEST_F(Stage50, CorpsesAndBirdsComeBackOnlyInsideTheirWindows) {
    EnemyZonbi& z = g_enemyZonbi[0];
    PutHero(5260, 340);
    z = EnemyZonbi(0, 1);
    z.Update();
    EXPECT_EQ(z.dead, 1) << "no corpse once the hero reaches 5260";
    PutHero(3000, 340);
    int born = 0, stillborn = 0;
    for (int f = 0; f < 2000; ++f) {
        z = EnemyZonbi(0, 1);
        z.Update();
        if (z.dead != 0) {
            ++stillborn;
            continue;
        }
        ++born;
        EXPECT_TRUE(z.x >= 3704 && z.x <= 3708) << "lives only within 708 after its first step: " << z.x;
    }
    EXPECT_GT(born, 0);
    EXPECT_GT(stillborn, born * 10) << "most are reborn too far ahead and die again";

    const std::pair<int32_t, bool> windows[] = {{500, false}, {501, true}, {5399, true}, {5400, false}};
    for (const auto& [heroX, reborn] : windows) {
        PutHero(heroX, 340);
        g_enemyTori[0] = EnemyTori(0, 0, 1);
        g_enemyTori[0].Update();
        EXPECT_EQ(g_enemyTori[0].dead == 0, reborn) << "bird, hero at " << heroX;
        EXPECT_EQ(g_enemyTori[0].x, reborn ? heroX + 550 - 3 : 0);
    }
}

TEST_F(Stage50, WakeDistancesAndTheRunnersEnd) {
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
    g_graphics.ClearBackBuffer();
    g_enemyKoumori[0] = EnemyKoumori(1150);
    g_enemyKoumori[0].Update();
    EXPECT_GT(CountDrawn(), 0) << "asleep, the bat hangs in view";

    // The runner wakes once the hero is more than 700 past it.
    EnemyShellok& s = g_enemyShellok[0];
    for (const int32_t x : {200, 199, 1600}) {
        s = EnemyShellok(x);
        s.Update();
        EXPECT_EQ(s.dormant == 0, x == 199) << "runner at " << x;
        EXPECT_EQ(s.dead, 0);
    }
    s = EnemyShellok(940);
    s.dormant = 0;
    Whip(true);
    s.Update();
    EXPECT_EQ(s.dead, 0) << "the whip passes through it";
    s.x = 5749;
    s.Update();
    EXPECT_EQ(s.dead, 0) << "at 5760";
    s.Update();
    EXPECT_EQ(s.dead, 1) << "at 5771";
}

TEST_F(Stage50, TheBatSwoopsToRow406AndTheCorpseHopsFortyTwoFramesTowardTheHero) {
    EnemyKoumori& b = g_enemyKoumori[0];
    b = EnemyKoumori(850);
    b.dormant = 0;
    int32_t deepest = 0, frames = 0;
    for (int f = 0; f < 19; ++f) b.Update();
    do {
        b.Update();
        deepest = std::max(deepest, b.y);
        ++frames;
    } while (b.flying != 0 && frames < 100);
    EXPECT_EQ(deepest, 406);
    EXPECT_EQ(frames, 58);
    EXPECT_EQ(b.x, 850 + 58 * 4) << "toward the hero on its right";
    EXPECT_EQ(b.y + b.frame + b.counter, 0) << "hanging again, resting anew";

    EnemyKyonsi& k = g_enemyKyonsi[0];
    k = EnemyKyonsi(1200);
    k.dormant = 0;
    for (int f = 0; f < 9; ++f) k.Update();
    frames = 0;
    do {
        const bool rising = k.vy < 0 || frames == 0;
        k.Update();
        ++frames;
        if (k.jumping == 0) break;
        EXPECT_EQ(k.frame, rising ? 4 : 5) << "hop frame " << frames;
    } while (frames < 100);
    EXPECT_EQ(frames, 42);
    EXPECT_EQ(k.x, 1200 - 42 * 7);
    EXPECT_EQ(k.y + 60, 443) << "standing on the street";
    EXPECT_EQ(k.frame, 3);
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
        EnemyKaminari& bolt = g_enemyKaminari[expected[n]];
        EXPECT_EQ(bolt.dead, 0) << "throw " << n;
        EXPECT_EQ(bolt.x, k.x + 32);
        bolt.dead = 1;
    }
    for (const int32_t stale : {-3, 5, 123456}) {
        g_kaminariBoltSlot = stale;
        a.counter = 19;
        a.Update();
        EXPECT_EQ(g_kaminariBoltSlot, 0) << "from " << stale;
    }
    const int32_t refused = enemy::RefusedSlotCount();
    b = EnemyKaminarisama(1000, 8);
    g_kaminariBoltSlot = 1;
    b.counter = 19;
    b.Update();
    EXPECT_EQ(enemy::RefusedSlotCount(), refused + 1) << "slot 10 lies outside the pool";

    // Whichever way a bolt faces it falls down and left, gone below row 480.
    EnemyKaminari& bolt = g_enemyKaminari[0];
    bolt = EnemyKaminari(2000, 400, 1, 0);
    for (int f = 0; f < 13; ++f) bolt.Update();
    EXPECT_EQ(bolt.x, 2000 - 78);
    EXPECT_EQ(bolt.dead, 0) << "at row 478";
    bolt.Update();
    EXPECT_EQ(bolt.dead, 1);
}

TEST_F(Stage50, CorpseAndRunnerTouchOnTheirSpriteRowsWhateverTheirRecords) {
    hero.invulnerable = 0;
    EnemyZonbi& z = g_enemyZonbi[0];
    for (const int32_t heroY : {441, 440}) {  // the body starts at row 443, then 442
        PutHero(1000, heroY);
        z = EnemyZonbi(1000, 0);
        z.Update();
        EXPECT_EQ(hero.hp, heroY == 440 ? 16 - Cost(2) : 16) << "rows 381 .. 443";
    }
    // Its first pose leaves the runner's six leading columns harmless.
    EnemyShellok& s = g_enemyShellok[0];
    for (const int32_t counter : {0, 5}) {
        PutHero(1000 + 11 + 6 - 30, 340);  // his right edge on the narrow box's left
        s = EnemyShellok(1000);
        s.dormant = 0;
        s.counter = counter;
        s.Update();
        EXPECT_EQ(hero.hp, counter == 5 ? 16 - Cost(2) : 16) << "counter " << counter;
    }
}

TEST_F(Stage50, AFrogFallingBelowRow480IsGone) {
    for (const int32_t y : {474, 475}) {
        EnemyGool& g = g_enemyGool[0];
        g = EnemyGool(3000, y, 1);
        g.dormant = 0;
        g.jumping = 1;
        g.highJump = 1;
        g.vy = 6;
        g.Update();
        EXPECT_EQ(g.dead, y == 475 ? 1 : 0) << "from row " << y;
    }
}

}  // namespace

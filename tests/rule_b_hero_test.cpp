// The default hero under damage rule B: full damage and no window in which
// it cannot be hit.
#include "engine/game_state.h"
#include "game_test.h"
#include "heroes_test.h"
#include "players/damage.h"
#include "players/player_doran.h"
#include "players/player_front.h"
#include "shell/menu.h"

class DoranRuleB : public heroes::HeroTest {
protected:
    void SetUp() override {
        HeroTest::SetUp();
        Play(heroes::kDoran);
    }
    PlayerDoran& d = g_playerDoran;
};

TEST_F(DoranRuleB, BuiltWithRuleB) { EXPECT_EQ(g_damageRule, 1); }

TEST_F(DoranRuleB, FullDamageByLevel) {
    const int expected[][2] = {{1, 1}, {2, 2}, {3, 3}, {6, 6}, {16, 16}};
    for (auto [level, lost] : expected) {
        g_playerDoran = PlayerDoran();
        d.hp = 16;
        g_playerFront.TakeDamage(level);
        EXPECT_EQ(d.hp, 16 - lost) << level;
        EXPECT_EQ(d.invulnerable, 0);
    }
    g_playerDoran = PlayerDoran();
    g_playerFront.TakeDamage(32);
    EXPECT_EQ(d.hp, 0);
}

TEST_F(DoranRuleB, HittableAgainAsSoonAsTheKnockBackLands) {
    g_playerFront.TakeDamage(1);
    platform::Rect box{};
    EXPECT_EQ(g_playerFront.GetHurtBox(&box), 0) << "knocked back";
    int frames = 0;
    while (d.knockedBack && frames < 50) {
        Tick();
        ++frames;
    }
    ASSERT_EQ(d.knockedBack, 0);
    EXPECT_LT(frames, 40);
    EXPECT_EQ(g_playerFront.GetHurtBox(&box), 1);
}

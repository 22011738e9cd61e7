// The four other heroes under damage rule B: full damage by each hero's
// factor and no window in which they cannot be hit.
#include <vector>

#include "heroes_test.h"
#include "players/damage.h"

using namespace heroes;

namespace heroes {

const int32_t* LossTable(int32_t hero) {
    static constexpr int32_t kSeliyaLoss[8] = {4, 8, 12, 16, 20, 24, 64, 128};
    static constexpr int32_t kVarmielLoss[8] = {3, 6, 9, 12, 15, 18, 48, 96};
    static constexpr int32_t kDoranLoss[8] = {1, 2, 3, 4, 5, 6, 16, 32};
    static constexpr int32_t kTavishLoss[8] = {1, 3, 4, 6, 7, 9, 24, 48};
    static constexpr int32_t kNerysLoss[8] = {3, 7, 10, 14, 17, 21, 56, 112};
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

using HeroesRuleB = HeroTest;

TEST_F(HeroesRuleB, FullDamageByLevelForEveryHero) {
    ASSERT_EQ(g_damageRule, 1);
    for (int32_t hero : kAllHeroes) {
        Play(hero);
        for (int i = 0; i < 8; ++i) {
            g_playerFront.Reset();
            PlaceHero(g_playerFront.GetX(), g_playerFront.GetY(), 200);
            g_playerFront.TakeDamage(kLevels[i]);
            EXPECT_EQ(g_playerFront.GetHP(), 200 - LossTable(hero)[i]) << hero << " level " << kLevels[i];
        }
        g_playerFront.Reset();
        g_playerFront.TakeDamage(16);
        EXPECT_EQ(g_playerFront.GetHP(), std::max(0, 16 - LossTable(hero)[6])) << hero;
    }
}

TEST_F(HeroesRuleB, HittableAgainOnceTheKnockBackLands) {
    for (int32_t hero : kAllHeroes) {
        Play(hero);
        g_playerFront.TakeDamage(1);
        platform::Rect box{};
        EXPECT_EQ(g_playerFront.GetHurtBox(&box), 0) << hero << " knocked back";
        int frames = 0;
        while (g_playerFront.GetHurtBox(&box) == 0 && frames < 60) {
            Tick();
            ++frames;
        }
        EXPECT_LT(frames, 40) << hero;
    }
}

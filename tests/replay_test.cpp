#include "replay_playback.h"

#include <cstdlib>

#include "players/player_doran.h"
#include "players/player_front.h"

namespace {

// A crowded stage played with a fixed pattern of keys.
uint8_t PatternKeys(int frame) {
    uint8_t k = 8;                                           // Right
    if (frame % 29 < 6) k |= 16;                             // a jump now and then
    if (frame % 11 == 0) k |= 32;                            // an attack
    if (frame % 97 > 80) k = 4 | (frame % 3 == 0 ? 32 : 0);  // a turn back
    return k;
}

class Snapshot : public DataDirTest {};

TEST_F(Snapshot, RestoreThenPlayIsPlayingOn) {
    struct Case {
        int32_t stage, hero;
    };
    for (const Case c : {Case{1, 2}, Case{32, 5}, Case{41, 0}, Case{42, 6}, Case{48, 1}}) {
        StartStageRun(backend, c.stage, c.hero, 77);
        for (int f = 0; f < 150; ++f) StepFrame(backend, PatternKeys(f));
        GameSnapshot at150;
        SaveGame(at150);
        const uint64_t d150 = GameDigest();
        for (int f = 150; f < 450; ++f) StepFrame(backend, PatternKeys(f));
        const uint64_t playedOn = GameDigest();
        const int32_t next = std::rand();
        EXPECT_NE(playedOn, d150) << "stage " << c.stage << ": nothing moved in 300 frames";

        // Played elsewhere, then put back.
        for (int f = 0; f < 200; ++f) StepFrame(backend, static_cast<uint8_t>(4 | (f % 5 == 0 ? 48 : 0)));
        RestoreGame(at150);
        EXPECT_EQ(GameDigest(), d150);
        for (int f = 150; f < 450; ++f) StepFrame(backend, PatternKeys(f));
        EXPECT_EQ(GameDigest(), playedOn) << "stage " << c.stage;
        EXPECT_EQ(std::rand(), next) << "stage " << c.stage << ": the random numbers went another way";
    }
}

TEST_F(Snapshot, ASeedGivesOneRun) {
    uint64_t digests[2] = {};
    for (uint64_t& d : digests) {
        StartStageRun(backend, 37, 2, 5);
        for (int f = 0; f < 300; ++f) StepFrame(backend, PatternKeys(f));
        d = GameDigest();
    }
    EXPECT_EQ(digests[0], digests[1]);
}

TEST(ReplayFile, RoundTripsAndRefusesWhatIsNotWhole) {
    Replay r;
    r.stage = 7;
    r.hero = "nerys";
    r.rule = 'b';
    r.seed = 4242;
    r.hp = 11;
    r.digest = 0x0123456789abcdefull;
    for (int i = 0; i < 700; ++i) r.keys.push_back(static_cast<uint8_t>(i / 13 % 3 == 0 ? 0x18 : i % 7));
    const std::string text = FormatReplay(r);
    Replay back;
    std::string error;
    ASSERT_TRUE(ParseReplay(text, &back, &error)) << error;
    EXPECT_EQ(back.stage, 7);
    EXPECT_EQ(back.hero, "nerys");
    EXPECT_EQ(back.rule, 'b');
    EXPECT_EQ(back.seed, 4242u);
    EXPECT_EQ(back.hp, 11);
    EXPECT_EQ(back.digest, r.digest);
    EXPECT_EQ(back.keys, r.keys);

    auto refused = [&](std::string t) {
        Replay x;
        std::string why;
        return !ParseReplay(t, &x, &why) && !why.empty();
    };
    auto replaced = [&](const std::string& from, const std::string& to) {
        std::string t = text;
        t.replace(t.find(from), from.size(), to);
        return t;
    };
    EXPECT_TRUE(refused(""));
    EXPECT_TRUE(refused(replaced("stage 7", "stage 51")));
    EXPECT_TRUE(refused(replaced("rule b", "rule c")));
    EXPECT_TRUE(refused(replaced("frames 700", "frames 701"))) << "runs short of the count";
    EXPECT_TRUE(refused(replaced("frames 700", "frames 699"))) << "runs past the count";
    EXPECT_TRUE(refused(replaced("frames 700", "frames 99999999999")));
    EXPECT_TRUE(refused(replaced("\nend\n", "\n")));
    EXPECT_TRUE(refused(replaced("keys\n", "keys\n1*100 ")));
    EXPECT_TRUE(refused(replaced("keys\n", "keys\n*1 ")));
    EXPECT_TRUE(refused(replaced("keys\n", "keys\n3x1 ")));
    EXPECT_TRUE(refused(replaced("digest 0123456789abcdef", "digest 0123456789abcdeg")));
    EXPECT_FALSE(ReadReplayFile("/nonexistent/stage01-doran-a.replay", &back, &error));
}

class KeptReplay : public DataDirTest, public ::testing::WithParamInterface<std::string> {};

TEST_P(KeptReplay, ClearsAsKept) { PlayBack(backend, GetParam(), 'a'); }

INSTANTIATE_TEST_SUITE_P(RuleA, KeptReplay, ::testing::ValuesIn(KeptReplays('a')), ReplayTestName);
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(KeptReplay);

}  // namespace

#include "replay_playback.h"

namespace {

class KeptReplayB : public DataDirTest, public ::testing::WithParamInterface<std::string> {};

TEST_P(KeptReplayB, ClearsAsKept) { PlayBack(backend, GetParam(), 'b'); }

INSTANTIATE_TEST_SUITE_P(RuleB, KeptReplayB, ::testing::ValuesIn(KeptReplays('b')), ReplayTestName);
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(KeptReplayB);

}  // namespace

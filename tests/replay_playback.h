#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/game_state.h"
#include "game_test.h"
#include "play/replay.h"
#include "play/snapshot.h"
#include "play/stage_run.h"

// The kept replays of one damage rule, by file name.
inline std::vector<std::string> KeptReplays(char rule) {
    std::vector<std::string> names;
    const std::filesystem::path dir = std::filesystem::path(MORVANE_SOURCE_DIR) / "tests" / "replays";
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(dir, ec)) {
        const std::string name = e.path().filename().string();
        if (name.size() > 9 && name.ends_with(std::string("-") + rule + ".replay")) names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

inline std::string ReplayTestName(const ::testing::TestParamInfo<std::string>& info) {
    std::string n = info.param.substr(0, info.param.size() - 7);
    std::replace(n.begin(), n.end(), '-', '_');
    return n;
}

// Plays the replay through the real frame loop from a fresh start: the stage
// clears on its last frame and not before, with the hit points and the state
// of every record it was kept with.
inline void PlayBack(platform::HeadlessBackend& backend, const std::string& name, char rule) {
    const std::string path = std::string(MORVANE_SOURCE_DIR) + "/tests/replays/" + name;
    Replay r;
    std::string error;
    ASSERT_TRUE(ReadReplayFile(path, &r, &error)) << error;
    ASSERT_EQ(r.rule, rule);
    ASSERT_EQ(ReplayFileName(r.stage, r.hero, r.rule), name);
    const int32_t hero = HeroItemNamed(r.hero);
    ASSERT_GE(hero, 0);
    const size_t clearedAt = PlayToClear(backend, r.stage, hero, r.seed, r.keys);
    const HeroView h = SelectedHero();
    ASSERT_EQ(clearedAt, r.keys.size()) << "stage " << r.stage << " " << r.hero << ": hero ended at x " << h.x << " y "
                                        << h.y << " hp " << h.hp;
    EXPECT_EQ(h.hp, r.hp);
    EXPECT_EQ(GameDigest(), r.digest) << "the records at the clear differ from the kept run";
}

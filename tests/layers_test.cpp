#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "engine/camera.h"
#include "engine/game_state.h"
#include "game_test.h"
#include "players/player_doran.h"
#include "players/player_front.h"
#include "players/player_nerys.h"
#include "players/player_seliya.h"
#include "players/player_seliya_varm.h"
#include "players/player_tavish.h"
#include "stages/stage.h"

namespace {

namespace fs = std::filesystem;

// The game's folders, top to bottom.
const std::vector<std::string> kLayers = {"shell", "stages", "enemies", "players", "ground", "engine", "platform"};

int LayerOf(const std::string& folder) {
    for (size_t i = 0; i < kLayers.size(); ++i)
        if (kLayers[i] == folder) return static_cast<int>(i);
    return -1;
}

// The includes of a file as written between the quotes or angle brackets.
std::vector<std::string> IncludesOf(const fs::path& file) {
    std::vector<std::string> out;
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line)) {
        const size_t at = line.find("#include");
        if (at == std::string::npos) continue;
        const size_t open = line.find_first_of("\"<", at);
        const size_t close = open == std::string::npos ? open : line.find_first_of("\">", open + 1);
        if (close != std::string::npos) out.push_back(line.substr(open, close - open));
    }
    return out;
}

// Calls f(file, layer index) for every source of the game's folders.
template <class F>
int EachGameSource(F f) {
    int files = 0;
    for (size_t layer = 0; layer < kLayers.size(); ++layer) {
        for (const auto& e : fs::recursive_directory_iterator(fs::path(MORVANE_SOURCE_DIR) / kLayers[layer])) {
            const std::string ext = e.path().extension().string();
            if (ext != ".cpp" && ext != ".h" && ext != ".def") continue;
            f(e.path(), static_cast<int>(layer));
            ++files;
        }
    }
    return files;
}

TEST(Layers, NoFileIncludesAFolderAboveItsOwn) {
    const int files = EachGameSource([](const fs::path& file, int layer) {
        for (const std::string& inc : IncludesOf(file)) {
            if (inc[0] != '"') continue;
            const size_t slash = inc.find('/');
            if (slash == std::string::npos) continue;  // beside the file itself
            const int target = LayerOf(inc.substr(1, slash - 1));
            EXPECT_FALSE(target >= 0 && target < layer) << file.string() << " includes " << inc.substr(1);
            EXPECT_EQ(inc.find(".."), std::string::npos) << file.string() << " includes " << inc.substr(1);
        }
    });
    EXPECT_GT(files, 400) << "the walk missed the tree";
}

TEST(Layers, OnlyThePlatformIncludesSdl) {
    EachGameSource([](const fs::path& file, int layer) {
        if (kLayers[layer] == "platform") return;
        for (const std::string& inc : IncludesOf(file))
            EXPECT_NE(inc.rfind("<SDL", 0), 0u) << file.string() << " includes " << inc.substr(1);
    });
}

class CameraHero : public GameTest {};

// The camera reads the selected hero's own x, also one set from outside.
TEST_F(CameraHero, FollowsTheSelectedHero) {
    g_stage.SetEndX(6000);
    g_playerDoran.x = 1000;
    g_playerTavish.x = 2000;
    g_playerSeliya.x = 3000;
    g_playerSeliyaVarm.x = 4000;
    g_playerNerys.x = 5000;
    for (auto [hero, x] : {std::pair{2, 1000}, {5, 2000}, {0, 3000}, {1, 4000}, {6, 5000}}) {
        g_playerFront.Select(hero);
        EXPECT_EQ(g_playerFront.GetX(), x) << hero;
        EXPECT_EQ(WorldToScreenX(x), 320) << hero;
        EXPECT_EQ(WorldToScreenX(x + 100), 420) << hero;
    }
    g_playerFront = PlayerFront();
    EXPECT_EQ(WorldToScreenX(1000), 320) << "a fresh player front follows Doran again";
}

// A fallen hero's restart is the frame loop's to carry out; placing the
// stage's objects answers it, as a stage start does.
TEST_F(CameraHero, PlacingTheObjectsAnswersARestartRequest) {
    g_stageRestartRequest = 1;
    g_stage.PlaceObjects();
    EXPECT_EQ(g_stageRestartRequest, 0);
}

}  // namespace

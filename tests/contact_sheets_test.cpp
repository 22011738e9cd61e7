// The review sheets: one PNG per family, every set in the family that draws
// it, and the game's data tree untouched by them.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tools/contact_sheets.h"

namespace {

std::vector<uint8_t> Bytes(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

uint32_t BigEndian(const std::vector<uint8_t>& b, size_t at) {
    return uint32_t{b[at]} << 24 | uint32_t{b[at + 1]} << 16 | uint32_t{b[at + 2]} << 8 | b[at + 3];
}

TEST(ContactSheets, OnePngPerFamilyWithBoxesOnASecondCopy) {
    // A folder of this run's own: other runs of the tests may be writing theirs.
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("morvane-sheets-test-" + std::to_string(::getpid()));
    std::filesystem::remove_all(dir);
    const std::vector<SheetBox> boxes = {{"Red_Whip", 3, platform::Rect{0, 0, 144, 60}, false}};
    ASSERT_TRUE(WriteContactSheets(dir.string(), &boxes));
    for (const char* family :
         {"walkers", "warriors", "bosses", "stage50", "heroes", "hero_shots", "life_bars_and_orb"}) {
        for (const std::string& name : {std::string(family) + ".png", std::string(family) + "-boxes.png"}) {
            const std::vector<uint8_t> png = Bytes(dir / name);
            ASSERT_GT(png.size(), 33u) << name;
            EXPECT_EQ(std::string(png.begin() + 1, png.begin() + 4), "PNG") << name;
            EXPECT_EQ(std::string(png.begin() + 12, png.begin() + 16), "IHDR") << name;
            EXPECT_GT(BigEndian(png, 16), 60u) << name;  // a label and a frame at least
            EXPECT_GT(BigEndian(png, 20), 20u) << name;
        }
    }
    // The whip's box, longer than its frame, widens its cell on the second copy.
    EXPECT_NE(Bytes(dir / "warriors.png"), Bytes(dir / "warriors-boxes.png"));
    // Without boxes, no second copy.
    std::filesystem::remove_all(dir);
    ASSERT_TRUE(WriteContactSheets(dir.string()));
    EXPECT_TRUE(std::filesystem::exists(dir / "ground.png"));
    EXPECT_FALSE(std::filesystem::exists(dir / "ground-boxes.png"));
    std::filesystem::remove_all(dir);
}

TEST(ContactSheets, AFolderThatCannotBeMadeIsAFailure) {
    EXPECT_FALSE(WriteContactSheets("/proc/no-such-place/sheets"));
}

}  // namespace

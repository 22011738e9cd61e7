// The bosses' and the last stage's pictures as the game draws them: standing
// bosses meet their arena's floor, the two facings of a pose are one picture
// turned round and look the way they face, and the keyless light of the last
// lord holds no key colour.
#include <algorithm>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "engine/graphics.h"
#include "engine/sprite_draw_kinds.h"
#include "engine/sprite_sets.h"
#include "game_test.h"
#include "players/player_doran.h"
#include "tools/gen_canvas.h"

namespace {

namespace sd = sprite_draw;

constexpr int32_t kArenaFloor = 413;   // the floor top of every boss arena
constexpr int32_t kStreetFloor = 443;  // the last stage's
constexpr uint8_t kFill = 3;

class BossPictures : public DataDirTest {
protected:
    void SetUp() override {
        DataDirTest::SetUp();
        StartGame();
        g_playerDoran.x = 0;  // world x = screen x
    }
    // The lowest opaque row of one draw, -1 when it draws nothing.
    int32_t LowestRow(int kind, int32_t x, int32_t y, int32_t frame) {
        platform::Surface& back = *g_graphics.BackBuffer();
        platform::Fill(back, nullptr, kFill);
        sd::DrawSpriteKind(g_graphics, kind, x, y, frame);
        for (int32_t row = back.Height() - 1; row >= 0; --row)
            for (int32_t col = 0; col < back.Width(); ++col)
                if (back.Row(row)[col] != kFill) return row;
        return -1;
    }
    const platform::Surface& Image(const SpriteSet& set, int frame) { return *g_graphics.Slot(set.first + frame); }
    // The opaque pixels of a frame's image, optionally turned round.
    std::set<std::pair<int, int>> Pixels(const SpriteSet& set, int frame, bool mirror) {
        std::set<std::pair<int, int>> out;
        const platform::Surface& s = Image(set, frame);
        for (int y = 0; y < s.Height(); ++y)
            for (int x = 0; x < s.Width(); ++x)
                if (s.Row(y)[x] != set.KeyOf(frame)) out.insert({mirror ? s.Width() - 1 - x : x, y});
        return out;
    }
};

// Every frame a boss shows while it stands in its arena ends on the row above
// the floor; the last stage's corpses stand on the street. The minotaur's
// hop as it throws and heaves its axe up (5, 8) is in the air by its boxes.
TEST_F(BossPictures, StandingFramesMeetTheFloor) {
    struct Stander {
        int kind;
        int32_t x, y, floor;
        std::vector<int32_t> frames;
    };
    const std::vector<Stander> standers = {
        {sd::kWWolf, 300, 289, kArenaFloor, {0, 1, 2, 3, 4, 5, 6, 7, 11, 12, 13, 14, 15, 16, 17, 18}},
        {sd::kMino, 250, 225, kArenaFloor, {0, 1, 2, 3, 4, 6, 7, 9, 10, 11, 13, 14, 15, 16, 17, 19, 20, 22, 23, 24}},
        {sd::kBMedyusa, 450, 291, kArenaFloor, {0, 1, 2, 3}},
        {sd::kMiira, 450, 331, kArenaFloor, {0, 1}},
        {sd::kHuranken, 500, 287, kArenaFloor, {0, 1, 2, 3, 4, 5, 6}},
        {sd::kQuorth, 300, 305, kArenaFloor, {0}},
        {sd::kBeri1, 250, 291, kArenaFloor, {0, 2, 3, 5}},
        {sd::kBeri2, 200, 287, kArenaFloor, {0, 1, 2}},
        {sd::kGyai1, 300, 227, kArenaFloor, {5, 6}},
        {sd::kDeath1, 300, 285, kArenaFloor, {0, 1}},
        {sd::kDeath2, 200, 235, kArenaFloor, {2, 3, 4, 5, 6, 7}},
        {sd::kMorvane1, 0, 0, kArenaFloor, {0, 1, 2, 3, 4, 5}},
        {sd::kMorvane2, 28, 0, kArenaFloor, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}},
        {sd::kMaryoku, 296, 381, kArenaFloor, {1}},
        {sd::kZonbi, 300, 0, kStreetFloor, {0, 1}},
        {sd::kKyonsi, 300, 383, kStreetFloor, {0, 3}},
    };
    for (const Stander& s : standers)
        for (const int32_t f : s.frames)
            EXPECT_NEAR(LowestRow(s.kind, s.x, s.y, f), s.floor - 1, 4)
                << sd::SpriteDrawSetName(s.kind) << " frame " << f;
}

// Sets whose two facings share their boxes: the left picture is the right
// one turned round, pixel for pixel.
TEST_F(BossPictures, FacingTwinsAreOnePictureTurnedRound) {
    const std::vector<std::pair<const char*, std::vector<std::pair<int, int>>>> twins = {
        {"Beri_1", {{0, 3}, {1, 4}, {2, 5}}},
        {"Beri_2", {{0, 1}}},
        {"Death_1", {{0, 1}}},
        {"Gool", {{0, 2}, {1, 3}}},
        {"Kyonsi", {{0, 3}, {1, 4}, {2, 5}}},
        {"Kaminarisama", {{0, 2}, {1, 3}}},
        {"Kaminari", {{0, 2}}},
        {"Morvane1", {{0, 3}, {1, 4}, {2, 5}}},
        {"Morvane2", {{0, 8}, {1, 9}, {2, 10}, {3, 11}, {4, 12}, {5, 13}, {6, 14}, {7, 15}}},
        {"Sauji", {{0, 3}, {1, 4}, {2, 5}}},
        {"HellFire", {{0, 1}}},
        {"Stn_fire", {{0, 1}}},
        {"Medyusa", {{0, 1}}},
        {"Tuti", {{1, 0}}},
    };
    for (const auto& [name, pairs] : twins) {
        const SpriteSet& set = *FindSpriteSet(name);
        for (const auto& [right, left] : pairs) {
            const auto turned = Pixels(set, right, true);
            ASSERT_FALSE(turned.empty()) << name << " frame " << right;
            EXPECT_EQ(turned, Pixels(set, left, false)) << name << " frames " << right << " and " << left;
        }
    }
}

// A kind's eyes sit on the side it faces: ahead of the middle of its head
// (poses with a limb raised beside the head, such as climbing, left out).
TEST_F(BossPictures, EyesLookTheWayTheKindFaces) {
    struct Look {
        const char* set;
        uint8_t eye;
        std::vector<int> right, left;
    };
    const std::vector<Look> looks = {
        {"W_Wolf", Shade(kRed, 11), {0, 1, 2, 3, 4, 5, 6, 7}, {11, 12, 13, 14, 15, 16, 17, 18}},
        {"Beri_1", Shade(kYellow, 14), {0, 1}, {3, 4}},
        {"Beri_2", Shade(kYellow, 14), {0, 2}, {1}},
        {"B_Medyusa", Shade(kRed, 8), {}, {0, 1, 2, 3}},
        {"Medyusa", Shade(kRed, 8), {0}, {1}},
        {"Miira", Shade(kYellow, 13), {}, {0}},
        {"Huranken", Shade(kYellow, 13), {}, {0, 1, 4}},
        {"Gyai_1", Shade(kRed, 10), {}, {3, 4, 5, 6}},
        {"Gyai_2", Shade(kYellow, 14), {}, {3}},
        {"Zonbi", Shade(kYellow, 13), {}, {0, 1}},
    };
    for (const Look& l : looks) {
        const SpriteSet& set = *FindSpriteSet(l.set);
        for (const bool right : {true, false})
            for (const int f : right ? l.right : l.left) {
                const platform::Surface& s = Image(set, f);
                // The eye against the middle of what lies on its rows: the head.
                int top = s.Height(), bottom = -1, n = 0;
                double sum = 0;
                for (int y = 0; y < s.Height(); ++y)
                    for (int x = 0; x < s.Width(); ++x)
                        if (s.Row(y)[x] == l.eye)
                            sum += x, n += 1, top = std::min(top, y), bottom = std::max(bottom, y);
                ASSERT_GT(n, 0) << l.set << " frame " << f << " has no eye";
                int lo = s.Width(), hi = -1;
                for (int y = top; y <= bottom; ++y)
                    for (int x = 0; x < s.Width(); ++x)
                        if (s.Row(y)[x] != set.KeyOf(f)) lo = std::min(lo, x), hi = std::max(hi, x);
                const double middle = (lo + hi) / 2.0;
                if (right)
                    EXPECT_GT(sum / n, middle) << l.set << " frame " << f << " looks left";
                else
                    EXPECT_LT(sum / n, middle) << l.set << " frame " << f << " looks right";
            }
    }
}

// The light the second lord vanishes and returns in is copied without a key:
// a key-coloured pixel in it would show as a hole of black.
TEST_F(BossPictures, TheLordsLightHasNoHoles) {
    const SpriteSet& set = *FindSpriteSet("Morvane2");
    for (int f = 16; f < 20; ++f) {
        ASSERT_LT(set.KeyOf(f), 0);
        const platform::Surface& s = Image(set, f);
        int holes = 0;
        for (int y = 0; y < s.Height(); ++y)
            for (int x = 0; x < s.Width(); ++x) holes += s.Row(y)[x] == 0 || s.Row(y)[x] == 255;
        EXPECT_EQ(holes, 0) << "frame " << f;
    }
}

}  // namespace

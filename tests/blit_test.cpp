#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "platform/platform.h"

using platform::Blit;
using platform::Fill;
using platform::Rect;
using platform::Surface;

namespace {

Surface Pattern(int w, int h) {
    Surface s(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) s.Row(y)[x] = static_cast<uint8_t>(1 + x + 10 * y);
    return s;
}

bool AllIndex(const Surface& s, uint8_t v) {
    for (int y = 0; y < s.Height(); ++y)
        for (int x = 0; x < s.Width(); ++x)
            if (s.Row(y)[x] != v) return false;
    return true;
}

}  // namespace

TEST(Blit, NewSurfaceHoldsIndexZero) {
    Surface s(7, 5);
    EXPECT_TRUE(AllIndex(s, 0));
}

TEST(Blit, RefusesAnythingThatWouldNeedClipping) {
    const Surface src = Pattern(8, 8);
    Surface dst(16, 16);
    const Rect srcAll{0, 0, 8, 8};
    const Rect refused[] = {
        {-1, 0, 7, 8},  // left of the target
        {9, 0, 17, 8},  // past its right edge
        {0, -1, 8, 7},  // above
        {0, 9, 8, 17},  // below
        {4, 4, 4, 12},  // empty
        {8, 8, 0, 0},   // inverted
    };
    for (const Rect& d : refused) {
        EXPECT_FALSE(Blit(dst, &d, src, &srcAll, false)) << d.left << "," << d.top;
        EXPECT_TRUE(AllIndex(dst, 0)) << "a refused blit must draw nothing";
    }
    const Rect inside{0, 0, 8, 8};
    const Rect srcOut[] = {{1, 0, 9, 8}, {0, -1, 8, 7}, {3, 3, 3, 5}, {5, 0, 2, 8}};
    for (const Rect& s : srcOut) EXPECT_FALSE(Blit(dst, &inside, src, &s, false));
    EXPECT_TRUE(AllIndex(dst, 0));
    // Touching the far edges exactly is inside.
    const Rect corner{8, 8, 16, 16};
    EXPECT_TRUE(Blit(dst, &corner, src, &srcAll, false));
    EXPECT_EQ(dst.Row(15)[15], src.Row(7)[7]);
}

TEST(Blit, OpaqueCopyAndSubRectangle) {
    const Surface src = Pattern(8, 8);
    Surface dst(10, 10);
    const Rect s{2, 3, 5, 6};
    const Rect d{4, 1, 7, 4};
    ASSERT_TRUE(Blit(dst, &d, src, &s, false));
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x) EXPECT_EQ(dst.Row(1 + y)[4 + x], src.Row(3 + y)[2 + x]);
    EXPECT_EQ(dst.Row(0)[4], 0);
    EXPECT_EQ(dst.Row(1)[3], 0);
    EXPECT_EQ(dst.Row(4)[4], 0);
}

TEST(Blit, ColourKeyLeavesKeyedPixelsOut) {
    for (int key : {0, 255}) {
        Surface src(4, 1);
        const uint8_t row[4] = {static_cast<uint8_t>(key), 9, static_cast<uint8_t>(key), 7};
        for (int x = 0; x < 4; ++x) src.Row(0)[x] = row[x];
        src.SetColorKey(key);
        Surface dst(4, 1);
        Fill(dst, nullptr, 42);
        ASSERT_TRUE(Blit(dst, nullptr, src, nullptr, true));
        EXPECT_EQ(dst.Row(0)[0], 42);
        EXPECT_EQ(dst.Row(0)[1], 9);
        EXPECT_EQ(dst.Row(0)[2], 42);
        EXPECT_EQ(dst.Row(0)[3], 7);
        // Without the key flag every pixel is copied.
        ASSERT_TRUE(Blit(dst, nullptr, src, nullptr, false));
        EXPECT_EQ(dst.Row(0)[0], key);
    }
}

TEST(Blit, StretchIsNearestNeighbourBothWays) {
    Surface src(2, 2);
    src.Row(0)[0] = 1;
    src.Row(0)[1] = 2;
    src.Row(1)[0] = 3;
    src.Row(1)[1] = 4;
    Surface big(6, 4);
    ASSERT_TRUE(Blit(big, nullptr, src, nullptr, false));
    const uint8_t want[4][6] = {{1, 1, 1, 2, 2, 2}, {1, 1, 1, 2, 2, 2}, {3, 3, 3, 4, 4, 4}, {3, 3, 3, 4, 4, 4}};
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x) EXPECT_EQ(big.Row(y)[x], want[y][x]) << x << "," << y;

    const Surface wide = Pattern(8, 4);
    Surface small(4, 2);
    ASSERT_TRUE(Blit(small, nullptr, wide, nullptr, false));
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x) EXPECT_EQ(small.Row(y)[x], wide.Row(2 * y + 1)[2 * x + 1]);

    // A keyed stretch still leaves keyed pixels out.
    Surface keyed(1, 1);
    keyed.SetColorKey(0);
    Surface dst(3, 3);
    Fill(dst, nullptr, 5);
    ASSERT_TRUE(Blit(dst, nullptr, keyed, nullptr, true));
    EXPECT_TRUE(AllIndex(dst, 5));
}

TEST(Blit, FillFollowsTheSameRules) {
    Surface s(5, 5);
    const Rect inside{1, 1, 3, 4};
    ASSERT_TRUE(Fill(s, &inside, 9));
    EXPECT_EQ(s.Row(1)[1], 9);
    EXPECT_EQ(s.Row(3)[2], 9);
    EXPECT_EQ(s.Row(0)[0], 0);
    EXPECT_EQ(s.Row(1)[3], 0);
    const Rect outside{3, 3, 6, 5};
    EXPECT_FALSE(Fill(s, &outside, 1));
    EXPECT_EQ(s.Row(4)[4], 0);
}

// The keyed copy against the plain per-pixel rule, over random sprites with
// runs of key, at random sizes and places (row ends included), both keys.
TEST(Blit, KeyedCopyMatchesThePixelByPixelRule) {
    std::mt19937 rng(25);
    const auto pick = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    for (int round = 0; round < 400; ++round) {
        platform::Surface src(pick(1, 70), pick(1, 20));
        const uint8_t key = round % 2 ? 255 : 0;
        src.SetColorKey(key);
        for (int y = 0; y < src.Height(); ++y)
            for (int x = 0; x < src.Width(); ++x)
                src.Row(y)[x] = pick(0, 2) == 0 ? key : static_cast<uint8_t>(pick(0, 255));
        platform::Surface dst(80, 24);
        for (int y = 0; y < dst.Height(); ++y)
            for (int x = 0; x < dst.Width(); ++x) dst.Row(y)[x] = static_cast<uint8_t>(pick(0, 255));
        const int l = pick(0, src.Width() - 1), t = pick(0, src.Height() - 1);
        const platform::Rect s{l, t, pick(l + 1, src.Width()), pick(t + 1, src.Height())};
        const int w = s.right - s.left, h = s.bottom - s.top;
        const int dx = pick(0, dst.Width() - w), dy = pick(0, dst.Height() - h);
        const platform::Rect d{dx, dy, dx + w, dy + h};
        platform::Surface want = dst;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (const uint8_t v = src.Row(s.top + y)[s.left + x]; v != key) want.Row(dy + y)[dx + x] = v;
        ASSERT_TRUE(platform::Blit(dst, &d, src, &s, true));
        for (int y = 0; y < dst.Height(); ++y)
            ASSERT_EQ(0, std::memcmp(dst.Row(y), want.Row(y), static_cast<size_t>(dst.Width())))
                << "round " << round << ", row " << y;
    }
}

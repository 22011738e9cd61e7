// The stage panels as the game loads them. Every walking surface of the floor
// table is drawn on the very row the game stands on, in a colour the scenery
// above it never uses and that marks walking surfaces alone; the heroes, once
// landed at a stage's start, stand on that edge; a picture shared by several
// panels shows only the ground they all have; and no two stages look alike.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "engine/camera.h"
#include "engine/game_state.h"
#include "engine/graphics.h"
#include "engine/sprite_sets.h"
#include "engine/stage_panels.h"
#include "ground/stage_floor.h"
#include "heroes_test.h"
#include "players/hero_body.h"
#include "players/player_front.h"
#include "stages/stage.h"
#include "tools/gen_panels.h"

namespace {

using platform::Rect;

constexpr int kW = 640, kH = 480;
constexpr int kAbove = 12;  // rows of scenery looked at over each surface

// The rows a rectangle shows: the columns strictly between its edges (the
// floor queries' rule), from its walking surface down.
bool Covers(const Rect& r, int64_t x, int y) { return r.left < x && x < r.right && r.top <= y && y < r.bottom; }

bool InFloor(const FloorTable& t, int64_t x, int y) {
    for (int i = 0; i < t.count; ++i)
        if (Covers(t.rects[i], x, y)) return true;
    return false;
}

// A walking surface on row top at world column x: some rectangle's top,
// not buried under another rectangle.
bool SurfaceAt(const FloorTable& t, int64_t x, int top) {
    for (int i = 0; i < t.count; ++i)
        if (t.rects[i].top == top && Covers(t.rects[i], x, top)) return !InFloor(t, x, top - 1);
    return false;
}

struct Panels {
    int number;
    FloorTable floors;
    int panels;
    int64_t width;  // the part of the world the view ever shows
    std::vector<const platform::Surface*> pictures;

    // Whether the surface on row top at column c of panel i is drawn: every
    // panel that loads the same picture has it there.
    bool Shown(int i, int c, int top) const {
        for (int j = 0; j < panels; ++j)
            if (StagePanelFile(number, j) == StagePanelFile(number, i) && !SurfaceAt(floors, int64_t{j} * kW + c, top))
                return false;
        return true;
    }
    bool Visible(int i, int c) const { return int64_t{i} * kW + c < width; }
    uint8_t At(int i, int c, int y) const { return pictures[i]->Row(y)[c]; }
};

class StagePictures : public heroes::HeroTest {
protected:
    Panels Load(int number) {
        g_stageNumber = number;
        g_graphics.ReleaseStageBackgrounds();
        g_graphics.LoadStageBackgrounds();
        Panels s{number, StageFloorTable(number), StagePanelCount(number), StageEndX(number) + 40, {}};
        for (int i = 0; i < s.panels; ++i) s.pictures.push_back(g_graphics.Slot(kFirstPanelSlot + i));
        return s;
    }
    // The colours of every drawn walking surface's own row.
    static std::set<uint8_t> EdgeColours(const Panels& s) {
        std::set<uint8_t> edge;
        for (int i = 0; i < s.panels; ++i)
            for (int k = 0; k < s.floors.count; ++k)
                for (int c = 0; c < kW; ++c) {
                    const int top = s.floors.rects[k].top;
                    if (top >= 0 && top < kH && s.Visible(i, c) && s.Shown(i, c, top)) edge.insert(s.At(i, c, top));
                }
        return edge;
    }
};

// The pixels on a surface's row, over its whole drawn span, share no colour
// with the scenery in the rows just above it: a player sees every edge.
TEST_F(StagePictures, EveryWalkingSurfaceStandsOutFromTheSceneryAboveIt) {
    for (int number = 1; number <= 50; ++number) {
        const Panels s = Load(number);
        ASSERT_EQ(static_cast<int>(s.pictures.size()), s.panels);
        int surfaces = 0;
        for (int i = 0; i < s.panels; ++i) {
            ASSERT_NE(s.pictures[i], nullptr) << "stage " << number << " panel " << i;
            for (int k = 0; k < s.floors.count; ++k) {
                const int top = s.floors.rects[k].top;
                std::set<uint8_t> edge, above;
                for (int c = 0; c < kW; ++c) {
                    if (!s.Visible(i, c) || !s.Shown(i, c, top)) continue;
                    edge.insert(s.At(i, c, top));
                    for (int y = std::max(0, top - kAbove); y < top; ++y)
                        if (!InFloor(s.floors, int64_t{i} * kW + c, y)) above.insert(s.At(i, c, y));
                }
                if (edge.empty()) continue;
                surfaces += 1;
                for (uint8_t c : edge)
                    EXPECT_EQ(above.count(c), 0u) << "stage " << number << " panel " << i << " floor " << k
                                                  << ": colour " << int{c} << " on its top row is also above it";
            }
        }
        EXPECT_GT(surfaces, 0) << "stage " << number << " shows no floor";
    }
}

// The surfaces' colour is theirs alone: no pixel of it lies off a walking
// surface's row, in the scenery or over a pit, so nothing looks like a
// foothold where there is none; and where a surface is drawn the whole row is.
TEST_F(StagePictures, TheEdgeColourMarksWalkingSurfacesAlone) {
    for (int number = 1; number <= 50; ++number) {
        const Panels s = Load(number);
        const std::set<uint8_t> edge = EdgeColours(s);
        ASSERT_EQ(edge.size(), 1u) << "stage " << number << ": one colour for every walking surface";
        const uint8_t lip = *edge.begin();
        for (int i = 0; i < s.panels; ++i) {
            int stray = 0, firstC = -1, firstY = -1;
            for (int y = 0; y < kH; ++y)
                for (int c = 0; c < kW; ++c) {
                    if (!s.Visible(i, c) || s.At(i, c, y) != lip || s.Shown(i, c, y)) continue;
                    if (stray++ == 0) firstC = c, firstY = y;
                }
            EXPECT_EQ(stray, 0) << "stage " << number << " panel " << i << ": " << stray
                                << " pixels of the edge colour off any walking surface, first at (" << firstC << ", "
                                << firstY << ")";
        }
    }
}

// Where several panels load one picture, the picture shows only the ground
// they all have, so a pit in any of them stays a pit: every stage's floors
// repeat with its pictures, so all its ground is drawn.
TEST_F(StagePictures, SharedPicturesShowTheGroundOfEveryPanelThatLoadsThem) {
    std::set<int> found;
    for (int number = 1; number <= 50; ++number) {
        const Panels s{number, StageFloorTable(number), StagePanelCount(number), StageEndX(number) + 40, {}};
        for (int i = 0; i < s.panels; ++i)
            for (int k = 0; k < s.floors.count; ++k)
                for (int c = 0; c < kW; ++c) {
                    const int top = s.floors.rects[k].top;
                    if (s.Visible(i, c) && SurfaceAt(s.floors, int64_t{i} * kW + c, top) && !s.Shown(i, c, top))
                        found.insert(number);
                }
    }
    EXPECT_TRUE(found.empty()) << "stage " << *found.begin() << " has ground its shared picture cannot show";
}

// Each hero, once landed at a stage's start, stands on the drawn edge: the
// row its own ground probe finds is the edge row of the picture the view
// shows under it, and the row above is not.
TEST_F(StagePictures, HeroesStandOnTheDrawnEdge) {
    for (int number = 1; number <= 50; ++number) {
        const uint8_t lip = *EdgeColours(Load(number)).begin();
        for (int32_t hero : heroes::kAllHeroes) {
            Play(hero, number);
            Tick(40);
            const HeroBody& body = *HeroBodyFor(hero);
            const int32_t x = g_playerFront.GetX(), y = g_playerFront.GetY();
            const int32_t row = y + body.landHeight;
            ASSERT_EQ(g_stageFloor.TopAt(x + body.walkProbeDx, y + body.walkProbeDy), row)
                << "stage " << number << " hero " << hero << " is not standing";
            const platform::Surface& scene = *g_graphics.Slot(kSceneSlot);
            const int column = WorldToScreenX(x + body.walkProbeDx);
            ASSERT_TRUE(column >= 0 && column < kW && row > 0 && row < kH) << "stage " << number << " hero " << hero;
            EXPECT_EQ(scene.Row(row)[column], lip) << "stage " << number << " hero " << hero << " row " << row;
            EXPECT_NE(scene.Row(row - 1)[column], lip) << "stage " << number << " hero " << hero << " row " << row;
        }
    }
}

// Stages that share a kind of place still differ: the colours of their
// panels, counted over the whole stage, are far apart for every two stages.
TEST_F(StagePictures, NoTwoStagesLookAlike) {
    std::vector<std::array<double, 256>> share(51);
    for (int number = 1; number <= 50; ++number) {
        const Panels s = Load(number);
        share[number].fill(0);
        const double n = static_cast<double>(StagePanelFileCount(number)) * kW * kH;
        for (int i = 0; i < StagePanelFileCount(number); ++i)
            for (int y = 0; y < kH; ++y)
                for (int c = 0; c < kW; ++c) share[number][s.At(i, c, y)] += 1 / n;
    }
    for (int a = 1; a <= 50; ++a)
        for (int b = a + 1; b <= 50; ++b) {
            double apart = 0;
            for (int c = 0; c < 256; ++c) apart += std::fabs(share[a][c] - share[b][c]) / 2;
            EXPECT_GT(apart, 0.3) << "stages " << a << " and " << b << " are drawn in much the same colours";
        }
}

// The scenery alone, as the generator paints it for the view whose left edge
// is world x x0.
std::vector<uint8_t> Scenery(int stage, int x0) {
    Scene s;
    SetUpScene(s, stage, 0);
    s.x0 = x0;
    PaintStageScenery(s);
    return s.c.px;
}

int Differing(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b) {
    int n = 0;
    for (size_t i = 0; i < a.size(); ++i) n += a[i] != b[i];
    return n;
}

// The scenery is one picture of world x: the view half a panel on from any
// panel is the right half of that panel and the left half of the next, so
// the panels join without a seam; and a picture that several panels share is
// the scenery of each of them.
TEST(StageScenery, RunsOnAcrossEveryPanelJoin) {
    for (int number = 1; number <= 50; ++number) {
        const int64_t width = StageEndX(number) + 40;
        std::vector<std::vector<uint8_t>> panels;
        for (int i = 0; i < StagePanelCount(number) && int64_t{i} * kW < width; ++i) {
            panels.push_back(Scenery(number, i * kW));
            if (StagePanelFile(number, i) != i) {
                EXPECT_EQ(Differing(panels.back(), Scenery(number, StagePanelFile(number, i) * kW)), 0)
                    << "stage " << number << ": panel " << i << " is not the picture it loads";
            }
        }
        for (size_t i = 0; i + 1 < panels.size(); ++i) {
            std::vector<uint8_t> joined(panels[i].size());
            for (int y = 0; y < kH; ++y)
                for (int x = 0; x < kW; ++x)
                    joined[y * kW + x] =
                        x < kW / 2 ? panels[i][y * kW + x + kW / 2] : panels[i + 1][y * kW + x - kW / 2];
            EXPECT_EQ(Differing(Scenery(number, static_cast<int>(i) * kW + kW / 2), joined), 0)
                << "stage " << number << ": the join of panels " << i << " and " << i + 1;
        }
    }
}

}  // namespace

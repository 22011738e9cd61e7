// The generated pictures as the game shows them: each drawn through the
// game's own draw operation with its offsets, then read back from the back
// buffer. Heroes stay on their spot and face their way, feet meet the floor,
// the heroes are told apart by shape, and no picture carries a number.
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "enemies/model/registry.h"
#include "enemies/warriors/hunmer.h"
#include "enemies/warriors/red_ax_armor.h"
#include "enemies/warriors/red_whip.h"
#include "enemies/warriors/s_night.h"
#include "enemies/warriors/victo.h"
#include "engine/camera.h"
#include "engine/game_state.h"
#include "engine/graphics.h"
#include "engine/sprite_draw_kinds.h"
#include "engine/sprite_sets.h"
#include "engine/stage_panels.h"
#include "game_test.h"
#include "ground/stage_floor.h"
#include "heroes_test.h"
#include "players/hero_common.h"
#include "players/player_doran.h"
#include "players/player_front.h"
#include "shell/menu.h"
#include "stages/stage_lists.h"
#include "tools/gen_data.h"

namespace {

constexpr int kX = 300, kY = 200;  // where every hero frame is drawn

// Opaque pixels of one draw: drawn twice over two different fills, a pixel
// is the sprite's where both draws agree.
struct Mask {
    int x = 0, y = 0;  // where the draw put the object
    std::vector<uint8_t> on = std::vector<uint8_t>(640 * 480, 0);
    std::vector<std::pair<int, int>> px;  // (column, row) of every opaque pixel
    int Lowest() const {
        int y = -1;
        for (const auto& p : px) y = std::max(y, p.second);
        return y;
    }
    int Count(int col) const {
        int n = 0;
        for (int y = 0; y < 480; ++y) n += on[y * 640 + col];
        return n;
    }
    std::pair<int, int> Columns() const {
        int lo = 640, hi = -1;
        for (const auto& p : px) lo = std::min(lo, p.first), hi = std::max(hi, p.first);
        return {lo, hi};
    }
};

using Draw = std::function<std::pair<int, int>()>;  // draws, gives the object's x and y

Mask Capture(const Draw& draw) {
    platform::Surface& back = *g_graphics.BackBuffer();
    platform::Fill(back, nullptr, 3);
    draw();
    const std::vector<uint8_t> first(back.Row(0), back.Row(0) + back.Width() * back.Height());
    platform::Fill(back, nullptr, 4);
    Mask m;
    std::tie(m.x, m.y) = draw();
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x)
            if (back.Row(y)[x] == first[static_cast<size_t>(y) * back.Width() + x]) {
                m.on[y * 640 + x] = 1;
                m.px.push_back({x, y});
            }
    return m;
}

struct Hero {
    const char* set;
    int centre;  // body centre, columns right of x (the middle of its body box)
    int floor;   // rows below y where it stands
    std::function<std::pair<int, int>(int)> draw;
    // Frames by pose: the right-facing frame and its left-facing twin.
    std::vector<std::pair<int, int>> twins;
    std::vector<int> airborne;  // frames shown only off the floor
    std::vector<int> strikes;   // right-facing frames whose weapon or shot hand is out
};

std::vector<std::pair<int, int>> Runs(int poses, std::initializer_list<int> skip = {}) {
    std::vector<std::pair<int, int>> out;
    for (int p = 0; p < poses; ++p)
        if (std::find(skip.begin(), skip.end(), p) == skip.end()) out.push_back({p, p + poses});
    return out;
}

// The whip hero draws itself at the end of its update: each frame is reached
// by the state that shows it, on the floor of stage 1.
std::pair<int, int> DoranInPose(int f) {
    static constexpr int kPhase[24] = {0, 3, 6, 0, 3, 6, 0, 2, 4, 0, 2, 4, 0, 0, 0, 2, 4, 0, 2, 4, 0, 0, 0, 0};
    static constexpr bool kRight[24] = {true,  true,  true,  false, false, false, false, false,
                                        false, true,  true,  true,  true,  false, true,  true,
                                        true,  false, false, false, true,  false, true,  false};
    PlayerDoran d;
    d.x = d.screenX = 100;
    d.y = 379 - 64;
    d.facing = kRight[f];
    d.walking = f == 1 || f == 2 || f == 4 || f == 5;
    d.walkCounter = kPhase[f];
    d.attacking = f >= 6 && f <= 19 && f != 12 && f != 13;
    d.attackPhase = d.attacking ? kPhase[f] : 0;
    d.crouching = f >= 12 && f <= 19;
    d.knockedBack = f == 20 || f == 21;
    d.dead = f >= 22;
    g_playerDoran = d;
    g_playerDoran.Update();
    EXPECT_EQ(g_playerDoran.pose, f);
    return {g_playerDoran.screenX, g_playerDoran.y};
}

std::vector<Hero> Heroes() {
    return {
        {"Tobrin",
         16,
         64,
         DoranInPose,
         {{0, 3}, {1, 4}, {2, 5}, {9, 6}, {10, 7}, {11, 8}, {12, 13}, {14, 17}, {15, 18}, {16, 19}, {20, 21}},
         {20, 21},
         {11, 16}},
        {"Tavish",
         16,
         64,
         [](int f) {
             return (g_graphics.DrawTavish(kX, kY, f), std::pair{kX, kY});
         },
         Runs(14, {13}),
         {12, 26},
         {5, 11}},
        {"Seliya",
         31,
         74,
         [](int f) {
             return (g_graphics.DrawSeliya(kX, kY, f), std::pair{kX, kY});
         },
         Runs(22, {20}),
         {12, 34, 19, 41},
         {}},
        {"Seliya_varm",
         22,
         90,
         [](int f) {
             return (g_graphics.DrawSeliyaVarm(kX, kY, f), std::pair{kX, kY});
         },
         Runs(35, {34}),
         {14, 49, 29, 64, 33, 68},
         {29}},
        {"Nerys",
         17,
         64,
         [](int f) {
             return (g_graphics.DrawNerys(kX, kY, f), std::pair{kX, kY});
         },
         Runs(8, {7}),
         {6, 14},
         {}},
    };
}

// The body's columns: those whose opaque run is a good part of the figure's
// height (a whip, an arm or a shot is thin and drops out).
double BodyCentre(const Mask& m) {
    int tallest = 0;
    for (int x = 0; x < 640; ++x) tallest = std::max(tallest, m.Count(x));
    double sum = 0;
    int n = 0;
    for (int x = 0; x < 640; ++x)
        if (m.Count(x) * 10 >= tallest * 4) sum += x, n += 1;
    return n ? sum / n : -1;
}

// Pixels relative to a column, optionally mirrored about it.
std::set<std::pair<int, int>> About(const Mask& m, double col, bool mirror) {
    std::set<std::pair<int, int>> out;
    for (const auto& [x, y] : m.px) {
        const int dx = static_cast<int>(std::lround(x - col));
        out.insert({mirror ? -dx : dx, y});
    }
    return out;
}

double Overlap(const std::set<std::pair<int, int>>& a, const std::set<std::pair<int, int>>& b) {
    size_t both = 0;
    for (const auto& p : a) both += b.count(p);
    const size_t either = a.size() + b.size() - both;
    return either ? static_cast<double>(both) / either : 1.0;
}

class Pictures : public heroes::HeroTest {
protected:
    void SetUp() override {
        HeroTest::SetUp();
        Play(heroes::kDoran);
        g_graphics.ReleaseStageBackgrounds();  // no scene: the hero draws lay only the hero
        g_playerDoran.x = 0;                   // world x = screen x
    }
    const SpriteSet& Set(const char* name) { return *FindSpriteSet(name); }
};

// Whatever the frame's size and offset, the body stays where the hero is
// (frames too far off the hero to hold the body are left out), and each
// left-facing frame is its right-facing twin turned round.
TEST_F(Pictures, HeroBodiesStayOnTheHeroAndLeftFramesMirrorRightOnes) {
    for (const Hero& h : Heroes()) {
        for (const auto& [r, l] : h.twins) {
            Mask m[2];
            double centre[2];
            bool held[2];
            for (int i = 0; i < 2; ++i) {
                const int f = i ? l : r;
                m[i] = Capture([&] { return h.draw(f); });
                ASSERT_FALSE(m[i].px.empty()) << h.set << " frame " << f;
                centre[i] = BodyCentre(m[i]);
                const auto [lo, hi] = m[i].Columns();
                held[i] = lo <= m[i].x + h.centre - 10 && hi >= m[i].x + h.centre + 10;
                if (held[i]) {
                    EXPECT_NEAR(centre[i], m[i].x + h.centre, 5) << h.set << " frame " << f << " jumps off the hero";
                }
            }
            if (!held[0] || !held[1]) continue;
            const double turned = Overlap(About(m[0], centre[0], false), About(m[1], centre[1], true));
            const double same = Overlap(About(m[0], centre[0], false), About(m[1], centre[1], false));
            EXPECT_GT(turned, same) << h.set << " frames " << r << " and " << l << " face the same way";
            EXPECT_GT(turned, 0.4) << h.set << " frames " << r << " and " << l << " are not one pose";
        }
    }
}

// A weapon, a thrust hand or a kick reaches out on the side the hero faces.
TEST_F(Pictures, WeaponsPointTheWayTheHeroFaces) {
    for (const Hero& h : Heroes()) {
        for (const auto& [r, l] : h.twins) {
            if (std::find(h.strikes.begin(), h.strikes.end(), r) == h.strikes.end()) continue;
            for (const int f : {r, l}) {
                const Mask m = Capture([&] { return h.draw(f); });
                const auto [lo, hi] = m.Columns();
                const int body = m.x + h.centre;
                const int ahead = f == r ? hi - body : body - lo, behind = f == r ? body - lo : hi - body;
                EXPECT_GT(ahead, 30) << h.set << " frame " << f;
                EXPECT_LT(behind, 24) << h.set << " frame " << f;
            }
        }
    }
}

// The lowest opaque row is the row above the floor the hero stands on, or,
// for a frame that ends above the floor, that frame's last row.
TEST_F(Pictures, HeroFeetMeetTheFloor) {
    for (const Hero& h : Heroes()) {
        const SpriteSet& set = Set(h.set);
        for (int f = 0; f < set.count; ++f) {
            if (std::find(h.airborne.begin(), h.airborne.end(), f) != h.airborne.end()) continue;
            const Mask m = Capture([&] { return h.draw(f); });
            // The frame's own last row: the same draw with its picture made opaque.
            platform::Surface& image = *g_graphics.Slot(set.first + f);
            const std::vector<uint8_t> keep(image.Row(0), image.Row(0) + image.Width() * image.Height());
            platform::Fill(image, nullptr, 5);
            const int last = Capture([&] { return h.draw(f); }).Lowest();
            std::copy(keep.begin(), keep.end(), image.Row(0));
            EXPECT_NEAR(m.Lowest(), std::min(m.y + h.floor - 1, last), 2) << h.set << " frame " << f;
        }
    }
}

// Standing frames of every standing kind end on the row above the floor.
TEST_F(Pictures, StandingKindsStandOnTheFloor) {
    using namespace sprite_draw;
    struct Stander {
        int kind;
        int height;  // from its y to the floor it stands on
        std::vector<int> frames;
    };
    const std::vector<Stander> standers = {
        {kGool, 48, {0, 2}},
        {kSkeletonsoldier, 62, {0, 1, 2, 3}},
        {kZombie, 60, {0, 1, 2, 3}},
        {kRed, 96, {0, 1, 2, 3, 4, 5, 6, 7}},
        {kMerman, 63, {0, 1, 2, 3, 4, 5}},
        {kToad, 31, {0, 2, 3, 4, 6, 7}},  // frames 1 and 5 are its leap
        {kFrog, 16, {0, 3}},
        {kLeaf, 107, {0, 1, 2, 3}},
        {kWar, 59, {0, 1, 2, 3}},
        {kFDog, 48, {0, 1, 4, 5}},
        {kSemusi, 30, {0, 1}},
        {kGargoile, 61, {0, 1, 2, 3}},
        {kTaru, 56, {0, 1, 2, 3}},
    };
    for (const Stander& s : standers) {
        for (const int f : s.frames) {
            const Mask m = Capture([&] {
                return (DrawSpriteKind(g_graphics, s.kind, 200, 300, f), std::pair{200, 300});
            });
            ASSERT_FALSE(m.px.empty()) << SpriteDrawSetName(s.kind) << " frame " << f;
            EXPECT_NEAR(m.Lowest(), 300 + s.height - 1, 2) << SpriteDrawSetName(s.kind) << " frame " << f;
        }
    }
}

// A foe on a stage it is placed on, updated alone: each update draws it once
// through its own draw call, onto a fill of a colour its pictures never use.
class KindOnStage : public heroes::HeroTest {
protected:
    struct Shot {
        std::vector<std::pair<int, int>> px;  // world column and row of every drawn pixel
        int32_t x = 0, y = 0;
        bool dead = true;
        bool still = false;  // its y held over the update: neither leaping nor falling
    };
    // Starts the stage and finds the first object of the class in its list.
    bool Start(int32_t stage, ObjectClass cls, const char* set) {
        g_playerFront.Select(heroes::kDoran);
        g_stageNumber = stage;
        g_menu.StartStage();
        g_menu.active = 0;
        cls_ = cls;
        fill_ = UnusedColour(*FindSpriteSet(set));
        const StageObjectList list = StageObjectsFor(stage);
        for (int32_t i = 0; i < list.count; ++i)
            if (list.objects[i].cls == cls) {
                slot_ = list.objects[i].slot;
                return true;
            }
        return false;
    }
    // One update with the hero a little way off, so the foe wakes and stays on screen.
    Shot Step() {
        Shot s;
        int32_t dead = 1;
        ReadObject(cls_, slot_, &dead, &s.x, &s.y);
        g_playerDoran.x = std::max(0, s.x - 120);
        g_playerDoran.screenX = HeroScreenXFor(g_playerDoran.x);
        platform::Surface& back = *g_graphics.BackBuffer();
        platform::Fill(back, nullptr, fill_);
        UpdateObject(cls_, slot_);
        const int32_t before = s.y;
        ReadObject(cls_, slot_, &dead, &s.x, &s.y);
        s.dead = dead != 0;
        s.still = s.y == before;
        const int32_t shift = s.x - WorldToScreenX(s.x);
        for (int y = 0; y < 480; ++y)
            for (int x = 0; x < 640; ++x)
                if (back.Row(y)[x] != fill_) s.px.push_back({x + shift, y});
        return s;
    }
    int32_t Slot() const { return slot_; }

private:
    static uint8_t UnusedColour(const SpriteSet& set) {
        bool used[256] = {};
        for (int f = 0; f < set.count; ++f) {
            const platform::Surface& img = *g_graphics.Slot(set.first + f);
            for (int y = 0; y < img.Height(); ++y)
                for (int x = 0; x < img.Width(); ++x) used[img.Row(y)[x]] = true;
        }
        int c = 1;
        while (c < 255 && used[c]) ++c;
        return static_cast<uint8_t>(c);
    }
    ObjectClass cls_{};
    int32_t slot_ = 0;
    uint8_t fill_ = 0;
};

// Ground foes drawn by their own update on a stage that places them: while a
// foe neither leaps nor falls, the lowest drawn row of its picture is the row
// above the floor under it.
TEST_F(KindOnStage, GroundFoesStandOnTheirStagesFloors) {
    const struct {
        int32_t stage;
        ObjectClass cls;
        const char* set;
    } foes[] = {
        {37, ObjectClass::EnemyArumajiro, "Arumajiro"},
        {47, ObjectClass::EnemyGureibu, "Gureibu"},
        {37, ObjectClass::EnemyKanoke, "Kanoke"},
        {33, ObjectClass::EnemyMadman, "Madman"},
        {38, ObjectClass::EnemyNoroi, "Noroi"},
        {37, ObjectClass::EnemySaramanda, "Saramanda"},
        {35, ObjectClass::EnemyFireSkeleton, "Fire_Skeleton"},
        {29, ObjectClass::EnemyWarSkeleton, "War_Skeleton"},
        {29, ObjectClass::EnemyRedWhip, "Red_Whip"},
        {34, ObjectClass::EnemyBArmor, "B_Armor"},
        {33, ObjectClass::EnemyTyinman, "Tyinman"},
        {32, ObjectClass::EnemyArcher, "Archer"},
        {32, ObjectClass::EnemyRedAxArmor, "Red_Ax_Armor"},
        {32, ObjectClass::EnemySNight, "S_Night"},
        {34, ObjectClass::EnemyHunmer, "Hunmer"},
        {32, ObjectClass::EnemyFyenriru, "Fyenriru"},
        {35, ObjectClass::EnemyBGaikotu, "B_Gaikotu"},
        {36, ObjectClass::EnemyOskerinF, "Oskerin_F"},
        {36, ObjectClass::EnemyDugalF, "Dugal_F"},
        {36, ObjectClass::EnemyNerysF, "Nerys_F"},
        {41, ObjectClass::EnemyVicto, "Victo"},
    };
    for (const auto& foe : foes) {
        ASSERT_TRUE(Start(foe.stage, foe.cls, foe.set)) << foe.set;
        int drawn = 0;
        bool wasStill = true;  // the top of a leap holds y for one update only
        for (int tick = 0; tick < 150; ++tick) {
            const Shot s = Step();
            const bool settled = s.still && wasStill;
            wasStill = s.still;
            if (s.dead || s.px.empty() || !settled) continue;
            int lowest = -1;
            int64_t sum = 0;
            for (const auto& [x, y] : s.px) lowest = std::max(lowest, y), sum += x;
            const int32_t centre = static_cast<int32_t>(sum / static_cast<int64_t>(s.px.size()));
            // The floor the feet meet: the first top found just below the lowest row.
            int32_t top = 0;
            for (int down = 1; down <= 8 && top == 0; ++down) top = g_stageFloor.TopAt(centre, lowest + down);
            EXPECT_NEAR(top, lowest + 1, 2)
                << foe.set << " on stage " << foe.stage << " at tick " << tick << " ends on row " << lowest << " (x "
                << s.x << ", y " << s.y << ", centre " << centre << ")";
            drawn += 1;
            if (::testing::Test::HasFailure()) break;
        }
        EXPECT_GT(drawn, 0) << foe.set << " never showed";
    }
}

// What a foe shows is where it hurts: two fifths or more of the picture's
// extent lies in the touch box and as much of the box under the picture,
// whatever pose the update chose (a weapon or a cloak may reach outside).
TEST_F(KindOnStage, PicturesCoverTheTouchBoxes) {
    const struct {
        int32_t stage;
        ObjectClass cls;
        const char* set;
        platform::Rect (*body)(int32_t slot);
    } foes[] = {
        {34, ObjectClass::EnemyHunmer, "Hunmer", [](int32_t i) { return g_enemyHunmer[i].Body(); }},
        {32, ObjectClass::EnemyRedAxArmor, "Red_Ax_Armor", [](int32_t i) { return g_enemyRedAxArmor[i].Body(); }},
        {32, ObjectClass::EnemySNight, "S_Night", [](int32_t i) { return g_enemySNight[i].Body(); }},
        {41, ObjectClass::EnemyVicto, "Victo", [](int32_t i) { return g_enemyVicto[i].Body(); }},
        {29, ObjectClass::EnemyRedWhip, "Red_Whip", [](int32_t i) { return g_enemyRedWhip[i].Body(); }},
    };
    for (const auto& foe : foes) {
        ASSERT_TRUE(Start(foe.stage, foe.cls, foe.set)) << foe.set;
        int drawn = 0;
        for (int tick = 0; tick < 150; ++tick) {
            const Shot s = Step();
            if (s.dead || s.px.empty()) continue;
            platform::Rect pic{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
            for (const auto& [x, y] : s.px) {
                pic.left = std::min(pic.left, x), pic.right = std::max(pic.right, x + 1);
                pic.top = std::min(pic.top, y), pic.bottom = std::max(pic.bottom, y + 1);
            }
            const platform::Rect box = foe.body(Slot());
            auto area = [](const platform::Rect& r) {
                return static_cast<int64_t>(std::max(0, r.right - r.left)) * std::max(0, r.bottom - r.top);
            };
            const platform::Rect both{std::max(pic.left, box.left), std::max(pic.top, box.top),
                                      std::min(pic.right, box.right), std::min(pic.bottom, box.bottom)};
            const int64_t common = area(both);
            EXPECT_TRUE(common * 5 >= area(pic) * 2 && common * 5 >= area(box) * 2)
                << foe.set << " at tick " << tick << ": picture " << pic.left << "," << pic.top << "-" << pic.right
                << "," << pic.bottom << " box " << box.left << "," << box.top << "-" << box.right << "," << box.bottom;
            drawn += 1;
            if (::testing::Test::HasFailure()) break;
        }
        EXPECT_GT(drawn, 0) << foe.set << " never showed";
    }
}

// The five heroes standing, aligned on their bodies and floors: their shapes
// differ well beyond a change of colour.
// Opaque pixels of one loaded frame, optionally turned round.
std::set<std::pair<int, int>> FramePixels(const SpriteSet& set, int frame, bool mirror) {
    std::set<std::pair<int, int>> out;
    const platform::Surface* s = g_graphics.Slot(set.first + frame);
    if (!s) return out;
    for (int y = 0; y < s->Height(); ++y)
        for (int x = 0; x < s->Width(); ++x)
            if (s->Row(y)[x] != set.KeyOf(frame)) out.insert({mirror ? s->Width() - 1 - x : x, y});
    return out;
}

// Sets whose frames do not split into two equal facing runs still face the
// way their kind moves: the wolf's second run is its first turned round, and
// the two strides of a kind that only ever walks one way face that way.
TEST_F(Pictures, OddlyLaidOutSetsFaceTheWayTheirKindMoves) {
    const SpriteSet& wolf = Set("W_Wolf");
    for (int pose = 0; pose < 11; ++pose) {
        EXPECT_EQ(FramePixels(wolf, pose + 11, false), FramePixels(wolf, pose, true)) << "W_Wolf pose " << pose;
    }
    for (const char* name : {"Zonbi", "Shellok"}) {
        const SpriteSet& set = Set(name);
        const auto first = FramePixels(set, 0, false);
        EXPECT_GT(Overlap(first, FramePixels(set, 1, false)), Overlap(first, FramePixels(set, 1, true))) << name;
    }
}

TEST_F(Pictures, EveryHeroHasItsOwnSilhouette) {
    std::vector<std::set<std::pair<int, int>>> shapes;
    const std::vector<Hero> heroes = Heroes();
    for (const Hero& h : heroes) {
        const Mask m = Capture([&] { return h.draw(0); });
        std::set<std::pair<int, int>> s;
        for (const auto& [x, y] : m.px) s.insert({x - (m.x + h.centre), y - (m.y + h.floor)});
        shapes.push_back(s);
    }
    for (size_t a = 0; a < shapes.size(); ++a)
        for (size_t b = a + 1; b < shapes.size(); ++b)
            EXPECT_LT(Overlap(shapes[a], shapes[b]), 0.7) << heroes[a].set << " and " << heroes[b].set;
}

// Every digit of the old debug marks, 3 x 5 cells, in one ink on a box of
// one other colour: found at any place and at both sizes used.
constexpr const char* kDigits[10] = {"111101101101111", "010110010010111", "111001111100111", "111001111001111",
                                     "101101111001001", "111100111001111", "111100111101111", "111001010010010",
                                     "111101111101111", "111101111001111"};

bool HasDigit(const platform::Surface& s, int scale) {
    const int gw = 5 * scale, gh = 7 * scale;  // the glyph with its box's margin
    for (int y = 0; y + gh <= s.Height(); ++y)
        for (int x = 0; x + gw <= s.Width(); ++x) {
            const uint8_t paper = s.Row(y)[x];
            const uint8_t ink = s.Row(y + scale)[x + scale];
            if (ink == paper) continue;
            for (const char* d : kDigits) {
                bool match = true;
                for (int r = -1; r <= 5 && match; ++r)
                    for (int c = -1; c <= 3 && match; ++c) {
                        const bool on = r >= 0 && r < 5 && c >= 0 && c < 3 && d[r * 3 + c] == '1';
                        for (int sy = 0; sy < scale && match; ++sy)
                            for (int sx = 0; sx < scale && match; ++sx)
                                match = s.Row(y + (r + 1) * scale + sy)[x + (c + 1) * scale + sx] == (on ? ink : paper);
                    }
                if (match) return true;
            }
        }
    return false;
}

TEST_F(Pictures, NoSpriteOrPanelCarriesANumber) {
    for (int i = 0; i < kSpriteSetCount; ++i) {
        const SpriteSet& set = kSpriteSets[i];
        for (int f = 0; f < set.count; ++f) {
            const platform::Surface* s = g_graphics.Slot(set.first + f);
            ASSERT_NE(s, nullptr) << set.name;
            EXPECT_FALSE(HasDigit(*s, 1) || HasDigit(*s, 2)) << set.name << " frame " << f;
        }
    }
    for (int stage = 1; stage <= 50; ++stage) {
        g_stageNumber = stage;
        g_graphics.LoadStageBackgrounds();
        for (int k = 0; k < StagePanelFileCount(stage); ++k)
            EXPECT_FALSE(HasDigit(*g_graphics.Slot(kFirstPanelSlot + k), 2)) << "stage " << stage << " panel " << k;
    }
    g_graphics.ReleaseStageBackgrounds();
    g_stageNumber = 0;
}

}  // namespace

namespace {

std::vector<char> Bytes(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::vector<char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Two runs of the generator write the same files, byte for byte.
TEST(PictureData, EveryRunWritesTheSameBytes) {
    namespace fs = std::filesystem;
    const fs::path base = fs::temp_directory_path() / ("morvane_pictures_" + std::to_string(::getpid()));
    ASSERT_TRUE(GenerateBitmaps((base / "a").string()));
    ASSERT_TRUE(GenerateBitmaps((base / "b").string()));
    int files = 0;
    for (const fs::directory_entry& e : fs::recursive_directory_iterator(base / "a")) {
        if (!e.is_regular_file()) continue;
        files += 1;
        const fs::path twin = base / "b" / fs::relative(e.path(), base / "a");
        ASSERT_TRUE(Bytes(e.path()) == Bytes(twin)) << e.path();
    }
    EXPECT_GT(files, 1000);
    fs::remove_all(base);
}

}  // namespace

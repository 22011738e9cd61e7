// Every kind's pictures against the boxes its updates test. Each stage's
// objects are updated one by one in list order, as the stage does, while a
// whip hero walks up to one kind after another from both sides, stands in its
// way and whips it down; every frame a kind draws is held against the boxes
// the same update tested.
//
// MORVANE_FIT=<family folder, set or class> limits the walk and the report to
// one family (walkers), one set (Red_Whip) or one class (EnemyRedWhip).
// MORVANE_FIT_SHEETS=<folder> also writes the contact sheets with the boxes
// the walk met outlined on every frame.
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "enemies/model/enemy_model.h"
#include "enemies/model/registry.h"
#include "engine/camera.h"
#include "engine/draw_probe.h"
#include "engine/game_state.h"
#include "engine/graphics.h"
#include "engine/sprite_draw_kinds.h"
#include "engine/sprite_sets.h"
#include "ground/stage_floor.h"
#include "heroes_test.h"
#include "kind_fit.h"
#include "players/hero_common.h"
#include "players/player_doran.h"
#include "stage_list_checks.h"
#include "stages/stage.h"
#include "stages/stage_lists.h"
#include "tools/contact_sheets.h"

namespace {

using draw_probe::BoxUse;
using draw_probe::Drawn;
using platform::Rect;
using namespace kind_fit;

// A gap of up to 4 pixels between a box's edge and the picture passes: less
// than half the whip's 9-row reach, so no blow seems to land on air more than
// a sliver off the picture, and room for the rounded ends of drawn shapes.
constexpr int32_t kSlack = 4;

// Checks that no picture can pass, whatever it shows, because the game's own
// rules put the box elsewhere: the set, the frame and the box, and the gap
// that rule leaves at that edge (the slack comes on top; the other edges
// are held to the slack alone).
struct ForcedGap {
    const char* set;
    int32_t frame;
    const char* box;
    char edge;
    int32_t gap;
};
// clang-format off
constexpr ForcedGap kForcedGaps[] = {
    // The sorcerer, struck, jumps to the other end of the arena before it is
    // drawn; the box it was struck in stays where it stood.
    {"Quorth", 0, "body", 'A', 108},
    // The first frame of an attack still shows the last of the 64-wide light
    // the lord comes back in, against the attack's box.
    {"Morvane2", 19, "body", 'R', 42},
    {"Morvane2", 19, "touch", 'R', 42},
    // The bat is drawn 16 pixels right of its box while it hangs and 12 while
    // its wings beat down.
    {"Koumori", 0, "body", 'L', 16},
    {"Koumori", 0, "touch", 'L', 16},
    {"Koumori", 2, "body", 'L', 12},
    {"Koumori", 2, "touch", 'L', 12},
    // The whip warrior, struck, reels in a frame drawn 30 columns right of
    // where it stood facing right; its reeling box lies wholly left of that
    // frame, and the box the blow landed in (walking, winding up or lashing,
    // up to 66 wide) reaches past the 48 columns of either facing's frame.
    {"Red_Whip", 4, "body", 'L', 30},
    {"Red_Whip", 4, "touch", 'A', 62},
    {"Red_Whip", 11, "body", 'L', 20},
    {"Red_Whip", 11, "body", 'R', 18},
    // The sitting frog is drawn 20 rows below the top of the box its leap is
    // struck in.
    {"Gool", 0, "body", 'T', 20},
    {"Gool", 2, "body", 'T', 20},
    // The headless knight's swing is drawn from 11 rows below its y, while it
    // is struck from its y down and its blade hurts from 3 rows below it.
    {"Dyurahan", 2, "body", 'T', 11},
    {"Dyurahan", 2, "touch", 'A', 61},
    {"Dyurahan", 2, "touch", 'T', 11},
    {"Dyurahan", 5, "body", 'T', 11},
    {"Dyurahan", 5, "touch", 'A', 61},
    {"Dyurahan", 5, "touch", 'T', 11},
    // The half-body's lunge is drawn from 12 rows below the top of its box,
    // its sinking back from 6 rows below.
    {"Jyouhansin", 1, "body", 'T', 12},
    {"Jyouhansin", 1, "touch", 'T', 12},
    {"Jyouhansin", 2, "body", 'T', 6},
    {"Jyouhansin", 2, "touch", 'T', 6},
    // The red skeleton knocked down is drawn falling from 30 rows below its
    // y in the very update whose walking box the blow struck.
    {"Red", 2, "body", 'T', 30},
    {"Red", 2, "touch", 'T', 30},
    {"Red", 6, "body", 'T', 30},
    {"Red", 6, "touch", 'T', 30},
    // The fish-man's crouch on landing is drawn from 16 rows below its y, its
    // box ending 15 rows above the floor it crouches on.
    {"Merman", 5, "body", 'T', 16},
    {"Merman", 5, "touch", 'T', 16},
    {"Merman", 5, "feet", 'B', 16},
    // The crow hunched on its perch is drawn 35 rows below the top of its box.
    {"Crow", 1, "body", 'T', 35},
    {"Crow", 1, "touch", 'T', 35},
    {"Crow", 3, "body", 'T', 35},
    {"Crow", 3, "touch", 'T', 35},
    // The frog shows its springing frame, 28 rows tall, in the update it
    // leaves the floor it sat on 16 rows below its y.
    {"Frog", 1, "floor", 'B', 12},
    {"Frog", 4, "floor", 'B', 12},
};
// clang-format on

bool Forced(const std::string& set, const Mismatch& m) {
    for (const ForcedGap& f : kForcedGaps)
        if (set == f.set && m.frame == f.frame && std::string(m.box) == f.box && m.edge == f.edge &&
            m.gap <= f.gap + kSlack)
            return true;
    return false;
}

// What one object's update tested and drew.
struct Seen {
    std::vector<Drawn> drawn;
    std::vector<std::pair<BoxUse, Rect>> boxes;
};
Seen s_seen;

void OnDrawn(const Drawn& d) { s_seen.drawn.push_back(d); }
void OnBox(BoxUse use, const Rect& box) { s_seen.boxes.push_back({use, box}); }

// The family folder (walkers, bosses, ...) of every class, from the headers.
std::map<std::string, std::string> FamiliesOfClasses() {
    std::map<std::string, std::string> out;
    const std::filesystem::path root = std::filesystem::path(MORVANE_SOURCE_DIR) / "enemies";
    for (const auto& dir : std::filesystem::directory_iterator(root)) {
        if (!dir.is_directory() || dir.path().filename() == "model") continue;
        for (const auto& file : std::filesystem::directory_iterator(dir.path())) {
            if (file.path().extension() != ".h") continue;
            std::ifstream in(file.path());
            std::string line;
            while (std::getline(in, line))
                if (line.rfind("class ", 0) == 0) {
                    std::istringstream words(line.substr(6));
                    std::string name;
                    words >> name;
                    out[name] = dir.path().filename().string();
                }
        }
    }
    return out;
}

// The worst mismatch found for one class drawing one set.
struct Worst {
    Mismatch miss;
    int32_t stage = 0;
    int64_t checks = 0;
    std::set<int32_t> frames;
};

class KindPictures : public heroes::HeroTest {
protected:
    void SetUp() override {
        HeroTest::SetUp();
        families_ = FamiliesOfClasses();
        if (const char* only = std::getenv("MORVANE_FIT")) only_ = only;
        s_seen.drawn.reserve(64);
        s_seen.boxes.reserve(64);
        draw_probe::g_watch = {OnDrawn, OnBox};
    }
    void TearDown() override {
        draw_probe::g_watch = {};
        HeroTest::TearDown();
    }

    std::string FamilyOf(ObjectClass c) const {
        const auto f = families_.find(InfoOf(c).name);
        return f == families_.end() ? "?" : f->second;
    }
    // The filter names the class, its family or the set it draws.
    bool Wanted(ObjectClass c, const std::string& set) const {
        return only_.empty() || only_ == InfoOf(c).name || only_ == FamilyOf(c) || only_ == set;
    }
    bool StageWanted(int32_t stage) const {
        if (only_.empty()) return true;
        const StageObjectList list = StageObjectsFor(stage);
        for (int32_t i = 0; i < list.count; ++i) {
            const ObjectClass c = list.objects[i].cls;
            if (only_ == InfoOf(c).name || only_ == FamilyOf(c)) return true;
        }
        // A set name: any stage may draw it; the walk decides.
        return families_.count(only_) == 0 &&
               std::none_of(families_.begin(), families_.end(), [&](const auto& kv) { return kv.second == only_; });
    }

    void WalkStage(int32_t stage);
    void Focus(int32_t stage, int32_t index);
    void Measure(int32_t stage, const StageObject& o, int32_t yBefore, bool stillBefore);
    void Note(ObjectClass c, int32_t stage, const std::string& set, const Mismatch& m);
    void NoteDetail(ObjectClass c, int32_t stage, const std::string& set, const Mismatch& m);

    std::map<std::string, std::string> families_;
    std::string only_;
    std::map<std::pair<ObjectClass, std::string>, Worst> worst_;
    // With a filter: the worst of every frame and check.
    std::map<std::tuple<std::string, std::string, int32_t, std::string>, Worst> detail_;
    std::map<std::pair<ObjectClass, int32_t>, bool> still_;
    // Up to three different boxes of every set, frame and use, for the sheets.
    std::map<std::tuple<std::string, int32_t, bool>, std::vector<Rect>> sheetBoxes_;  // y held over the previous update
};

void KindPictures::NoteDetail(ObjectClass c, int32_t stage, const std::string& set, const Mismatch& m) {
    Worst& d = detail_[{InfoOf(c).name, set, m.frame, m.box}];
    d.checks += 1;
    if (d.checks == 1 || m.gap > d.miss.gap) d.miss = m, d.stage = stage;
}

void KindPictures::Note(ObjectClass c, int32_t stage, const std::string& set, const Mismatch& m) {
    Worst& w = worst_[{c, set}];
    w.frames.insert(m.frame);
    const bool checked = std::string(m.box) != "none";
    if (!checked && w.checks > 0) return;
    if (checked) w.checks += 1;
    if ((checked && w.checks == 1) || m.gap > w.miss.gap || w.stage == 0) {
        w.miss = m;
        w.stage = stage;
    }
}

void KindPictures::Measure(int32_t stage, const StageObject& o, int32_t yBefore, bool stillBefore) {
    int32_t dead = 1, x = 0, y = 0;
    ReadObject(o.cls, o.slot, &dead, &x, &y);
    const bool still = y == yBefore;
    still_[{o.cls, o.slot}] = still;
    if (s_seen.drawn.empty()) return;
    // An update whose boxes all lie off the screen has nothing there to hold
    // them against: a tethered head gone past the edge leaves only its neck on
    // the screen, which is not its body.
    const int32_t shift = sprite_draw::SpriteDrawInWorld(s_seen.drawn.front().kind) ? WorldToScreenX(0) : 0;
    const bool allOff =
        std::all_of(s_seen.boxes.begin(), s_seen.boxes.end(), [shift](const std::pair<BoxUse, Rect>& b) {
            const Rect& r = b.second;
            return r.right + shift <= 0 || r.left + shift >= 640 || r.bottom <= 0 || r.top >= 480;
        });
    if (allOff) s_seen.boxes.clear();
    // A kind standing on a floor: its y held over two updates and the floor
    // top lies at its standing height.
    int32_t floorTop = 0;
    // A statue that topples moves down as it breaks while its pieces stay on
    // the floor it stood on: its boxes, not its standing height, say where its
    // feet are.
    const int32_t h = o.cls == ObjectClass::EnemyDouzou ? 0 : StandingHeight(o.cls);
    if (h > 0 && still && stillBefore && dead == 0) floorTop = y + h;
    std::vector<Fit> fits = FitUpdate(s_seen.drawn, s_seen.boxes, floorTop, h > 0 ? y + h : 0);
    for (Fit& f : fits) {
        const std::string set = sprite_draw::SpriteDrawSetName(f.kind);
        if (!Wanted(o.cls, set)) continue;
        if (Forced(set, f.worst)) {
            // The worst of the checks the rules leave to the picture.
            Mismatch worst{f.worst.box, '-', 0, f.frame, f.worst.boxInImage, f.worst.picInImage};
            for (const Mismatch& m : f.checks)
                if (!Forced(set, m) && m.gap > worst.gap) worst = m;
            f.worst = worst;
        }
        Note(o.cls, stage, set, f.worst);
        for (const auto& paired : f.boxesInImage) {
            const Rect& box = paired.second;
            std::vector<Rect>& known = sheetBoxes_[{set, f.frame, paired.first}];
            const bool again = std::any_of(known.begin(), known.end(), [&box](const Rect& k) {
                return k.left == box.left && k.top == box.top && k.right == box.right && k.bottom == box.bottom;
            });
            if (!again && known.size() < 3) known.push_back(box);
        }
        if (!only_.empty())
            for (const Mismatch& m : f.checks) NoteDetail(o.cls, stage, set, m);
    }
}

// The hero at hx facing the kind, standing on the floor below it or, to
// whip it, with its whip row through the middle of the kind's body.
void PutHero(int32_t hx, int32_t hy, bool facingRight) {
    PlayerDoran& d = g_playerDoran;
    d.x = std::clamp(hx, 0, std::max(0, g_stage.GetEndX()));
    d.y = hy;
    d.screenX = HeroScreenXFor(d.x);
    d.facing = facingRight ? 1 : 0;
    d.hp = PlayerDoran().hp;
    d.dead = d.knockedBack = d.deathCountdown = d.walking = d.airborne = d.crouching = 0;
}

int32_t FloorBelow(int32_t x, int32_t fromRow, int32_t fallback) {
    for (int32_t r = std::max(0, fromRow); r < 480; ++r)
        if (const int32_t t = g_stageFloor.TopAt(x, r); t != 0) return t;
    return fallback;
}

void KindPictures::Focus(int32_t stage, int32_t index) {
    g_stageNumber = stage;
    g_menu.StartStage();
    g_menu.active = 0;
    SeedGameRand(7);
    const StageObjectList list = StageObjectsFor(stage);
    const StageObject& focus = list.objects[index];
    // Later bosses of a chain wake when the ones before them are gone.
    if (std::string(InfoOf(focus.cls).name).rfind("Boss", 0) == 0)
        for (int32_t j = 0; j < index; ++j)
            if (std::string(InfoOf(list.objects[j].cls).name).rfind("Boss", 0) == 0)
                SetObjectDead(list.objects[j].cls, list.objects[j].slot);
    still_.clear();
    const bool boss = std::string(InfoOf(focus.cls).name).rfind("Boss", 0) == 0;
    // Bosses are watched a while before they are whipped down: their attacks
    // come in turns.
    const int32_t watchUntil = boss ? 330 : 130;
    const int32_t frames = boss ? 700 : 320;
    Rect body{};
    bool haveBody = false;
    int32_t deadFor = 0;
    for (int32_t t = 0; t < frames && deadFor < 30; ++t) {
        g_stageClear = 0;
        int32_t dead = 1, ox = 0, oy = 0;
        ReadObject(focus.cls, focus.slot, &dead, &ox, &oy);
        deadFor = dead != 0 ? deadFor + 1 : 0;
        const int32_t cx = haveBody ? (body.left + body.right) / 2 : ox + 16;
        const int32_t midY = haveBody ? (body.top + body.bottom) / 2 : oy + 16;
        const int32_t standY = FloorBelow(cx, haveBody ? body.top : oy, oy + 64) - 64;
        const int32_t whipY = midY - 26;
        bool attack = false;
        if (t < 50) {
            PutHero(cx - 380 + 6 * t, standY, true);  // walks up from the left
        } else if (t < 80) {
            PutHero(cx - 16, standY, true);  // stands in its way and is hit
        } else if (t < 130) {
            PutHero(cx + 380 - 6 * (t - 80), t < 110 ? standY : whipY, false);  // from the right
            attack = t >= 110 && t % 8 == 0;
        } else if (t < watchUntil) {
            const bool fromLeft = (t / 60) % 2 == 0;  // keeps away, from either side
            PutHero(fromLeft ? cx - 220 : cx + 190, standY, fromLeft);
        } else {
            const bool fromLeft = (t / 40) % 2 == 0;  // whips it down from both sides
            PutHero(fromLeft ? cx - 88 : cx + 57, whipY, fromLeft);
            attack = t % 7 == 0;
        }
        backend.SetKey(heroes::kCtrl, attack);
        g_playerFront.HandleInput();
        g_playerFront.Update();
        for (int32_t i = 0; i < list.count; ++i) {
            const StageObject& o = list.objects[i];
            int32_t d0 = 1, x0 = 0, y0 = 0;
            ReadObject(o.cls, o.slot, &d0, &x0, &y0);
            const bool stillBefore = still_.count({o.cls, o.slot}) ? still_[{o.cls, o.slot}] : false;
            s_seen.drawn.clear();
            s_seen.boxes.clear();
            UpdateObject(o.cls, o.slot);
            if (i == index)
                for (const auto& [use, box] : s_seen.boxes)
                    if (use == BoxUse::kBody && box.right > box.left && box.bottom > box.top) {
                        body = box;
                        haveBody = true;
                        break;
                    }
            Measure(stage, o, y0, stillBefore);
        }
    }
    backend.SetKey(heroes::kCtrl, false);
}

void KindPictures::WalkStage(int32_t stage) {
    g_stageNumber = stage;
    g_menu.StartStage();
    g_menu.active = 0;
    const StageObjectList list = StageObjectsFor(stage);
    std::set<ObjectClass> done;
    for (int32_t i = 0; i < list.count; ++i) {
        const StageObject& o = list.objects[i];
        int32_t dead = 1, x = 0, y = 0;
        // Idle pool slots come to life through their owners.
        if (done.count(o.cls) || !ReadObject(o.cls, o.slot, &dead, &x, &y) || dead != 0) continue;
        done.insert(o.cls);
        Focus(stage, i);
    }
}

// Frame pairs of one pose facing right and left. A set of an even number of
// frames holds two runs of half of them, but for these.
std::vector<std::pair<int, int>> Runs(int poses) {
    std::vector<std::pair<int, int>> out;
    out.reserve(static_cast<size_t>(poses));
    for (int p = 0; p < poses; ++p) out.push_back({p, p + poses});
    return out;
}
const std::map<std::string, std::vector<std::pair<int, int>>>& FacingPairs() {
    static const std::map<std::string, std::vector<std::pair<int, int>>> pairs = {
        {"Tobrin",
         {{0, 3},
          {1, 4},
          {2, 5},
          {6, 9},
          {7, 10},
          {8, 11},
          {12, 13},
          {14, 17},
          {15, 18},
          {16, 19},
          {20, 21},
          {22, 23}}},
        {"Merman", {{0, 2}, {1, 3}}},  // then its leap and its crouch, one each
        {"W_Wolf", Runs(11)},          // and one frame of its own
        {"Morvane2", Runs(8)},         // and its four beams
        // One facing: each frame a pose or a pulse of its own.
        {"Bat", {}},
        {"Death_2", {}},
        {"Disk", {}},
        {"Douzou", {}},
        {"Gejigeji", {}},
        {"Gyai_2", {}},
        {"Hone", {}},
        {"Konbou", {}},
        {"Kumo", {}},
        {"Lightning", {}},
        {"M_Spider", {}},
        {"Maryoku", {}},
        {"Miira", {}},
        {"Shellok", {}},
        {"Spider", {}},
        {"Sunegusu", {}},
        {"Ti", {}},
        {"W_Ghost", {}},
        {"WhiteD_Hontai", {}},
    };
    return pairs;
}

// Both facings of a pose have one size; the anchor offsets place them.
TEST(KindFit, BothFacingsOfAPoseHaveOneSize) {
    for (const SpriteSet& set : kSpriteSets) {
        const auto listed = FacingPairs().find(set.name);
        const std::vector<std::pair<int, int>> pairs = listed != FacingPairs().end() ? listed->second
                                                       : set.count % 2 == 0          ? Runs(set.count / 2)
                                                                            : std::vector<std::pair<int, int>>{};
        for (const auto& [right, left] : pairs) {
            ASSERT_LT(left, set.count) << set.name;
            const bool same = set.Width(right) == set.Width(left) && set.Height(right) == set.Height(left);
            EXPECT_TRUE(same) << set.name << " frames " << right << " and " << left
                              << " are one pose facing both ways: " << set.Width(right) << "x" << set.Height(right)
                              << " against " << set.Width(left) << "x" << set.Height(left);
        }
    }
}

// The measure itself catches the faults it is for.
TEST(KindFit, ReportsShortFloatingAndSunkPictures) {
    platform::Surface img(54, 54);
    img.SetColorKey(0);
    platform::Fill(img, nullptr, 7);
    const Drawn knight{0, 0, &img, Rect{0, 0, 54, 54}, 100, 300, 54, 54, true};
    // A 54 x 54 picture on a body 96 tall whose feet are at row 396.
    const Rect tall{100, 300, 154, 396};
    Mismatch m = BoxGap(knight, tall, "body");
    EXPECT_EQ(m.gap, 42);
    EXPECT_EQ(m.edge, 'B');
    // Drawn 6 rows below the box and the floor it stands on.
    const Drawn sunk{0, 0, &img, Rect{0, 0, 54, 54}, 100, 306, 54, 54, true};
    const std::vector<Fit> fits = FitUpdate({sunk}, {{BoxUse::kBody, Rect{100, 300, 154, 354}}}, 354);
    ASSERT_EQ(fits.size(), 1u);
    EXPECT_EQ(fits[0].worst.gap, 6);
    // A picture that fills its box.
    EXPECT_EQ(BoxGap(knight, Rect{100, 300, 154, 354}, "body").gap, 0);
    // A ground kind's feet keep to its standing row: a body box 30 rows above
    // the row it stands on does not make a picture reaching that row sunk, in
    // the air or on the floor, and a box reaching below the floor it stands
    // on is measured down to the floor only.
    const Rect high{100, 300, 154, 324};
    EXPECT_EQ(FitUpdate({knight}, {{BoxUse::kBody, high}}, 0, 354)[0].worst.gap, 0);
    EXPECT_EQ(FitUpdate({knight}, {{BoxUse::kBody, high}}, 354, 354)[0].worst.gap, 0);
    EXPECT_EQ(FitUpdate({knight}, {{BoxUse::kBody, high}}, 0)[0].worst.gap, 30);
    EXPECT_EQ(FitUpdate({knight}, {{BoxUse::kBody, Rect{100, 300, 154, 364}}}, 354, 354)[0].worst.gap, 0);
    // Floating in the air above its standing row is still floating.
    EXPECT_EQ(FitUpdate({knight}, {{BoxUse::kBody, Rect{100, 300, 154, 354}}}, 0, 384)[0].worst.gap, 30);
    // Keyed pixels do not count: a picture with a clear bottom half is short.
    const Rect lower{0, 27, 54, 54};
    platform::Fill(img, &lower, 0);
    EXPECT_EQ(BoxGap(knight, Rect{100, 300, 154, 354}, "body").gap, 27);
}

TEST_F(KindPictures, EveryKindFitsItsBoxes) {
    g_playerFront.Select(heroes::kDoran);
    for (int32_t stage = 1; stage <= 50; ++stage)
        if (StageWanted(stage)) WalkStage(stage);
    auto rect = [](const Rect& r) {
        std::ostringstream o;
        o << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
        return o.str();
    };
    // The table, by family.
    std::map<std::string, std::vector<std::string>> lines;
    std::set<std::string> failing;
    for (const auto& [key, w] : worst_) {
        const auto& [cls, set] = key;
        std::ostringstream line;
        line << InfoOf(cls).name << " " << set << " frame " << w.miss.frame << " ";
        if (w.checks == 0)
            line << "no box tested";
        else
            line << w.miss.box << "." << w.miss.edge << " gap " << w.miss.gap << " box " << rect(w.miss.boxInImage)
                 << " picture " << rect(w.miss.picInImage);
        line << " [stage " << w.stage << "; frames";
        for (const int32_t f : w.frames) line << " " << f;
        line << "]";
        lines[FamilyOf(cls)].push_back(line.str());
        if (w.miss.gap > kSlack) failing.insert(set);
    }
    std::ostringstream table;
    if (!detail_.empty()) table << "every frame and check of " << only_ << " (box and picture in image pixels):\n";
    for (const auto& [key, d] : detail_) {
        const auto& [cls, set, frame, box] = key;
        table << "  " << cls << " " << set << " frame " << frame << " " << box << "." << d.miss.edge << " gap "
              << d.miss.gap << " box " << rect(d.miss.boxInImage) << " picture " << rect(d.miss.picInImage)
              << " [stage " << d.stage << "]\n";
    }
    table << "worst mismatch per kind and set (slack " << kSlack << "):\n";
    for (const auto& [family, rows] : lines) {
        table << family << ":\n";
        for (const std::string& r : rows) table << "  " << r << "\n";
    }
    std::cout << table.str();
    if (const char* dir = std::getenv("MORVANE_FIT_SHEETS")) {
        std::vector<SheetBox> boxes;
        for (const auto& [key, rects] : sheetBoxes_)
            for (const Rect& r : rects) boxes.push_back({std::get<0>(key), std::get<1>(key), r, std::get<2>(key)});
        EXPECT_TRUE(WriteContactSheets(dir, &boxes));
    }
    for (const std::string& set : failing) ADD_FAILURE() << set << " does not fit its boxes";
}

}  // namespace

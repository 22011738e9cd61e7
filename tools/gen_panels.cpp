// The stage background panels: each stage's scenery, the way out drawn where
// the exit is, and every floor and wall drawn where the floor table puts it,
// its walking surface on the very row the heroes and foes stand on.
#include <algorithm>
#include <cstdint>

#include "engine/stage_panels.h"
#include "gen_bitmaps.h"
#include "gen_panels.h"
#include "stages/stage.h"

namespace {

// A colour next to c on its ramp (or among the greys), one step darker.
uint8_t Darker(uint8_t c) {
    if (c >= Grey(0) && c <= Grey(29)) return c >= Grey(3) ? static_cast<uint8_t>(c - 3) : Grey(0);
    if (c >= Shade(0, 0) && c <= Shade(kRampCount - 1, 15)) {
        const int shade = (c - Shade(0, 0)) % 16;
        return shade >= 2 ? static_cast<uint8_t>(c - 2) : static_cast<uint8_t>(c + 2);
    }
    return c == 0 ? Grey(0) : Grey(28);
}

// Keeps the walking surfaces' colours for the walking surfaces alone.
void ReserveLipColours(Scene& s, const FloorStyle& f) {
    for (uint8_t& p : s.c.px)
        while (p == f.lip || p == f.lipBelow) p = Darker(p);
}

// The way out: a lit doorway on the ground at the exit, drawn only where the
// exit's panel has a picture of its own (a shared picture would repeat it).
void DrawExitDoor(Scene& s, const FloorStyle& f) {
    ExitPoint exit{};
    if (!StageExitPoint(s.stage, 1, &exit)) return;
    const int top = exit.y + 90;  // the ground under the exit
    const int panel = exit.x < 0 ? 0 : std::min(exit.x / kPanelW, StagePanelCount(s.stage) - 1);
    if (StagePanelFile(s.stage, panel) != s.file) return;
    int sharing = 0;
    for (int i = 0; i < StagePanelCount(s.stage); ++i) sharing += StagePanelFile(s.stage, i) == s.file;
    if (sharing != 1) return;
    const int left = exit.x < 0 ? 2 : exit.x - 10;  // around the hero standing there
    Door(s, left - panel * kPanelW, 48, top, 112, f.face, Grey(1), Shade(kYellow, 6));
}

// Courses of blocks, bricks or planks: a seam along the bottom of each
// course and a joint every `joint` pixels, shifted by `stagger` each course.
bool CourseSeam(int r, int wx, int course, int joint, int stagger) {
    return r % course == course - 1 || (wx + r / course * stagger) % joint == 0;
}

// The face of a floor at world column wx, r rows under its edge.
uint8_t FaceColour(const Scene& s, const FloorStyle& f, int wx, int r) {
    switch (f.material) {
        case Material::kStone: return CourseSeam(r, wx, 14, 128, 64) ? f.seam : f.face;
        case Material::kBrick: return CourseSeam(r, wx, 10, 64, 32) ? f.seam : f.face;
        case Material::kWood: return CourseSeam(r, wx, 7, 128, 48) ? f.seam : f.face;
        case Material::kMarble: {  // slabs with a vein across each
            const int sx = (wx + r / 22 * 80) % 160;
            if (CourseSeam(r, wx, 22, 160, 80)) return f.seam;
            return sx / 2 == (r % 22) * 3 ? f.faceDark : f.face;
        }
        case Material::kMetal: {  // riveted plates
            const int px = (wx + r / 16 * 32) % 64;
            const bool rivet = (r % 16 == 3 || r % 16 == 12) && (px == 4 || px == 5 || px == 59 || px == 60);
            if (CourseSeam(r, wx, 16, 64, 32)) return f.seam;
            return rivet ? f.faceDark : f.face;
        }
        case Material::kBone: {  // courses of skulls, their sockets showing
            const int bx = (wx + r / 12 * 20) % 40;
            const bool socket = (r % 12 == 4 || r % 12 == 5) && (bx == 16 || bx == 17 || bx == 22 || bx == 23);
            if (r % 12 == 11) return f.seam;
            return socket ? f.faceDark : f.face;
        }
        case Material::kEarth:
        case Material::kRock: {  // stones set in it, one to a cell
            const int cell = wx / 40, cx = cell * 40 + static_cast<int>(Mix(s.seed, cell) % 28) + 6;
            const int cy = 6 + static_cast<int>((Mix(s.seed, cell) >> 8) % 30);
            const bool rock = f.material == Material::kRock;
            const double ex = (wx - cx) / (rock ? 12.0 : 5.0), ey = (r - cy) / (rock ? 6.0 : 3.0);
            if (ex * ex + ey * ey < 1) return f.faceDark;
            return r == 12 || r == 28 ? f.seam : f.face;
        }
    }
    return f.face;
}

}  // namespace

void SetUpScene(Scene& s, int stage, int file) {
    s.stage = stage;
    s.file = file;
    s.x0 = file * kPanelW;
    s.period = std::max(1, StagePanelFileCount(stage)) * kPanelW;
    s.repeats = StagePanelFileCount(stage) < StagePanelCount(stage);
    s.seed = Mix(static_cast<uint32_t>(stage), 0x5EEDu);
}

std::vector<uint8_t> PanelPicture(int stage, int file) {
    Scene s;
    SetUpScene(s, stage, file);
    FindPanelFloors(s);
    const FloorStyle f = PaintStageScenery(s);
    DrawExitDoor(s, f);
    ReserveLipColours(s, f);
    DrawFloors(s, f);
    return s.c.px;
}

void DrawFloors(Scene& s, const FloorStyle& f) {
    for (int x = 0; x < kPanelW; ++x) {
        const int wx = WrapX(s, s.x0 + x);
        int start = -1, lastEnd = -1;
        for (int y = 0; y <= kPanelH; ++y) {
            const bool on = y < kPanelH && s.Solid(x, y);
            if (on && start < 0) start = y;
            if (!on) {
                if (start >= 0) lastEnd = y;
                start = -1;
                continue;
            }
            const int d = y - start;
            const bool leftEdge = x > 0 && !s.Solid(x - 1, y), rightEdge = x + 1 < kPanelW && !s.Solid(x + 1, y);
            uint8_t c = f.face;
            if (d == 0 && s.Surface(x, y)) {
                c = f.lip;
            } else if (d < 3 && s.Surface(x, start)) {
                c = f.lipBelow;
            } else if (d >= f.faceDepth) {
                if (f.open) continue;
                c = (d - f.faceDepth) % 24 == 23 ? f.faceDark : f.deep;
            } else if (f.open && d >= f.faceDepth - 2) {
                c = f.faceDark;
            } else {
                c = FaceColour(s, f, wx, d - 3);
                if (leftEdge) c = f.seam;
                if (rightEdge) c = f.faceDark;
            }
            s.c.Put(x, y, c);
        }
        // Ground that reaches close to the screen's foot goes on down to it.
        if (f.foundation && lastEnd >= 400 && lastEnd < kPanelH) s.c.Box(x, lastEnd, x + 1, kPanelH, f.deep);
    }
}

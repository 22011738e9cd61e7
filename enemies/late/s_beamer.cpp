#include "enemies/late/s_beamer.h"

#include <algorithm>

#include "engine/graphics.h"

namespace {

constexpr int32_t kFireCount = 50;

// The cannon's body and what hurts, by phase: a firing cannon's touch box
// is its beam.
struct BeamerBoxes {
    platform::Rect body;
    platform::Rect touch;
};
// clang-format off
constexpr BeamerBoxes kBoxes[4] = {
    {{6, 6, 60, 71},  {6, 6, 60, 71}},
    {{0, 0, 66, 71},  {0, 16, 498, 46}},
    {{0, 6, 54, 71},  {0, 6, 54, 71}},
    {{-5, 0, 61, 71}, {-437, 16, 61, 46}},
};
// clang-format on

// A phase outside the four is read as the nearest one.
const BeamerBoxes& BoxesOf(int32_t phase) { return kBoxes[std::clamp(phase, 0, 3)]; }

platform::Rect At(int32_t x, int32_t y, const platform::Rect& r) {
    return enemy::Box(x, y, r.left, r.top, r.right, r.bottom);
}

}  // namespace

EnemySBeamer::EnemySBeamer(int32_t x_, int32_t y_, int32_t phase_) : x(x_), y(y_), phase(phase_) {}

void EnemySBeamer::Move() {
    if (counter > kFireCount) return;
    counter += 1;
    if (counter == kFireCount) phase += 1;
}

void EnemySBeamer::CheckWeaponHit() { enemy::HitModelB(At(x, y, BoxesOf(phase).body), dead); }

void EnemySBeamer::CheckPlayerTouch() { enemy::TouchHero(At(x, y, BoxesOf(phase).touch), 32); }

void EnemySBeamer::Draw() { g_graphics.DrawSBeamer(x, y, phase); }

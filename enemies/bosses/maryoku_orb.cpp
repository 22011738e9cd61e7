#include "enemies/bosses/maryoku_orb.h"

#include "engine/camera.h"
#include "engine/draw_probe.h"
#include "engine/game_state.h"
#include "engine/graphics.h"
#include "engine/sound.h"
#include "ground/stage_floor.h"
#include "players/player_front.h"

namespace {
constexpr int32_t kHeight = 28;  // the sprite's standing height
constexpr int32_t kClearSound = 5;
constexpr int32_t kFinalClearSound = 17;
constexpr int32_t kFinalArena = 49;
}  // namespace

MaryokuOrb::MaryokuOrb(int32_t hidden_) : hidden(hidden_) {}

void MaryokuOrb::Update() {
    if (hidden != 0) return;
    Fall();
    Pulse();
    CheckPickUp();
    g_graphics.DrawMaryoku(x, y, pulse > 2 ? 1 : 0);
}

void MaryokuOrb::Fall() {
    if (falling == 0) return;
    y += vy;
    vy += 1;
    const int32_t top = g_stageFloor.TopAt(x, y + kHeight);
    if (top == 0) return;
    y = top - kHeight;
    falling = 0;
}

// Three frames at its place, three frames 4 pixels up and to the left.
void MaryokuOrb::Pulse() {
    pulse += 1;
    if (pulse == 3) {
        x -= 4;
        y -= 4;
    } else if (pulse == 6) {
        pulse = 0;
        x += 4;
        y += 4;
    }
}

void MaryokuOrb::CheckPickUp() {
    // The stage is already cleared: the orb is taken once.
    if (g_stageClear != 0) return;
    const platform::Rect orb = pulse >= 3 ? platform::Rect{x, y, x + 28, y + 32} : platform::Rect{x, y, x + 20, y + 24};
    draw_probe::NoteBox(draw_probe::BoxUse::kTouch, orb);
    platform::Rect body{};
    if (g_playerFront.GetHurtBox(&body) == 0) return;
    if (!RectsOverlap(body, orb) || g_playerFront.GetHP() == 0) return;
    g_stageClear = 1;
    g_soundPlayer.PlayPanned(g_stageNumber == kFinalArena ? kFinalClearSound : kClearSound, 0.0);
}

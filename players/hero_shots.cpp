#include "players/hero_shots.h"

#include "engine/graphics.h"
#include "players/player_front.h"

// Constant-initialised, so every hero's constructor may free its slots during
// static start-up whatever the order of initialisation.
constinit ShotHimitu g_shotHimitu;
constinit ShotSuzaku g_shotSuzaku[kSuzakuSlots];
constinit ShotHato g_shotHato[kHatoSlots];
constinit ShotKidan g_shotKidan[kKidanSlots];
constinit ShotFlame g_shotFlame;
constinit ShotLightning g_shotLightning[kLightningSlots];
constinit ShotCross g_shotCross;

namespace {

int32_t Step(int32_t facing, int32_t pixels) { return facing ? pixels : -pixels; }

// Counts one tick; true (and the slot freed) when the shot's time is up.
template <class S>
bool Expired(S& s, int32_t lifetime) {
    s.counter += 1;
    if (s.counter < lifetime) return false;
    s.counter = 0;
    s.finished = 1;
    return true;
}

}  // namespace

// --- The special -------------------------------------------------------------------

ShotHimitu::ShotHimitu(int32_t x_, int32_t y_, int32_t facing_)
    : x(x_), y(y_), frame(facing_ ? 0 : 3), facing(facing_), counter(0), finished(0) {}

void ShotHimitu::Move() {
    if (Expired(*this, 30)) return;
    if (counter < 10) x += Step(facing, 15);
    static constexpr int32_t kCycle[4] = {0, 1, 2, 1};
    frame = (facing ? 0 : 3) + kCycle[(counter % 8) / 2];
}

void ShotHimitu::Update() {
    if (finished) return;
    Move();
    if (!finished) g_graphics.DrawHimitu(x, y, frame);
}

int32_t ShotHimitu::GetHitRect(platform::Rect* out) const {
    if (finished || counter % 2 != 0 || !out) return 0;
    platform::Rect r =
        facing ? platform::Rect{x + 44, y + 8, x + 75, y + 31} : platform::Rect{x, y + 8, x + 31, y + 31};
    if (frame % 3 != 1) {
        r.top += 2;
        r.bottom += 2;
    }
    const int32_t dx = frame == 3 ? 6 : (frame == 5 ? 4 : 0);
    r.left += dx;
    r.right += dx;
    *out = r;
    return 1;
}

// --- Red birds -----------------------------------------------------------------------

ShotSuzaku::ShotSuzaku(int32_t x_, int32_t y_, int32_t facing_)
    : x(x_), y(y_), frame(facing_ ? 0 : 2), facing(facing_), counter(0), finished(0) {}

void ShotSuzaku::Move() {
    if (Expired(*this, 20)) return;
    x += Step(facing, 4);
    y -= 4;
    frame = (counter % 6 > 3 ? 1 : 0) + (facing ? 0 : 2);
}

void ShotSuzaku::Update() {
    if (finished) return;
    Move();
    if (!finished) g_graphics.DrawSuzaku(x, y, frame);
}

int32_t ShotSuzaku::GetHitRect(platform::Rect* out) const {
    if (finished || !out) return 0;
    const bool odd = frame % 2 != 0;
    *out = platform::Rect{x, y, x + (odd ? 26 : 24), y + (odd ? 26 : 20)};
    return 1;
}

// --- White bird ----------------------------------------------------------------------

ShotHato::ShotHato(int32_t x_, int32_t y_, int32_t facing_)
    : x(x_), y(y_), frame(facing_ ? 0 : 4), facing(facing_), counter(0), finished(0) {}

void ShotHato::Move() {
    if (Expired(*this, 20)) return;
    x += Step(facing, 10);
    const int32_t base = facing ? 0 : 4;
    if (counter == 8 || counter == 9)
        frame = base + 2;
    else if (counter == 10 || counter == 11)
        frame = base + 3;
    else if (counter == 12)
        facing = facing ? 0 : 1;  // turns back; the frame stays
    else
        frame = base + (counter % 6 > 3 ? 1 : 0);
}

void ShotHato::Update() {
    if (finished) return;
    Move();
    if (!finished) g_graphics.DrawHato(x, y, frame);
}

int32_t ShotHato::GetHitRect(platform::Rect* out) const {
    if (finished || counter == 12 || !out) return 0;
    static constexpr int32_t kW[4] = {24, 26, 30, 22}, kH[4] = {20, 26, 30, 30};
    const int32_t p = frame % 4;
    *out = platform::Rect{x, y, x + kW[p], y + kH[p]};
    return 1;
}

// --- Magic shot ----------------------------------------------------------------------

ShotKidan::ShotKidan(int32_t x_, int32_t y_, int32_t facing_, int32_t dy_)
    : x(x_), y(y_), facing(facing_), counter(0), dy(dy_), finished(0) {}

void ShotKidan::Move() {
    if (Expired(*this, dy != 0 ? 14 : 20)) return;
    x += Step(facing, 16);
    y += dy;
}

void ShotKidan::Update() {
    if (finished) return;
    Move();
    if (!finished) g_graphics.DrawKidan(x, y);
}

int32_t ShotKidan::GetHitRect(platform::Rect* out) const {
    if (finished || !out) return 0;
    *out = platform::Rect{x, y, x + 42, y + 40};
    return 1;
}

// --- Flame ---------------------------------------------------------------------------

ShotFlame::ShotFlame(int32_t x_, int32_t y_, int32_t facing_)
    : x(x_), y(y_), frame(facing_ ? 0 : 4), facing(facing_), counter(0), finished(0) {}

void ShotFlame::Move() {
    if (Expired(*this, 12)) return;
    x += Step(facing, 8);
    frame = counter / 3 + (facing ? 0 : 4);
}

void ShotFlame::Update() {
    if (finished) return;
    Move();
    if (!finished) g_graphics.DrawFlame(x, y, frame);
}

int32_t ShotFlame::GetHitRect(platform::Rect* out) const {
    if (finished || counter % 2 != 0 || !out) return 0;
    static constexpr int32_t kW[4] = {48, 80, 64, 32}, kH[4] = {20, 24, 28, 28};
    const int32_t p = frame % 4;
    platform::Rect r{x, y, x + kW[p], y + kH[p]};
    const int32_t dx = frame == 4 ? 32 : frame == 6 ? 16 : frame == 7 ? 48 : 0;
    const int32_t dy = (frame == 0 || frame == 4) ? 8 : (frame == 1 || frame == 5) ? 4 : 0;
    r.left += dx;
    r.right += dx;
    r.top += dy;
    r.bottom += dy;
    *out = r;
    return 1;
}

// --- Lightning -----------------------------------------------------------------------

ShotLightning::ShotLightning(int32_t x_, int32_t y_, int32_t facing_, int32_t dy_)
    : x(x_), y(y_), frame(0), facing(facing_), counter(0), dy(dy_), finished(0) {}

void ShotLightning::Move() {
    if (Expired(*this, 18)) return;
    x += Step(facing, 8);
    y += dy;
    frame = counter % 6 > 3 ? 1 : 0;
}

void ShotLightning::Update() {
    if (finished) return;
    Move();
    if (!finished) g_graphics.DrawLightning(x, y, frame);
}

int32_t ShotLightning::GetHitRect(platform::Rect* out) const {
    if (finished || !out) return 0;
    *out = platform::Rect{x, y, x + 24 + 4 * frame, y + 28 + 4 * frame};
    return 1;
}

// --- Cross ---------------------------------------------------------------------------

ShotCross::ShotCross(int32_t x_, int32_t y_, int32_t facing_)
    : x(x_), y(y_), frame(0), facing(facing_), counter(0), finished(0), returning(0), hitsEnabled(1) {}

void ShotCross::Move() {
    counter += 1;
    if (counter >= 9) counter = 0;
    frame = counter / 3;
    x += Step(facing, 12);
    hitsEnabled = 1;
    const int32_t s = WorldToScreenX(x);
    if (!returning) {
        if ((facing == 0 && s < 29) || (facing == 1 && s >= 612)) {
            returning = 1;
            hitsEnabled = 0;
            facing = facing ? 0 : 1;
        }
        return;
    }
    if (s < -29 || s >= 641) {
        finished = 1;
        return;
    }
    platform::Rect body{};
    if (!g_playerFront.GetHurtBox(&body)) return;
    const int32_t grow = (frame == 1 || frame == 2) ? 2 : 0;
    const platform::Rect me{x, y, x + 28 + grow, y + 26 + grow};
    if (RectsOverlap(me, body)) finished = 1;  // caught
}

void ShotCross::Update() {
    if (finished) return;
    Move();
    if (!finished) g_graphics.DrawCross(x, y, frame);
}

int32_t ShotCross::GetHitRect(platform::Rect* out) const {
    if (finished || !hitsEnabled || !out) return 0;
    const int32_t grow = (frame == 1 || frame == 2) ? 2 : 0;
    *out = platform::Rect{x, y, x + 28 + grow, y + 26 + grow};
    return 1;
}

#include "players/player_seliya.h"

#include "engine/camera.h"
#include "engine/keyboard.h"
#include "players/hero_common.h"
#include "players/hero_shots.h"

PlayerSeliya g_playerSeliya;

namespace {

const HeroBody& Body() { return *HeroBodyFor(0); }

constexpr int32_t kPoses = 22;
int32_t Facing(int32_t facing, int32_t right) { return facing ? right : right + kPoses; }

// Body box of each pose index: left offset facing right and left, width, top
// offset, height (the sprite's own rectangle).
struct BodyBox {
    int8_t leftR, leftL, width, top, height;
};
constexpr BodyBox kBoxes[kPoses] = {
    {16, 14, 32, 2, 72},   {18, 14, 30, 28, 46}, {8, 16, 38, 6, 68},   {0, 18, 44, 4, 70},   {2, 18, 42, 2, 72},
    {2, 14, 46, 4, 64},    {8, 18, 36, 6, 68},   {10, 16, 36, 4, 70},  {16, 14, 32, 2, 72},  {16, 16, 30, 0, 74},
    {16, 14, 32, 2, 72},   {16, 14, 32, 4, 70},  {12, 18, 32, 16, 58}, {14, 14, 34, 2, 72},  {6, 6, 50, 2, 72},
    {12, 14, 36, 4, 70},   {18, 12, 32, 26, 48}, {6, 8, 48, 26, 48},   {16, 14, 32, 30, 44}, {10, -2, 52, 26, 58},
    {22, -30, 68, 48, 26}, {0, 16, 46, 14, 60},
};

constexpr int32_t kSpecialTicks = 30;
constexpr int32_t kIdleStart = 310;

}  // namespace

PlayerSeliya::PlayerSeliya() {
    HeroConstruct(*this, Body(), Facing(0, 0));
    g_shotHimitu = ShotHimitu();
    for (ShotSuzaku& s : g_shotSuzaku) s = ShotSuzaku();
    for (ShotHato& s : g_shotHato) s = ShotHato();
}

void PlayerSeliya::HandleInput() {
    uint32_t held = 0, pressed = 0, released = 0;
    if (!HeroReadKeys(*this, held, pressed, released)) return;
    if ((crouching || airborne) && !attacking && (pressed & (kKeyCtrl | kKeyUp))) {
        attacking = 1;
        birdKind = (pressed & kKeyCtrl) ? 1 : 0;
    }
    // Also in the air: she steers while jumping.
    if (HeroSteer(*this, held, !attacking && !special, true)) actionCounter = 0;
    if (!attacking && !special && (pressed & (kKeyCtrl | kKeyUp))) {
        attacking = 1;
        walking = 0;
        actionCounter = 0;
        birdKind = (pressed & kKeyCtrl) ? 1 : 0;
    }
    if ((pressed & kKeyAlt) && !attacking && !crouching && !special && HeroJump(*this, Body())) actionCounter = 0;
    if ((pressed & kKeyShift) && !attacking && !airborne && !special) {
        walkCounter = 0;
        actionCounter = 0;
        special = 1;
        crouching = 0;
        g_soundPlayer.PlayAt(19, screenX);
        g_shotHimitu = ShotHimitu(facing ? x + 15 : x - 25, y + 15, facing);
    }
    HeroLetGo(*this, released, true, !attacking);
}

void PlayerSeliya::StateStep() {
    const auto specialStep = [this] {
        if (!special) return false;
        pose = Facing(facing, 21);
        if (++actionCounter == kSpecialTicks) actionCounter = special = 0;
        return true;
    };
    // Her dead poses run the other way round.
    HeroStateStep(
        *this, Body(), HeroPoses{facing ? 42 : 20, -1, 17}, attacking != 0, nullptr,
        [this] { actionCounter = special = attacking = 0; }, specialStep,
        [this](int32_t counter) { return Facing(facing, counter <= 1 ? 2 : 3 + (counter - 2) / 3); },
        [this] { return Facing(facing, 12); });
}

void PlayerSeliya::Launch(int32_t row) {
    if (birdKind) {
        if (++whiteRing >= kHatoSlots) whiteRing = 0;
        g_shotHato[whiteRing] = ShotHato(x + 15, row + 10, facing);
        return;
    }
    redRing += 2;
    if (redRing >= kSuzakuSlots) redRing = 0;
    // One bird leaves to each side whatever her facing.
    g_shotSuzaku[redRing] = ShotSuzaku(x + 15, row, 0);
    g_shotSuzaku[redRing + 1] = ShotSuzaku(x + 15, row, 1);
}

void PlayerSeliya::ActionStep() {
    if (attacking && (!crouching || airborne) && !knockedBack && !dead && !special) {
        walkCounter = 0;
        actionCounter += 1;
        pose = Facing(facing, actionCounter < 3 ? 13 : actionCounter > 4 ? 15 : 14);
        if (actionCounter == 3) Launch(y);
    } else if (!dead && !knockedBack && !attacking && (crouching || !(airborne || special || walking))) {
        walkCounter = 0;
        if (crouching) {
            pose = Facing(facing, 1);
            return;
        }
        // Standing still long enough starts the idle animation, which loops.
        if (++actionCounter == 327) actionCounter = 315;
        int32_t p = 0;
        if (actionCounter >= 324)
            p = 10;
        else if (actionCounter >= 321)
            p = 11;
        else if (actionCounter >= 318)
            p = 10;
        else if (actionCounter >= 315)
            p = 9;
        else if (actionCounter >= kIdleStart)
            p = 8;
        pose = Facing(facing, p);
    } else if (attacking && crouching && !knockedBack && !dead && !special) {
        walkCounter = 0;
        actionCounter += 1;
        pose = Facing(facing, actionCounter < 3 ? 16 : actionCounter > 4 ? 18 : 17);
        if (actionCounter == 3) Launch(y + 26);
    } else if (knockedBack) {
        pose = Facing(facing, 19);
    }
}

void PlayerSeliya::Update() {
    HeroCountDownInvulnerability(*this);
    StateStep();
    ActionStep();
    HeroScroll(*this);
    if ((pose == 15 || pose == 37) && actionCounter >= 8)
        HeroEndAction(*this, actionCounter, attacking, nullptr, false);
    else if ((pose == 18 || pose == 40) && actionCounter >= 8)
        HeroEndAction(*this, actionCounter, attacking, nullptr, true);
    g_graphics.DrawSeliya(screenX, y, pose);
    g_shotHimitu.Update();
    for (ShotSuzaku& s : g_shotSuzaku) s.Update();
    for (ShotHato& s : g_shotHato) s.Update();
}

int32_t PlayerSeliya::WeaponHits(const platform::Rect* box) const {
    if (!box) return 0;
    return AnyShotHits(g_shotHato, *box) || AnyShotHits(g_shotSuzaku, *box) || ShotHits(g_shotHimitu, *box);
}

int32_t PlayerSeliya::GetHurtBox(platform::Rect* out) const {
    if (HeroCannotBeHurt(*this) || !out || pose < 0 || pose >= 2 * kPoses) return 0;
    const BodyBox& b = kBoxes[pose % kPoses];
    const int32_t left = x + (pose < kPoses ? b.leftR : b.leftL);
    const int32_t top = y + b.top;
    *out = platform::Rect{left, top, left + b.width, top + b.height};
    return 1;
}

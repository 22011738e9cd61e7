#include "players/player_seliya_varm.h"

#include "engine/camera.h"
#include "engine/keyboard.h"
#include "players/hero_common.h"
#include "players/hero_shots.h"

PlayerSeliyaVarm g_playerSeliyaVarm;

namespace {

const HeroBody& Body() { return *HeroBodyFor(1); }

constexpr int32_t kPoses = 35;
int32_t Facing(int32_t facing, int32_t right) { return facing ? right : right + kPoses; }

constexpr int32_t kDashR = 32, kDashL = 32 + kPoses;

}  // namespace

PlayerSeliyaVarm::PlayerSeliyaVarm() {
    HeroConstruct(*this, Body(), Facing(0, 0));
    for (ShotKidan& s : g_shotKidan) s = ShotKidan();
}

void PlayerSeliyaVarm::HandleInput() {
    uint32_t held = 0, pressed = 0, released = 0;
    if (!HeroReadKeys(*this, held, pressed, released)) return;
    if ((crouching || airborne) && Free()) {
        if (pressed & kKeyCtrl) {
            magic = 1;
            counter = 0;
            magicDown = (airborne && (held & kKeyDown)) ? 1 : 0;
        } else if (pressed & kKeyShift) {
            kick = 1;
            counter = 0;
            crouchKick = crouching ? 1 : 0;
        }
    }
    // Also in the air: she steers while jumping.
    if (HeroSteer(*this, held, Free(), true) & kHeroCrouched) counter = 0;
    if ((pressed & kKeyCtrl) && Free()) {
        magic = 1;
        walking = 0;
        counter = 0;
    }
    if ((pressed & kKeyShift) && Free()) {
        kick = 1;
        crouchKick = 0;
        walking = 0;
        counter = 0;
    }
    if ((pressed & kKeyAlt) && Free() && !crouching) HeroJump(*this, Body());
    if ((pressed & kKeyUp) && Free() && !airborne) {
        counter = 0;
        brakfist = 1;
        crouching = 0;
        walking = 0;
        g_soundPlayer.PlayAt(23, screenX);
    }
    HeroLetGo(*this, released, true, true);
}

// The brakfist dash: a wind-up, then a run that drops off an edge like a
// walk; false when no dash runs.
bool PlayerSeliyaVarm::DashStep() {
    if (!brakfist) return false;
    if (counter <= 3) {
        pose = Facing(facing, 30);
    } else if (counter <= 7) {
        pose = Facing(facing, 31);
    } else {
        pose = Facing(facing, 32);
        HeroMove(*this, Body());
        if (HeroWalkedOffEdge(*this, Body())) {
            brakfist = 0;
            HeroDropOffEdge(*this);
            return true;
        }
    }
    if (++counter == 30) counter = brakfist = 0;
    return true;
}

void PlayerSeliyaVarm::StateStep() {
    HeroStateStep(
        *this, Body(), HeroPoses{Facing(facing, 34), -1, 25}, magic || kick, &kick,
        [this] { kick = crouchKick = magicDown = magic = brakfist = 0; }, [this] { return DashStep(); },
        [this](int32_t step) { return Facing(facing, std::min(step / 2 + 1, 12)); },
        [this] { return Facing(facing, 14); });
}

// Magic and kicks; true when one of them ran this tick.
bool PlayerSeliyaVarm::ActionStep() {
    if (knockedBack || dead || brakfist) return false;
    if (magic && !kick) {
        if (counter == 0) {
            g_soundPlayer.PlayAt(21, screenX);
            if (++kidanRing >= kKidanSlots) kidanRing = 0;
            g_shotKidan[kidanRing] = ShotKidan(facing ? x + 11 : x + 1, y, facing, magicDown ? 16 : 0);
        }
        counter += 1;
        pose = Facing(facing, counter > 3 ? 16 : magicDown ? 17 : 15);
        if (counter == 11) magic = magicDown = 0;
        return true;
    }
    if (kick && !magic) {
        if (counter == 0) g_soundPlayer.PlayAt(22, screenX);
        counter += 1;
        if (crouchKick) {
            static constexpr int32_t kCrouchKick[4] = {26, 27, 28, 27};
            pose = Facing(facing, kCrouchKick[std::min((counter - 1) / 4, 3)]);
            if (counter >= 16) kick = crouchKick = 0;
        } else if (airborne) {
            if (counter < 7) pose = Facing(facing, 29);
            if (counter >= 6) kick = 0;
        } else {
            pose = Facing(facing, 18 + std::min((counter - 1) / 2, 7));
            if (counter >= 16) kick = 0;
        }
        return true;
    }
    return false;
}

void PlayerSeliyaVarm::Update() {
    HeroCountDownInvulnerability(*this);
    StateStep();
    if (!ActionStep()) {
        const bool idle = (!walking && !brakfist && (!airborne || crouching)) || ((walking || brakfist) && crouching);
        if (!dead && !knockedBack && idle)
            pose = Facing(facing, crouching ? 13 : 0);
        else if (knockedBack)
            pose = Facing(facing, 33);
    }
    HeroScroll(*this);
    g_graphics.DrawSeliyaVarm(screenX, y, pose);
    for (ShotKidan& s : g_shotKidan) s.Update();
}

int32_t PlayerSeliyaVarm::WeaponHits(const platform::Rect* box) const {
    if (!box) return 0;
    if (AnyShotHits(g_shotKidan, *box)) return 1;
    // The dash hits every third tick.
    if (pose == kDashR && counter % 3 == 2) return RectsOverlap(platform::Rect{x - 34, y, x + 54, y + 88}, *box);
    if (pose == kDashL && counter % 3 == 2) return RectsOverlap(platform::Rect{x - 6, y, x + 82, y + 88}, *box);
    const platform::Rect standR{x + 48, y + 30, x + 94, y + 42}, standL{x - 40, y + 30, x + 6, y + 42};
    const platform::Rect lowR{x + 52, y + 72, x + 82, y + 90}, lowL{x - 32, y + 72, x - 2, y + 90};
    platform::Rect kickBox{};
    if (pose == 29)
        kickBox = {x + 50, y + 30, x + 98, y + 46};
    else if (pose == 64)
        kickBox = {x - 50, y + 30, x - 2, y + 46};
    else if ((pose == 20 && counter == 6) || (pose == 21 && counter == 8) || (pose == 22 && counter == 10))
        kickBox = standR;
    else if ((pose == 55 && counter == 6) || (pose == 56 && counter == 8) || (pose == 57 && counter == 10))
        kickBox = standL;
    else if ((pose == 27 && (counter == 5 || counter == 13)) || (pose == 28 && counter == 9))
        kickBox = lowR;
    else if ((pose == 62 && (counter == 5 || counter == 13)) || (pose == 63 && counter == 9))
        kickBox = lowL;
    else
        return 0;
    return RectsOverlap(kickBox, *box);
}

int32_t PlayerSeliyaVarm::GetHurtBox(platform::Rect* out) const {
    // The brakfist dash cannot be hurt.
    if (HeroCannotBeHurt(*this) || pose == kDashR || pose == kDashL || !out) return 0;
    const int32_t p = pose % kPoses;
    if (p == 13 || (p >= 26 && p <= 28))
        *out = platform::Rect{x, y + 32, x + 26, y + 86};
    else
        *out = platform::Rect{x, y, x + 48, y + 86};
    return 1;
}

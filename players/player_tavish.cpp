#include "players/player_tavish.h"

#include "engine/camera.h"
#include "engine/keyboard.h"
#include "players/hero_common.h"
#include "players/hero_shots.h"

PlayerTavish g_playerTavish;

namespace {

const HeroBody& Body() { return *HeroBodyFor(5); }

// Right-facing pose, or its left-facing twin 14 frames on.
int32_t Facing(int32_t facing, int32_t right) { return facing ? right : right + 14; }

// Standing and crouching, facing right and left.
constexpr WhipReach kWhip[] = {
    {5, 46, 24, 108, 30}, {19, -76, 24, -14, 30}, {11, 46, 38, 108, 44}, {25, -76, 38, -14, 44}};

// Phases 1-3, 4-6 and 7 on of a whip.
int32_t WhipPose(int32_t facing, int32_t first, int32_t phase) {
    return Facing(facing, first + (phase <= 3 ? 0 : phase <= 6 ? 1 : 2));
}

}  // namespace

PlayerTavish::PlayerTavish() {
    HeroConstruct(*this, Body(), Facing(0, 0));
    g_shotCross = ShotCross();
}

void PlayerTavish::HandleInput() {
    uint32_t held = 0, pressed = 0, released = 0;
    if (!HeroReadKeys(*this, held, pressed, released)) return;
    if (crouching || airborne) {
        if ((pressed & kKeyCtrl) && !attacking && !crossThrow) {
            whipSoundRequest = 1;
            attacking = 1;
        } else if ((pressed & kKeyShift) && !crossThrow && !attacking) {
            crossThrow = 1;
        }
    }
    HeroSteer(*this, held, !attacking && !crossThrow, false);
    if ((pressed & kKeyCtrl) && !attacking && !crossThrow) {
        attacking = 1;
        whipSoundRequest = 1;
        walking = 0;
    } else if ((pressed & kKeyShift) && !attacking && !crossThrow) {
        crossThrow = 1;
        walking = 0;
    }
    if ((pressed & kKeyAlt) && !attacking && !airborne && !crouching && !crossThrow) HeroJump(*this, Body());
    HeroLetGo(*this, released, !crossThrow, !attacking);
}

void PlayerTavish::StateStep() {
    const auto endActions = [this] { attackPhase = crossThrow = whippedInAir = attacking = 0; };
    const auto walkPose = [this](int32_t counter) { return Facing(facing, HeroWalkPose17(counter)); };
    HeroStateStep(*this, Body(), HeroPoses{Facing(facing, 13), Facing(facing, 8), 17}, attacking || crossThrow,
                  &whippedInAir, endActions, HeroNoOwnStep, walkPose,
                  [this] { return Facing(facing, whippedInAir ? 0 : 8); });
}

void PlayerTavish::AttackStep() {
    if (attacking && (!crouching || airborne) && !knockedBack && !dead && !crossThrow) {
        walkCounter = 0;
        attackPhase += 1;
        pose = WhipPose(facing, 3, attackPhase);
    } else if (crossThrow && !knockedBack && !dead && !attacking) {
        walkCounter = 0;
        attackPhase += 1;
        pose = Facing(facing, attackPhase <= 3 ? 6 : 7);
        // One cross at a time: a throw while it flies launches nothing.
        if (attackPhase == 4 && g_shotCross.IsFinished())
            g_shotCross = ShotCross(facing ? x + 12 : x + 2, y + 22, facing);
    } else if (!dead && !knockedBack && !crossThrow && !attacking && !((walking || airborne) && !crouching)) {
        walkCounter = 0;
        pose = Facing(facing, crouching ? 8 : 0);
    } else if (attacking && crouching && !knockedBack && !dead && !crossThrow) {
        walkCounter = 0;
        attackPhase += 1;
        pose = WhipPose(facing, 9, attackPhase);
    } else if (knockedBack) {
        pose = Facing(facing, 12);
    }
}

void PlayerTavish::EndStep() {
    // His standing whip and his throw also end a crouch.
    if ((pose == 5 || pose == 19) && attackPhase >= 9) {
        HeroEndAction(*this, attackPhase, attacking, &whippedInAir, false);
        crouching = 0;
    } else if ((pose == 11 || pose == 25) && attackPhase >= 9) {
        HeroEndAction(*this, attackPhase, attacking, nullptr, true);
    } else if ((pose == 7 || pose == 21) && attackPhase >= 6) {
        HeroEndAction(*this, attackPhase, crossThrow, &whippedInAir, false);
        crouching = 0;
    }
}

void PlayerTavish::Update() {
    HeroCountDownInvulnerability(*this);
    StateStep();
    AttackStep();
    EndStep();
    HeroScroll(*this);
    g_graphics.DrawTavish(screenX, y, pose);
    if (whipSoundRequest) {
        whipSoundRequest = 0;
        g_soundPlayer.PlayAt(0, screenX);
    }
    g_shotCross.Update();
}

int32_t PlayerTavish::WeaponHits(const platform::Rect* box, int32_t alreadyHit) const {
    if (!box) return 0;
    if (ShotHits(g_shotCross, *box)) return 1;  // the cross makes no hit sound
    platform::Rect whip{};
    if (!HeroWhipBox(kWhip, pose, x, y, &whip) || !RectsOverlap(whip, *box)) return 0;
    if (alreadyHit == 0) {
        g_hitSoundX = WorldToScreenX(x);
        g_hitSoundRequest = 1;
    }
    return 1;
}

int32_t PlayerTavish::GetHurtBox(platform::Rect* out) const {
    if (HeroCannotBeHurt(*this) || !out) return 0;
    const bool low = (pose >= 8 && pose <= 11) || (pose >= 22 && pose <= 25);
    *out = platform::Rect{x, y + (low ? 14 : 2), x + 32, y + 60};
    return 1;
}

#include "players/player_doran.h"

#include "engine/camera.h"
#include "engine/keyboard.h"
#include "players/hero_common.h"

PlayerDoran g_playerDoran;

namespace {

const HeroBody& Body() { return *HeroBodyFor(2); }

struct PoseArt {
    int32_t w, h, dx, dy;
};

// Sprite size and draw offset of every pose.
const PoseArt kPoses[24] = {
    {36, 62, 0, 0},  {24, 62, 12, 0},    {33, 62, 3, 0},    {36, 62, 0, 0},    {24, 62, 0, 0},   {33, 62, 0, 0},
    {61, 62, 0, 0},  {64, 62, 0, 0},     {129, 62, -97, 0}, {61, 62, -20, 0},  {64, 62, -25, 0}, {129, 62, 0, 0},
    {32, 46, 0, 18}, {32, 46, 0, 18},    {64, 62, -32, 16}, {64, 48, -32, 16}, {128, 46, 0, 18}, {64, 62, 0, 16},
    {64, 48, 0, 16}, {128, 46, -96, 18}, {36, 58, 0, 2},    {36, 58, 0, 2},    {61, 24, 0, 38},  {61, 24, 0, 38},
};

// Standing and crouching, facing right and left.
constexpr WhipReach kWhip[] = {
    {11, 48, 22, 128, 31}, {8, -97, 22, -17, 31}, {16, 65, 38, 145, 46}, {19, -96, 38, -16, 46}};

// Right-facing pose or its left-facing twin.
int32_t Facing(int32_t facing, int32_t right, int32_t left) { return facing ? right : left; }

// Stand, step and step: 2, 3 and 6 ticks of the 11-tick walk.
int32_t WalkPose(int32_t facing, int32_t counter) {
    if (counter <= 1) return Facing(facing, 0, 3);
    return counter <= 4 || counter >= 8 ? Facing(facing, 1, 4) : Facing(facing, 2, 5);
}

}  // namespace

PlayerDoran::PlayerDoran() { HeroConstruct(*this, Body(), 3); }

void PlayerDoran::HandleInput() {
    uint32_t held = 0, pressed = 0, released = 0;
    if (!HeroReadKeys(*this, held, pressed, released)) return;
    if ((crouching || airborne) && (pressed & kKeyCtrl) && !attacking) {
        whipSoundRequest = 1;
        attacking = 1;
    }
    HeroSteer(*this, held, !attacking, false);
    if ((pressed & kKeyCtrl) && !attacking) {
        attacking = 1;
        walking = 0;
        whipSoundRequest = 1;
    }
    if ((pressed & kKeyAlt) && !attacking && !airborne && !crouching) HeroJump(*this, Body());
    HeroLetGo(*this, released, true, !attacking);
}

void PlayerDoran::StateStep() {
    const int32_t fall = Facing(facing, 12, 13);
    HeroStateStep(
        *this, Body(), HeroPoses{Facing(facing, 22, 23), fall, 11}, attacking != 0, &whippedInAir,
        [this] { attackPhase = whippedInAir = attacking = 0; }, HeroNoOwnStep,
        [this](int32_t counter) { return WalkPose(facing, counter); },
        [this, fall] { return whippedInAir ? Facing(facing, 0, 3) : fall; });
}

void PlayerDoran::AttackStep() {
    if (attacking && (!crouching || airborne) && !knockedBack && !dead) {
        walkCounter = 0;
        attackPhase += 1;
        if (attackPhase <= 2)
            pose = Facing(facing, 9, 6);
        else if (attackPhase <= 4)
            pose = Facing(facing, 10, 7);
        else
            pose = Facing(facing, 11, 8);
    } else if (!dead && !knockedBack && !((walking || attacking || airborne) && !crouching) && !attacking) {
        walkCounter = 0;
        pose = crouching ? Facing(facing, 12, 13) : Facing(facing, 0, 3);
    } else if (attacking && crouching && !knockedBack && !dead) {
        walkCounter = 0;
        attackPhase += 1;
        if (attackPhase <= 2)
            pose = Facing(facing, 14, 17);
        else if (attackPhase <= 4)
            pose = Facing(facing, 15, 18);
        else
            pose = Facing(facing, 16, 19);
    } else if (knockedBack) {
        pose = Facing(facing, 20, 21);
    }
}

void PlayerDoran::Draw() {
    if (pose < 0 || pose >= 24) return;
    const PoseArt& a = kPoses[pose];
    platform::Rect dest{screenX + a.dx, y + a.dy, screenX + a.dx + a.w, y + a.dy + a.h};
    platform::Rect src{0, 0, a.w, a.h};
    g_graphics.DrawSceneAndSprite(pose, &dest, &src);
}

void PlayerDoran::Update() {
    HeroCountDownInvulnerability(*this);
    StateStep();
    AttackStep();
    if ((pose == 8 || pose == 11) && attackPhase >= 8)
        HeroEndAction(*this, attackPhase, attacking, &whippedInAir, false);
    else if ((pose == 16 || pose == 19) && attackPhase >= 8)
        HeroEndAction(*this, attackPhase, attacking, nullptr, true);
    HeroScroll(*this);
    Draw();
    if (whipSoundRequest) {
        whipSoundRequest = 0;
        g_soundPlayer.PlayAt(0, screenX);
    }
}

int32_t PlayerDoran::WeaponHits(const platform::Rect* box) const {
    platform::Rect whip{};
    if (!HeroWhipBox(kWhip, pose, x, y, &whip)) return 0;
    return box ? RectsOverlap(whip, *box) : 0;
}

int32_t PlayerDoran::GetHurtBox(platform::Rect* out) const {
    if (HeroCannotBeHurt(*this) || !out) return 0;
    int32_t top = y + 18, bottom = y + 58;
    if (pose <= 11 || whippedInAir) {
        top = y + 2;
        bottom = y + 56;
    } else if (pose == 12 || pose == 13 || pose == 16 || pose == 19) {
        top = y + 20;
        bottom = y + 60;
    }
    *out = platform::Rect{x + 2, top, x + 30, bottom};
    return 1;
}

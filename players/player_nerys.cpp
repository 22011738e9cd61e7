#include "players/player_nerys.h"

#include "engine/camera.h"
#include "engine/keyboard.h"
#include "players/hero_common.h"
#include "players/hero_shots.h"

PlayerNerys g_playerNerys;

namespace {

const HeroBody& Body() { return *HeroBodyFor(6); }

int32_t Facing(int32_t facing, int32_t right) { return facing ? right : right + 8; }

constexpr int32_t kCastTicks = 12;
constexpr int32_t kLaunchTick = 4;

}  // namespace

PlayerNerys::PlayerNerys() {
    HeroConstruct(*this, Body(), Facing(0, 0));
    for (ShotLightning& s : g_shotLightning) s = ShotLightning();
    g_shotFlame = ShotFlame();
}

void PlayerNerys::HandleInput() {
    uint32_t held = 0, pressed = 0, released = 0;
    if (!HeroReadKeys(*this, held, pressed, released)) return;
    if ((crouching || airborne) && !casting && (pressed & (kKeyCtrl | kKeyShift))) {
        spell = (pressed & kKeyCtrl) ? 0 : 1;
        casting = 1;
    }
    HeroSteer(*this, held, !casting, false);
    if (!casting && (pressed & (kKeyCtrl | kKeyShift))) {
        casting = 1;
        walking = 0;
        spell = (pressed & kKeyCtrl) ? 0 : 1;
    }
    if ((pressed & kKeyAlt) && !casting && !airborne && !crouching) HeroJump(*this, Body());
    HeroLetGo(*this, released, true, !casting);
}

void PlayerNerys::StateStep() {
    const HeroPoses poses{Facing(facing, 7), Facing(facing, 4), 17};
    HeroStateStep(
        *this, Body(), poses, casting != 0, &castInAir, [this] { castCounter = castInAir = casting = 0; },
        HeroNoOwnStep, [this](int32_t counter) { return Facing(facing, HeroWalkPose17(counter)); },
        [this] { return Facing(facing, castInAir ? 0 : 3); });
}

void PlayerNerys::CastStep() {
    if (casting && !knockedBack && !dead) {
        walkCounter = 0;
        castCounter += 1;
        pose = Facing(facing, castCounter > 3 ? 5 : 4);
        if (castCounter == kLaunchTick) Launch();
    } else if (!dead && !knockedBack && (!(walking || casting || airborne) || (crouching && !casting))) {
        walkCounter = 0;
        pose = Facing(facing, crouching ? 3 : 0);
    } else if (knockedBack) {
        pose = Facing(facing, 6);
    }
}

// Three bolts from her top-left corner (one drifting down, one level, one
// up) into the older triple, or one flame.
void PlayerNerys::Launch() {
    if (spell == 1) {
        g_shotFlame = ShotFlame(facing ? x : x - 38, y, facing);
        return;
    }
    if (++lightningRing >= 2) lightningRing = 0;
    ShotLightning* triple = &g_shotLightning[3 * lightningRing];
    triple[0] = ShotLightning(x, y, facing, 4);
    triple[1] = ShotLightning(x, y, facing, 0);
    triple[2] = ShotLightning(x, y, facing, -4);
}

void PlayerNerys::Update() {
    HeroCountDownInvulnerability(*this);
    StateStep();
    CastStep();
    HeroScroll(*this);
    if ((pose == 5 || pose == 13) && castCounter >= kCastTicks) {
        HeroEndAction(*this, castCounter, casting, &castInAir, false);
        crouching = 0;
    }
    g_graphics.DrawNerys(screenX, y, pose);
    g_shotFlame.Update();
    for (ShotLightning& s : g_shotLightning) s.Update();
}

int32_t PlayerNerys::WeaponHits(const platform::Rect* box) const {
    if (!box) return 0;
    return ShotHits(g_shotFlame, *box) || AnyShotHits(g_shotLightning, *box);
}

int32_t PlayerNerys::GetHurtBox(platform::Rect* out) const {
    if (HeroCannotBeHurt(*this) || !out) return 0;
    if (pose == 3 || pose == 11) {
        const int32_t s = facing ? 0 : 2;
        *out = platform::Rect{x + s, y + 16, x + s + 32, y + 62};
    } else {
        const int32_t s = facing ? 0 : 4;
        *out = platform::Rect{x + s, y + 2, x + s + 30, y + 62};
    }
    return 1;
}

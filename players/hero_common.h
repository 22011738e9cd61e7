#pragma once

// What the five heroes share: movement with walls and clamps, the camera
// position, gravity and landing, the walk, fall and air step, the walking and
// jumping keys, the end of an action, damage and the death restart. Every hero
// class names these fields alike (hero_record.h), so the helpers are templates
// over the hero type rather than a common base.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "engine/game_state.h"
#include "engine/graphics.h"
#include "engine/keyboard.h"
#include "engine/sound.h"
#include "ground/stage_floor.h"
#include "players/damage.h"
#include "players/hero_body.h"
#include "players/hero_start.h"

// The rest of a hero's constants (its ground geometry is its HeroBody).
struct HeroTraits {
    int32_t frontIndex;
    int32_t knockBackSpeed;
    int32_t hurtSound;
};

// Hit points a damage level costs the hero, before the cap at the hit points
// left, under the built damage rule.
int32_t HeroDamage(int32_t frontIndex, int32_t level);

// Traits of the hero with the given player-front index (Tavish for any index
// without a hero of its own, as the player front chooses).
const HeroTraits& HeroTraitsFor(int32_t heroIndex);

// The hero's camera position for a world x (equals WorldToScreenX of x when
// the hero stands at x).
int32_t HeroScreenXFor(int32_t x);

// The constructor's common part: 16 hit points, everything else 0, facing
// right, then the start position of the current stage, standing (pose 0, or
// standingLeft facing left).
template <class H>
void HeroConstruct(H& h, const HeroBody& body, int32_t standingLeft) {
    h.hp = 16;
    h.facing = 1;
    if (g_stageNumber >= 1 && g_stageNumber <= 50) {
        const HeroStart s = HeroStartFor(g_stageNumber);
        h.x = s.x;
        h.screenX = s.screenX;
        h.y = s.y + body.startYOffset;
        h.facing = s.facing;
    }
    h.pose = h.facing ? 0 : standingLeft;
}

// The walk-cycle counter; the Varmiel form counts its walk in its one action
// counter.
template <class H>
int32_t& HeroWalkCounter(H& h) {
    if constexpr (requires { h.walkCounter; })
        return h.walkCounter;
    else
        return h.counter;
}

// Reads this frame's keys; a fresh Esc asks for the menu. False when the hero
// takes no further input this frame (Esc, knocked back or dead).
template <class H>
bool HeroReadKeys(H& h, uint32_t& held, uint32_t& pressed, uint32_t& released) {
    g_keyboard.Poll();
    g_keyboard.GetState(held, pressed, released);
    if (pressed & kKeyEsc) {
        g_menuRequest = 1;
        h.crouching = 0;
        h.walking = 0;
        return false;
    }
    return h.knockedBack == 0 && h.dead == 0;
}

// One 5-pixel step, backwards while knocked back, with walls, clamps and the
// scroll request.
template <class H>
void HeroMove(H& h, const HeroBody& body) {
    const int32_t endX = g_stageEndX;
    const int32_t left = (h.facing == 0 && h.knockedBack == 0) || (h.facing == 1 && h.knockedBack != 0);
    const int32_t oldX = h.x;
    const HeroStepResult step = HeroStepX(g_stageFloor, h.x, h.y, left, body.leastX, endX);
    h.x = step.x;
    if (step.wall) {
        if (left || h.x != oldX) h.screenX = HeroScreenXFor(h.x);
        return;
    }
    if (h.x >= 320 && h.x <= endX - 280) {
        h.scrollRequest = 1;
        h.screenX = 320;
        return;
    }
    h.screenX =
        left ? std::max(h.screenX - kHeroStep, body.leastX) : std::min(h.screenX + kHeroStep, body.greatestScreenX);
}

// The gravity step and a landing probe at (x + dx, y + dy); true when the
// hero landed (y and the vertical speed are set; the caller clears its flags).
template <class H>
bool HeroFall(H& h, int32_t dx, int32_t dy, int32_t landHeight) {
    h.y += h.vy / 5;
    h.vy += 20;
    const int32_t top = g_stageFloor.TopAt(h.x + dx, h.y + dy);
    if (top == 0) return false;
    h.y = top - landHeight;
    h.vy = 0;
    return true;
}

template <class H>
bool HeroFallAir(H& h, const HeroBody& body) {
    return HeroFall(h, body.landProbeDx, body.landProbeDy, body.landHeight);
}

template <class H>
bool HeroFallKnocked(H& h, const HeroBody& body) {
    return HeroFall(h, body.landProbeDx, body.knockProbeDy, body.landHeight);
}

// Whether the ground under a walking hero has gone.
template <class H>
bool HeroWalkedOffEdge(const H& h, const HeroBody& body) {
    return g_stageFloor.TopAt(h.x + body.walkProbeDx, h.y + body.walkProbeDy) == 0;
}

// Walked off an edge: fall from rest with the walk over; a hero with a second
// jump has none left.
template <class H>
void HeroDropOffEdge(H& h) {
    h.airborne = 1;
    h.vy = 0;
    h.walking = 0;
    HeroWalkCounter(h) = 0;
    if constexpr (requires { h.jumpCount; }) h.jumpCount = 2;
}

constexpr int32_t kHeroCrouched = 1;
constexpr int32_t kHeroSteered = 2;

// Held Down crouches, held Left or Right walks that way, each while the hero
// is free of its own actions and on the ground (or in the air too, for a hero
// that steers while jumping). Returns kHeroCrouched and kHeroSteered for the
// keys that took hold.
template <class H>
int32_t HeroSteer(H& h, uint32_t held, bool free, bool steersInAir) {
    int32_t took = 0;
    if ((held & kKeyDown) && !h.crouching && !h.airborne && free) {
        h.crouching = 1;
        h.walking = 0;
        took |= kHeroCrouched;
    }
    const bool steer = free && (steersInAir || !h.airborne);
    if ((held & kKeyLeft) && steer) {
        h.walking = 1;
        h.facing = 0;
        took |= kHeroSteered;
    }
    if ((held & kKeyRight) && steer) {
        h.walking = 1;
        h.facing = 1;
        took |= kHeroSteered;
    }
    return took;
}

// A jump from the ground or, for a hero with a second jump, from the air;
// false when none is left.
template <class H>
bool HeroJump(H& h, const HeroBody& body) {
    if constexpr (requires { h.jumpCount; }) {
        h.jumpCount = std::min(h.jumpCount + 1, 3);
        if (h.jumpCount >= 3) return false;
    }
    h.airborne = 1;
    h.vy = body.jumpSpeed;
    HeroWalkCounter(h) = 0;
    return true;
}

// Letting go of the walking direction ends the walk on the ground (canStop:
// no action of the hero's own keeps it going); letting go of Down stands it
// up when canStand.
template <class H>
void HeroLetGo(H& h, uint32_t released, bool canStop, bool canStand) {
    const bool turnedAway = ((released & kKeyLeft) && h.facing == 0) || ((released & kKeyRight) && h.facing == 1);
    if (turnedAway && h.walking && !h.airborne && canStop) {
        h.walking = 0;
        if constexpr (requires { h.walkCounter; }) h.walkCounter = 0;
    }
    if ((released & kKeyDown) && canStand) h.crouching = 0;
}

// A hero's own poses in the shared step, its facing already applied.
struct HeroPoses {
    int32_t dead;
    int32_t offEdge;  // on walking off an edge; -1 keeps the pose
    int32_t cycle;    // ticks of one walk cycle
};

// The step every hero shares, in order: dead; knocked back, moving back until
// it lands, when endActions() ends the hero's own actions; ownStep(), a state
// of the hero's own, true when it ran; walking unless busy (an action of its
// own holds it), posed by walkPose(counter); in the air, where a landing also
// clears *landingEnds (when given) and airPose() poses it afterwards.
template <class H, class EndActions, class OwnStep, class WalkPose, class AirPose>
void HeroStateStep(H& h, const HeroBody& body, const HeroPoses& p, bool busy, int32_t* landingEnds,
                   EndActions endActions, OwnStep ownStep, WalkPose walkPose, AirPose airPose) {
    int32_t& counter = HeroWalkCounter(h);
    if (h.dead) {
        h.pose = p.dead;
    } else if (h.knockedBack) {
        HeroMove(h, body);
        if (HeroFallKnocked(h, body)) {
            counter = h.vy = h.knockedBack = h.crouching = h.walking = h.airborne = 0;
            if constexpr (requires { h.jumpCount; }) h.jumpCount = 0;
            endActions();
        }
    } else if (ownStep()) {
        return;
    } else if (h.walking && !busy && !h.crouching && !h.airborne) {
        HeroMove(h, body);
        if (HeroWalkedOffEdge(h, body)) {
            HeroDropOffEdge(h);
            if (p.offEdge >= 0) h.pose = p.offEdge;
        } else {
            h.pose = walkPose(counter);
            if (++counter == p.cycle) counter = 0;
        }
    } else if (h.airborne) {
        if (h.walking) HeroMove(h, body);
        if (HeroFallAir(h, body)) {
            h.airborne = 0;
            h.walking = 0;
            if constexpr (requires { h.jumpCount; }) h.jumpCount = 0;
            if (landingEnds) *landingEnds = 0;
        }
        h.pose = airPose();
    }
}

// An action ends on its last pose: its counter and flag clear. A crouching
// action also ends the walk and the crouch; any other ends the walk on the
// ground and, in the air, marks *inAir when given.
template <class H>
void HeroEndAction(H& h, int32_t& counter, int32_t& action, int32_t* inAir, bool crouched) {
    counter = 0;
    action = 0;
    if (crouched) {
        h.walking = 0;
        h.crouching = 0;
    } else if (!h.airborne) {
        h.walking = 0;
    } else if (inAir) {
        *inAir = 1;
    }
}

// Where a whip reaches in a pose that swings it, as offsets from the hero's
// (x, y).
struct WhipReach {
    int32_t pose, left, top, right, bottom;
};

// The whip's box in the hero's pose; false when that pose swings none.
template <size_t N>
bool HeroWhipBox(const WhipReach (&reach)[N], int32_t pose, int32_t x, int32_t y, platform::Rect* out) {
    for (const WhipReach& r : reach) {
        if (r.pose != pose) continue;
        *out = platform::Rect{x + r.left, y + r.top, x + r.right, y + r.bottom};
        return true;
    }
    return false;
}

// The hero's own steps: none beside the shared ones.
inline bool HeroNoOwnStep() { return false; }

// Pose of the 17-tick walk cycle that Tavish and Nerys share: 1 frame a,
// 2 frame b, 0 standing (before the facing is applied).
int32_t HeroWalkPose17(int32_t walkCounter);

template <class H>
void HeroTakeDamage(H& h, const HeroTraits& t, int32_t level) {
    if (g_damageRule == 0) h.invulnerable = 40;
    h.knockedBack = 1;
    h.vy = t.knockBackSpeed;
    g_soundPlayer.PlayAt(t.hurtSound, h.screenX);
    const int32_t lost = std::max(0, std::min(HeroDamage(t.frontIndex, level), h.hp));
    g_graphics.ClearLifeCells(h.hp, lost);
    h.hp -= lost;
}

// Rule A: the first step of every update.
template <class H>
void HeroCountDownInvulnerability(H& h) {
    if (g_damageRule == 0 && h.invulnerable != 0) h.invulnerable -= 1;
}

// The common reasons to withhold the hurt box; a hero that died by falling
// keeps its hit points but must not be hit again below the screen.
template <class H>
bool HeroCannotBeHurt(const H& h) {
    return (g_damageRule == 0 && h.invulnerable != 0) || h.knockedBack != 0 || h.hp <= 0 || h.dead != 0;
}

// Death by falling or by hit points, the countdown and the stage restart (the
// frame loop places the stage's objects again on the request).
template <class H>
void HeroCheckDeath(H& h) {
    if (h.y < 480 && (h.knockedBack != 0 || h.hp >= 1)) return;
    if (h.dead == 0) {
        h.dead = 1;
        g_soundPlayer.PlayAt(1, 0);
        h.deathCountdown = 41;
        if (h.y > 480) h.y = 1000;
    }
    h.deathCountdown -= 1;
    if (h.deathCountdown < 1) {
        h = H();
        g_graphics.RestoreScene();
        g_graphics.ResetLifeBar();
        g_stageRestartRequest = 1;
    }
}

// Clears the scroll request and recomposes the scene for the hero's x.
template <class H>
void HeroScroll(H& h) {
    if (h.scrollRequest == 0) return;
    h.scrollRequest = 0;
    g_graphics.DrawBackground(h.x);
}

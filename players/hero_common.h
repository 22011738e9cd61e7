#pragma once

// What the five heroes share: movement with walls and clamps, the camera
// position, gravity and landing, damage and the death restart. Every hero
// class names these fields alike, so the helpers are templates over the hero
// type rather than a common base.
#include <algorithm>
#include <cstdint>

#include "engine/game_state.h"
#include "engine/graphics.h"
#include "engine/keyboard.h"
#include "engine/sound.h"
#include "engine/stage_floor.h"
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

// The hero's camera position for a world x (equals WorldToScreenX of x when
// the hero stands at x).
int32_t HeroScreenXFor(int32_t x);

// The constructor's common part: 16 hit points, everything else 0, facing
// right, then the start position of the current stage.
template <class H>
void HeroConstruct(H& h, const HeroBody& body) {
    h.hp = 16;
    h.facing = 1;
    if (g_stageNumber < 1 || g_stageNumber > 50) return;
    const HeroStart s = HeroStartFor(g_stageNumber);
    h.x = s.x;
    h.screenX = s.screenX;
    h.y = s.y + body.startYOffset;
    h.facing = s.facing;
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

// Walked off an edge: fall from rest with the walk over.
template <class H>
void HeroDropOffEdge(H& h) {
    h.airborne = 1;
    h.vy = 0;
    h.walking = 0;
    h.walkCounter = 0;
}

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

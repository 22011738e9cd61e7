#include "player_front.h"

#include "engine/camera.h"
#include "engine/graphics.h"
#include "engine/keyboard.h"
#include "engine/menu.h"
#include "engine/shell.h"
#include "players/hero_body.h"
#include "players/hero_start.h"
#include "players/player_doran.h"

PlayerFront g_playerFront;

namespace {

int32_t s_x = 0;
int32_t s_y = 0;
int32_t s_hp = 16;

}  // namespace

void PlaceStandInHero(int32_t x, int32_t y, int32_t hp) {
    s_x = x;
    s_y = y;
    s_hp = hp;
}

void PlayerFront::Reset() {
    if (selected_ == 2) {
        g_playerDoran = PlayerDoran();
        return;
    }
    const HeroStart start = HeroStartFor(g_stageNumber);
    const HeroBody* body = HeroBodyFor(selected_);
    const int32_t dy = (body && start.y != 0) ? body->startYOffset : 0;
    PlaceStandInHero(start.x, start.y + dy, 16);
}

void PlayerFront::HandleInput() {
    if (selected_ == 2) {
        g_playerDoran.HandleInput();
        return;
    }
    g_keyboard.Poll();
    uint32_t held = 0, pressed = 0, released = 0;
    g_keyboard.GetState(held, pressed, released);
    if (pressed & kKeyEsc) g_menu.Open();
}

void PlayerFront::Update() {
    if (selected_ == 2) {
        g_playerDoran.Update();
        return;
    }
    // The stand-in still lays the scene, as every hero's draw does.
    platform::Rect none{0, 0, 0, 0};
    g_graphics.DrawSceneAndSprite(-1, &none, &none);
}

void PlayerFront::CheckDeath() {
    if (selected_ == 2) g_playerDoran.CheckDeath();
}

int32_t PlayerFront::GetX() const { return selected_ == 2 ? g_playerDoran.x : s_x; }
int32_t PlayerFront::GetY() const { return selected_ == 2 ? g_playerDoran.y : s_y; }
int32_t PlayerFront::GetHP() const { return selected_ == 2 ? g_playerDoran.hp : s_hp; }

int32_t PlayerFront::WeaponHits(const platform::Rect* box, int32_t alreadyHit) {
    switch (selected_) {
        case 2:
            if (g_playerDoran.WeaponHits(box) == 0) return 0;
            if (alreadyHit == 0) {
                g_hitSoundX = WorldToScreenX(GetX());
                g_hitSoundRequest = 1;
            }
            return 1;
        default:
            return 0;
    }
}

int32_t PlayerFront::GetHurtBox(platform::Rect* out) {
    return selected_ == 2 ? g_playerDoran.GetHurtBox(out) : 0;
}

void PlayerFront::TakeDamage(int32_t level) {
    if (selected_ == 2) g_playerDoran.TakeDamage(level);
}

void PlayerFront::DrawMenuCursor() {
    switch (selected_) {
        case 0: g_graphics.DrawMenuCursorSeliya(); break;
        case 1: g_graphics.DrawMenuCursorSeliyaVarm(); break;
        case 2: g_graphics.DrawMenuCursorTobrin(); break;
        case 6: g_graphics.DrawMenuCursorNerys(); break;
        default: g_graphics.DrawMenuCursorTavish(); break;
    }
}

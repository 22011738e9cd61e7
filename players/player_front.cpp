#include "player_front.h"

#include "engine/graphics.h"
#include "engine/keyboard.h"
#include "engine/menu.h"
#include "engine/shell.h"
#include "players/hero_body.h"
#include "players/hero_start.h"

PlayerFront g_playerFront;

namespace {
// Stand-in hero until the hero classes exist: it only reads the keys.
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
    const HeroStart start = HeroStartFor(g_stageNumber);
    const HeroBody* body = HeroBodyFor(selected_);
    const int32_t dy = (body && start.y != 0) ? body->startYOffset : 0;
    PlaceStandInHero(start.x, start.y + dy, 16);
}

void PlayerFront::HandleInput() {
    g_keyboard.Poll();
    uint32_t held = 0, pressed = 0, released = 0;
    g_keyboard.GetState(held, pressed, released);
    if (pressed & kKeyEsc) g_menu.Open();
}

void PlayerFront::Update() {}
void PlayerFront::CheckDeath() {}
int32_t PlayerFront::GetX() const { return s_x; }
int32_t PlayerFront::GetY() const { return s_y; }
int32_t PlayerFront::GetHP() const { return s_hp; }
int32_t PlayerFront::WeaponHits(const platform::Rect*, int32_t) { return 0; }
int32_t PlayerFront::GetHurtBox(platform::Rect*) { return 0; }
void PlayerFront::TakeDamage(int32_t) {}
void PlayerFront::DrawMenuCursor() {
    switch (selected_) {
        case 0: g_graphics.DrawMenuCursorSeliya(); break;
        case 1: g_graphics.DrawMenuCursorSeliyaVarm(); break;
        case 2: g_graphics.DrawMenuCursorTobrin(); break;
        case 6: g_graphics.DrawMenuCursorNerys(); break;
        default: g_graphics.DrawMenuCursorTavish(); break;
    }
}

#include "player_front.h"

#include "engine/keyboard.h"
#include "engine/menu.h"

PlayerFront g_playerFront;

namespace {
// Stand-in hero until the hero classes exist: it only reads the keys.
int32_t s_x = 0;
int32_t s_y = 0;
int32_t s_hp = 16;
}  // namespace

void PlayerFront::Reset() {
    s_x = 0;
    s_y = 0;
    s_hp = 16;
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
void PlayerFront::DrawMenuCursor() {}

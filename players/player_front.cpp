#include "player_front.h"

#include <type_traits>

#include "engine/camera.h"
#include "engine/draw_probe.h"
#include "engine/game_state.h"
#include "engine/graphics.h"
#include "players/hero_common.h"
#include "players/player_doran.h"
#include "players/player_nerys.h"
#include "players/player_seliya.h"
#include "players/player_seliya_varm.h"
#include "players/player_tavish.h"

PlayerFront g_playerFront;

namespace {

// Calls f with the selected hero's global: 0 Seliya, 1 her Varmiel form,
// 2 Doran, 6 Nerys, anything else Tavish.
template <class F>
decltype(auto) WithHero(int32_t index, F&& f) {
    switch (index) {
        case 0: return f(g_playerSeliya);
        case 1: return f(g_playerSeliyaVarm);
        case 2: return f(g_playerDoran);
        case 6: return f(g_playerNerys);
        default: return f(g_playerTavish);
    }
}

}  // namespace

PlayerFront::PlayerFront() : selected_(2) { Select(selected_); }

void PlayerFront::Select(int32_t index) {
    selected_ = index;
    g_heroX = WithHero(selected_, [](auto& hero) { return &hero.x; });
}

void PlayerFront::Reset() {
    WithHero(selected_, [](auto& hero) { hero = std::remove_reference_t<decltype(hero)>(); });
}

void PlayerFront::HandleInput() {
    WithHero(selected_, [](auto& hero) { hero.HandleInput(); });
}

void PlayerFront::Update() {
    WithHero(selected_, [](auto& hero) { hero.Update(); });
}

void PlayerFront::CheckDeath() {
    WithHero(selected_, [](auto& hero) { HeroCheckDeath(hero); });
}

int32_t PlayerFront::GetX() const {
    return WithHero(selected_, [](auto& hero) { return hero.x; });
}

int32_t PlayerFront::GetY() const {
    return WithHero(selected_, [](auto& hero) { return hero.y; });
}

int32_t PlayerFront::GetHP() const {
    return WithHero(selected_, [](auto& hero) { return hero.hp; });
}

int32_t PlayerFront::WeaponHits(const platform::Rect* box, int32_t alreadyHit) {
    if (box) draw_probe::NoteBox(draw_probe::BoxUse::kBody, *box);
    switch (selected_) {
        case 0: return g_playerSeliya.WeaponHits(box);
        case 1: return g_playerSeliyaVarm.WeaponHits(box);
        case 6: return g_playerNerys.WeaponHits(box);
        case 5: return g_playerTavish.WeaponHits(box, alreadyHit);
        case 2:
            if (g_playerDoran.WeaponHits(box) == 0) return 0;
            if (alreadyHit == 0) {
                g_hitSoundX = WorldToScreenX(GetX());
                g_hitSoundRequest = 1;
            }
            return 1;
        default: return 0;
    }
}

int32_t PlayerFront::GetHurtBox(platform::Rect* out) {
    return WithHero(selected_, [out](auto& hero) { return hero.GetHurtBox(out); });
}

void PlayerFront::TakeDamage(int32_t level) {
    const HeroTraits& traits = HeroTraitsFor(selected_);
    WithHero(selected_, [&traits, level](auto& hero) { HeroTakeDamage(hero, traits, level); });
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

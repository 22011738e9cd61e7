#pragma once

#include <algorithm>

#include "enemies/model/enemy_model.h"
#include "engine/game_state.h"
#include "engine/graphics.h"
#include "game_test.h"
#include "players/hero_common.h"
#include "players/player_doran.h"
#include "players/player_front.h"
#include "shell/menu.h"

// Enemies on stage 1 before a whip hero at (900, 330), the generator seeded
// with 7. The whip hero stands in for every hero: its whip reaches x + 48 to
// x + 128 at rows y + 22 to y + 31 in pose 11, its body is x + 2 to x + 30.
class EnemyTest : public DataDirTest {
protected:
    void SetUp() override {
        DataDirTest::SetUp();
        StartGame();
        g_stageNumber = 1;
        g_menu.StartStage();
        g_menu.active = 0;
        SeedGameRand(7);
        PutHero(900, 330);
    }
    void PutHero(int32_t x, int32_t y) {
        hero = PlayerDoran();
        hero.x = x;
        hero.y = y;
        hero.hp = 16;
    }
    void Whip(bool on) { hero.pose = on ? 11 : 0; }
    // Pixels of the back buffer that some draw has set.
    int CountDrawn() {
        const platform::Surface* b = g_graphics.BackBuffer();
        return static_cast<int>(
            std::count_if(b->Pixels(), b->Pixels() + b->Width() * b->Height(), [](uint8_t p) { return p != 0; }));
    }
    int32_t Cost(int32_t level) { return HeroDamage(g_playerFront.GetCharacter(), level); }

    PlayerDoran& hero = g_playerDoran;
};

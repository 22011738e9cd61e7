#include "game_reset.h"

#include "engine/game_state.h"
#include "engine/keyboard.h"
#include "engine/music.h"
#include "engine/sound.h"
#include "engine/timers.h"
#include "ground/stage_floor.h"
#include "players/player_doran.h"
#include "players/player_front.h"
#include "players/player_nerys.h"
#include "players/player_seliya.h"
#include "players/player_seliya_varm.h"
#include "players/player_tavish.h"
#include "shell/menu.h"
#include "shell/shell.h"
#include "stages/stage.h"

void ResetGameGlobals() {
    g_timers.KillAll();
    g_timers.Reset();
    g_firstPaint = 1;
    g_stageNumber = 0;
    g_stageClear = 0;
    g_clearWaitTicks = 0;
    g_tickTimerId = 0;
    g_musicTimerId = 0;
    g_hitSoundRequest = 0;
    g_hitSoundX = 0;
    g_hitSoundSlot = 2;
    g_stageRestartRequest = 0;
    g_soundsPending = 1;
    g_loadedStage = -1;
    g_keyboard = Keyboard();
    g_menu = GameMenu();
    g_playerFront = PlayerFront();
    g_playerDoran = PlayerDoran();
    g_playerTavish = PlayerTavish();
    g_playerSeliya = PlayerSeliya();
    g_playerSeliyaVarm = PlayerSeliyaVarm();
    g_playerNerys = PlayerNerys();
    g_stage = Stage();
    g_stageFloor = StageFloor();
    g_stageMusic = StageMusic();
    g_soundPlayer = SoundPlayer();
}

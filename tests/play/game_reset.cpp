#include "game_reset.h"

#include "enemies/model/enemy_classes.h"
#include "engine/game_state.h"
#include "engine/keyboard.h"
#include "engine/music.h"
#include "engine/sound.h"
#include "engine/timers.h"
#include "ground/stage_floor.h"
#include "players/hero_shots.h"
#include "players/player_doran.h"
#include "players/player_front.h"
#include "players/player_nerys.h"
#include "players/player_seliya.h"
#include "players/player_seliya_varm.h"
#include "players/player_tavish.h"
#include "shell/menu.h"
#include "shell/shell.h"
#include "stages/stage.h"

namespace {

// A record as the program's static arrays hold it at load: zeroed, then
// built by the no-argument constructor (which for most kinds writes nothing).
template <class T>
const T& AtLoad() {
    static T value;
    return value;
}

}  // namespace

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
    g_menuRequest = 0;
    g_stageEndX = 0;
    g_keyboard = Keyboard();
    g_menu = GameMenu();
    // The ground and the stage length first: the heroes take their start
    // from them.
    g_stageFloor = AtLoad<StageFloor>();
    g_stage = Stage();
    g_playerFront = PlayerFront();
    g_playerDoran = PlayerDoran();
    g_playerTavish = PlayerTavish();
    g_playerSeliya = PlayerSeliya();
    g_playerSeliyaVarm = PlayerSeliyaVarm();
    g_playerNerys = PlayerNerys();
    g_stageMusic = StageMusic();
    g_soundPlayer = SoundPlayer();
    // Records of classes a stage does not use keep whatever an earlier run
    // left, as in the game; a run that starts afresh starts from load.
#define ENEMY(Class, array, size, arity, deadArg) \
    for (auto& e : array) e = AtLoad<Class>();
#include "enemies/model/registry.def"
#undef ENEMY
    g_shotHimitu = AtLoad<ShotHimitu>();
    for (auto& s : g_shotSuzaku) s = AtLoad<ShotSuzaku>();
    for (auto& s : g_shotHato) s = AtLoad<ShotHato>();
    for (auto& s : g_shotKidan) s = AtLoad<ShotKidan>();
    g_shotFlame = AtLoad<ShotFlame>();
    for (auto& s : g_shotLightning) s = AtLoad<ShotLightning>();
    g_shotCross = AtLoad<ShotCross>();
    // The pools' rotating slot counters start at 0 with the program.
    g_beriFireSlot = 0;
    BossMino::clodSlotBase = 0;
    g_miiraBoulderSlot = 0;
    g_miiraBandageSlot = 0;
    g_hurankenRockSet = 0;
    g_kaminariBoltSlot = 0;
    g_gyaiFire1Slot = 0;
    g_gyaiFire2Slot = 0;
}

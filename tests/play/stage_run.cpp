#include "stage_run.h"

#include "engine/game_state.h"
#include "engine/keyboard.h"
#include "game_reset.h"
#include "players/player_doran.h"
#include "players/player_front.h"
#include "players/player_nerys.h"
#include "players/player_seliya.h"
#include "players/player_seliya_varm.h"
#include "players/player_tavish.h"
#include "shell/menu.h"
#include "shell/shell.h"
#include "snapshot.h"

const HeroChoice kHeroChoices[5] = {{2, "doran"}, {5, "tavish"}, {0, "seliya"}, {1, "varmiel"}, {6, "nerys"}};

int32_t HeroItemNamed(const std::string& name) {
    for (const HeroChoice& h : kHeroChoices)
        if (name == h.name) return h.item;
    return -1;
}

namespace {

template <class H>
HeroView ViewOf(const H& h) {
    return HeroView{h.x, h.y, h.hp, h.dead};
}

void PumpAll(platform::HeadlessBackend& backend) {
    platform::Message m{};
    while (backend.TakeMessage(m)) WindowProc(m);
}

}  // namespace

HeroView SelectedHero() {
    switch (g_playerFront.GetCharacter()) {
        case 0: return ViewOf(g_playerSeliya);
        case 1: return ViewOf(g_playerSeliyaVarm);
        case 2: return ViewOf(g_playerDoran);
        case 6: return ViewOf(g_playerNerys);
        default: return ViewOf(g_playerTavish);
    }
}

void StartStageRun(platform::HeadlessBackend& backend, int32_t stage, int32_t hero, uint32_t seed) {
    platform::SetBackend(&backend);
    ResetGameGlobals();
    WindowProc(platform::Message{platform::MessageType::Paint, 0});
    g_keyboard.Init();
    // As the stage-select page leaves it: play runs, the in-stage menu next.
    g_menu.active = 0;
    g_menu.mode = 0;
    g_menu.cursor = 0;
    g_menu.itemCount = g_menu.itemCountPerMode[0];
    g_playerFront.Select(hero);
    g_stageNumber = stage;
    SeedSnapshotRandom(seed);
    g_menu.StartStage();
    PumpAll(backend);
}

void StepFrame(platform::HeadlessBackend& backend, uint8_t keys) {
    for (uint32_t k = 0; k < 8; ++k) backend.SetKey(static_cast<uint8_t>(g_keyCodes[k]), ((keys >> k) & 1u) != 0);
    backend.Advance(50);
    PumpAll(backend);
    // Nothing reads the plays back here; a long run would only pile them up.
    backend.ClearSoundPlays();
}

size_t PlayToClear(platform::HeadlessBackend& backend, int32_t stage, int32_t hero, uint32_t seed,
                   const std::vector<uint8_t>& keys) {
    StartStageRun(backend, stage, hero, seed);
    for (size_t i = 0; i < keys.size(); ++i) {
        StepFrame(backend, keys[i]);
        if (g_stageClear != 0) return i + 1;
    }
    return 0;
}

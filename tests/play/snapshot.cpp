#include "snapshot.h"

#include <cstdlib>
#include <cstring>
#include <type_traits>

#include "enemies/model/enemy_classes.h"
#include "engine/game_state.h"
#include "engine/keyboard.h"
#include "ground/stage_floor.h"
#include "players/hero_shots.h"
#include "players/player_doran.h"
#include "players/player_front.h"
#include "players/player_nerys.h"
#include "players/player_seliya.h"
#include "players/player_seliya_varm.h"
#include "players/player_tavish.h"
#include "shell/menu.h"

namespace {

// glibc's generator keeps its position in the first word of the buffer it is
// given, written there by setstate() as it leaves a buffer: a restore leaves
// ours for a scratch one first, or the live position would overwrite the
// restored one.
alignas(int32_t) char s_randomState[128];
alignas(int32_t) char s_scratchState[128];
bool s_randomOurs = false;

struct Region {
    void* at;
    size_t size;
};

// Byte copies are only sound for records without padding or owners.
template <class T>
Region Of(T& value) {
    using V = std::remove_all_extents_t<T>;
    static_assert(std::is_trivially_copyable_v<V> && std::has_unique_object_representations_v<V>);
    return Region{&value, sizeof(T)};
}

// The records the digest covers: what a replay's end is checked against.
std::vector<Region> PlayRegions() {
    std::vector<Region> r = {
        Of(g_playerDoran),  Of(g_playerNerys), Of(g_playerSeliya),  Of(g_playerSeliyaVarm),
        Of(g_playerTavish), Of(g_shotHimitu),  Of(g_shotSuzaku),    Of(g_shotHato),
        Of(g_shotKidan),    Of(g_shotFlame),   Of(g_shotLightning), Of(g_shotCross),
    };
#define ENEMY(Class, array, size, arity, deadArg) r.push_back(Of(array));
#include "enemies/model/registry.def"
#undef ENEMY
    return r;
}

std::vector<Region> AllRegions() {
    std::vector<Region> r = PlayRegions();
    for (Region x : {Of(g_playerFront), Of(g_stageFloor), Of(g_menu), Of(g_stageNumber), Of(g_stageClear),
                     Of(g_clearWaitTicks), Of(g_hitSoundRequest), Of(g_hitSoundX), Of(g_hitSoundSlot),
                     Of(g_menuRequest), Of(g_stageRestartRequest), Of(g_stageEndX),
                     // The pools' rotating slot counters, kept for the whole run.
                     Of(g_beriFireSlot), Of(BossMino::clodSlotBase), Of(g_miiraBoulderSlot), Of(g_miiraBandageSlot),
                     Of(g_hurankenRockSet), Of(g_kaminariBoltSlot), Of(g_gyaiFire1Slot), Of(g_gyaiFire2Slot)})
        r.push_back(x);
    return r;
}

const std::vector<Region>& Regions() {
    static const std::vector<Region> all = AllRegions();
    return all;
}

}  // namespace

void SeedSnapshotRandom(uint32_t seed) {
    initstate(1, s_scratchState, sizeof s_scratchState);
    initstate(seed, s_randomState, sizeof s_randomState);
    s_randomOurs = true;
}

void SaveGame(GameSnapshot& out) {
    size_t total = sizeof(Keyboard) + sizeof s_randomState;
    for (const Region& r : Regions()) total += r.size;
    out.bytes.resize(total);
    uint8_t* p = out.bytes.data();
    for (const Region& r : Regions()) {
        std::memcpy(p, r.at, r.size);
        p += r.size;
    }
    // The keyboard's held and fresh keys; its device flag is the same in both.
    std::memcpy(p, static_cast<void*>(&g_keyboard), sizeof(Keyboard));
    p += sizeof(Keyboard);
    if (s_randomOurs) setstate(s_randomState);
    std::memcpy(p, s_randomState, sizeof s_randomState);
}

void RestoreGame(const GameSnapshot& in) {
    const uint8_t* p = in.bytes.data();
    for (const Region& r : Regions()) {
        std::memcpy(r.at, p, r.size);
        p += r.size;
    }
    std::memcpy(static_cast<void*>(&g_keyboard), p, sizeof(Keyboard));
    p += sizeof(Keyboard);
    if (s_randomOurs) setstate(s_scratchState);
    std::memcpy(s_randomState, p, sizeof s_randomState);
    setstate(s_randomState);
    s_randomOurs = true;
}

uint64_t GameDigest() {
    uint64_t h = 1469598103934665603ull;
    static const std::vector<Region> play = PlayRegions();
    for (const Region& r : play) {
        const auto* b = static_cast<const uint8_t*>(r.at);
        for (size_t i = 0; i < r.size; ++i) h = (h ^ b[i]) * 1099511628211ull;
    }
    return h;
}

#include "music.h"

#include "engine/game_state.h"
#include "platform/platform.h"

StageMusic g_stageMusic;
std::mutex g_musicMutex;

StageMusic::StageMusic() : performance(0), loader(0), paths{}, currentTrack(0), segments{}, trackCount(0), waiting(1) {
    const int32_t list = (g_stageNumber >= 0 && g_stageNumber < kMusicLists) ? g_stageNumber : 0;
    trackCount = static_cast<int32_t>(g_trackCounts[list]);
    for (int32_t i = 0; i < trackCount; ++i) paths[i] = TrackPath(list, i);
}

int32_t StageMusic::Init() {
    platform::Backend* b = platform::Current();
    if (!b || !b->OpenAudio()) return 0;
    performance = 1;
    loader = 1;
    return 1;
}

int32_t StageMusic::LoadAll() {
    platform::Backend* b = platform::Current();
    if (!b || performance == 0 || loader == 0) return 0;
    for (int32_t i = 0; i < trackCount; ++i) {
        if (segments[i] != 0) {
            b->FreeMusic(segments[i]);
            segments[i] = 0;
        }
        segments[i] = b->LoadMusic(paths[i]);
        if (segments[i] == 0) return 0;
        Stop();
    }
    return 1;
}

int32_t StageMusic::PlayCurrent() {
    platform::Backend* b = platform::Current();
    if (!b || performance == 0 || segments[currentTrack] == 0) return 0;
    return b->PlayMusic(segments[currentTrack]) ? 1 : 0;
}

int32_t StageMusic::Stop() {
    platform::Backend* b = platform::Current();
    if (!b || performance == 0) return 0;
    b->StopMusic();
    return 1;
}

int32_t StageMusic::IsPlaying() {
    platform::Backend* b = platform::Current();
    if (!b || performance == 0 || segments[currentTrack] == 0) return 0;
    return b->IsMusicPlaying(segments[currentTrack]) ? 1 : 0;
}

void StageMusic::NextTrack() {
    currentTrack += 1;
    if (currentTrack >= trackCount) currentTrack = 0;
    PlayCurrent();
}

void StageMusic::Release() {
    platform::Backend* b = platform::Current();
    for (int32_t i = 0; i < trackCount; ++i) {
        if (segments[i] == 0) continue;
        if (b) b->FreeMusic(segments[i]);
        segments[i] = 0;
    }
    performance = 0;
    loader = 0;
}

#pragma once

#include <cstdint>
#include <mutex>

class StageMusic {
public:
    StageMusic() = default;
    int32_t Init() { return 1; }
    int32_t LoadAll() { return 1; }
    int32_t PlayCurrent() { return 1; }
    int32_t Stop() { return 1; }
    int32_t IsPlaying() { return 0; }
    void NextTrack() {}
    void Release() {}

    int32_t waiting = 1;
};

extern StageMusic g_stageMusic;
// Held by whichever thread touches g_stageMusic: the frame loop's music check
// and the short-lived next-track thread.
extern std::mutex g_musicMutex;

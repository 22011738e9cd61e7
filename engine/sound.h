#pragma once

#include <cstdint>

class SoundPlayer {
public:
    void Init() {}
    void LoadWave(const char*, int32_t) {}
    void PlayAt(int32_t slot, int32_t x);
    void PlayPanned(int32_t slot, double pan);

    // Last play, for checks until the sound device is wired.
    int32_t lastSlot = -1;
    int32_t lastX = 0;
    int32_t playCount = 0;
};

extern SoundPlayer g_soundPlayer;

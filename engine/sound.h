#pragma once

#include <cstdint>
#include <vector>

#include "engine/wave.h"

constexpr int32_t kWaveSlots = 24;

// Wave-table paths by slot; slots 2 and 3, and 6 to 8, share a file.
extern const char* const g_waveFiles[kWaveSlots];

// The game's sound effects: one buffer per wave-table slot, played panned
// left, centre or right by the screen x of whatever made the sound.
class SoundPlayer {
public:
    SoundPlayer();
    ~SoundPlayer();

    void Init();
    void LoadWave(const char* path, int32_t slot);
    void ReadWaveFile(const char* path);
    void PlayAt(int32_t slot, int32_t x);
    void PlayPanned(int32_t slot, double pan);
    void SetPanFromX(int32_t x);
    void SetPan(double pan);

    int32_t IsOpen() const { return deviceOpen; }
    uint32_t GetBuffer(int32_t slot) const;

    int32_t deviceOpen;            // the sound device is set up
    uint32_t buffers[kWaveSlots];  // backend sound handles, 0 until loaded
    uint32_t current;              // buffer played last
    WaveFormat format;             // of the last file read
    uint32_t dataSize;             // of the last file read
    std::vector<uint8_t> data;     // samples of the last file read, until copied
};

extern SoundPlayer g_soundPlayer;

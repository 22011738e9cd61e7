#pragma once

#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform.h"

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;

namespace platform {

// The real program's backend: SDL2 window, renderer and timers, SDL2_ttf text (platform/text.cpp).
class SdlBackend : public Backend {
public:
    SdlBackend();
    ~SdlBackend() override;

    bool CreateMainWindow(const char* windowClass, const char* title) override;
    std::string LastError() override;
    bool OpenDisplay() override;
    void ShowCursor(bool show) override;
    void SetPalette(const Color (&entries)[256]) override;
    bool Present(const Surface& frame) override;
    void DrawText(Surface& dst, int x, int y, const char* utf8, uint8_t index) override;

    bool WaitMessage(Message& out) override;
    void PostUser(uint32_t param) override;
    void PostQuit(int exitCode) override;

    uint32_t MinTimerPeriod() override { return 1; }
    bool BeginTimerPeriod(uint32_t) override { return true; }
    void EndTimerPeriod(uint32_t) override {}
    uint32_t StartTimer(uint32_t periodMs, TimerCallback callback) override;
    void StopTimer(uint32_t id) override;

    bool OpenKeyboard() override;
    bool ReadKeyboard(uint8_t (&state)[256]) override;
    void CloseKeyboard() override {}

    // ---- Audio (effects on SDL2_mixer, music on one FluidSynth synthesizer) ----
    bool OpenAudio() override;
    uint32_t CreateSound(const PcmFormat& format, const uint8_t* data, size_t bytes) override;
    void DestroySound(uint32_t sound) override;
    void SetSoundPan(uint32_t sound, double pan) override;
    void PlaySound(uint32_t sound) override;
    bool IsSoundPlaying(uint32_t sound) override;
    uint32_t LoadMusic(const char* path) override;
    bool PlayMusic(uint32_t music) override;
    void StopMusic() override;
    bool IsMusicPlaying(uint32_t music) override;
    void FreeMusic(uint32_t music) override;
    // The General MIDI soundfont the music uses; empty when there is none.
    static std::string FindSoundFont();
    struct Audio;
    // Music milestones ("soundfont loaded", "player started", "player
    // stopped", "synthesizer deleted", "device closed"), for tests; may be
    // called on the soundfont loader's thread.
    std::function<void(const char*)> audioTrace;
    // A sound buffer's samples as the device plays them, for tests.
    std::vector<uint8_t> SoundSamples(uint32_t sound);
    // ---- end of audio ----

    // Exposed for the benchmark: palette lookup of one frame into 32-bit pixels.
    static void ConvertFrame(const Surface& frame, const uint32_t* lut, uint32_t* out, int pitchPixels);

    struct Timer;

private:
    bool videoUp_ = false;
    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* texture_ = nullptr;
    uint32_t lut_[256] = {};
    uint32_t userEvent_ = 0;
    std::string error_;
    std::mutex timersMutex_;
    std::map<uint32_t, std::unique_ptr<Timer>> timers_;
    uint32_t nextTimerId_ = 1;
    Audio* audio_ = nullptr;  // audio block; made by OpenAudio
    void CloseAudio();
};

}  // namespace platform

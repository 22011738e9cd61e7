#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "platform.h"

namespace platform {

// Backend for tests: no window, a virtual clock that fires due timers on the
// caller's thread, read-back of presented frames and drawn texts, injected
// keys, clicks and closes, and injected failures.
class HeadlessBackend : public Backend {
public:
    struct Text {
        int x, y;
        std::string text;
        uint8_t index;
    };

    bool CreateMainWindow(const char* windowClass, const char* title) override;
    std::string LastError() override { return "headless failure"; }
    bool OpenDisplay() override;
    void ShowCursor(bool show) override { cursorShown = show; }
    void SetPalette(const Color (&entries)[256]) override;
    bool Present(const Surface& frame) override;
    void DrawText(Surface& dst, int x, int y, const char* utf8, uint8_t index) override;

    bool WaitMessage(Message& out) override;
    void PostUser(uint32_t param) override;
    void PostQuit(int exitCode) override;

    uint32_t MinTimerPeriod() override { return minTimerPeriod; }
    bool BeginTimerPeriod(uint32_t ms) override;
    void EndTimerPeriod(uint32_t ms) override;
    uint32_t StartTimer(uint32_t periodMs, TimerCallback callback) override;
    void StopTimer(uint32_t id) override;

    bool OpenKeyboard() override { return !failKeyboardOpen; }
    bool ReadKeyboard(uint8_t (&state)[256]) override;
    void CloseKeyboard() override {}

    // ---- Audio ----
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

    // A sound plays for its length in virtual time (Advance). Music has no
    // length here: a track plays until EndMusic, StopMusic or another track.
    struct SoundPlay {
        uint32_t sound;
        double pan;    // pan in force when the play was asked for
        bool started;  // false: the buffer was still playing and went on
    };
    struct SoundInfo {
        PcmFormat format;
        std::vector<uint8_t> samples;
        double pan;
        uint64_t endsAt;  // virtual time the current play ends; 0 never played
    };
    std::vector<SoundPlay> SoundPlays();
    void ClearSoundPlays();
    // Copy of a live buffer; false for an unknown or destroyed handle.
    bool GetSound(uint32_t sound, SoundInfo& out);
    int LiveSounds();
    // Ends the track that plays, as if it had reached its end.
    void EndMusic();
    // Path of the track playing, empty when none.
    std::string PlayingMusic();
    // Every track started, in order, by path.
    std::vector<std::string> MusicStarts();
    int LiveMusic();
    // Music calls on handles that were freed or never made (counted, not
    // refused: the game must never make them).
    int StaleMusicCalls();

    bool failAudio = false;
    // Track paths (as the game names them) that fail to load.
    std::vector<std::string> unloadableMusic;
    // Widens the window in which another thread could touch the music: each
    // PlayMusic sleeps this long before it takes effect.
    uint32_t playMusicDelayUs = 0;
    // ---- end of audio ----

    // --- test controls ---
    // Moves the virtual clock, firing every due timer in time order.
    void Advance(uint32_t ms);
    uint64_t Now() const { return now_; }
    void SetKey(uint8_t code, bool down) { keys_[code] = down ? 0x80 : 0; }
    void ReleaseAllKeys();
    void InjectClick();
    void InjectClose();
    void InjectPaint();
    // Takes one queued message without waiting; false when none is queued.
    bool TakeMessage(Message& out);
    size_t QueuedMessages();
    int ActiveTimers() const;

    // Called by WaitMessage whenever the queue is empty; returning false (or
    // having no hook) ends the loop as if quit with code 0 had been posted.
    std::function<bool()> idle;

    bool failWindow = false;
    bool failDisplay = false;
    bool failTimers = false;
    bool failKeyboardOpen = false;
    bool failKeyboardRead = false;
    uint32_t minTimerPeriod = 1;
    bool cursorShown = true;

    int presentCount = 0;
    std::vector<uint8_t> lastFrame;  // indices of the last presented frame
    Color lastPalette[256] = {};     // palette in force at that present
    Color palette[256] = {};
    std::vector<Text> pendingTexts;  // drawn since the last present
    std::vector<Text> lastTexts;     // drawn into the last presented frame
    std::vector<uint32_t> periodsBegun;
    std::vector<uint32_t> periodsEnded;

private:
    struct Timer {
        uint32_t period;
        uint64_t due;
        TimerCallback callback;
    };

    std::mutex mutex_;
    std::deque<Message> queue_;
    std::map<uint32_t, Timer> timers_;
    uint32_t nextTimerId_ = 1;
    uint64_t now_ = 0;
    uint8_t keys_[256] = {};

    // ---- Audio ----
    struct Music {
        std::string path;
        bool live;
    };
    std::mutex audioMutex_;
    bool audioOpen_ = false;
    std::map<uint32_t, SoundInfo> sounds_;
    uint32_t nextSound_ = 1;
    std::vector<SoundPlay> soundPlays_;
    std::map<uint32_t, Music> music_;
    uint32_t nextMusic_ = 1;
    uint32_t playingMusic_ = 0;
    std::vector<std::string> musicStarts_;
    int staleMusicCalls_ = 0;
};

}  // namespace platform
